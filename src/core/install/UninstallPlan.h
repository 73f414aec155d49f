// What an installation made and what uninstalling removes, as data: the
// uninstaller removes only what the installer made. Shortcuts are removed only
// when they still lead to the installed program, the start-menu folder and the
// program's folders only when nothing else is left in them, the reader's own
// files (options, bookshelf, default profile, error log) only when the reader
// does not keep them, and the running program last, once it has ended.
#pragma once
#include <string>
#include <vector>

namespace qv {

enum class TInstallScope { CurrentUser, AllUsers };

// The places one installation used.
struct TInstallPlaces {
  std::string ProgramName;     // "Quenvalis": the program file, shortcuts and entry are named after it
  std::string ProgramFolder;   // the installed folder
  std::string DesktopFolder;   // the desktop of the installation's scope
  std::string ProgramsFolder;  // the start menu's programs folder of that scope
  std::string UserDataFolder;  // the reader's own folder (%APPDATA%\Quenvalis\); "" when none
};

// The release's files besides the program, relative to its folder, and its folders.
const std::vector<std::string>& ReleaseFiles();
const std::vector<std::string>& ReleaseFolders();
// The reader's own files in a data folder, their kept copies included.
std::vector<std::string> ReaderDataFiles();

struct TUninstallStep {
  enum TKind {
    Shortcut,        // deleted when it still leads to Target
    File,            // deleted
    FolderIfEmpty,   // removed when nothing is left in it
    UninstallEntry,  // the system's entry named Path, when it names the installation in Target
    RunningProgram,  // the program file that runs the uninstaller: deleted once it has ended
    ProgramFolder,   // then the program's folder, when nothing is left in it
  };
  TKind Kind;
  std::string Path;
  std::string Target;       // Shortcut: what it leads to; UninstallEntry: the program's folder
  bool ReaderData = false;  // one of the reader's own files (kept when the reader keeps them)
  bool UserFolder = false;  // lies in the user's own data folder (needs only the user's rights)
};

std::string InstalledProgramFile(const TInstallPlaces& places);
// The start-menu folder of the installation: named like the program's folder.
std::string StartMenuFolder(const TInstallPlaces& places);

std::vector<TUninstallStep> MakeUninstallPlan(const TInstallPlaces& places, bool keepReaderData);

}  // namespace qv
