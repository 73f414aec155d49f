// The window's layout, the mouse moves that show and hide the sidebar, and the
// keys the window sees before its controls.
#include "app/QuenvalisForm.h"
#include "app/controls/OptionFill.h"
#include "layout/WindowLayout.h"
#include "richbox/RichOps.h"
#include "widgets/Application.h"
#include "widgets/FocusOrder.h"

namespace qv::app {

namespace {
// The combo box whose drop-down list is open under the focused window, or null.
TComboBox* DroppedCombo() {
  for (HWND h = GetFocus(); h; h = GetParent(h))
    if (auto* combo = dynamic_cast<TComboBox*>(TControl::FromHandle(h))) return combo->DroppedDown() ? combo : nullptr;
  return nullptr;
}
}  // namespace

void TQuenvalisForm::FormResize() {
  // Nothing is placed while the program ends or while a profile is being put
  // into the controls (its sizes arrive one by one).
  if (Application().Terminated() || Persistence.ProfileLoading()) return;
  TSidebar& s = Sidebar;
  TLayoutInput in;
  in.ScreenWidth = Width();
  in.ScreenHeight = Height();
  in.WidthPercent = ReadOption(s.RichBoxWidthPercentComboBox);
  in.TopPercent = ReadOption(s.RichBoxTopPercentComboBox);
  in.BottomPercent = ReadOption(s.RichBoxBottomPercentComboBox);
  // The sidebar's width before the layout is its pages' width (each layout
  // gives it theirs); read from the pages, it stays the same when the DPI
  // changes, where the sidebar's own place, scaled, may differ by a pixel.
  in.SidebarWidth = in.OptionsPagesWidth = s.Container_OptionsPageControl.Width();
  in.ClockWidth = ClockLabel.Width();
  in.ClockHeight = ClockLabel.Height();
  in.Dpi = Dpi();
  const TLayout l = ComputeLayout(in);

  // The text wraps anew in the new width: the line at the top of the view stays there.
  const bool keepPlace = RichEdit.Visible() && !Book.Loading() && !IsRichTextEmpty(RichEdit);
  const int32_t top = keepPlace ? GetRichTopPos(RichEdit) : -1;
  RichEdit.SetBounds(l.RichBox.Left, l.RichBox.Top, l.RichBox.Width, l.RichBox.Height);
  if (keepPlace) ShowRichPosAtTop(RichEdit, top);
  s.Container_MainPanel.SetBounds(l.Sidebar.Left, l.Sidebar.Top, l.Sidebar.Width, l.Sidebar.Height);
  // The button panel stays aligned to the sidebar's bottom; the pages fill the rest.
  const int buttonsHeight = s.MainButtonsPanel.Height();
  s.MainButtonsPanel.SetBounds(0, l.Sidebar.Height - buttonsHeight, l.Sidebar.Width, buttonsHeight);
  s.Container_OptionsPageControl.SetBounds(0, 0, l.Sidebar.Width, l.Sidebar.Height - buttonsHeight);
  PlaceSidebarPages();

  HintLabel.SetBounds(l.HintLabel.Left, l.HintLabel.Top, l.HintLabel.Width, l.HintLabel.Height);
  CurrentFileInfoLabel.SetBounds(l.FileInfoLabel.Left, l.FileInfoLabel.Top, l.FileInfoLabel.Width,
                                 l.FileInfoLabel.Height);
  ClockLabel.SetBounds(l.ClockLeft, l.ClockTop, in.ClockWidth, in.ClockHeight);
  Images.IniScreenBackImage();
  Images.IniRichBackImage();
  Screen.RefreshScreen();
}

// What fills the sidebar's pages, which their tabs place (so, while the
// sidebar's windows wait, again once they are made).
void TQuenvalisForm::PlaceSidebarPages() {
  TSidebar& s = Sidebar;
  const TLayoutSpacing spacing(Dpi());
  s.ProgramPageControl.SetBounds(0, 0, s.ProgramPageControl.Width(), s.ProgramOptionsTabSheet->Height() - spacing.Gap);
  s.ProfilePageControl.SetBounds(0, 0, s.ProfilePageControl.Width(), s.ProfileOptionsTabSheet->Height() - spacing.Gap);
  s.ConvertMeasurePanel.SetBounds(0, 0, s.ConvertMeasureTabSheet->ClientWidth(),
                                  s.ConvertMeasureTabSheet->ClientHeight());
  const RECT g = s.BrowserGroupBox.Bounds();
  s.BrowserGroupBox.SetBounds(g.left, g.top, g.right - g.left,
                              BrowserGroupHeight(s.ProgramOpenTabSheet->ClientHeight(), g.top, spacing));
  const RECT lb = s.BrowserListBox.Bounds();
  s.BrowserListBox.SetBounds(lb.left, lb.top, s.BrowserGroupBox.ClientWidth() - 2 * spacing.Gap,
                             s.BrowserGroupBox.ClientHeight() - lb.top - spacing.Gap);
}

// The window moved to a screen of another DPI, or the scale changed: the
// controls already have their places and fonts at the new DPI; the layout, the
// clock's width and the background pictures follow.
void TQuenvalisForm::FormDpiChanged() {
  FormResize();
  Screen.UpdateClock();
}

void TQuenvalisForm::SizesComboBoxChange() {
  FormResize();
  FocusBookAfterOption(RichEdit);
}

void TQuenvalisForm::FormMouseMove(unsigned, int x, int y) {
  Screen.WindowMouseMove(x);
  Sound.AddMouseSample(x, y);
}

void TQuenvalisForm::RichEditMouseMove(unsigned, int x, int y) {
  Screen.BookMouseMove();
  Converter.RichEditMouseMove(x, y);
  Sound.AddMouseSample(x, y);
}

void TQuenvalisForm::RichEditMouseDown(TMouseButton button, unsigned shift, int x, int y) {
  if (button == TMouseButton::Left && (shift & ssDouble)) Dictionary.RichEditDoubleClick();
  else if (button == TMouseButton::Right) Converter.RichEditRightClick(x, y);
}

void TQuenvalisForm::FormKeyDown(WORD& key, unsigned shift) {
  // Alt+F4 closes the program whatever has the focus (a combo box keeps the
  // system keys to itself).
  if (key == VK_F4 && (shift & ssAlt)) {
    PostClose();
    key = 0;
    return;
  }
  // While a book loads only the close request acts: a key that would start a
  // load would start it inside the running one.
  if (Book.Loading()) {
    key = 0;
    return;
  }
  // Esc over an open drop-down list closes the list, as the list's own key.
  if (key == VK_ESCAPE && DroppedCombo()) return;
  if (SidebarKeys.KeyDown(key, shift)) {
    key = 0;
    return;
  }
  // A key that types a character into the focused box (AltGr) runs no shortcut.
  if (AltGrTypesText(key, shift)) return;
  if (Book.KeyDown(key, shift)) return;
  if (Bookmarks.KeyDown(key, shift) || Text.KeyDown(key, shift)) {
    key = 0;
    return;
  }
  if (key == VK_ESCAPE && shift == 0) {
    Application().Minimize();
    key = 0;
  } else if (key == VK_F12 && shift == 0) {
    // Brings the sidebar up from the keyboard.
    Screen.ShowOpenPage();
    key = 0;
  }
}

}  // namespace qv::app
