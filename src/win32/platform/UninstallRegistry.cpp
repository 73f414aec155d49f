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

HKEY Root(TInstallScope scope) {
  return scope == TInstallScope::AllUsers ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

bool OpenForReading(TInstallScope scope, const std::string& keyName, TKey& key) {
  return RegOpenKeyExW(Root(scope), ToWide(UninstallRegistryKey(keyName)).c_str(), 0, KEY_QUERY_VALUE,
                       &key.Handle) == ERROR_SUCCESS;
}
}  // namespace

std::string UninstallRegistryKey(const std::string& keyName) {
  return "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + keyName;
}

bool SetUninstallRegistry(TInstallScope scope, const std::string& keyName, const TUninstallEntry& entry) {
  return Silent(QV_OP(kFile, "SetUninstallRegistry", ""), [&](TFunStatContext& local) {
    const std::string path = UninstallRegistryKey(keyName);
    TKey key;
    LONG result = RegCreateKeyExW(Root(scope), ToWide(path).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                  &key.Handle, nullptr);
    if (result != ERROR_SUCCESS) {
      local.Raise(kFile, "SetUninstallRegistry", static_cast<uint32_t>(result),
                  "Failed to create registry key.", path, "", Error, __LINE__);
      return false;
    }
    const auto written = [&](const char* name) {
      if (result == ERROR_SUCCESS) return true;
      local.Raise(kFile, "SetUninstallRegistry", static_cast<uint32_t>(result),
                  "Failed to write registry value.", path, name, Error, __LINE__);
      return false;
    };
    const auto text = [&](const char* name, const std::string& value) {
      const std::wstring wide = ToWide(value);
      result = RegSetValueExW(key.Handle, ToWide(name).c_str(), 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(wide.c_str()),
                              static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
      return written(name);
    };
    const auto number = [&](const char* name, uint32_t value) {
      const DWORD dword = value;
      result = RegSetValueExW(key.Handle, ToWide(name).c_str(), 0, REG_DWORD,
                              reinterpret_cast<const BYTE*>(&dword), sizeof dword);
      return written(name);
    };
    return text("DisplayName", entry.DisplayName) && text("UninstallString", entry.UninstallString) &&
           text("DisplayIcon", entry.DisplayIcon) && text("DisplayVersion", entry.DisplayVersion) &&
           text("Publisher", entry.Publisher) && text("InstallLocation", entry.InstallLocation) &&
           number("EstimatedSize", entry.EstimatedSize) && number("NoModify", 1) && number("NoRepair", 1);
  });
}

bool DeleteUninstallerRegistry(TInstallScope scope, const std::string& keyName) {
  return Silent(QV_OP(kFile, "DeleteUninstallerRegistry", ""), [&](TFunStatContext& local) {
    const std::string path = UninstallRegistryKey(keyName);
    const LONG result = RegDeleteKeyW(Root(scope), ToWide(path).c_str());
    if (result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND) return true;
    local.Raise(kFile, "DeleteUninstallerRegistry", static_cast<uint32_t>(result),
                "Failed to delete registry key.", path, "", Error, __LINE__);
    return false;
  });
}

std::string ReadUninstallRegistry(TInstallScope scope, const std::string& keyName, const std::string& valueName) {
  TKey key;
  if (!OpenForReading(scope, keyName, key)) return "";
  wchar_t buffer[2048] = L"";
  DWORD size = sizeof buffer - sizeof(wchar_t), type = 0;
  if (RegQueryValueExW(key.Handle, ToWide(valueName).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer),
                       &size) != ERROR_SUCCESS ||
      type != REG_SZ)
    return "";
  size_t length = size / sizeof(wchar_t);
  while (length > 0 && buffer[length - 1] == L'\0') --length;
  return FromWide(buffer, length);
}

bool ReadUninstallRegistryNumber(TInstallScope scope, const std::string& keyName, const std::string& valueName,
                                 uint32_t& value) {
  TKey key;
  if (!OpenForReading(scope, keyName, key)) return false;
  DWORD dword = 0, size = sizeof dword, type = 0;
  if (RegQueryValueExW(key.Handle, ToWide(valueName).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&dword),
                       &size) != ERROR_SUCCESS ||
      type != REG_DWORD)
    return false;
  value = dword;
  return true;
}

}  // namespace qv::win
