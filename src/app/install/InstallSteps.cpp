// The installer window's work: installing, uninstalling, and the runs without
// a window that do the steps needing administrator rights or finish an
// uninstallation.
#include <shlobj.h>

#include "ProgramVersion.h"
#include "app/install/InstallForm.h"
#include "errors/Dialogs.h"
#include "errors/Guard.h"
#include "install/InstallEntry.h"
#include "encoding/UnicodeText.h"
#include "paths/PathStrings.h"
#include "platform/DataFolder.h"
#include "platform/DirectoryCopy.h"
#include "platform/Elevation.h"
#include "platform/FileServices.h"
#include "platform/ProgramInstance.h"
#include "platform/ShellFolders.h"
#include "platform/Shortcuts.h"
#include "platform/UninstallRegistry.h"
#include "platform/Win32Platform.h"
#include "platform/WideText.h"

namespace qv::app {

using namespace qv::win;

namespace {

const char* const kFile = "Install";
const char* const kInstallFailure =
    "Failed to install program. Check to see if you have rights to write in the installation "
    "directory.";
const char* const kUninstallFailure = "Failed to uninstall program.";
const char* const kPublisher = "The Quenvalis developers";
constexpr size_t kListedLeftovers = 10;

// A drive, Windows, the user's profile ... are never the program's folder to remove.
bool RefusesSystemFolder(TFunStatContext& local, const std::string& folder) {
  if (!IsSystemFolderOrAbove(folder, SystemFolders())) return false;
  local.Raise(kFile, "TInstallForm::Uninstall", 0,
              "The directory is a system folder or holds one; it is not deleted.", folder, "", Error, __LINE__);
  return true;
}

// The folder holding the reader's files that uninstalling keeps ("" when there are none).
std::string KeptDataFolder(const TInstallPlaces& places) {
  for (const std::string& folder : {places.ProgramFolder, places.UserDataFolder})
    for (const char* name : {OptionsFileName, DefaultProfileFileName})
      if (!folder.empty() && FileExists(folder + name)) return folder;
  return "";
}

std::string UninstallQuestion(const std::string& programName, const std::string& folder, bool keepData) {
  return "Remove " + programName + " from directory \"" + folder + "\"?\n\n" +
         (keepData ? "Your options, bookshelf and profiles are kept."
                   : "Your options, bookshelf and profiles are deleted too.");
}

}  // namespace

TInstallScope TInstallForm::InstalledScope(const std::string& folder) const {
  for (TInstallScope scope : {TInstallScope::CurrentUser, TInstallScope::AllUsers}) {
    if (EntryNamesFolder(scope, programName_, folder)) return scope;
  }
  // No entry names it: the user's own programs folder holds installations for one user.
  return IsPathPrefix(UserProgramsFolder(), IncludeTrailingBackslash(folder)) ? TInstallScope::CurrentUser
                                                                               : TInstallScope::AllUsers;
}

bool TInstallForm::CopyProgram(TFunStatContext& local, const std::string& target) {
  CopyDeleteDirectory(ProgramDirectory(), target, false);
  if (!TakeFailure(local, Error))
    MyRenameFile(CombinePath(target, "Install.exe"), CombinePath(target, programName_ + ".exe"));
  return !TakeFailure(local, Error);
}

void TInstallForm::CreateShortcuts(TFunStatContext& local, const TInstallPlaces& places) {
  const std::string exe = InstalledProgramFile(places);
  if (places.DesktopFolder.empty() || CopyFileAsLink(exe, places.DesktopFolder + programName_).empty())
    TakeFailure(local, Error);
  const std::string menu = StartMenuFolder(places);
  if (places.ProgramsFolder.empty() || !MyCreateDirectory(menu)) {
    TakeFailure(local, Error);
    return;
  }
  const std::string base = IncludeTrailingBackslash(menu);
  const bool made = !CopyFileAsLink(exe, base + programName_).empty() &&
                    !CopyFileAsLinkWithParam(exe, base + "Uninstall", UninstallSwitch).empty() &&
                    !CopyFileAsLink(CombinePath(places.ProgramFolder, "Readme.txt"), base + "Readme").empty();
  if (!made) TakeFailure(local, Error);
}

void TInstallForm::RegisterUninstall(const TInstallPlaces& places, TInstallScope scope) {
  // The entry only adds the program to the system's list; the installation stands without it.
  const TUninstallEntry entry =
      MakeUninstallEntry(places, QV_VERSION_DOTTED, kPublisher, FolderSize(places.ProgramFolder));
  SetUninstallRegistry(scope, programName_, entry);
  FunStatContext.Reset(Perfect);
}

bool TInstallForm::InstallInto(TFunStatContext& local, const std::string& target, TInstallScope scope) {
  if (!CopyProgram(local, target)) return false;
  const TInstallPlaces places = PlacesFor(scope, target);
  CreateShortcuts(local, places);
  RegisterUninstall(places, scope);
  return local.Status < Error;
}

bool TInstallForm::RunRaised(TFunStatContext& local, TRunOrder order, const std::string& switches,
                             const std::string& refusal, TUninstallReport* report) {
  const std::string orderPath = order.Write();
  if (orderPath.empty()) {
    local.Raise(kFile, "TInstallForm::RunRaised", GetLastError(),
                "Failed to write the instructions for the run with administrator rights.", "", "", Error,
                __LINE__);
    return false;
  }
  // The raised run takes the instance lock itself.
  ReleaseProgramInstance();
  const TElevatedRun run = RunElevatedAndWait(ProgramFileName(), switches + " \"" + orderPath + "\"");
  DeleteFileW(ToWide(orderPath).c_str());  // an order the run never took serves no one
  for (const std::string& line : TakeRunResult(orderPath)) {
    if (!report) continue;
    if (line.compare(0, 5, "Left=") == 0) report->Left.push_back(line.substr(5));
    if (line.compare(0, 5, "Kept=") == 0) report->Kept.push_back(line.substr(5));
  }
  switch (run.Kind) {
    case TElevatedRun::Refused:
      ShowWarningMessage(refusal);
      return false;
    case TElevatedRun::NotStarted:
      TakeFailure(local, Error);
      return false;
    case TElevatedRun::Ended:
      break;
  }
  const std::string problem = RunProblem(run.ExitCode);
  if (!problem.empty())
    local.Raise(kFile, "TInstallForm::RunRaised", 0, problem, ProgramFileName(), switches, Error, __LINE__);
  return run.ExitCode == RunDone;
}

void TInstallForm::Install() {
  Guarded(QV_OP(kFile, "TInstallForm::Install", kInstallFailure), [&](TFunStatContext& local) {
    const std::string parent = InstallToEdit.Text();
    if (parent.empty()) {
      local.Raise(kFile, "TInstallForm::Install", 0, "Installation directory is empty.", "", "", Error, __LINE__);
      return;
    }
    const std::string target = InstallTarget(parent);
    if (!AskQuery("Install the program in directory \"" + target + "\"?")) return;
    const TInstallScope scope = Scope();
    if (scope == TInstallScope::AllUsers && LacksMachineInstallRights(target)) {
      TRunOrder order;
      order.Set("Mode", "Install");
      order.Set("Parent", ExcludeTrailingBackslash(parent));
      if (!RunRaised(local, order, "/Elevated",
                     "Installing for all users needs administrator rights to write in \"" + target +
                         "\" and in the system's list of programs. They were refused: nothing was installed. "
                         "Choose \"Install for me only\" to install without them.",
                     nullptr))
        return;
    } else if (!InstallInto(local, target, scope)) {
      return;
    }
    // The started program takes the instance lock that this window still holds.
    ReleaseProgramInstance();
    if (!RunFileAsUser(CombinePath(target, programName_ + ".exe"))) TakeFailure(local, Error);
  });
}

void TInstallForm::Uninstall() {
  Guarded(QV_OP(kFile, "TInstallForm::Uninstall", kUninstallFailure), [&](TFunStatContext& local) {
    const std::string folder = InstallToEdit.Text();
    if (folder.empty()) {
      local.Raise(kFile, "TInstallForm::Uninstall", 0, "Uninstallation directory is empty.", "", "", Error,
                  __LINE__);
      return;
    }
    if (RefusesSystemFolder(local, folder)) return;
    const bool keepData = KeepDataCheckBox.Checked();
    if (!AskQuery(UninstallQuestion(programName_, folder, keepData))) return;
    const TInstallScope scope = InstalledScope(folder);
    const TInstallPlaces places = PlacesFor(scope, folder);
    const std::vector<TUninstallStep> plan = MakeUninstallPlan(places, keepData);
    TUninstallReport report;
    if (scope == TInstallScope::AllUsers && LacksMachineInstallRights(folder)) {
      TRunOrder order;
      order.Set("Mode", "Uninstall");
      order.Set("Folder", ExcludeTrailingBackslash(folder));
      order.Set("KeepData", keepData ? "1" : "0");
      if (!RunRaised(local, order, std::string(UninstallSwitch) + " /Elevated",
                     "Uninstalling needs administrator rights to delete \"" + folder +
                         "\" and its entry in the system's list of programs. They were refused: nothing "
                         "was deleted.",
                     &report))
        return;
      // The reader's own folder is the user's to empty.
      RunUninstallSteps(plan, scope, [](const TUninstallStep& s) { return s.UserFolder; }, report);
    } else {
      RunUninstallSteps(plan, scope, [](const TUninstallStep&) { return true; }, report);
    }
    ShowUninstallReport(report, keepData ? KeptDataFolder(places) : "");
  });
}

void TInstallForm::ShowUninstallReport(const TUninstallReport& report, const std::string& keptData) {
  std::string notes;
  if (!keptData.empty()) notes += "\n\nYour options, bookshelf and profiles are kept in \"" + keptData + "\".";
  for (const std::string& kept : report.Kept)
    notes += "\n\nThe directory \"" + kept + "\" was kept: it holds files that the installation did not make.";
  if (report.Left.empty()) {
    ShowInfoMessage("Uninstallation successful." + notes);
    return;
  }
  std::string list;
  for (size_t i = 0; i < report.Left.size() && i < kListedLeftovers; ++i) list += "\n" + report.Left[i];
  if (report.Left.size() > kListedLeftovers)
    list += "\n... and " + std::to_string(report.Left.size() - kListedLeftovers) + " more";
  ShowWarningMessage("Uninstallation incomplete: " + std::to_string(report.Left.size()) +
                     (report.Left.size() == 1 ? " file or folder" : " files or folders") +
                     " could not be deleted (in use, or not yours to delete):" + list + notes);
}

int TInstallForm::RunWithoutWindow() {
  TRunOrder order;
  const char* const expected = mode_ == TMode::RaisedInstall     ? "Install"
                               : mode_ == TMode::RaisedUninstall ? "Uninstall"
                                                                 : "Finish";
  // Only a run that our own window ordered acts.
  if (!order.Take(orderPath_) || order.Get("Mode") != expected) return RunRefused;
  switch (mode_) {
    case TMode::RaisedInstall: return RaisedInstall(order);
    case TMode::RaisedUninstall: return RaisedUninstall(order);
    case TMode::Finish: return FinishProgramRemoval(order);
    default: return RunRefused;
  }
}

int TInstallForm::RaisedInstall(const TRunOrder& order) {
  const bool done = Guarded(QV_OP(kFile, "TInstallForm::Install", kInstallFailure), [&](TFunStatContext& local) {
    InstallInto(local, InstallTarget(order.Get("Parent")), TInstallScope::AllUsers);
  });
  return done ? RunDone : RunFailed;
}

int TInstallForm::RaisedUninstall(const TRunOrder& order) {
  const std::string folder = ProgramDirectory();
  if (!SamePath(order.Get("Folder"), folder)) return RunRefused;
  TUninstallReport report;
  const bool done = Guarded(QV_OP(kFile, "TInstallForm::Uninstall", kUninstallFailure), [&](TFunStatContext& local) {
    if (RefusesSystemFolder(local, folder)) return;
    const auto plan = MakeUninstallPlan(PlacesFor(TInstallScope::AllUsers, folder), order.Get("KeepData") == "1");
    // The user's own folder is left to the window, which runs with the user's rights.
    RunUninstallSteps(plan, TInstallScope::AllUsers, [](const TUninstallStep& s) { return !s.UserFolder; }, report);
  });
  std::vector<std::string> lines;
  for (const std::string& left : report.Left) lines.push_back("Left=" + left);
  for (const std::string& kept : report.Kept) lines.push_back("Kept=" + kept);
  WriteRunResult(orderPath_, lines);
  return done ? RunDone : RunFailed;
}

}  // namespace qv::app
