#include "platform/Shortcuts.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <functional>

#include "errors/Guard.h"
#include "paths/PathStrings.h"
#include "platform/WideText.h"

namespace qv::win {

namespace {

const char* const kFile = "Include/Install";

// Runs use(link, file) on a new shell link object; answers the result of use,
// or the failing HRESULT of making the object.
HRESULT WithShellLink(const std::function<HRESULT(IShellLinkW*, IPersistFile*)>& use) {
  const HRESULT init = CoInitialize(nullptr);
  IShellLinkW* link = nullptr;
  HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
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
  const DWORD_PTR type = SHGetFileInfoW(ToWide(file).c_str(), 0, nullptr, 0, SHGFI_EXETYPE);
  const bool msDos = LOWORD(type) == 0x5A4D /* "MZ" */ && HIWORD(type) == 0;
  return msDos ? ".pif" : ".lnk";
}

std::string CopyFileAsLinkWithParam(const std::string& file, const std::string& linkBase,
                                    const std::string& parameter) {
  return Silent(QV_OP(kFile, "CopyFileAsLinkWithParam", ""), [&](TFunStatContext& local) {
    const std::string linkPath = linkBase + ShortcutExtension(file);
    const HRESULT result = WithShellLink([&](IShellLinkW* link, IPersistFile* persist) {
      HRESULT r = link->SetPath(ToWide(file).c_str());
      if (SUCCEEDED(r)) r = link->SetArguments(ToWide(parameter).c_str());
      if (SUCCEEDED(r)) r = link->SetWorkingDirectory(ToWide(ExcludeTrailingBackslash(GetDirOfPath(file))).c_str());
      if (SUCCEEDED(r)) r = persist->Save(ToWide(linkPath).c_str(), TRUE);
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
  WithShellLink([&](IShellLinkW* link, IPersistFile* persist) {
    HRESULT r = persist->Load(ToWide(linkPath).c_str(), STGM_READ);
    wchar_t buffer[MAX_PATH * 2] = L"";
    if (SUCCEEDED(r)) r = link->GetPath(buffer, MAX_PATH * 2, nullptr, 0);
    if (SUCCEEDED(r)) shortcut.Target = FromWide(buffer);
    buffer[0] = L'\0';
    if (SUCCEEDED(r)) r = link->GetArguments(buffer, MAX_PATH * 2);
    if (SUCCEEDED(r)) shortcut.Arguments = FromWide(buffer);
    return r;
  });
  return shortcut;
}

}  // namespace qv::win
