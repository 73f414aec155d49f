#include "platform/Help.h"

#include <windows.h>

#include <cstdio>

#include "errors/Dialogs.h"
#include "platform/ShellGateway.h"
#include "platform/WideText.h"
#include "platform/Win32Platform.h"
#include "widgets/Application.h"

namespace qv::win {

std::string HelpFileName() { return ProgramDirectory() + "Help.htm"; }

std::string HelpAddress(const std::string& helpFile, int context) {
  // A file address: forward slashes, and every byte a browser could misread escaped.
  std::string address = "file:///";
  for (unsigned char c : helpFile) {
    if (c == '\\') {
      address += '/';
    } else if (c <= ' ' || c >= 0x7F || c == '%' || c == '#' || c == '?' || c == '"') {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", c);
      address += escaped;
    } else {
      address += static_cast<char>(c);
    }
  }
  return address + "#ctx" + std::to_string(context);
}

void OpenHelp(int context) {
  const std::string file = HelpFileName();
  if (GetFileAttributesW(ToWide(file).c_str()) == INVALID_FILE_ATTRIBUTES) {
    ShowErrorMessage("The help file \"" + file + "\" was not found.");
    return;
  }
  TShellRequest request;
  request.File = HelpAddress(file, context);
  request.Owner = Application().MainWindow();
  uint32_t error = 0;
  if (!ShellGateway().Execute(request, error))
    ShowErrorMessage("Failed to open the help file \"" + file + "\".");
}

}  // namespace qv::win
