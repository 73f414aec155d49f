// The reading environment: layout, sidebar, hints, the one-second timer and the frame.
#include <algorithm>

#include "app/QuenvalisForm.h"
#include "layout/WindowLayout.h"
#include "widgets/Application.h"

namespace qv::app {

void TQuenvalisForm::FormResize() {
  if (Application().Terminated()) return;
  TSidebar& s = Sidebar;
  TLayoutInput in;
  in.ScreenWidth = Width();
  in.ScreenHeight = Height();
  in.WidthPercent = ReadRichBoxWidthPercent(s.RichBoxWidthPercentComboBox.Text());
  in.TopPercent = ReadRichBoxTopPercent(s.RichBoxTopPercentComboBox.Text());
  in.BottomPercent = ReadRichBoxBottomPercent(s.RichBoxBottomPercentComboBox.Text());
  in.SidebarWidth = s.Container_MainPanel.Width();
  in.OptionsPagesWidth = s.Container_OptionsPageControl.Width();
  in.ClockWidth = ClockLabel.Width();
  in.ClockHeight = ClockLabel.Height();
  const TLayout l = ComputeLayout(in);

  RichEdit.SetBounds(l.RichBox.Left, l.RichBox.Top, l.RichBox.Width, l.RichBox.Height);
  s.Container_MainPanel.SetBounds(l.Sidebar.Left, l.Sidebar.Top, l.Sidebar.Width, l.Sidebar.Height);
  // The button panel stays aligned to the sidebar's bottom; the pages fill the rest.
  const int buttonsHeight = s.MainButtonsPanel.Height();
  s.MainButtonsPanel.SetBounds(0, l.Sidebar.Height - buttonsHeight, l.Sidebar.Width, buttonsHeight);
  s.Container_OptionsPageControl.SetBounds(0, 0, l.Sidebar.Width, l.Sidebar.Height - buttonsHeight);
  s.ProgramPageControl.SetBounds(0, 0, s.ProgramPageControl.Width(),
                                 s.ProgramOptionsTabSheet->Height() - 5);
  s.ProfilePageControl.SetBounds(0, 0, s.ProfilePageControl.Width(),
                                 s.ProfileOptionsTabSheet->Height() - 5);
  s.ConvertMeasurePanel.SetBounds(0, 0, s.ConvertMeasureTabSheet->ClientWidth(),
                                  s.ConvertMeasureTabSheet->ClientHeight());
  const RECT g = s.BrowserGroupBox.Bounds();
  s.BrowserGroupBox.SetBounds(g.left, g.top, g.right - g.left,
                              BrowserGroupHeight(s.ProgramOpenTabSheet->ClientHeight(), g.top));
  const RECT lb = s.BrowserListBox.Bounds();
  s.BrowserListBox.SetBounds(lb.left, lb.top, s.BrowserGroupBox.ClientWidth() - 10,
                             s.BrowserGroupBox.ClientHeight() - lb.top - 5);

  HintLabel.SetBounds(l.HintLabel.Left, l.HintLabel.Top, l.HintLabel.Width, l.HintLabel.Height);
  CurrentFileInfoLabel.SetBounds(l.FileInfoLabel.Left, l.FileInfoLabel.Top, l.FileInfoLabel.Width,
                                 l.FileInfoLabel.Height);
  ClockLabel.SetBounds(l.ClockLeft, l.ClockTop, in.ClockWidth, in.ClockHeight);
  // The background pictures are rebuilt here once they exist.
  RefreshScreen();
}

void TQuenvalisForm::HideSidebar(bool hide) {
  if (SkipNextSidebarChange || !Application().Active()) {
    SkipNextSidebarChange = false;
    return;
  }
  Sidebar.Container_MainPanel.SetVisible(!hide);
  if (hide) RichEdit.SetFocus();
  SkipNextSidebarChange = false;
}

void TQuenvalisForm::FormMouseMove(unsigned, int x, int) {
  HideSidebar(!(x < RichEdit.Left() - 5));
}

void TQuenvalisForm::RichEditMouseMove(unsigned, int, int) { HideSidebar(true); }

void TQuenvalisForm::ShowOpenPage() {
  TTabSheet* page = Sidebar.ProgramOpenTabSheet;
  Sidebar.Container_OptionsPageControl.SetActivePage(Sidebar.ProgramOptionsTabSheet);
  Sidebar.ProgramPageControl.SetActivePage(page);
  HideSidebar(false);
  page->CenterCursor();
}

void TQuenvalisForm::ShowConverterPage() {
  TTabSheet* page = Sidebar.ConvertMeasureTabSheet;
  Sidebar.Container_OptionsPageControl.SetActivePage(page);
  HideSidebar(false);
  page->CenterCursor();
}

void TQuenvalisForm::CenterCursorOnHint() {
  HintLabel.CenterCursor();
  RichEdit.SetFocus();
}

void TQuenvalisForm::PaintRichBoxFrame(HDC dc) {
  if (!Sidebar.ShowFrameCheckBox.Checked()) return;
  RECT client;
  GetClientRect(RichEdit.Handle(), &client);
  POINT origin{0, 0};
  MapWindowPoints(RichEdit.Handle(), Handle(), &origin, 1);
  const int x = origin.x - 1, y = origin.y - 1, w = client.right + 1, h = client.bottom + 1;
  const COLORREF color = FontColor() == kNoColor ? RGB(0, 0, 0) : FontColor();
  HPEN pen = CreatePen(PS_SOLID, 1, color);
  HGDIOBJ old = SelectObject(dc, pen);
  const POINT pts[] = {{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}, {x, y}};
  Polyline(dc, pts, 5);
  SelectObject(dc, old);
  DeleteObject(pen);
}

void TQuenvalisForm::RefreshRichBox() {
  RichEdit.Invalidate();
  HDC dc = GetDC(Handle());
  PaintRichBoxFrame(dc);
  ReleaseDC(Handle(), dc);
}

void TQuenvalisForm::RefreshScreen() {
  Invalidate();
  RefreshRichBox();
}

bool TQuenvalisForm::BeginRichBoxUpdate() {
  const bool visible = RichEdit.Visible();
  RichEdit.SetVisible(false);
  LockWindowUpdate(Handle());
  return visible;
}

void TQuenvalisForm::EndRichBoxUpdate(bool visible) {
  RichEdit.SetVisible(visible);
  LockWindowUpdate(nullptr);
}

namespace {
// The local time in the system's short format, with ":" as the time separator.
std::string ShortTimeText() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  char buf[64] = "", sep[8] = ":";
  GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &t, nullptr, buf, sizeof buf);
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIME, sep, sizeof sep);
  std::string s = buf;
  const std::string separator = sep;
  if (!separator.empty() && separator != ":")
    for (size_t p = s.find(separator); p != std::string::npos; p = s.find(separator, p + 1))
      s.replace(p, separator.size(), ":");
  return s;
}
}  // namespace

