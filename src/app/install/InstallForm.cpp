#include "app/install/InstallForm.h"

#include <shlobj.h>

#include <algorithm>

#include "errors/Dialogs.h"
#include "errors/Guard.h"
#include "encoding/UnicodeText.h"
#include "paths/PathStrings.h"
#include "platform/DirectoryCopy.h"
#include "platform/Elevation.h"
#include "platform/FileServices.h"
#include "platform/FolderBrowser.h"
#include "platform/ProgramInstance.h"
#include "platform/Shortcuts.h"
#include "platform/UninstallRegistry.h"
#include "platform/WideText.h"
#include "platform/Win32FileSystem.h"
#include "platform/Win32Platform.h"

namespace qv::app {

using namespace qv::win;

namespace {

const char* const kFile = "Install";
const char* const kInstallFailure =
    "Failed to install program. Check to see if you have rights to write in the installation "
    "directory.";
const char* const kUninstallFailure = "Failed to uninstall program.";
const char* const kRaisedSwitch = "/Elevated";
const char* const kUninstallSwitch = "/Uninstall";

TFontStyle FormFont() {
  TFontStyle f;
  f.Face = "Arial";
  f.Height = 12;  // 9 pt
  return f;
}

bool IsArgument(const std::vector<std::string>& arguments, size_t index, const char* text) {
  return arguments.size() > index && SameText(arguments[index], text);
}

// The path of a shell folder, without creating it; "" when the system has none.
std::string ShellFolder(int folderId) {
  wchar_t buffer[MAX_PATH * 2] = L"";
  if (FAILED(SHGetFolderPathW(nullptr, folderId, nullptr, SHGFP_TYPE_CURRENT, buffer))) return "";
  return IncludeTrailingBackslash(FromWide(buffer));
}

}  // namespace

bool IsSystemFolderOrAbove(const std::string& folder, const std::vector<std::string>& systemFolders) {
  const std::string dir = IncludeTrailingBackslash(ExpandDots(folder));
  // A drive root, a network share ("\\server\share\") or no folder at all.
  if (GetParentDir(dir).empty()) return true;
  if (dir.compare(0, 2, "\\\\") == 0 && std::count(dir.begin() + 2, dir.end(), '\\') <= 2) return true;
  for (const std::string& system : systemFolders)
    if (!system.empty() && IsPathPrefix(dir, IncludeTrailingBackslash(system))) return true;
  return false;
}

std::vector<std::string> SystemFolders() {
  std::vector<std::string> folders;
  for (int id : {CSIDL_WINDOWS, CSIDL_SYSTEM, CSIDL_PROGRAM_FILES, CSIDL_PROGRAM_FILES_COMMON,
                 CSIDL_PROFILE, CSIDL_DESKTOPDIRECTORY, CSIDL_PERSONAL, CSIDL_APPDATA,
                 CSIDL_LOCAL_APPDATA, CSIDL_COMMON_APPDATA, CSIDL_STARTMENU, CSIDL_PROGRAMS,
                 CSIDL_COMMON_PROGRAMS, CSIDL_COMMON_DESKTOPDIRECTORY})
    folders.push_back(ShellFolder(id));
  return folders;
}

namespace {
// A drive, Windows, the user's profile ... are never the program's folder to delete.
bool RefusesSystemFolder(TFunStatContext& local, const std::string& folder) {
  if (!IsSystemFolderOrAbove(folder, SystemFolders())) return false;
  local.Raise(kFile, "TInstallForm::Uninstall", 0,
              "The directory is a system folder or holds one; it is not deleted.", folder, "",
              Error, __LINE__);
  return true;
}
}  // namespace

TInstallForm::TInstallForm()
    : TForm("InstallForm", "Install", 480, 446, TStyle{false, true, false}),
      MainPanel(this, "MainPanel", 0, 0, 480, 56),
      VersionLabel(this, "VersionLabel", "", 10, 64, 460, 18),
      DescriptionLabel(this, "DescriptionLabel", "", 10, 84, 460, 18),
      InstructionsLabel(this, "InstructionsLabel",
                        "The program can be reinstalled without the need to uninstall its previous "
                        "version. The existing options file will be preserved. If you want to "
                        "repair the installed package, simply reinstall the program. Before "
                        "continuing, close any running instances of the program.",
                        10, 108, 460, 60, true),
      ReadmeMemo(this, "ReadmeMemo", 10, 172, 460, 164, true),
      InstallToLabel(this, "InstallToLabel", "", 10, 346, 460, 18),
      InstallToEdit(this, "InstallToEdit", 10, 366, 370, 22),
      InstallButton(this, "InstallButton", "&Install", 110, 404, 120, 28),
      CancelButton(this, "CancelButton", "&Cancel", 250, 404, 120, 28),
      BrowseButton(this, "BrowseButton", "&Browse", 390, 365, 80, 24) {
  // A fixed border with the minimise and system-menu buttons.
  AddStyle(WS_MINIMIZEBOX);
  SetFont(FormFont());
  for (TControl* c : std::initializer_list<TControl*>{
           &VersionLabel, &DescriptionLabel, &InstructionsLabel, &ReadmeMemo, &InstallToLabel,
           &InstallToEdit, &InstallButton, &CancelButton, &BrowseButton})
    c->SetFont(FormFont());
  TFontStyle greeting = FormFont();
  greeting.Height = 26;
  greeting.Bold = true;
  greeting.Italic = true;
  MainPanel.SetFont(greeting);
  VersionLabel.SetAlignment(DT_CENTER);
  DescriptionLabel.SetAlignment(DT_CENTER);

  InstallToEdit.SetReadOnly(true);
  InstallToEdit.SetText(GetSystemDirectoryPath(CSIDL_PROGRAM_FILES));
  FunStatContext.Reset(Perfect);  // no program-files folder leaves the edit empty, nothing more
  std::string readme;
  if (Win32FileSystem().ReadWhole(ProgramDirectory() + "Readme.txt", readme).IsOk())
    ReadmeMemo.SetText(readme);

  InstallButton.OnClick = [this] { InstallButtonClick(); };
  CancelButton.OnClick = [this] { Close(); };
  BrowseButton.OnClick = [this] { BrowseButtonClick(); };
  SetCancelControl([this] { CancelButton.Click(); });
  KeyPreview = true;
  OnKeyDown = [this](WORD& key, unsigned) {
    if (key != VK_ESCAPE) return;
    key = 0;
    CancelButton.Click();
  };
  SetActiveControl(&ReadmeMemo);
}

void TInstallForm::SetupInstaller(const std::string& programName, const std::string& displayTitle,
                                  const std::string& versionText) {
  programName_ = programName;
  arguments_ = CommandLineArguments();
  DescriptionLabel.SetCaption(displayTitle);
  VersionLabel.SetCaption(versionText);
  if (SameText(GetNameOfPath(ProgramFileName()), "Install.exe")) {
    SetText("Install " + programName);
    MainPanel.SetCaption("Welcome to " + programName);
    InstallToLabel.SetCaption("The program's installation directory will be put in directory:");
    InstallButton.SetText("&Install");
    raised_ = IsArgument(arguments_, 0, kRaisedSwitch) && arguments_.size() > 1;
    if (raised_) InstallToEdit.SetText(arguments_[1]);
  }
  if (IsArgument(arguments_, 0, kUninstallSwitch)) {
    uninstall_ = true;
    SetText("Uninstall " + programName);
    MainPanel.SetCaption("Bye from " + programName);
    InstallToLabel.SetCaption("The following directory will be deleted:");
    InstallButton.SetText("Un&install");
    InstallToEdit.SetText(ProgramDirectory());
    BrowseButton.SetEnabled(false);
    raised_ = IsArgument(arguments_, 1, kRaisedSwitch);
  }
}

void TInstallForm::Start() {
  if (raised_) {
    DoRaisedRun();
    return;
  }
  CenterOn(nullptr);
  SetVisible(true);
  BringToFront();
  ReadmeMemo.SetFocus();
}

void TInstallForm::BrowseButtonClick() {
  std::string folder = InstallToEdit.Text();
  if (FolderBrowser().Browse(Handle(), "Choose the directory in which the program's directory will be put:",
                             folder))
    InstallToEdit.SetText(IncludeTrailingBackslash(folder));
}

void TInstallForm::InstallButtonClick() {
  InstallButton.SetEnabled(false);
  if (InstallToEdit.Text().empty()) ShowWarningMessage("(Un)Installation directory is empty.");
  else if (uninstall_) Uninstall();
  else Install();
  Close();
}

std::string TInstallForm::InstallTarget(const std::string& parent) const {
  std::string name = GetNameOfPath(ExcludeTrailingBackslash(ProgramDirectory()));
  // A distribution at a drive root has no folder name of its own.
  if (name.empty() || IsDriveOnly(name)) name = programName_;
  return IncludeTrailingBackslash(parent) + name;
}

std::string TInstallForm::InstalledExe(const std::string& target) const {
  return CombinePath(target, programName_ + ".exe");
}

std::string TInstallForm::StartMenuFolder(const std::string& folderName) const {
  const std::string programs = ShellFolder(CSIDL_PROGRAMS);
  return programs.empty() ? "" : programs + folderName;
}

bool TInstallForm::CopyProgram(TFunStatContext& local, const std::string& target) {
  CopyDeleteDirectory(ProgramDirectory(), target, false);
  if (!TakeFailure(local, Error))
    MyRenameFile(CombinePath(target, "Install.exe"), InstalledExe(target));
  return !TakeFailure(local, Error);
}

void TInstallForm::CreateShortcuts(TFunStatContext& local, const std::string& target) {
  const std::string exe = InstalledExe(target);
  const std::string desktop = GetSystemDirectoryPath(CSIDL_DESKTOPDIRECTORY);
  if (TakeFailure(local, Error)) return;
  if (CopyFileAsLink(exe, desktop + programName_).empty()) TakeFailure(local, Error);
  const std::string menu = StartMenuFolder(GetNameOfPath(target));
  if (menu.empty() || !MyCreateDirectory(menu)) {
    TakeFailure(local, Error);
    return;
  }
  const std::string base = IncludeTrailingBackslash(menu);
  const bool made = !CopyFileAsLink(exe, base + programName_).empty() &&
                    !CopyFileAsLinkWithParam(exe, base + "Uninstall", kUninstallSwitch).empty() &&
                    !CopyFileAsLink(CombinePath(target, "Readme.txt"), base + "Readme").empty();
  if (!made) TakeFailure(local, Error);
}

void TInstallForm::RegisterUninstall(const std::string& target) {
  // The entry only adds the program to the system's list; the installation stands without it.
  SetUninstallRegistry(programName_, programName_, InstalledExe(target) + " " + kUninstallSwitch);
  FunStatContext.Reset(Perfect);
}

void TInstallForm::RemoveShortcuts(const std::string& folder) {
  DeleteFileW(ToWide(GetSystemDirectoryPath(CSIDL_DESKTOPDIRECTORY) + programName_ + ".lnk").c_str());
  const std::string menu = StartMenuFolder(GetNameOfPath(ExcludeTrailingBackslash(folder)));
  if (!menu.empty()) DeleteDirectoryNoErrors(menu);
  FunStatContext.Reset(Perfect);  // what cannot be deleted is covered by the closing message
}

bool TInstallForm::RunRaised(TFunStatContext& local, const std::string& parameters,
                             const std::string& refusal) {
  // The raised run takes the instance lock itself.
  ReleaseProgramInstance();
  switch (RunElevatedAndWait(ProgramFileName(), parameters, RaisedRunDone)) {
    case TElevatedRun::Done:
      return true;
    case TElevatedRun::Refused:
      ShowWarningMessage(refusal);
      return false;
    case TElevatedRun::Failed:
      // A raised run that failed showed its own report; one that never started is reported here.
      if (FunStatContext.Description == "Failed to get administrator rights.") TakeFailure(local, Error);
      return false;
  }
  return false;
}

void TInstallForm::Install() {
  Guarded(QV_OP(kFile, "TInstallForm::Install", kInstallFailure), [&](TFunStatContext& local) {
    const std::string parent = InstallToEdit.Text();
    if (parent.empty()) {
      local.Raise(kFile, "TInstallForm::Install", 0, "Installation directory is empty.", "", "",
                  Error, __LINE__);
      return;
    }
    const std::string target = InstallTarget(parent);
    if (!AskQuery("Install the program in directory \"" + target + "\"?")) return;
    const bool raised = LacksInstallRights(target);
    if (raised) {
      if (!RunRaised(local, std::string(kRaisedSwitch) + " \"" + ExcludeTrailingBackslash(parent) + "\"",
                     "Installing needs administrator rights to write in \"" + target +
                         "\" and in the system's list of programs. They were refused: nothing "
                         "was installed."))
        return;
    } else if (!CopyProgram(local, target)) {
      return;
    }
    CreateShortcuts(local, target);
    if (!raised) RegisterUninstall(target);
    // The started program takes the instance lock that this window still holds.
    ReleaseProgramInstance();
    if (!RunFileAsUser(InstalledExe(target))) TakeFailure(local, Error);
  });
}

void TInstallForm::Uninstall() {
  Guarded(QV_OP(kFile, "TInstallForm::Uninstall", kUninstallFailure), [&](TFunStatContext& local) {
    const std::string folder = InstallToEdit.Text();
    if (folder.empty()) {
      local.Raise(kFile, "TInstallForm::Uninstall", 0, "Uninstallation directory is empty.", "", "",
                  Error, __LINE__);
      return;
    }
    if (RefusesSystemFolder(local, folder)) return;
    if (!AskQuery("Delete directory \"" + folder + "\" (and all contained files)?")) return;
    const bool raised = LacksInstallRights(folder);
    if (raised) {
      if (!RunRaised(local, std::string(kUninstallSwitch) + " " + kRaisedSwitch,
                     "Uninstalling needs administrator rights to delete \"" + folder +
                         "\" and its entry in the system's list of programs. They were refused: "
                         "nothing was deleted."))
        return;
    } else {
      DeleteDirectoryNoErrors(folder);
    }
    RemoveShortcuts(folder);
    if (!raised && !DeleteUninstallerRegistry(programName_) && TakeFailure(local, Error)) return;
    ShowInfoMessage("Uninstallation successful. Some files that were in use were not deleted.");
  });
}

void TInstallForm::DoRaisedRun() {
  bool done = false;
  if (uninstall_) {
    done = Guarded(QV_OP(kFile, "TInstallForm::Uninstall", kUninstallFailure), [&](TFunStatContext& local) {
      const std::string folder = InstallToEdit.Text();
      if (RefusesSystemFolder(local, folder)) return;
      DeleteDirectoryNoErrors(folder);
      if (!DeleteUninstallerRegistry(programName_)) TakeFailure(local, Error);
    });
  } else {
    done = Guarded(QV_OP(kFile, "TInstallForm::Install", kInstallFailure), [&](TFunStatContext& local) {
      const std::string target = InstallTarget(InstallToEdit.Text());
      if (CopyProgram(local, target)) RegisterUninstall(target);
    });
  }
  exitCode_ = done ? RaisedRunDone : 1;
  Close();
}

}  // namespace qv::app
