#include "platform/Help.h"

#include <windows.h>
#include <shellapi.h>

#include "errors/Dialogs.h"
#include "platform/Win32Platform.h"

namespace qv::win {

std::string HelpFileName() { return ProgramDirectory() + "Help.htm"; }

bool OpenSite(const std::string& address) {
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_FLAG_NO_UI;
  info.lpVerb = "open";
  info.lpFile = address.c_str();
  info.nShow = SW_SHOWNORMAL;
  return ShellExecuteExA(&info) != FALSE;
}

void OpenHelp(int context) {
  const std::string file = HelpFileName();
  if (GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES) {
    ShowErrorMessage("The help file \"" + file + "\" was not found.");
    return;
  }
  // Topics are anchors named after their context number; the shell opens the page.
  (void)context;
  if (!OpenSite(file)) ShowErrorMessage("Failed to open the help file \"" + file + "\".");
}

}  // namespace qv::win
