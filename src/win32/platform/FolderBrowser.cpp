#include "platform/FolderBrowser.h"

#include <objbase.h>
#include <shlobj.h>

namespace qv::win {

namespace {

int CALLBACK SelectStart(HWND window, UINT message, LPARAM, LPARAM start) {
  if (message == BFFM_INITIALIZED && start)
    SendMessageA(window, BFFM_SETSELECTIONA, TRUE, start);
  return 0;
}

class TShellFolderBrowser : public IFolderBrowser {
 public:
  bool Browse(HWND owner, const std::string& title, std::string& folder) override {
    const HRESULT init = CoInitialize(nullptr);
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    info.lpfn = SelectStart;
    info.lParam = reinterpret_cast<LPARAM>(folder.c_str());
    bool chosen = false;
    if (LPITEMIDLIST item = SHBrowseForFolderA(&info)) {
      char path[MAX_PATH * 2] = "";
      chosen = SHGetPathFromIDListA(item, path) && path[0];
      if (chosen) folder = path;
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
