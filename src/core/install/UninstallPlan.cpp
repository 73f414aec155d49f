#include "install/UninstallPlan.h"

#include "encoding/UnicodeText.h"
#include "paths/PathStrings.h"
#include "store/DataFolder.h"
#include "store/StoredTextList.h"

namespace qv {

const std::vector<std::string>& ReleaseFiles() {
  static const std::vector<std::string> files = {
      "Readme.txt", "Welcome.txt", "ErrorFix.rtf", "Help.htm",
      "BackImages\\DefaultScreen.bmp", "BackImages\\DefaultRich.bmp"};
  return files;
}

const std::vector<std::string>& ReleaseFolders() {
  static const std::vector<std::string> folders = {"BackImages", "BackSounds"};
  return folders;
}

std::vector<std::string> ReaderDataFiles() {
  return {OptionsFileName, BackupFileName(OptionsFileName), DefaultProfileFileName,
          BackupFileName(DefaultProfileFileName), ErrorLogFileName};
}

std::string InstalledProgramFile(const TInstallPlaces& places) {
  return CombinePath(places.ProgramFolder, places.ProgramName + ".exe");
}

std::string StartMenuFolder(const TInstallPlaces& places) {
  return CombinePath(places.ProgramsFolder, GetNameOfPath(ExcludeTrailingBackslash(places.ProgramFolder)));
}

std::vector<TUninstallStep> MakeUninstallPlan(const TInstallPlaces& places, bool keepReaderData) {
  using S = TUninstallStep;
  std::vector<S> plan;
  const std::string program = InstalledProgramFile(places);
  const std::string menu = StartMenuFolder(places);
  const std::string link = places.ProgramName + ".lnk";
  plan.push_back({S::Shortcut, CombinePath(places.DesktopFolder, link), program});
  plan.push_back({S::Shortcut, CombinePath(menu, link), program});
  plan.push_back({S::Shortcut, CombinePath(menu, "Uninstall.lnk"), program});
  plan.push_back({S::Shortcut, CombinePath(menu, "Readme.lnk"), CombinePath(places.ProgramFolder, "Readme.txt")});
  plan.push_back({S::FolderIfEmpty, menu, ""});
  plan.push_back({S::UninstallEntry, places.ProgramName, ExcludeTrailingBackslash(places.ProgramFolder)});
  for (const std::string& file : ReleaseFiles()) plan.push_back({S::File, CombinePath(places.ProgramFolder, file), ""});
  if (!keepReaderData) {
    const bool userFolder =
        !places.UserDataFolder.empty() &&
        !SameText(IncludeTrailingBackslash(places.UserDataFolder), IncludeTrailingBackslash(places.ProgramFolder));
    for (const std::string& name : ReaderDataFiles())
      plan.push_back({S::File, CombinePath(places.ProgramFolder, name), "", true, false});
    if (userFolder) {
      for (const std::string& name : ReaderDataFiles())
        plan.push_back({S::File, CombinePath(places.UserDataFolder, name), "", true, true});
      plan.push_back({S::FolderIfEmpty, ExcludeTrailingBackslash(places.UserDataFolder), "", true, true});
    }
  }
  for (const std::string& folder : ReleaseFolders())
    plan.push_back({S::FolderIfEmpty, CombinePath(places.ProgramFolder, folder), ""});
  plan.push_back({S::RunningProgram, program, ""});
  plan.push_back({S::ProgramFolder, ExcludeTrailingBackslash(places.ProgramFolder), ""});
  return plan;
}

}  // namespace qv
