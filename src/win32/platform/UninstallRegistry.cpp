#include "platform/UninstallRegistry.h"

#include <windows.h>

#include "errors/Guard.h"

namespace qv::win {

namespace {
const char* const kFile = "Include/Install";

struct TKey {
  HKEY Handle = nullptr;
  ~TKey() {
    if (Handle) RegCloseKey(Handle);
  }
};
}  // namespace

std::string UninstallRegistryKey(const std::string& keyName) {
  return "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + keyName;
}

bool SetUninstallRegistry(const std::string& keyName, const std::string& displayName,
                          const std::string& uninstallString) {
  return Silent(QV_OP(kFile, "SetUninstallRegistry", ""), [&](TFunStatContext& local) {
    const std::string path = UninstallRegistryKey(keyName);
    TKey key;
    LONG result = RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                  nullptr, &key.Handle, nullptr);
    if (result != ERROR_SUCCESS) {
      local.Raise(kFile, "SetUninstallRegistry", static_cast<uint32_t>(result),
                  "Failed to create registry key.", path, "", Error, __LINE__);
      return false;
    }
    const auto write = [&](const char* name, const std::string& value) {
      result = RegSetValueExA(key.Handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                              static_cast<DWORD>(value.size() + 1));
      if (result == ERROR_SUCCESS) return true;
      local.Raise(kFile, "SetUninstallRegistry", static_cast<uint32_t>(result),
                  "Failed to write registry value.", path, name, Error, __LINE__);
      return false;
    };
    return write("DisplayName", displayName) && write("UninstallString", uninstallString);
  });
}

bool DeleteUninstallerRegistry(const std::string& keyName) {
  return Silent(QV_OP(kFile, "DeleteUninstallerRegistry", ""), [&](TFunStatContext& local) {
    const std::string path = UninstallRegistryKey(keyName);
    const LONG result = RegDeleteKeyA(HKEY_LOCAL_MACHINE, path.c_str());
    if (result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND) return true;
    local.Raise(kFile, "DeleteUninstallerRegistry", static_cast<uint32_t>(result),
                "Failed to delete registry key.", path, "", Error, __LINE__);
    return false;
  });
}

std::string ReadUninstallRegistry(const std::string& keyName, const std::string& valueName) {
  TKey key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, UninstallRegistryKey(keyName).c_str(), 0, KEY_QUERY_VALUE,
                    &key.Handle) != ERROR_SUCCESS)
    return "";
  char buffer[2048] = "";
  DWORD size = sizeof buffer - 1, type = 0;
  if (RegQueryValueExA(key.Handle, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer),
                       &size) != ERROR_SUCCESS ||
      type != REG_SZ)
    return "";
  buffer[size < sizeof buffer ? size : sizeof buffer - 1] = '\0';
  return buffer;
}

}  // namespace qv::win
