#include "app/screen/Screen.h"

#include <algorithm>

#include "app/SidebarPlaces.h"
#include "app/controls/OptionFill.h"
#include "layout/WindowLayout.h"
#include "platform/WideText.h"
#include "widgets/Application.h"

namespace qv::app {

TScreen::TScreen(TForm& window, TLabel& fileInfo, TLabel& hint, TLabel& clock, TRichEdit& richEdit,
                 TSidebar& sidebar, TTimer& ticks)
    : ShowFrameCheckBox(sidebar.ProfileGeneralTabSheet, ProfileGeneralPage::ShowFrameCheckBox,
                        "Show rich-box frame"),
      window_(window),
      fileInfo_(fileInfo),
      hint_(hint),
      clock_(clock),
      richEdit_(richEdit),
      sidebar_(sidebar),
      ticks_(ticks) {
  ShowFrameCheckBox.SetHint("Show the frame around the rich-box");
  ShowFrameCheckBox.OnClick = [this] { ShowFrameCheckBoxClick(); };
}

bool TScreen::BeginRichBoxUpdate() {
  const bool visible = richEdit_.Visible();
  richEdit_.SetVisible(false);
  TControl::LockPainting(&window_);
  locked_ = true;
  return visible;
}

void TScreen::EndRichBoxUpdate(bool visible) {
  richEdit_.SetVisible(visible);
  TControl::LockPainting(nullptr);
  locked_ = false;
  // Unlocking repaints the window's client areas only: the rich-box's scroll
  // bar, in its non-client area, is painted again here.
  richEdit_.InvalidateFrame();
}

void TScreen::RefreshScreen() {
  window_.Invalidate();
  RefreshRichBox();
}

void TScreen::RefreshRichBox() {
  richEdit_.Invalidate();
  PaintRichBoxFrame(TControlDC(window_));
}

void TScreen::ShowHint(const std::string& text) {
  hint_.SetCaption(text);
  hint_.Update();
}

void TScreen::SetHint(const std::string& text) { hint_.SetCaption(text); }

void TScreen::PaintProgress() {
  UpdateClock();
  if (locked_) TControl::LockPainting(nullptr);
  for (TLabel* label : {&fileInfo_, &hint_, &clock_}) label->Update();
  if (locked_) TControl::LockPainting(&window_);
}

void TScreen::ShowBookInfo(const std::string& text) { fileInfo_.SetCaption(text); }

void TScreen::ShowTitle(const std::string& title) {
  Application().Title = title;
  window_.SetText(title);
}

void TScreen::HideSidebar(bool hide) {
  if (SkipNextSidebarChange || !Application().Active()) {
    SkipNextSidebarChange = false;
    return;
  }
  // Shown, it lies above every other part of the window, the rich-box included
  // (its windows are made first if they still wait).
  if (!hide) {
    sidebar_.Container_MainPanel.MakeWindows();
    SetWindowPos(sidebar_.Container_MainPanel.Handle(), HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  sidebar_.Container_MainPanel.SetVisible(!hide);
  if (hide) {
    richEdit_.SetFocus();
  } else if (converterFocus_ &&
             sidebar_.Container_OptionsPageControl.ActivePage() == sidebar_.ConvertMeasureTabSheet) {
    converterFocus_->SetFocus();
  }
  SkipNextSidebarChange = false;
}

void TScreen::WindowMouseMove(int x) {
  if (PointerMoved()) HideSidebar(!(x < richEdit_.Left() - TLayoutSpacing(window_.Dpi()).Gap));
}

void TScreen::BookMouseMove() {
  if (PointerMoved()) HideSidebar(true);
}

void TScreen::KeyboardInSidebar() {
  keyboardInSidebar_ = GetCursorPos(&keyboardPointer_) != 0;
}

bool TScreen::PointerMoved() {
  POINT p{0, 0};
  GetCursorPos(&p);
  if (keyboardInSidebar_ && p.x == keyboardPointer_.x && p.y == keyboardPointer_.y) return false;
  keyboardInSidebar_ = false;
  return true;
}

void TScreen::ShowOpenPage() {
  TTabSheet* page = sidebar_.ProgramOpenTabSheet;
  sidebar_.Container_OptionsPageControl.SetActivePage(sidebar_.ProgramOptionsTabSheet);
  sidebar_.ProgramPageControl.SetActivePage(page);
  HideSidebar(false);
  page->CenterCursor();
}

void TScreen::ShowConverterPage() {
  TTabSheet* page = sidebar_.ConvertMeasureTabSheet;
  sidebar_.Container_OptionsPageControl.SetActivePage(page);
  HideSidebar(false);
  page->CenterCursor();
}

void TScreen::CenterCursorOnHint() {
  hint_.CenterCursor();
  // The pointer now rests on the hint line, whose hint is none.
  Application().ControlMouseMove(&hint_);
  richEdit_.SetFocus();
}

void TScreen::SetBusy(bool busy) {
  ticks_.SetEnabled(!busy);
  sidebar_.AboutButton.SetEnabled(!busy);
  sidebar_.Container_OptionsPageControl.SetEnabled(!busy);
}

void TScreen::PaintRichBoxFrame(HDC dc) {
  if (!ShowFrameCheckBox.Checked()) return;
  // Around the whole rich-box: its client area and the scroll bar beside it
  // (a frame one pixel outside the client area alone would run under the bar).
  // One pixel wide at 96 DPI, wider on screens of more pixels.
  const RECT box = richEdit_.Bounds();
  const int t = ScaleToDpi(1, window_.Dpi());
  const COLORREF color = window_.FontColor() == kNoColor ? RGB(0, 0, 0) : window_.FontColor();
  HBRUSH brush = CreateSolidBrush(color);
  const RECT sides[] = {{box.left - t, box.top - t, box.right + t, box.top},
                        {box.left - t, box.bottom, box.right + t, box.bottom + t},
                        {box.left - t, box.top, box.left, box.bottom},
                        {box.right, box.top, box.right + t, box.bottom}};
  for (const RECT& side : sides) FillRect(dc, &side, brush);
  DeleteObject(brush);
}

void TScreen::ShowFrameCheckBoxClick() {
  if (ShowFrameCheckBox.Checked()) {
    PaintRichBoxFrame(TControlDC(window_));
  } else {
    RefreshScreen();
  }
  FocusBookAfterOption(richEdit_);
}

namespace {
// The local time in the system's short format, with ":" as the time separator.
std::string ShortTimeText() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  wchar_t buf[64] = L"", sep[8] = L":";
  GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &t, nullptr, buf, 64);
  GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIME, sep, 8);
  std::string s = win::FromWide(buf);
  const std::string separator = win::FromWide(sep);
  if (!separator.empty() && separator != ":")
    for (size_t p = s.find(separator); p != std::string::npos; p = s.find(separator, p + 1))
      s.replace(p, separator.size(), ":");
  return s;
}
}  // namespace

void TScreen::UpdateClock() {
  clock_.SetCaption(ShortTimeText());
  FitClockLabel();
}

// Formats with a longer time than "23:00" (a 12-hour clock) would be clipped:
// the clock grows to the left, keeping its right edge where the layout put it.
void TScreen::FitClockLabel() {
  const SIZE size = TControlDC(clock_).TextExtent(clock_.Caption());
  const int width = std::max(clock_.PlacedBounds().Width, static_cast<int>(size.cx) + 2);
  const RECT r = clock_.Bounds();
  if (width != r.right - r.left) clock_.SetBounds(r.right - width, r.top, width, r.bottom - r.top);
}

}  // namespace qv::app
