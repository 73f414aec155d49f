// A stand-in dictionary program for the look-up tests: it appends one line to
// "dictionary-probe.log" beside itself, with what followed its own name on its
// command line and the clipboard's text, each in brackets, and exits.
#include <windows.h>

#include <fstream>
#include <string>

namespace {

// The command line after the program's own name (quoted or not), as given.
std::string Parameters() {
  const std::string line = GetCommandLineA();
  size_t end = 0;
  if (!line.empty() && line[0] == '"') {
    end = line.find('"', 1);
    end = end == std::string::npos ? line.size() : end + 1;
  } else {
    end = line.find(' ');
    if (end == std::string::npos) end = line.size();
  }
  return line.substr(end);
}

std::string ClipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* chars = static_cast<const char*>(GlobalLock(data))) text = chars;
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string log = path;
  log = log.substr(0, log.rfind('\\') + 1) + "dictionary-probe.log";
  std::ofstream(log, std::ios::binary | std::ios::app) << "[" << Parameters() << "][" << ClipboardText() << "]\n";
  return 0;
}
