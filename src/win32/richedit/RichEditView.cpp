// The rich-box's view, formats and search over the control.
#include "widgets/RichEdit.h"

#include <commdlg.h>
#include <richedit.h>

#include <algorithm>
#include <cstring>
#include <numeric>

#include "platform/WideText.h"
#include "richedit/RichEditCodec.h"
#include "widgets/ControlFaces.h"
#include "widgets/WindowDpi.h"

namespace qv::win {

namespace {

void ToControl(const TCharFormat& f, CHARFORMAT2W& cf) {
  std::memset(&cf, 0, sizeof cf);
  cf.cbSize = f.Extended ? sizeof(CHARFORMAT2W) : sizeof(CHARFORMATW);
  cf.dwMask = f.EffectiveMask();
  cf.dwEffects = f.Effects;
  cf.yHeight = f.Height;
  cf.crTextColor = f.TextColor;
  const std::wstring face = ToWide(f.Face());
  wcsncpy(cf.szFaceName, face.c_str(), LF_FACESIZE - 1);
  if (f.Extended) {
    cf.sSpacing = f.Spacing;
    cf.crBackColor = f.BackColor;
  }
}
}  // namespace

void TRichEdit::SetCharFormat(const TCharFormat& format, TFormatTarget target) {
  if (pending_) return pending_->SetCharFormat(format, target);
  CHARFORMAT2W cf;
  ToControl(format, cf);
  const WPARAM scope = target == TFormatTarget::All ? SCF_ALL
                       : target == TFormatTarget::Default ? SCF_DEFAULT
                                                          : SCF_SELECTION;
  // A format change moves no text: the change notice it may raise keeps the index.
  ownAppend_ = true;
  SendRich(hwnd_, EM_SETCHARFORMAT, scope, LPARAM(&cf));
  ownAppend_ = false;
}

void TRichEdit::GetCharFormat(TCharFormat& format) {
  if (pending_) return pending_->GetCharFormat(format);
  CHARFORMAT2W cf{};
  cf.cbSize = sizeof cf;
  SendRich(hwnd_, EM_GETCHARFORMAT, SCF_SELECTION, LPARAM(&cf));
  format.Extended = true;
  format.Mask = cf.dwMask & CharMask::AllUsed;
  format.Effects = cf.dwEffects & (CharEffect::Bold | CharEffect::Italic | CharEffect::Underline);
  format.Height = cf.yHeight;
  format.TextColor = cf.crTextColor;
  format.SetFaceName(FromWide(cf.szFaceName, wcsnlen(cf.szFaceName, LF_FACESIZE)));
  format.Spacing = cf.sSpacing;
  format.BackColor = cf.crBackColor;
}

void TRichEdit::SetParaFormat(const TParaFormat& format) {
  if (pending_) return pending_->SetParaFormat(format);
  PARAFORMAT2 pf;
  std::memset(&pf, 0, sizeof pf);
  pf.cbSize = format.Extended ? sizeof(PARAFORMAT2) : sizeof(PARAFORMAT);
  pf.dwMask = format.EffectiveMask();
  pf.wAlignment = format.Alignment;
  pf.dxStartIndent = format.StartIndent;
  pf.dxRightIndent = format.RightIndent;
  pf.dxOffset = format.Offset;
  pf.cTabCount = std::clamp<int16_t>(format.TabCount, 0, MaxTabStops);
  for (int i = 0; i < pf.cTabCount; ++i) pf.rgxTabs[i] = format.Tabs[i];
  if (format.Extended) {
    pf.dySpaceAfter = format.SpaceAfter;
    pf.dyLineSpacing = format.LineSpacing;
    pf.bLineSpacingRule = format.LineSpacingRule;
  }
  ownAppend_ = true;
  SendRich(hwnd_, EM_SETPARAFORMAT, 0, LPARAM(&pf));
  ownAppend_ = false;
}

void TRichEdit::GetParaFormat(TParaFormat& format) {
  if (pending_) return pending_->GetParaFormat(format);
  PARAFORMAT2 pf{};
  pf.cbSize = sizeof pf;
  SendRich(hwnd_, EM_GETPARAFORMAT, 0, LPARAM(&pf));
  format.Extended = true;
  format.Mask = pf.dwMask & ParaMask::AllUsed;
  format.Alignment = pf.wAlignment;
  format.StartIndent = pf.dxStartIndent;
  format.RightIndent = pf.dxRightIndent;
  format.Offset = pf.dxOffset;
  format.TabCount = std::clamp<int16_t>(pf.cTabCount, 0, MaxTabStops);
  for (int i = 0; i < format.TabCount; ++i) format.Tabs[i] = pf.rgxTabs[i];
  format.SpaceAfter = pf.dySpaceAfter;
  format.LineSpacing = pf.dyLineSpacing;
  format.LineSpacingRule = pf.bLineSpacingRule;
}

void TRichEdit::SetBackgroundColor(uint32_t color) {
  if (pending_) pending_->SetBackgroundColor(color);
  SendRich(hwnd_, EM_SETBKGNDCOLOR, 0, LPARAM(color));
  backColor_ = color;
  UseDarkTheme(hwnd_, IsDarkColor(color));  // its scroll bar, where the system has a dark one
}

int32_t TRichEdit::GetFirstVisibleLine() {
  if (pending_) return pending_->GetFirstVisibleLine();
  return int32_t(SendRich(hwnd_, EM_GETFIRSTVISIBLELINE));
}

void TRichEdit::SetScrollPos(int32_t y) {
  if (pending_) return pending_->SetScrollPos(y);
  ScrollTo(y);
}

// The control's scroll-position messages carry 16 bits (its answer is scaled
// down once the text is taller than 65,535 pixels), so the view's place is
// read from the first character's point, which has 32: a text scrolled y
// pixels down shows its first line y pixels above the formatting rectangle.
int32_t TRichEdit::ScrollY() {
  RECT text{};
  SendRich(hwnd_, EM_GETRECT, 0, LPARAM(&text));
  return text.top - LineTop(0);
}

void TRichEdit::ScrollTo(int32_t y) {
  POINT p{0, std::max(y, 0)};
  SendRich(hwnd_, EM_SETSCROLLPOS, 0, LPARAM(&p));
}

void TRichEdit::ScrollLines(int32_t lines) {
  if (pending_) return pending_->ScrollLines(lines);
  // By the lines' own positions: the control's line scroll counts lines of its
  // default font, which differ from the book's lines once the text is formatted.
  const int32_t count = int32_t(SendRich(hwnd_, EM_GETLINECOUNT));
  const int32_t first = int32_t(SendRich(hwnd_, EM_GETFIRSTVISIBLELINE));
  const int32_t target = int32_t(std::clamp<int64_t>(int64_t(first) + lines, 0, std::max(count - 1, 0)));
  if (target == first) return;
  ScrollTo(ScrollY() + LineTop(target) - LineTop(first));
}

int32_t TRichEdit::LineTop(int32_t line) {
  POINTL p{};
  SendRich(hwnd_, EM_POSFROMCHAR, WPARAM(&p), SendRich(hwnd_, EM_LINEINDEX, WPARAM(line)));
  return p.y;
}

void TRichEdit::AlignTopLine() {
  RECT text{};
  SendRich(hwnd_, EM_GETRECT, 0, LPARAM(&text));
  int32_t first = int32_t(SendRich(hwnd_, EM_GETFIRSTVISIBLELINE));
  // Some controls name the first line that starts in view: the one above it may show its lower part.
  if (first > 0 && LineTop(first) > text.top && LineTop(first - 1) < text.top) --first;
  const int32_t cut = LineTop(first) - text.top;
  if (cut >= 0) return;
  const int32_t scroll = ScrollY();
  // The next line goes to the top; where the view cannot go further down, the
  // cut line is shown whole instead.
  if (first + 1 < int32_t(SendRich(hwnd_, EM_GETLINECOUNT))) {
    ScrollTo(scroll + (LineTop(first + 1) - text.top));
    if (LineTop(first + 1) == text.top) return;
  }
  ScrollTo(scroll + cut);
}

void TRichEdit::ScrollToCaret() {
  if (pending_) return pending_->ScrollToCaret();
  SendRich(hwnd_, EM_SCROLLCARET);
  AlignTopLine();
}

void TRichEdit::ScrollToBottom() {
  if (pending_) return pending_->ScrollToBottom();
  // EM_SCROLL knows only lines and pages, and the scroll bar's own message
  // (WM_VSCROLL with SB_BOTTOM) makes some controls show a horizontal scroll
  // bar: the view goes as far down as the control lets it.
  ScrollTo(0x3FFFFFFF);
  AlignTopLine();
}

int32_t TRichEdit::GetCharAtPoint(int32_t x, int32_t y) {
  if (pending_) return pending_->GetCharAtPoint(x, y);
  POINTL p{x, y};
  return Wide(int32_t(SendRich(hwnd_, EM_CHARFROMPOS, 0, LPARAM(&p))));
}

bool TRichEdit::GetCaretPoint(int32_t& x, int32_t& y) {
  if (pending_) return pending_->GetCaretPoint(x, y);
  CHARRANGE r{};
  SendRich(hwnd_, EM_EXGETSEL, 0, LPARAM(&r));
  POINTL p{};
  // The caret stands at the end of the selection; its point is that character's.
  SendRich(hwnd_, EM_POSFROMCHAR, WPARAM(&p), LPARAM(r.cpMax));
  x = p.x;
  y = p.y;
  return true;
}

void TRichEdit::GetClientSize(int32_t& width, int32_t& height) {
  RECT r{};
  GetClientRect(hwnd_, &r);
  width = r.right;
  height = r.bottom;
}

void TRichEdit::SetZoom(int32_t numerator, int32_t denominator) {
  zoomNumerator_ = numerator;
  zoomDenominator_ = denominator;
  SendZoom();
}

// The book's sizes are points, which the control draws at the system's DPI:
// on a screen of another DPI the zoom makes up the difference.
void TRichEdit::SendZoom() {
  const bool zoomed = zoomNumerator_ > 0 && zoomDenominator_ > 0;
  int64_t numerator = int64_t(zoomed ? zoomNumerator_ : 1) * dpi_;
  int64_t denominator = int64_t(zoomed ? zoomDenominator_ : 1) * SystemDpi();
  const int64_t common = std::gcd(numerator, denominator);
  if (common > 0) numerator /= common, denominator /= common;
  if (!zoomed && numerator == denominator) numerator = denominator = 0;  // no zoom at all
  SendRich(hwnd_, EM_SETZOOM, WPARAM(numerator), LPARAM(denominator));
}

void TRichEdit::SetLeftMargin(int32_t pixels) {
  leftMargin_ = std::max(pixels, 0);
  FitFormatRect();
}

void TRichEdit::SetRightMargin(int32_t pixels) {
  rightMargin_ = std::max(pixels, 0);
  FitFormatRect();
}

// The margins are kept in the formatting rectangle, which the control lays its
// lines out in: every control honours it (wine's ignores EM_SETMARGINS), and a
// control made with its scroll bar always shown otherwise lays its first
// lines out under that bar until the window is resized.
void TRichEdit::FitFormatRect() {
  RECT client{}, now{};
  GetClientRect(hwnd_, &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  const LONG left = ScaleToDpi(leftMargin_, dpi_), right = ScaleToDpi(rightMargin_, dpi_);
  RECT wanted{std::min<LONG>(left, client.right - 1), client.top, client.right - right, client.bottom};
  if (wanted.right <= wanted.left) wanted.right = wanted.left + 1;
  SendRich(hwnd_, EM_GETRECT, 0, LPARAM(&now));
  if (!EqualRect(&now, &wanted)) SendRich(hwnd_, EM_SETRECT, 0, LPARAM(&wanted));
}

void TRichEdit::DpiChanged() {
  TControl::DpiChanged();
  FitFormatRect();
  SendZoom();
}

void TRichEdit::EnableLinks() {
  SendRich(hwnd_, EM_AUTOURLDETECT, TRUE);
  // Change notices stay on besides the links: the break index depends on them.
  SendRich(hwnd_, EM_SETEVENTMASK, 0, ENM_LINK | ENM_CHANGE);
}

void TRichEdit::EnableAdvancedTypography() {
  SendRich(hwnd_, EM_SETTYPOGRAPHYOPTIONS, TO_ADVANCEDTYPOGRAPHY, TO_ADVANCEDTYPOGRAPHY);
}

int32_t TRichEdit::SearchText(const std::string& text, int32_t start, int32_t end, bool down, bool matchCase) {
  if (pending_) return pending_->SearchText(text, start, end, down, matchCase);
  if (text.empty()) return -1;
  const std::wstring wide = ToWide(text);
  const DWORD flags = FR_MATCHDIAC | (down ? FR_DOWN : 0) | (matchCase ? FR_MATCHCASE : 0);
  const int32_t length = ControlLength();
  const int32_t from = std::clamp(Narrow(std::max(start, 0)), 0, length);
  const int32_t to = end < 0 ? length : std::clamp(Narrow(end), 0, length);
  const int32_t n = int32_t(wide.size());
  auto find = [&](LONG cpMin, LONG cpMax) -> int32_t {
    FINDTEXTEXW ft{};
    ft.chrg = {cpMin, cpMax};
    ft.lpstrText = wide.c_str();
    return int32_t(SendRich(hwnd_, EM_FINDTEXTEXW, flags, LPARAM(&ft)));
  };
  int32_t found;
  if (down) {
    found = find(from, end < 0 ? -1 : to);
  } else {
    // Backward: the range runs from its end back to its start; the match must lie inside.
    found = find(to, from);
    if (found >= 0 && (found < from || found + n > to)) found = -1;
  }
  return found < 0 ? -1 : Wide(found);
}

}  // namespace qv::win
