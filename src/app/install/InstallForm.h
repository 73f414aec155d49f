// The installer window: started as "Install.exe" it copies the distribution
// folder into a chosen parent directory, renames the copied executable,
// creates the shortcuts and the uninstall entry and starts the installed
// program; started with "/Uninstall" it removes what the installation made.
//
// An installation is for all users (the program-files folder, the local
// machine's uninstall entry, the shortcuts of all users: it needs an
// administrator) or for the user alone (their own programs folder, their own
// uninstall entry and shortcuts: no administrator). Where an installation for
// all users lacks the rights, the window restarts its own executable through
// the shell's "runas" verb with the switch "/Elevated" and an order
// (RunOrder.h); that raised run does the steps that need the rights, shows no
// window unless a step fails, and ends with an exit code the window tells
// apart. The window's own process does the rest with the user's rights.
#pragma once
#include <string>
#include <vector>

#include "app/install/InstallControls.h"
#include "app/install/RunOrder.h"
#include "app/install/UninstallSteps.h"
#include "errors/FunStatContext.h"
#include "install/UninstallPlan.h"
#include "widgets/Controls.h"

namespace qv::app {

class TInstallForm : public win::TForm {
 public:
  TInstallForm();
  // Names and texts of the program being installed, and the mode from the command line.
  void SetupInstaller(const std::string& programName, const std::string& displayTitle,
                      const std::string& versionText);
  // Shows the window; a run without a window (raised, or finishing an
  // uninstallation) instead does its work and closes the window.
  void Start();
  int ExitCode() const { return exitCode_; }
  // The run that deletes the program file after an uninstallation: it is no
  // reader, and takes no part in the one-reader-at-a-time rule.
  static bool IsFinishRun(const std::vector<std::string>& arguments);

  void Install();
  void Uninstall();

  TCaptionPanel MainPanel;
  win::TLabel VersionLabel, DescriptionLabel, InstructionsLabel;
  win::TMemo ReadmeMemo;
  win::TRadioButton AllUsersRadioButton, CurrentUserRadioButton;  // installing: for whom
  win::TCheckBox KeepDataCheckBox;                                 // uninstalling: keep the reader's files
  win::TLabel InstallToLabel;
  win::TEdit InstallToEdit;  // read-only: the user can select and copy the folder, not change it
  win::TButton BrowseButton, InstallButton, CancelButton;

 private:
  enum class TMode { Install, Uninstall, RaisedInstall, RaisedUninstall, Finish };

  void InstallButtonClick();
  void BrowseButtonClick();
  void ScopeClick();
  void UpdateShield();
  void FormKeyDown(WORD& key);
  TInstallScope Scope() const;
  // The folder the distribution goes to: the chosen parent + the distribution folder's name.
  std::string InstallTarget(const std::string& parent) const;
  TInstallPlaces PlacesFor(TInstallScope scope, const std::string& programFolder) const;
  // The scope of the installation in folder, from the uninstall entry that names it.
  TInstallScope InstalledScope(const std::string& folder) const;

  // The installation's steps, each adding its failure to local.
  bool CopyProgram(TFunStatContext& local, const std::string& target);
  bool InstallInto(TFunStatContext& local, const std::string& target, TInstallScope scope);
  void CreateShortcuts(TFunStatContext& local, const TInstallPlaces& places);
  void RegisterUninstall(const TInstallPlaces& places, TInstallScope scope);
  // The closing message: what could not be deleted, what was kept and where
  // the reader's kept files are ("" when none were kept).
  void ShowUninstallReport(const TUninstallReport& report, const std::string& keptData);
  // Runs this executable raised with the order; true when it did its steps.
  bool RunRaised(TFunStatContext& local, TRunOrder order, const std::string& switches,
                 const std::string& refusal, TUninstallReport* report);
  int RunWithoutWindow();
  int RaisedInstall(const TRunOrder& order);
  int RaisedUninstall(const TRunOrder& order);

  std::string programName_;
  std::vector<std::string> arguments_;
  TMode mode_ = TMode::Install;
  std::string orderPath_;  // the order of a run without a window
  int exitCode_ = 0;
};

// True when folder is a drive root, one of the system's own folders, or a
// folder that holds one of them: a folder the uninstaller must never delete.
bool IsSystemFolderOrAbove(const std::string& folder, const std::vector<std::string>& systemFolders);
// The system's own folders (Windows, program files, the user's profile ...).
std::vector<std::string> SystemFolders();

}  // namespace qv::app
