// Token elevation and starting a process with another token came with Windows Vista.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0601
#undef WINVER
#define WINVER 0x0601
#include "platform/Elevation.h"

#include <windows.h>
#include <shellapi.h>

#include "errors/Guard.h"
#include "paths/PathStrings.h"
#include "platform/FileServices.h"
#include "platform/ScopedHandle.h"
#include "platform/ShellGateway.h"
#include "platform/UninstallRegistry.h"
#include "platform/WideText.h"
#include "widgets/Application.h"

namespace qv::win {

namespace {

const char* const kFile = "Include/Install";

bool FolderRefusesWriting(const std::string& folder) {
  std::string dir = ExcludeTrailingBackslash(folder);
  while (!dir.empty() && !IsDirectory(dir)) dir = ExcludeTrailingBackslash(GetParentDir(dir));
  if (dir.empty()) return false;
  const std::string probe = CombinePath(dir, "~Quenvalis-rights.tmp");
  SetLastError(0);
  TScopedHandle file{CreateFileW(ToWide(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr)};
  return file.H == INVALID_HANDLE_VALUE && GetLastError() == ERROR_ACCESS_DENIED;
}

bool RegistryRefusesWriting() {
  HKEY key = nullptr;
  const LONG result = RegOpenKeyExW(HKEY_LOCAL_MACHINE, ToWide(ExcludeTrailingBackslash(UninstallRegistryKey(""))).c_str(),
                                    0, KEY_CREATE_SUB_KEY | KEY_SET_VALUE, &key);
  if (key) RegCloseKey(key);
  return result == ERROR_ACCESS_DENIED;
}

TOKEN_ELEVATION_TYPE ElevationType() {
  TScopedHandle token;
  TOKEN_ELEVATION_TYPE type = TokenElevationTypeDefault;
  DWORD size = 0;
  if (OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token.H))
    GetTokenInformation(token.H, TokenElevationType, &type, sizeof type, &size);
  return type;
}

// True when this process runs with administrator rights that were raised
// above the user's normal ones (a split token).
bool IsRaisedAboveUser() { return ElevationType() == TokenElevationTypeFull; }

// Starts file with the token of the process that owns the shell's desktop
// window. False when there is no such shell or its token cannot be used.
bool RunWithShellToken(const std::string& file, DWORD& code) {
  DWORD shellProcess = 0;
  HWND shell = GetShellWindow();
  if (!shell || !GetWindowThreadProcessId(shell, &shellProcess) || !shellProcess) return false;
  TScopedHandle process{OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, shellProcess)};
  TScopedHandle token, primary;
  if (!process.H || !OpenProcessToken(process.H, TOKEN_DUPLICATE, &token.H) ||
      !DuplicateTokenEx(token.H, TOKEN_QUERY | TOKEN_DUPLICATE | TOKEN_ASSIGN_PRIMARY |
                                     TOKEN_ADJUST_DEFAULT | TOKEN_ADJUST_SESSIONID,
                        nullptr, SecurityImpersonation, TokenPrimary, &primary.H)) {
    code = GetLastError();
    return false;
  }
  const std::wstring wide = ToWide(file);
  std::wstring commandLine = L"\"" + wide + L"\"";
  const std::wstring folder = wide.substr(0, wide.find_last_of(L'\\') + 1);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessWithTokenW(primary.H, 0, wide.c_str(), &commandLine[0], 0, nullptr,
                               folder.empty() ? nullptr : folder.c_str(), &startup, &started)) {
    code = GetLastError();
    return false;
  }
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  return true;
}

}  // namespace

bool LacksMachineInstallRights(const std::string& folder) {
  return FolderRefusesWriting(folder) || RegistryRefusesWriting();
}

bool UserCanBeAdministrator() {
  if (ElevationType() != TokenElevationTypeDefault) return true;  // a split token: raised or raisable
  SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
  PSID administrators = nullptr;
  if (!AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0,
                                &administrators))
    return false;
  BOOL member = FALSE;
  if (!CheckTokenMembership(nullptr, administrators, &member)) member = FALSE;
  FreeSid(administrators);
  return member != FALSE;
}

TElevatedRun RunElevatedAndWait(const std::string& exe, const std::string& parameters) {
  return Silent(QV_OP(kFile, "RunElevatedAndWait", ""), [&](TFunStatContext& local) {
    TElevatedRun run;
    TShellRequest request;
    request.Verb = "runas";
    request.File = exe;
    request.Parameters = parameters;
    request.Owner = Application().MainWindow();
    TScopedHandle process;
    uint32_t error = 0;
    request.Process = &process.H;
    if (!ShellGateway().Execute(request, error)) {
      if (error == ERROR_CANCELLED) {
        run.Kind = TElevatedRun::Refused;
        return run;
      }
      local.Raise(kFile, "RunElevatedAndWait", error, "Failed to get administrator rights.", exe, parameters,
                  Error, __LINE__);
      return run;
    }
    // The shell and the raised process may send this window messages while it waits.
    while (process.H &&
           MsgWaitForMultipleObjects(1, &process.H, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1)
      Application().ProcessMessages();
    DWORD exitCode = 0;
    if (!process.H || !GetExitCodeProcess(process.H, &exitCode)) {
      local.Raise(kFile, "RunElevatedAndWait", GetLastError(), "Failed to get administrator rights.", exe,
                  parameters, Error, __LINE__);
      return run;
    }
    run.Kind = TElevatedRun::Ended;
    run.ExitCode = exitCode;
    return run;
  });
}

bool RunFileAsUser(const std::string& file) {
  if (!IsRaisedAboveUser()) return RunFile(file, "", "", false);
  return Silent(QV_OP(kFile, "RunFileAsUser", ""), [&](TFunStatContext& local) {
    DWORD code = 0;
    if (RunWithShellToken(file, code)) return true;
    // No shell of the user's own to start it from (an emulated system that
    // raises every process, a server without a desktop shell): the shell's
    // default action starts it as this process runs.
    if (!GetShellWindow()) {
      if (RunFile(file, "", "", false)) return true;
      TakeFailure(local);
      return false;
    }
    local.Raise(kFile, "RunFileAsUser", code, "Failed to run file.", file, "", Error, __LINE__);
    return false;
  });
}

}  // namespace qv::win