void TQuenvalisForm::InfoTimerTimer() {
  try {
    RefreshBookStatus();
  } catch (...) {
  }
  ClockLabel.SetCaption(ShortTimeText());
  FitClockLabel();
}

// Formats with a longer time than "23:00" (a 12-hour clock) would be clipped:
// the clock grows to the left, keeping its right edge where the layout put it.
void TQuenvalisForm::FitClockLabel() {
  HDC dc = GetDC(ClockLabel.Handle());
  HGDIOBJ old = SelectObject(dc, GetCachedFont(ClockLabel.Font()));
  const std::string text = ClockLabel.Caption();
  SIZE size{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(ClockLabel.Handle(), dc);
  const int width = std::max(60, static_cast<int>(size.cx) + 2);
  const RECT r = ClockLabel.Bounds();
  if (width != r.right - r.left)
    ClockLabel.SetBounds(r.right - width, r.top, width, r.bottom - r.top);
}

void TQuenvalisForm::ShowApplicationHint() { HintLabel.SetCaption(Application().Hint()); }

void TQuenvalisForm::FormKeyDown(WORD& key, unsigned shift) {
  if (BookKeyDown(key, shift)) return;  // the book document's keys
  if (PersistenceKeyDown(key, shift)) {  // the bookmark and bookshelf keys
    key = 0;
    return;
  }
  if (TextEngineKeyDown(key, shift)) {  // the chapters button
    key = 0;
    return;
  }
  if (key == VK_ESCAPE && shift == 0) {
    Application().Minimize();
    key = 0;
  } else if (key == VK_F12 && shift == 0) {
    // Brings the sidebar up from the keyboard.
    ShowOpenPage();
    key = 0;
  }
}

void TQuenvalisForm::HideProgramButtonClick() {
  Application().Minimize();
  RichEdit.SetFocus();
}

void TQuenvalisForm::CloseProgramButtonClick() { Close(); }

}  // namespace qv::app
