// The installer window: started as "Install.exe" it copies the distribution
// folder into a chosen parent directory, renames the copied executable,
// creates the shortcuts and the uninstall entry and starts the installed
// program; started with "/Uninstall" it removes what the installation made.
//
// Where the user lacks the rights to write the program's folder or the
// uninstall entry, the window restarts its own executable through the shell's
// "runas" verb with the switch "/Elevated" (after "/Uninstall" when
// uninstalling; followed by the chosen parent directory when installing).
// That raised run does only the steps that need the rights, shows no window
// unless a step fails, and ends with RaisedRunDone; the window's own process
// then does the rest with the user's rights: the user's shortcuts, the start
// of the installed program, the closing message.
#pragma once
#include <string>
#include <vector>

#include "app/install/InstallControls.h"
#include "errors/FunStatContext.h"
#include "widgets/Controls.h"

namespace qv::app {

class TInstallForm : public win::TForm {
 public:
  // The exit code of a raised run that did its steps.
  static constexpr int RaisedRunDone = 3;

  TInstallForm();
  // Names and texts of the program being installed, and the mode from the command line.
  void SetupInstaller(const std::string& programName, const std::string& displayTitle,
                      const std::string& versionText);
  // Shows the window; a raised run instead does its steps and closes the window.
  void Start();
  int ExitCode() const { return exitCode_; }

  void Install();
  void Uninstall();

  TCaptionPanel MainPanel;
  win::TLabel VersionLabel, DescriptionLabel, InstructionsLabel;
  win::TMemo ReadmeMemo;
  win::TLabel InstallToLabel;
  win::TEdit InstallToEdit;  // read-only: the user can select and copy the folder, not change it
  win::TButton InstallButton, CancelButton, BrowseButton;

 private:
  void InstallButtonClick();
  void BrowseButtonClick();
  // The folder the distribution goes to: the chosen parent + the distribution folder's name.
  std::string InstallTarget(const std::string& parent) const;
  std::string InstalledExe(const std::string& target) const;
  std::string StartMenuFolder(const std::string& folderName) const;
  // The installation's steps, each adding its failure to local.
  bool CopyProgram(TFunStatContext& local, const std::string& target);
  void CreateShortcuts(TFunStatContext& local, const std::string& target);
  void RegisterUninstall(const std::string& target);
  void RemoveShortcuts(const std::string& folder);
  // Runs this executable raised with the switch; true when it did its steps.
  bool RunRaised(TFunStatContext& local, const std::string& parameters, const std::string& refusal);
  void DoRaisedRun();

  std::string programName_;
  std::vector<std::string> arguments_;
  bool uninstall_ = false;
  bool raised_ = false;
  int exitCode_ = 0;
};

// True when folder is a drive root, one of the system's own folders, or a
// folder that holds one of them: a folder the uninstaller must never delete.
bool IsSystemFolderOrAbove(const std::string& folder, const std::vector<std::string>& systemFolders);
// The system's own folders (Windows, program files, the user's profile ...).
std::vector<std::string> SystemFolders();

}  // namespace qv::app
