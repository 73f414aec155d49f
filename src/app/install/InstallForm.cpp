#include "app/install/InstallForm.h"

#include <shlobj.h>

#include <algorithm>

#include "errors/Dialogs.h"
#include "encoding/UnicodeText.h"
#include "install/InstallEntry.h"
#include "paths/PathStrings.h"
#include "platform/DataFolder.h"
#include "platform/Elevation.h"
#include "platform/FolderBrowser.h"
#include "platform/ProgramInstance.h"
#include "platform/ShellFolders.h"
#include "platform/WideText.h"
#include "platform/Win32FileSystem.h"
#include "platform/Win32Platform.h"

namespace qv::app {

using namespace qv::win;

namespace {

const char* const kRaisedSwitch = "/Elevated";
const char* const kFinishSwitch = "/Finish";
const char* const kInstallInstructions =
    "The program can be reinstalled without the need to uninstall its previous version. The existing "
    "options file will be preserved. If you want to repair the installed package, simply reinstall the "
    "program. Before continuing, close any running instances of the program.";
const char* const kUninstallInstructions =
    "Uninstalling removes the program's files, its shortcuts and its entry in the list of installed "
    "programs. Files that you added to its directory stay, and your books are not touched. Before "
    "continuing, close any running instances of the program.";

TFontStyle FormFont() {
  TFontStyle f;
  f.Face = "Arial";
  f.Height = 12;  // 9 pt
  return f;
}

bool IsArgument(const std::vector<std::string>& arguments, size_t index, const char* text) {
  return arguments.size() > index && SameText(arguments[index], text);
}

std::string Argument(const std::vector<std::string>& arguments, size_t index) {
  return arguments.size() > index ? arguments[index] : "";
}

// The folder proposed for each scope.
std::string ScopeFolder(TInstallScope scope) {
  return scope == TInstallScope::AllUsers ? ShellFolderPath(CSIDL_PROGRAM_FILES) : UserProgramsFolder();
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
    folders.push_back(ShellFolderPath(id));
  folders.push_back(UserProgramsFolder());
  return folders;
}

TInstallForm::TInstallForm()
    : TForm("InstallForm", "Install", 480, 456, TStyle{false, true, false}),
      MainPanel(this, "MainPanel", 0, 0, 480, 56),
      VersionLabel(this, "VersionLabel", "", 10, 64, 460, 18),
      DescriptionLabel(this, "DescriptionLabel", "", 10, 84, 460, 18),
      InstructionsLabel(this, "InstructionsLabel", kInstallInstructions, 10, 108, 460, 60, true),
      ReadmeMemo(this, "ReadmeMemo", 10, 172, 460, 150, true),
      AllUsersRadioButton(this, "AllUsersRadioButton", "Install for &all users", 10, 330, 225, 20, true),
      CurrentUserRadioButton(this, "CurrentUserRadioButton", "Install for &me only", 245, 330, 225, 20, false),
      KeepDataCheckBox(this, "KeepDataCheckBox", "&Keep my options, bookshelf and profiles", 10, 330, 460, 20),
      InstallToLabel(this, "InstallToLabel", "", 10, 356, 460, 18),
      InstallToEdit(this, "InstallToEdit", 10, 376, 370, 22),
      BrowseButton(this, "BrowseButton", "&Browse", 390, 375, 80, 24),
      InstallButton(this, "InstallButton", "&Install", 110, 414, 120, 28),
      CancelButton(this, "CancelButton", "&Cancel", 250, 414, 120, 28) {
  // A fixed border with the minimise and system-menu buttons.
  AddStyle(WS_MINIMIZEBOX);
  SetFont(FormFont());
  for (TControl* c : std::initializer_list<TControl*>{
           &VersionLabel, &DescriptionLabel, &InstructionsLabel, &ReadmeMemo, &AllUsersRadioButton,
           &CurrentUserRadioButton, &KeepDataCheckBox, &InstallToLabel, &InstallToEdit, &BrowseButton,
           &InstallButton, &CancelButton})
    c->SetFont(FormFont());
  TFontStyle greeting = FormFont();
  greeting.Height = 26;
  greeting.Bold = true;
  greeting.Italic = true;
  MainPanel.SetFont(greeting);
  VersionLabel.SetAlignment(DT_CENTER);
  DescriptionLabel.SetAlignment(DT_CENTER);
  KeepDataCheckBox.SetVisible(false);
  KeepDataCheckBox.SetChecked(true);
  // The arrow keys of the radio group stop before the controls that follow it.
  KeepDataCheckBox.AddStyle(WS_GROUP);
  InstallToEdit.AddStyle(WS_GROUP);
  InstallToEdit.SetReadOnly(true);
  InstallButton.SetDefault(true);

  std::string readme;
  if (Win32FileSystem().ReadWhole(ProgramDirectory() + "Readme.txt", readme).IsOk())
    ReadmeMemo.SetText(readme);

  AllUsersRadioButton.OnClick = [this] { ScopeClick(); };
  CurrentUserRadioButton.OnClick = [this] { ScopeClick(); };
  InstallButton.OnClick = [this] { InstallButtonClick(); };
  CancelButton.OnClick = [this] { Close(); };
  BrowseButton.OnClick = [this] { BrowseButtonClick(); };
  SetCancelControl([this] { CancelButton.Click(); });
  DialogNavigation = true;
  KeyPreview = true;
  OnKeyDown = [this](WORD& key, unsigned) { FormKeyDown(key); };
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
    // Someone who cannot become an administrator installs for themselves.
    const bool allUsers = UserCanBeAdministrator();
    AllUsersRadioButton.SetChecked(allUsers);
    CurrentUserRadioButton.SetChecked(!allUsers);
    ScopeClick();
    if (IsArgument(arguments_, 0, kRaisedSwitch)) {
      mode_ = TMode::RaisedInstall;
      orderPath_ = Argument(arguments_, 1);
    }
  }
  if (IsArgument(arguments_, 0, UninstallSwitch)) {
    mode_ = TMode::Uninstall;
    SetText("Uninstall " + programName);
    MainPanel.SetCaption("Bye from " + programName);
    InstructionsLabel.SetCaption(kUninstallInstructions);
    InstallToLabel.SetCaption("The program will be removed from directory:");
    InstallButton.SetText("Un&install");
    InstallToEdit.SetText(ProgramDirectory());
    BrowseButton.SetEnabled(false);
    AllUsersRadioButton.SetVisible(false);
    CurrentUserRadioButton.SetVisible(false);
    KeepDataCheckBox.SetVisible(true);
    if (IsArgument(arguments_, 1, kRaisedSwitch)) mode_ = TMode::RaisedUninstall;
    if (IsArgument(arguments_, 1, kFinishSwitch)) mode_ = TMode::Finish;
    orderPath_ = Argument(arguments_, 2);
  }
}

bool TInstallForm::IsFinishRun(const std::vector<std::string>& arguments) {
  return IsArgument(arguments, 0, UninstallSwitch) && IsArgument(arguments, 1, kFinishSwitch);
}

void TInstallForm::Start() {
  if (mode_ != TMode::Install && mode_ != TMode::Uninstall) {
    exitCode_ = RunWithoutWindow();
    Close();
    return;
  }
  CenterOn(nullptr);
  SetVisible(true);
  BringToFront();
  ReadmeMemo.SetFocus();
}

TInstallScope TInstallForm::Scope() const {
  return AllUsersRadioButton.Checked() ? TInstallScope::AllUsers : TInstallScope::CurrentUser;
}

// The Install button shows the shield when installing needs an administrator.
void TInstallForm::UpdateShield() {
  InstallButton.SetShield(Scope() == TInstallScope::AllUsers &&
                          LacksMachineInstallRights(InstallTarget(InstallToEdit.Text())));
}

void TInstallForm::ScopeClick() {
  InstallToEdit.SetText(ScopeFolder(Scope()));
  UpdateShield();
}

void TInstallForm::FormKeyDown(WORD& key) {
  if (key == VK_ESCAPE) {
    key = 0;
    CancelButton.Click();
  } else if (key == VK_RETURN) {
    // Enter presses the focused button, and the default one from anywhere else.
    key = 0;
    for (TButton* button : {&BrowseButton, &CancelButton})
      if (button->Focused()) return button->Click();
    InstallButton.Click();
  }
}

void TInstallForm::BrowseButtonClick() {
  std::string folder = InstallToEdit.Text();
  if (!FolderBrowser().Browse(Handle(), "Choose the directory in which the program's directory will be put:",
                              folder))
    return;
  InstallToEdit.SetText(IncludeTrailingBackslash(folder));
  UpdateShield();
}

void TInstallForm::InstallButtonClick() {
  if (!InstallButton.Enabled()) return;
  InstallButton.SetEnabled(false);
  if (InstallToEdit.Text().empty()) ShowWarningMessage("(Un)Installation directory is empty.");
  else if (mode_ == TMode::Uninstall) Uninstall();
  else Install();
  Close();
}

std::string TInstallForm::InstallTarget(const std::string& parent) const {
  std::string name = GetNameOfPath(ExcludeTrailingBackslash(ProgramDirectory()));
  // A distribution at a drive root has no folder name of its own.
  if (name.empty() || IsDriveOnly(name)) name = programName_;
  return IncludeTrailingBackslash(parent) + name;
}

TInstallPlaces TInstallForm::PlacesFor(TInstallScope scope, const std::string& programFolder) const {
  const bool all = scope == TInstallScope::AllUsers;
  TInstallPlaces places;
  places.ProgramName = programName_;
  places.ProgramFolder = IncludeTrailingBackslash(programFolder);
  places.DesktopFolder = ShellFolderPath(all ? CSIDL_COMMON_DESKTOPDIRECTORY : CSIDL_DESKTOPDIRECTORY);
  places.ProgramsFolder = ShellFolderPath(all ? CSIDL_COMMON_PROGRAMS : CSIDL_PROGRAMS);
  // The reader keeps its files in the user's own folder only where it cannot
  // write its program folder (store/DataFolder.h): that folder belongs to this installation.
  places.UserDataFolder = CanWriteInFolder(Win32FileSystem(), places.ProgramFolder) ? "" : UserDataDirectory();
  return places;
}

}  // namespace qv::app
