// The browser history's popup menu: its title line with the number of entries,
// then the newest folders; choosing one raises the history's OnSelect with the
// entry's full stored path.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "history/HistoryDialog.h"
#include "widgets/Control.h"
#include "widgets/Controls.h"

namespace qv::win {

class THistoryPopup {
 public:
  explicit THistoryPopup(THistoryDialog& history);

  // Builds a new menu (the previous one is freed) and pops it up with its top
  // at the lower edge of owner, centred on the mouse pointer. A failure frees
  // the menu and reports "Failed to show history.". Answers false then.
  bool DialogButton(const TControl& owner, const std::string& title);
  // The menu shown last, or null.
  TPopupMenu* Menu() const { return menu_.get(); }
  // Pops the menu up at a screen point; tests replace it to choose an item.
  std::function<void(TPopupMenu&, HWND owner, POINT at)> ShowMenu;

 private:
  THistoryDialog& history_;
  std::unique_ptr<TPopupMenu> menu_;
};

}  // namespace qv::win
