#include "platform/UninstallRegistry.h"

#include <windows.h>

#include "errors/Guard.h"
#include "platform/WideText.h"

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
    LONG result = RegCreateKeyExW(HKEY_LOCAL_MACHINE, ToWide(path).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                  nullptr, &key.Handle, nullptr);
    if (result != ERROR_SUCCESS) {
      local.Raise(kFile, "SetUninstallRegistry", static_cast<uint32_t>(result),
                  "Failed to create registry key.", path, "", Error, __LINE__);
      return false;
    }
    const auto write = [&](const char* name, const std::string& value) {
      const std::wstring wide = ToWide(value);
      result = RegSetValueExW(key.Handle, ToWide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                              static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
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
    const LONG result = RegDeleteKeyW(HKEY_LOCAL_MACHINE, ToWide(path).c_str());
    if (result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND) return true;
    local.Raise(kFile, "DeleteUninstallerRegistry", static_cast<uint32_t>(result),
                "Failed to delete registry key.", path, "", Error, __LINE__);
    return false;
  });
}

std::string ReadUninstallRegistry(const std::string& keyName, const std::string& valueName) {
  TKey key;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, ToWide(UninstallRegistryKey(keyName)).c_str(), 0, KEY_QUERY_VALUE,
                    &key.Handle) != ERROR_SUCCESS)
    return "";
  wchar_t buffer[2048] = L"";
  DWORD size = sizeof buffer - sizeof(wchar_t), type = 0;
  if (RegQueryValueExW(key.Handle, ToWide(valueName).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer),
                       &size) != ERROR_SUCCESS ||
      type != REG_SZ)
    return "";
  // The value need not end in a NUL of its own; the buffer's last unit stays one.
  buffer[size / sizeof(wchar_t)] = L'\0';
  return FromWide(buffer);
}

}  // namespace qv::win
