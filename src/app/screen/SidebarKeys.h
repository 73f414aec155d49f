// The keys that bring the keyboard into the sidebar, move it from control to
// control and from page to page there, and take it back to the book:
//   Ctrl+Tab (Ctrl+Shift+Tab) from the book   the sidebar, focus on its tabs
//   Tab (Shift+Tab) from a read-only book     the sidebar, focus on its first (last) control
//   Tab, Shift+Tab in the sidebar             the next, previous control in reading order
//   Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+Page Down,
//   Ctrl+Page Up in the sidebar               the next, previous page of the page control
//                                              that holds the focus
//   Esc in the sidebar                        the book, the sidebar hidden
#pragma once
#include "app/Sidebar.h"
#include "app/screen/Screen.h"
#include "widgets/RichEdit.h"

namespace qv::app {

class TSidebarKeys {
 public:
  TSidebarKeys(TSidebar& sidebar, TScreen& screen, TRichEdit& richEdit);
  // Runs the key when it is one of the above: true then (the key is used up).
  bool KeyDown(WORD key, unsigned shift);
  // True while the keyboard focus is in the shown sidebar.
  bool HasFocus() const;
  // Shows the sidebar with the focus on its tabs (the first control) or on its last control.
  void ShowWithFocus(bool first);

 private:
  void TurnPage(bool forward);
  // The hint line shows the focused control's hint, as it shows the one under the mouse.
  void ShowFocusedHint();
  TSidebar& sidebar_;
  TScreen& screen_;
  TRichEdit& richEdit_;
};

}  // namespace qv::app
