#include "app/install/UninstallSteps.h"

#include <windows.h>

#include "install/InstallEntry.h"
#include "encoding/UnicodeText.h"
#include "paths/PathStrings.h"
#include "platform/FileServices.h"
#include "platform/ProgramInstance.h"
#include "platform/Shortcuts.h"
#include "platform/UninstallRegistry.h"
#include "platform/Win32Platform.h"
#include "platform/WideText.h"

namespace qv::app {

using win::FileExists;
using win::ToWide;

bool EntryNamesFolder(TInstallScope scope, const std::string& name, const std::string& folder) {
  const std::string program = ProgramOfUninstallCommand(win::ReadUninstallRegistry(scope, name, "UninstallString"));
  return SamePath(GetDirOfPath(program), folder) ||
         SamePath(win::ReadUninstallRegistry(scope, name, "InstallLocation"), folder);
}

namespace {

constexpr DWORD kFinishWaitMs = 10 * 60 * 1000;  // the uninstall window's last message may stay open a while

bool DeleteAnyFile(const std::string& path) {
  const std::wstring wide = ToWide(path);
  SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
  return DeleteFileW(wide.c_str()) != FALSE;
}

void DeleteOne(const std::string& path, TUninstallReport& report) {
  if (FileExists(path) && !DeleteAnyFile(path)) report.Left.push_back(path);
}

void RemoveFolderIfEmpty(const std::string& path, TUninstallReport& report) {
  if (!FileExists(path) || RemoveDirectoryW(ToWide(path).c_str())) return;
  if (GetLastError() == ERROR_DIR_NOT_EMPTY) report.Kept.push_back(path);
  else report.Left.push_back(path);
}

// The entry goes only when it names this installation: another installation
// of the program (in another folder) keeps its own.
void RemoveEntry(const TUninstallStep& step, TInstallScope scope, TUninstallReport& report) {
  if (!EntryNamesFolder(scope, step.Path, step.Target)) return;
  if (!win::DeleteUninstallerRegistry(scope, step.Path))
    report.Left.push_back("the entry \"" + step.Path + "\" in the system's list of programs");
}

// Starts a copy of this program from the temporary folder that deletes program
// once it has ended, and then folder when it is empty.
bool StartProgramRemoval(const std::string& program, const std::string& folder) {
  TRunOrder order;
  order.Set("Mode", "Finish");
  order.Set("Program", program);
  order.Set("Folder", folder);
  const std::string orderPath = order.Write();
  if (orderPath.empty()) return false;
  const std::string copy = ChangeFileExt(orderPath, ".exe");
  const std::wstring copyW = ToWide(copy), folderW = ToWide(GetDirOfPath(copy));
  std::wstring commandLine = L"\"" + copyW + L"\" /Uninstall /Finish \"" + ToWide(orderPath) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CopyFileW(ToWide(win::ProgramFileName()).c_str(), copyW.c_str(), FALSE) ||
      !CreateProcessW(copyW.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folderW.c_str(), &startup,
                      &started)) {
    DeleteFileW(copyW.c_str());
    DeleteFileW(ToWide(orderPath).c_str());
    return false;
  }
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  return true;
}

}  // namespace

void RunUninstallSteps(const std::vector<TUninstallStep>& plan, TInstallScope scope,
                       const std::function<bool(const TUninstallStep&)>& take, TUninstallReport& report) {
  std::string running;  // the program file that runs this, removed once it has ended
  for (const TUninstallStep& step : plan) {
    if (!take(step)) continue;
    switch (step.Kind) {
      case TUninstallStep::Shortcut:
        // A shortcut of the same name that leads elsewhere is not ours.
        if (FileExists(step.Path) && SamePath(win::ReadShortcut(step.Path).Target, step.Target)) DeleteOne(step.Path, report);
        break;
      case TUninstallStep::File:
        DeleteOne(step.Path, report);
        break;
      case TUninstallStep::FolderIfEmpty:
        RemoveFolderIfEmpty(step.Path, report);
        break;
      case TUninstallStep::UninstallEntry:
        RemoveEntry(step, scope, report);
        break;
      case TUninstallStep::RunningProgram:
        if (SamePath(step.Path, win::ProgramFileName())) running = step.Path;
        else DeleteOne(step.Path, report);
        break;
      case TUninstallStep::ProgramFolder:
        if (running.empty()) RemoveFolderIfEmpty(step.Path, report);
        else if (!StartProgramRemoval(running, step.Path)) report.Left.push_back(running);
        break;
    }
  }
}

int FinishProgramRemoval(const TRunOrder& order) {
  const std::string program = order.Get("Program"), folder = order.Get("Folder");
  // Only a program file, in the folder named with it.
  if (program.empty() || !SameText(ExtractFileExt(program), ".exe") ||
      !SameText(GetDirOfPath(program), IncludeTrailingBackslash(folder)))
    return RunRefused;
  const DWORD start = GetTickCount();
  // The file cannot be deleted while any run of it lasts.
  while (!DeleteAnyFile(program)) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) break;
    if (GetTickCount() - start > kFinishWaitMs) return RunFailed;
    Sleep(200);
  }
  RemoveDirectoryW(ToWide(folder).c_str());  // only when nothing else is left in it
  // This copy goes at the next restart where the system lets it (administrators).
  MoveFileExW(ToWide(win::ProgramFileName()).c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
  return RunDone;
}

}  // namespace qv::app
