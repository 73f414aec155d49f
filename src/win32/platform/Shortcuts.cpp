#include "platform/Shortcuts.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <functional>

#include "errors/Guard.h"
#include "paths/PathStrings.h"

namespace qv::win {

namespace {

const char* const kFile = "Include/Install";

std::wstring Wide(const std::string& text) {
  std::wstring out(text.size() + 1, L'\0');
  const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &out[0], static_cast<int>(out.size()));
  out.resize(n > 0 ? static_cast<size_t>(n - 1) : 0);
  return out;
}

// Runs use(link, file) on a new shell link object; answers the result of use,
// or the failing HRESULT of making the object.
HRESULT WithShellLink(const std::function<HRESULT(IShellLinkA*, IPersistFile*)>& use) {
  const HRESULT init = CoInitialize(nullptr);
  IShellLinkA* link = nullptr;
  HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                    reinterpret_cast<void**>(&link));
  if (SUCCEEDED(result)) {
    IPersistFile* persist = nullptr;
    result = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist));
    if (SUCCEEDED(result)) {
      result = use(link, persist);
      persist->Release();
    }
    link->Release();
  }
  if (SUCCEEDED(init)) CoUninitialize();
  return result;
}

}  // namespace

std::string ShortcutExtension(const std::string& file) {
  const DWORD_PTR type = SHGetFileInfoA(file.c_str(), 0, nullptr, 0, SHGFI_EXETYPE);
  const bool msDos = LOWORD(type) == 0x5A4D /* "MZ" */ && HIWORD(type) == 0;
  return msDos ? ".pif" : ".lnk";
}

std::string CopyFileAsLinkWithParam(const std::string& file, const std::string& linkBase,
                                    const std::string& parameter) {
  return Silent(QV_OP(kFile, "CopyFileAsLinkWithParam", ""), [&](TFunStatContext& local) {
    const std::string linkPath = linkBase + ShortcutExtension(file);
    const HRESULT result = WithShellLink([&](IShellLinkA* link, IPersistFile* persist) {
      HRESULT r = link->SetPath(file.c_str());
      if (SUCCEEDED(r)) r = link->SetArguments(parameter.c_str());
      if (SUCCEEDED(r)) r = link->SetWorkingDirectory(ExcludeTrailingBackslash(GetDirOfPath(file)).c_str());
      if (SUCCEEDED(r)) r = persist->Save(Wide(linkPath).c_str(), TRUE);
      return r;
    });
    if (SUCCEEDED(result)) return linkPath;
    local.Raise(kFile, "CopyFileAsLinkWithParam", static_cast<uint32_t>(result),
                "Failed to create shortcut.", linkPath, file, Error, __LINE__);
    return std::string();
  });
}

std::string CopyFileAsLink(const std::string& file, const std::string& linkBase) {
  return CopyFileAsLinkWithParam(file, linkBase, "");
}

TShortcut ReadShortcut(const std::string& linkPath) {
  TShortcut shortcut;
  WithShellLink([&](IShellLinkA* link, IPersistFile* persist) {
    HRESULT r = persist->Load(Wide(linkPath).c_str(), STGM_READ);
    char buffer[MAX_PATH * 2] = "";
    if (SUCCEEDED(r)) r = link->GetPath(buffer, sizeof buffer, nullptr, 0);
    if (SUCCEEDED(r)) shortcut.Target = buffer;
    buffer[0] = '\0';
    if (SUCCEEDED(r)) r = link->GetArguments(buffer, sizeof buffer);
    if (SUCCEEDED(r)) shortcut.Arguments = buffer;
    return r;
  });
  return shortcut;
}

}  // namespace qv::win
