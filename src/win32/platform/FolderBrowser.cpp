#include "platform/FolderBrowser.h"

#include <objbase.h>
#include <shlobj.h>

#include "platform/WideText.h"

namespace qv::win {

namespace {

int CALLBACK SelectStart(HWND window, UINT message, LPARAM, LPARAM start) {
  if (message == BFFM_INITIALIZED && start)
    SendMessageW(window, BFFM_SETSELECTIONW, TRUE, start);
  return 0;
}

class TShellFolderBrowser : public IFolderBrowser {
 public:
  bool Browse(HWND owner, const std::string& title, std::string& folder) override {
    const HRESULT init = CoInitialize(nullptr);
    const std::wstring wideTitle = ToWide(title), start = ToWide(folder);
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.lpszTitle = wideTitle.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    info.lpfn = SelectStart;
    info.lParam = reinterpret_cast<LPARAM>(start.c_str());
    bool chosen = false;
    if (LPITEMIDLIST item = SHBrowseForFolderW(&info)) {
      wchar_t path[MAX_PATH * 2] = L"";
      chosen = SHGetPathFromIDListW(item, path) && path[0];
      if (chosen) folder = FromWide(path);
      CoTaskMemFree(item);
    }
    if (SUCCEEDED(init)) CoUninitialize();
    return chosen;
  }
};

IFolderBrowser* installed = nullptr;

}  // namespace

IFolderBrowser& FolderBrowser() {
  static TShellFolderBrowser shell;
  return installed ? *installed : shell;
}

void SetFolderBrowser(IFolderBrowser* browser) { installed = browser; }

}  // namespace qv::win
