#include "platform/ProgramInstance.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/WideText.h"
#include "platform/Win32Platform.h"

namespace qv::win {
namespace {
HANDLE instanceMutex = nullptr;

bool EqualsNoCase(const std::string& a, const std::string& b) {
  return lstrcmpiW(ToWide(a).c_str(), ToWide(b).c_str()) == 0;
}
}  // namespace

bool IsProgramAlreadyRunning(const std::string& name) {
  SetLastError(0);
  HANDLE h = CreateMutexW(nullptr, TRUE, ToWide("Mutex_ProgramInstance_" + name).c_str());
  if (h && GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(h);
    return true;
  }
  instanceMutex = h;
  return false;
}

void ReleaseProgramInstance() {
  if (instanceMutex) CloseHandle(instanceMutex);
  instanceMutex = nullptr;
}

bool IsInstallModeFor(const std::string& exeFileName, const std::string& firstArgument) {
  const size_t cut = exeFileName.find_last_of("\\/:");
  const std::string name = cut == std::string::npos ? exeFileName : exeFileName.substr(cut + 1);
  return EqualsNoCase(name, "Install.exe") || EqualsNoCase(firstArgument, "/Uninstall");
}

std::vector<std::string> CommandLineArguments() {
  std::vector<std::string> out;
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv) return out;
  for (int i = 1; i < argc; ++i) {
    out.push_back(FromWide(argv[i]));
  }
  LocalFree(argv);
  return out;
}

bool IsInstallMode() {
  const auto args = CommandLineArguments();
  return IsInstallModeFor(ProgramFileName(), args.empty() ? std::string() : args[0]);
}

}  // namespace qv::win
