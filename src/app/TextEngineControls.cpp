#include "app/TextEngineControls.h"

#include "app/QuenvalisForm.h"

namespace qv::app {

TTextEngineControls::TTextEngineControls(TSidebar& s)
    : ChaptersButton(&s.BookGroupBox, "ChaptersButton", "&Chapters", 5, 108, 90, 23) {
  ChaptersButton.SetHint("Go to a chapter from the list. [Alt + C]");
  ChaptersButton.SetEnabled(false);
  ShowMenu = [](TPopupMenu& menu, HWND owner, POINT corner) { menu.Popup(owner, corner.x, corner.y); };
}

}  // namespace qv::app
