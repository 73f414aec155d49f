// The system's uninstall entry of a program: the key
// HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall\<key name>
// with the string values "DisplayName" and "UninstallString". Writing and
// deleting run as silent library functions: failures are left in the
// program-wide FunStatContext (status Error, the system error code).
#pragma once
#include <string>

namespace qv::win {

// The key's path below HKEY_LOCAL_MACHINE.
std::string UninstallRegistryKey(const std::string& keyName);

// Creates the key when missing and writes both values. "Failed to create
// registry key.", "Failed to write registry value." (Error).
bool SetUninstallRegistry(const std::string& keyName, const std::string& displayName,
                          const std::string& uninstallString);
// Deletes the key; a key that is not there is no failure. "Failed to delete registry key." (Error).
bool DeleteUninstallerRegistry(const std::string& keyName);
// One string value of the key; "" when the key or the value is missing.
std::string ReadUninstallRegistry(const std::string& keyName, const std::string& valueName);

}  // namespace qv::win
