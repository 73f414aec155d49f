// The rich-box's text, lines, selection and flags over the control.
#include "widgets/RichEdit.h"

#include <richedit.h>

#include <algorithm>

#include "encoding/Utf8.h"
#include "platform/WideText.h"
#include "richedit/RichEditCodec.h"
#include "widgets/ControlFaces.h"

namespace qv::win {

namespace {
constexpr int32_t kLongText = 16384;  // characters; a longer text is cleared with its window
}  // namespace

const TBreakIndex& TRichEdit::Index() {
  if (!index_.Valid()) {
    // The control's own text, with each break as the single CR it counts.
    const int32_t n = ControlLength();
    std::wstring text(size_t(n) + 1, L'\0');
    GETTEXTEX gt{};
    gt.cb = DWORD((text.size()) * sizeof(wchar_t));
    gt.flags = GT_DEFAULT;
    gt.codepage = kCodePageUtf16;
    const LRESULT got = SendRich(hwnd_, EM_GETTEXTEX, WPARAM(&gt), LPARAM(&text[0]));
    text.resize(size_t(got > 0 ? got : 0));
    index_.Rebuild(std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
  }
  return index_;
}

int32_t TRichEdit::ControlLength() {
  GETTEXTLENGTHEX gl{GTL_NUMCHARS | GTL_PRECISE, kCodePageUtf16};
  return int32_t(SendRich(hwnd_, EM_GETTEXTLENGTHEX, WPARAM(&gl), 0));
}

bool TRichEdit::HandleCommand(WORD code) {
  if (code == EN_CHANGE && !ownAppend_) TextChanged();
  return false;
}

int32_t TRichEdit::ShownLength() {
  GETTEXTLENGTHEX gl{GTL_USECRLF | GTL_NUMCHARS | GTL_PRECISE, kCodePageUtf16};
  return int32_t(SendRich(hwnd_, EM_GETTEXTLENGTHEX, WPARAM(&gl), 0));
}

int32_t TRichEdit::GetTextLength() {
  if (pending_) return pending_->GetTextLength();
  return Content(ShownLength());
}

std::string TRichEdit::GetText() {
  if (pending_) return pending_->GetText();
  const int32_t n = GetTextLength();
  std::wstring text(size_t(n) + 2, L'\0');
  GETTEXTEX gt{};
  gt.cb = DWORD(text.size() * sizeof(wchar_t));
  gt.flags = GT_USECRLF;
  gt.codepage = kCodePageUtf16;
  const LRESULT got = SendRich(hwnd_, EM_GETTEXTEX, WPARAM(&gt), LPARAM(&text[0]));
  return FromWide(text.data(), size_t(got > 0 ? got : 0));
}

std::string TRichEdit::GetTextRange(int32_t start, int32_t end) {
  if (pending_) return pending_->GetTextRange(start, end);
  // Over the control's text: a range reaching into the part not yet in it is cut there.
  const int32_t wideLength = ShownLength();
  start = std::clamp(Shown(start), 0, wideLength);
  end = std::clamp(Shown(end), start, wideLength);
  if (end <= start) return std::string();
  const TBreakIndex& index = Index();
  const int32_t length = ControlLength();
  const int32_t from = std::clamp(index.ToNarrow(start), 0, length);
  int32_t to = std::clamp(index.ToNarrow(end), from, length);
  if (index.ToWide(to) < end) to = std::min(to + 1, length);  // the end splits a break: take all of it
  std::wstring buf(size_t(to - from) + 1, L'\0');
  TEXTRANGEW tr{{from, to}, &buf[0]};
  const LRESULT got = SendRich(hwnd_, EM_GETTEXTRANGE, 0, LPARAM(&tr));
  buf.resize(size_t(got > 0 ? got : 0));
  const std::u16string units = WidenBreaks(AsUnits(buf));
  // Cut to exactly [start, end) when either end falls between a CR and its LF.
  const size_t skip = size_t(start - index.ToWide(from));
  if (skip >= units.size()) return std::string();
  return FromUtf16(std::u16string_view(units).substr(skip, size_t(end - start)));
}

void TRichEdit::Clear() {
  if (pending_) return pending_->Clear();
  DropParts();
  // Deleting a long text costs the control far more than a new window does
  // (about ten times for half a megabyte): a long text goes with its window.
  if (ControlLength() > kLongText) {
    ReplaceWithEmptyWindow();
    return;
  }
  SETTEXTEX st{ST_DEFAULT, kCodePageUtf16};
  SendRich(hwnd_, EM_SETTEXTEX, WPARAM(&st), LPARAM(L""));
  TControl::Invalidate();
  SendRich(hwnd_, EM_SETMODIFY, FALSE);
  index_.Rebuild(std::string_view());
}

void TRichEdit::ReplaceWithEmptyWindow() {
  // Everything the program set on the control goes over to the new one: styles,
  // place, events, limit, margins (its formatting rectangle), zoom, links, typography, background, and the
  // formats at the end of the text, as an emptied control keeps them.
  const DWORD style = DWORD(GetWindowLongW(hwnd_, GWL_STYLE));
  const DWORD exStyle = DWORD(GetWindowLongW(hwnd_, GWL_EXSTYLE));
  const RECT r = Bounds();
  const bool focused = GetFocus() == hwnd_;
  const LRESULT events = SendRich(hwnd_, EM_GETEVENTMASK);
  const LRESULT limit = SendRich(hwnd_, EM_GETLIMITTEXT);
  const LRESULT links = SendRich(hwnd_, EM_GETAUTOURLDETECT);
  const LRESULT typography = version3_ ? SendRich(hwnd_, EM_GETTYPOGRAPHYOPTIONS) : 0;
  const int32_t length = ControlLength();
  // The old window, about to go, is hidden without painting first: moving its
  // selection to the end would otherwise scroll and paint the whole text there.
  SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
               SWP_HIDEWINDOW | SWP_NOREDRAW | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  CHARRANGE end{length, length};
  SendRich(hwnd_, EM_EXSETSEL, 0, LPARAM(&end));
  CHARFORMAT2W endChar{};
  endChar.cbSize = sizeof endChar;
  SendRich(hwnd_, EM_GETCHARFORMAT, SCF_SELECTION, LPARAM(&endChar));
  PARAFORMAT2 endPara{};
  endPara.cbSize = sizeof endPara;
  SendRich(hwnd_, EM_GETPARAFORMAT, 0, LPARAM(&endPara));

  HWND old = DetachHandle();
  const TRect made = DesignBounds();
  CreateHandle(className_, "", style & ~WS_VISIBLE, exStyle, made.Left, made.Top, made.Width, made.Height);
  // The old one's place, and its place in the z-order.
  SetWindowPos(hwnd_, old, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOACTIVATE);
  DestroyWindow(old);
  SendRich(hwnd_, EM_EXLIMITTEXT, 0, limit);
  SendRich(hwnd_, EM_SETEVENTMASK, 0, events);
  HideHorizontalScrollBar();
  FitFormatRect();
  SendRich(hwnd_, EM_AUTOURLDETECT, links);
  if (version3_) SendRich(hwnd_, EM_SETTYPOGRAPHYOPTIONS, typography, typography);
  SendZoom();
  SendRich(hwnd_, EM_SETBKGNDCOLOR, 0, LPARAM(backColor_));
  UseDarkTheme(hwnd_, IsDarkColor(backColor_));
  SendRich(hwnd_, EM_SETCHARFORMAT, SCF_ALL, LPARAM(&endChar));
  SendRich(hwnd_, EM_SETPARAFORMAT, 0, LPARAM(&endPara));
  if (style & WS_VISIBLE) {
    // Shown without painting at once: like an emptied control, the new one is
    // painted with the next paint, after whatever fills it has run.
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOREDRAW | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
  }
  if (focused) ::SetFocus(hwnd_);
  SendRich(hwnd_, EM_SETMODIFY, FALSE);
  index_.Rebuild(std::string_view());
}

int32_t TRichEdit::AppendLine(const std::string& text) {
  if (pending_) return pending_->AppendLine(text);
  DropParts();
  CHARRANGE keep{};
  SendRich(hwnd_, EM_EXGETSEL, 0, LPARAM(&keep));
  Index();  // brought up to date before the append extends it
  const int32_t length = ControlLength();
  // The final paragraph is ended first when it holds text.
  std::string insert;
  bool endFirst = false;
  if (length > 0) {
    wchar_t last = 0;
    TEXTRANGEW tr{{length - 1, length}, nullptr};
    wchar_t buf[2] = {};
    tr.lpstrText = buf;
    SendRich(hwnd_, EM_GETTEXTRANGE, 0, LPARAM(&tr));
    last = buf[0];
    endFirst = last != L'\r';
    if (endFirst) insert += '\r';
  }
  insert += text;
  insert += '\r';
  CHARRANGE end{length, length};
  SendRich(hwnd_, EM_EXSETSEL, 0, LPARAM(&end));
  const std::wstring wide = ToWide(insert);
  ownAppend_ = true;
  SendRich(hwnd_, EM_REPLACESEL, FALSE, LPARAM(wide.c_str()));
  ownAppend_ = false;
  SendRich(hwnd_, EM_EXSETSEL, 0, LPARAM(&keep));
  // The appended breaks extend the index without a rescan.
  index_.Append(length, AsUnits(wide));
  return int32_t(wide.size()) - 1 - (endFirst ? 1 : 0);  // the breaks are not the paragraph's
}

void TRichEdit::SetTextLimit(int32_t limit) {
  if (pending_) pending_->SetTextLimit(limit);
  SendRich(hwnd_, EM_EXLIMITTEXT, 0, LPARAM(limit));
}

int32_t TRichEdit::GetTextLimit() {
  if (pending_) return pending_->GetTextLimit();
  return int32_t(SendRich(hwnd_, EM_GETLIMITTEXT));
}

int32_t TRichEdit::GetLineCount() {
  if (pending_) return pending_->GetLineCount();
  return int32_t(SendRich(hwnd_, EM_GETLINECOUNT));
}

int32_t TRichEdit::GetLineStart(int32_t line) {
  if (pending_) return pending_->GetLineStart(line);
  const LRESULT start = SendRich(hwnd_, EM_LINEINDEX, WPARAM(line < 0 ? -1 : line));
  return start < 0 ? -1 : Wide(int32_t(start));
}

int32_t TRichEdit::GetLineOfChar(int32_t position) {
  if (pending_) return pending_->GetLineOfChar(position);
  const int32_t narrow = std::clamp(Narrow(std::max(position, 0)), 0, ControlLength());
  return int32_t(SendRich(hwnd_, EM_EXLINEFROMCHAR, 0, LPARAM(narrow)));
}

std::string TRichEdit::GetLineText(int32_t line) {
  if (pending_) return pending_->GetLineText(line);
  if (line < 0 || line >= GetLineCount()) return std::string();
  const LRESULT start = SendRich(hwnd_, EM_LINEINDEX, WPARAM(line));
  if (start < 0) return std::string();
  const LRESULT length = SendRich(hwnd_, EM_LINELENGTH, WPARAM(start));
  if (length <= 0) return std::string();
  std::wstring buf(size_t(length) + 1, L'\0');
  TEXTRANGEW tr{{LONG(start), LONG(start + length)}, &buf[0]};
  const LRESULT got = SendRich(hwnd_, EM_GETTEXTRANGE, 0, LPARAM(&tr));
  std::string text = FromWide(buf.data(), size_t(got > 0 ? got : 0));
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.pop_back();
  return text;
}

void TRichEdit::GetSelection(int32_t& start, int32_t& length) {
  if (pending_) return pending_->GetSelection(start, length);
  CHARRANGE r{};
  SendRich(hwnd_, EM_EXGETSEL, 0, LPARAM(&r));
  const int32_t n = ControlLength();
  const int32_t from = std::clamp(int32_t(r.cpMin), 0, n);
  const int32_t to = std::clamp(int32_t(r.cpMax), from, n);
  start = Wide(from);
  length = Wide(to) - start;
}

void TRichEdit::SetSelection(int32_t start, int32_t length) {
  if (pending_) return pending_->SetSelection(start, length);
  const int64_t end = int64_t(start) + length;
  const int32_t wideLength = GetTextLength();
  CHARRANGE r{};
  r.cpMin = Narrow(std::clamp(start, 0, wideLength));
  // A selection reaching past the text also holds the final paragraph mark.
  r.cpMax = end > wideLength ? -1 : Narrow(int32_t(std::max<int64_t>(end, std::clamp(start, 0, wideLength))));
  SendRich(hwnd_, EM_EXSETSEL, 0, LPARAM(&r));
}

std::string TRichEdit::GetSelText() {
  if (pending_) return pending_->GetSelText();
  int32_t start = 0, length = 0;
  GetSelection(start, length);
  return GetTextRange(start, start + length);
}

void TRichEdit::CopySelection() {
  if (pending_) return pending_->CopySelection();
  SendRich(hwnd_, WM_COPY);
}

bool TRichEdit::GetModified() {
  if (pending_) return pending_->GetModified();
  return SendRich(hwnd_, EM_GETMODIFY) != 0;
}

void TRichEdit::SetModified(bool modified) {
  if (pending_) return pending_->SetModified(modified);
  SendRich(hwnd_, EM_SETMODIFY, modified ? TRUE : FALSE);
}

bool TRichEdit::GetReadOnly() { return (GetWindowLongW(hwnd_, GWL_STYLE) & ES_READONLY) != 0; }

void TRichEdit::SetReadOnly(bool readOnly) {
  if (pending_) pending_->SetReadOnly(readOnly);
  SendRich(hwnd_, EM_SETREADONLY, readOnly ? TRUE : FALSE);
}

}  // namespace qv::win
