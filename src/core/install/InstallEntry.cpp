#include "install/InstallEntry.h"

#include "encoding/UnicodeText.h"
#include "paths/PathStrings.h"

namespace qv {

const char* const UninstallSwitch = "/Uninstall";

std::string UninstallCommand(const std::string& programFile) {
  return "\"" + programFile + "\" " + UninstallSwitch;
}

std::string ProgramOfUninstallCommand(const std::string& command) {
  if (!command.empty() && command[0] == '"') {
    const size_t end = command.find('"', 1);
    return end == std::string::npos ? "" : command.substr(1, end - 1);
  }
  // An entry of an earlier version: the path, a blank and the switch.
  const std::string suffix = std::string(" ") + UninstallSwitch;
  if (command.size() > suffix.size() &&
      SameText(command.substr(command.size() - suffix.size()), suffix))
    return command.substr(0, command.size() - suffix.size());
  return command;
}

TUninstallEntry MakeUninstallEntry(const TInstallPlaces& places, const std::string& version,
                                   const std::string& publisher, uint64_t installedBytes) {
  TUninstallEntry entry;
  const std::string program = InstalledProgramFile(places);
  entry.DisplayName = places.ProgramName;
  entry.UninstallString = UninstallCommand(program);
  entry.DisplayIcon = program;
  entry.DisplayVersion = version;
  entry.Publisher = publisher;
  entry.InstallLocation = ExcludeTrailingBackslash(places.ProgramFolder);
  entry.EstimatedSize = static_cast<uint32_t>((installedBytes + 1023) / 1024);
  return entry;
}

}  // namespace qv
