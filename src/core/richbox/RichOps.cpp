// The rich-box operations, written once over IRichBox.
#include "richbox/RichOps.h"

#include <algorithm>

#include "encoding/Utf8.h"

namespace qv {

int32_t GetRichLineCount(IRichBox& box) {
  // The control's first answer can be stale right after a change; the second is settled.
  box.GetLineCount();
  return box.GetLineCount();
}

int32_t GetRichTextLength(IRichBox& box) { return box.GetTextLength(); }

bool IsRichTextEmpty(IRichBox& box) { return box.GetTextLength() < 3; }

void SetRichTextLimit(IRichBox& box, int32_t limit) {
  box.SetTextLimit(limit < 1 ? RichAllLength : limit);
}

int32_t GetRichFirstVisibleLine(IRichBox& box) { return box.GetFirstVisibleLine(); }

int32_t GetRichTopPos(IRichBox& box) { return box.GetLineStart(box.GetFirstVisibleLine()); }

int32_t GetRichLineStart(IRichBox& box, int32_t line) { return box.GetLineStart(line); }

int32_t GetRichLineOfChar(IRichBox& box, int32_t position) { return box.GetLineOfChar(position); }

int32_t GetRichCharAtPoint(IRichBox& box, int32_t x, int32_t y) { return box.GetCharAtPoint(x, y); }

void SetRichScrollPos(IRichBox& box, int32_t y) { box.SetScrollPos(y); }

void ScrollRichLines(IRichBox& box, int32_t lines) { box.ScrollLines(lines); }

void ScrollRichToCaret(IRichBox& box) { box.ScrollToCaret(); }

void ScrollRichLineToTop(IRichBox& box, int32_t line) {
  SetRichScrollPos(box, 0);
  ScrollRichLines(box, std::max(line, 0));
  box.SetSelection(GetRichLineStart(box, line), 0);
}

void ScrollRichToEnd(IRichBox& box) {
  box.ScrollToBottom();
  KeepRichCaretVisible(box, 1);
}

bool IsRichCaretVisible(IRichBox& box) {
  int32_t x = 0, y = 0;
  if (!box.GetCaretPoint(x, y)) return false;
  int32_t width = 0, height = 0;
  box.GetClientSize(width, height);
  // Taken as unsigned, a caret left of or above the client area is far outside it.
  return uint32_t(x) < uint32_t(std::max(width, 0)) && uint32_t(y) < uint32_t(std::max(height, 0));
}

void KeepRichCaretVisible(IRichBox& box, int32_t offset) {
  if (IsRichCaretVisible(box)) return;
  box.SetSelection(GetRichLineStart(box, GetRichFirstVisibleLine(box) + offset), 0);
}

void ShowRichPosAtTop(IRichBox& box, int32_t position) {
  if (position < 0) return;
  const int32_t lines = GetRichLineCount(box);
  const int32_t line = position == 0 ? 0 : GetRichLineOfChar(box, position);
  if (line > lines - 5)
    ScrollRichToEnd(box);
  else
    ScrollRichLineToTop(box, line);
}

int32_t FindRichText(IRichBox& box, const std::string& text, bool forward, bool fromStart) {
  int32_t selStart = 0, selLength = 0;
  box.GetSelection(selStart, selLength);
  int32_t found;
  if (forward) {
    const int64_t after = int64_t(selStart) + selLength;
    const int32_t from = fromStart ? 0 : int32_t(std::min<int64_t>(after, RichAllLength));
    found = box.SearchText(text, from, -1, true, false);
  } else {
    found = box.SearchText(text, 0, selStart, false, false);
  }
  if (found >= 0) {
    box.SetSelection(found, Utf16Length(text));
    box.ScrollToCaret();
  }
  return found;
}

namespace {

void SetAllChar(IRichBox& box, TCharFormat& format, uint32_t mask) {
  format.Mask = mask;
  box.SetCharFormat(format, TFormatTarget::All);
}

}  // namespace

void SetRichFontSize(IRichBox& box, int32_t points) {
  TCharFormat format;
  InitCharFormat(format);
  format.Height = points * 20;
  SetAllChar(box, format, CharMask::Size);
}

void SetRichFontName(IRichBox& box, const std::string& faceName) {
  TCharFormat format;
  InitCharFormat(format);
  format.SetFaceName(faceName);
  SetAllChar(box, format, CharMask::Face);
}

void SetRichBold(IRichBox& box, bool bold) {
  TCharFormat format;
  InitCharFormat(format);
  format.Effects = bold ? CharEffect::Bold : 0;
  SetAllChar(box, format, CharMask::Bold);
}

void SetRichTextColor(IRichBox& box, uint32_t color) {
  TCharFormat format;
  InitCharFormat(format);
  format.TextColor = color;
  SetAllChar(box, format, CharMask::Color);
}

void SetRichSelTextColor(IRichBox& box, uint32_t color) {
  TCharFormat format;
  InitCharFormat(format);
  format.Mask = CharMask::Color;
  format.TextColor = color;
  box.SetCharFormat(format, TFormatTarget::Selection);
}

void SetRichCharSpacing(IRichBox& box, int32_t tenthsOfMm) {
  TCharFormat format;
  InitCharFormat2(format);
  format.Spacing = int16_t(TenthMmToTwips(tenthsOfMm));
  SetAllChar(box, format, CharMask::Spacing);
}

void SetRichZoom(IRichBox& box, int32_t percent) { box.SetZoom(percent, 100); }

void SetRichLeftMargin(IRichBox& box, int32_t pixels) { box.SetLeftMargin(pixels); }

void SetRichRightMargin(IRichBox& box, int32_t pixels) { box.SetRightMargin(pixels); }

void EnableRichLinks(IRichBox& box) { box.EnableLinks(); }

void EnableRichAdvancedTypography(IRichBox& box) { box.EnableAdvancedTypography(); }

void SetRichParaFormat2(IRichBox& box, TParaFormat& format) {
  format.Extended = true;
  box.SetParaFormat(format);
}

void SetRichParaFormat(IRichBox& box, TParaFormat& format) {
  format.Extended = false;
  box.SetParaFormat(format);
}

void KeepRichPlace(IRichBox& box, const std::function<void()>& change) {
  const int32_t top = GetRichTopPos(box);
  change();
  ShowRichPosAtTop(box, top);
}

// Integer arithmetic: 57.6 = 576/10 and 5.76 = 576/100 exactly; C++ division truncates toward zero.
int32_t MmToTwips(int32_t mm) { return int32_t(int64_t(mm) * 576 / 10); }

int32_t TenthMmToTwips(int32_t tenths) { return int32_t(int64_t(tenths) * 576 / 100); }

}  // namespace qv
