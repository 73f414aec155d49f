#include "widgets/FileDialogs.h"

#include <windows.h>
#include <commdlg.h>

#include <vector>

#include "platform/WideText.h"
#include "widgets/Application.h"
#include "widgets/Form.h"

namespace qv::win {
namespace {

// The dialog (the hook's parent, in the explorer style) is centred over its
// owner once it is laid out; the platform would put it at a corner of the screen.
UINT_PTR CALLBACK CenterOverOwner(HWND hook, UINT msg, WPARAM, LPARAM lp) {
  if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lp)->code == CDN_INITDONE) {
    HWND dialog = GetParent(hook);
    CenterWindowOver(dialog, GetWindow(dialog, GW_OWNER));
  }
  return 0;
}

class TPlatformFileDialogs : public IFileDialogs {
 public:
  bool Open(TFileDialogRequest& r) override { return Run(r, false); }
  bool Save(TFileDialogRequest& r) override { return Run(r, true); }

 private:
  static bool Run(TFileDialogRequest& r, bool save) {
    // The platform wants the filter as NUL-separated pairs ending in two NULs.
    std::wstring filter = ToWide(r.Filter);
    for (wchar_t& c : filter)
      if (c == L'|') c = L'\0';
    filter.append(2, L'\0');
    const std::wstring proposed = ToWide(r.FileName), initialDir = ToWide(r.InitialDir), title = ToWide(r.Title),
                       defaultExt = ToWide(r.DefaultExt);
    std::vector<wchar_t> name(32768, L'\0');
    proposed.copy(name.data(), std::min(proposed.size(), name.size() - 1));
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = Application().MainWindow();
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(r.FilterIndex);
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
    ofn.lpfnHook = CenterOverOwner;
    ofn.Flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST |
                (r.OverwritePrompt ? OFN_OVERWRITEPROMPT : 0) |
                (r.FileMustExist ? OFN_FILEMUSTEXIST : 0);
    const BOOL ok = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    if (!ok) return false;
    r.FileName = FromWide(name.data());
    r.FilterIndex = static_cast<int>(ofn.nFilterIndex);
    return true;
  }
};

TPlatformFileDialogs platformDialogs;
IFileDialogs* installed = nullptr;

}  // namespace

IFileDialogs& FileDialogs() { return installed ? *installed : platformDialogs; }
void SetFileDialogs(IFileDialogs* dialogs) { installed = dialogs; }

}  // namespace qv::win
