// The system's uninstall entry of a program: the key
// Software\Microsoft\Windows\CurrentVersion\Uninstall\<key name> under the
// local machine (an installation for all users) or under the current user
// (an installation for one user). Writing and deleting run as silent library
// functions: failures are left in the program-wide FunStatContext (status
// Error, the system error code).
#pragma once
#include <cstdint>
#include <string>

#include "install/InstallEntry.h"

namespace qv::win {

// The key's path below its root.
std::string UninstallRegistryKey(const std::string& keyName);

// Creates the key when missing and writes every value of the entry (and
// NoModify, NoRepair). "Failed to create registry key.", "Failed to write
// registry value." (Error).
bool SetUninstallRegistry(TInstallScope scope, const std::string& keyName, const TUninstallEntry& entry);
// Deletes the key; a key that is not there is no failure. "Failed to delete registry key." (Error).
bool DeleteUninstallerRegistry(TInstallScope scope, const std::string& keyName);
// One string value of the key; "" when the key or the value is missing.
std::string ReadUninstallRegistry(TInstallScope scope, const std::string& keyName, const std::string& valueName);
// One number value; false when missing.
bool ReadUninstallRegistryNumber(TInstallScope scope, const std::string& keyName, const std::string& valueName,
                                 uint32_t& value);

}  // namespace qv::win
