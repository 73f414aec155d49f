#include "forms/HistoryPopup.h"

#include <vector>

#include "errors/Guard.h"

namespace qv::win {

namespace {
const char* const kFile = "Include/History";
}  // namespace

THistoryPopup::THistoryPopup(THistoryDialog& history) : history_(history) {
  ShowMenu = [](TPopupMenu& menu, HWND owner, POINT at) {
    menu.Popup(owner, at.x, at.y, TPM_CENTERALIGN);
  };
}

bool THistoryPopup::DialogButton(const TControl& owner, const std::string& title) {
  const bool shown = Guarded(
      QV_OP(kFile, "THistoryDialog::DialogButton", "Failed to show history."),
      [&](TFunStatContext& local) {
        menu_ = std::make_unique<TPopupMenu>();
        if (!menu_->Handle()) {
          local.Raise(kFile, "THistoryDialog::DialogButton", GetLastError(), "Failed to create menu.",
                      title, "", Error, __LINE__);
          return;
        }
        for (const THistoryMenuItem& item : history_.MenuItems(title)) {
          std::function<void()> choose;  // the title line does nothing
          if (item.Tag >= 0) choose = [this, tag = item.Tag] { history_.Choose(tag); };
          menu_->Add(MenuCaption(item.Caption), std::move(choose));
        }
        menu_->SetDefaultItem(0);
        RECT bounds{};
        GetWindowRect(owner.Handle(), &bounds);
        POINT pointer{};
        GetCursorPos(&pointer);
        ShowMenu(*menu_, owner.Handle(), POINT{pointer.x, bounds.bottom});
      });
  if (!shown) menu_.reset();
  return shown;
}

}  // namespace qv::win
