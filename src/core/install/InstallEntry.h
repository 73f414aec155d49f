// The system's uninstall entry of an installation, as Settings > Apps and the
// control panel show it.
#pragma once
#include <cstdint>
#include <string>

#include "install/UninstallPlan.h"

namespace qv {

struct TUninstallEntry {
  std::string DisplayName, UninstallString, DisplayIcon, DisplayVersion, Publisher, InstallLocation;
  uint32_t EstimatedSize = 0;  // kilobytes
};

extern const char* const UninstallSwitch;  // "/Uninstall"

// The uninstaller's command line: the program file in quotation marks (a path
// with blanks is otherwise read up to its first blank), then "/Uninstall".
std::string UninstallCommand(const std::string& programFile);
// The program file an uninstall command starts, quoted or not ("" for none).
std::string ProgramOfUninstallCommand(const std::string& command);

TUninstallEntry MakeUninstallEntry(const TInstallPlaces& places, const std::string& version,
                                   const std::string& publisher, uint64_t installedBytes);

}  // namespace qv
