#include "app/screen/SidebarKeys.h"

#include "widgets/Application.h"
#include "widgets/FocusOrder.h"

namespace qv::app {

TSidebarKeys::TSidebarKeys(TSidebar& sidebar, TScreen& screen, TRichEdit& richEdit)
    : sidebar_(sidebar), screen_(screen), richEdit_(richEdit) {}

bool TSidebarKeys::HasFocus() const {
  return sidebar_.Container_MainPanel.Visible() && HoldsFocus(sidebar_.Container_MainPanel);
}

bool TSidebarKeys::KeyDown(WORD key, unsigned shift) {
  const unsigned mods = shift & (ssShift | ssAlt | ssCtrl);
  if (mods & ssAlt) return false;
  const bool inSidebar = HasFocus();
  if (inSidebar) screen_.KeyboardInSidebar();
  const bool forward = !(mods & ssShift);
  if (key == VK_TAB && (mods & ssCtrl)) {
    if (inSidebar) TurnPage(forward);
    else ShowWithFocus(true);
    return true;
  }
  if ((key == VK_NEXT || key == VK_PRIOR) && mods == ssCtrl && inSidebar) {
    TurnPage(key == VK_NEXT);
    return true;
  }
  if (key == VK_TAB && mods == (mods & ssShift)) {
    if (inSidebar) {
      MoveFocus(sidebar_.Container_MainPanel, forward);
      ShowFocusedHint();
      return true;
    }
    // With editing on, Tab types a tab into the book.
    if (richEdit_.Focused() && !richEdit_.GetReadOnly()) return false;
    ShowWithFocus(forward);
    return true;
  }
  if (key == VK_ESCAPE && mods == 0 && inSidebar) {
    screen_.SkipNextSidebarChange = false;
    screen_.HideSidebar(true);
    richEdit_.SetFocus();
    return true;
  }
  return false;
}

void TSidebarKeys::ShowWithFocus(bool first) {
  // A key is no mouse move: the change is never skipped.
  screen_.SkipNextSidebarChange = false;
  screen_.HideSidebar(false);
  if (!sidebar_.Container_MainPanel.Visible()) return;
  screen_.KeyboardInSidebar();
  if (first) {
    sidebar_.Container_OptionsPageControl.SetFocus();
    ShowFocusCues(sidebar_.Container_OptionsPageControl);
  } else {
    // Backwards from the first control is the last one.
    sidebar_.Container_OptionsPageControl.SetFocus();
    MoveFocus(sidebar_.Container_MainPanel, false);
  }
  ShowFocusedHint();
}

void TSidebarKeys::TurnPage(bool forward) {
  if (TPageControl* pages = PageControlAt(sidebar_.Container_MainPanel)) {
    pages->SelectNextPage(forward);
    ShowFocusCues(*pages);
    ShowFocusedHint();
  }
}

void TSidebarKeys::ShowFocusedHint() {
  const std::vector<TControl*> stops = TabStops(sidebar_.Container_MainPanel);
  if (TControl* focused = FocusedStop(stops)) {
    const std::string hint = focused->EffectiveHint();
    if (!hint.empty()) Application().SetHint(hint);
  }
}

}  // namespace qv::app
