// The in-memory rich-box: text and formats in a TRichDocument, a simple line and view model.
#include "richbox/MemoryRichBox.h"

#include <algorithm>

#include "encoding/TextEncoding.h"
#include "encoding/Utf8.h"
#include "richbox/Rtf.h"
#include "richbox/TextSearch.h"

namespace qv {

void TMemoryRichBox::SetWrapWidth(int32_t characters) {
  wrap_ = std::max(characters, 0);
  linesDirty_ = true;
  ClampTop();
}

void TMemoryRichBox::ResetView() {
  selStart_ = selEnd_ = 0;
  selectsEnd_ = false;
  top_ = 0;
  linesDirty_ = true;
}

void TMemoryRichBox::Clear() {
  doc_.Clear();
  ResetView();
  modified_ = false;
}

int32_t TMemoryRichBox::AppendLine(const std::string& text) {
  linesDirty_ = true;
  modified_ = true;
  return doc_.AppendLine(text);
}

// --- lines ---

int32_t TMemoryRichBox::ParagraphLines(int32_t p) const {
  const int32_t length = doc_.ParagraphLength(p);
  if (wrap_ <= 0 || length <= wrap_) return 1;
  return (length + wrap_ - 1) / wrap_;
}

void TMemoryRichBox::RefreshLineCache() {
  if (!linesDirty_) return;
  const int32_t count = doc_.ParagraphCount();
  lineFirst_.resize(size_t(count) + 1);
  int32_t line = 0;
  for (int32_t p = 0; p < count; ++p) {
    lineFirst_[size_t(p)] = line;
    line += ParagraphLines(p);
  }
  lineFirst_[size_t(count)] = line;
  linesDirty_ = false;
}

int32_t TMemoryRichBox::FirstLineOf(int32_t p) {
  if (wrap_ <= 0) return p;
  RefreshLineCache();
  return lineFirst_[size_t(p)];
}

int32_t TMemoryRichBox::ParagraphOfLine(int32_t line) {
  if (wrap_ <= 0) return line;
  RefreshLineCache();
  auto it = std::upper_bound(lineFirst_.begin(), lineFirst_.end() - 1, line);
  return int32_t(it - lineFirst_.begin()) - 1;
}

int32_t TMemoryRichBox::GetLineCount() {
  if (wrap_ <= 0) return doc_.ParagraphCount();
  RefreshLineCache();
  return lineFirst_.back();
}

int32_t TMemoryRichBox::GetLineStart(int32_t line) {
  if (line < 0) line = GetLineOfChar(CaretPosition());
  if (line >= GetLineCount()) return -1;
  const int32_t p = ParagraphOfLine(line);
  return doc_.ParagraphStart(p) + (line - FirstLineOf(p)) * wrap_;
}

int32_t TMemoryRichBox::GetLineOfChar(int32_t position) {
  position = std::min(std::max(position, 0), doc_.TextLength());
  const int32_t p = doc_.FindParagraph(position);
  const int32_t inPara = std::min(position - doc_.ParagraphStart(p), doc_.ParagraphLength(p));
  const int32_t sub = wrap_ > 0 ? std::min(inPara / wrap_, ParagraphLines(p) - 1) : 0;
  return FirstLineOf(p) + sub;
}

std::string TMemoryRichBox::GetLineText(int32_t line) {
  if (line < 0 || line >= GetLineCount()) return std::string();
  const int32_t p = ParagraphOfLine(line);
  const int32_t from = wrap_ > 0 ? (line - FirstLineOf(p)) * wrap_ : 0;
  const int32_t to = wrap_ > 0 ? std::min(from + wrap_, doc_.ParagraphLength(p)) : doc_.ParagraphLength(p);
  const size_t begin = doc_.ByteOffsetIn(p, from);
  return std::string(doc_.ParagraphText(p).substr(begin, doc_.ByteOffsetIn(p, to) - begin));
}

// --- selection ---

void TMemoryRichBox::GetSelection(int32_t& start, int32_t& length) {
  start = selStart_;
  length = selEnd_ - selStart_;
}

void TMemoryRichBox::SetSelection(int32_t start, int32_t length) {
  const int32_t textLength = doc_.TextLength();
  const int64_t end = int64_t(start) + int64_t(length);
  selStart_ = std::min(std::max(start, 0), textLength);
  selEnd_ = int32_t(std::min<int64_t>(std::max<int64_t>(end, selStart_), textLength));
  // A selection reaching past the text also holds the final paragraph mark.
  selectsEnd_ = end > textLength;
}

int32_t TMemoryRichBox::CaretPosition() const { return selEnd_; }

std::string TMemoryRichBox::GetSelText() { return doc_.Text(selStart_, selEnd_); }

// --- formats ---

void TMemoryRichBox::SetCharFormat(const TCharFormat& format, TFormatTarget target) {
  if (target == TFormatTarget::Selection)
    doc_.ApplyCharFormat(selStart_, selEnd_, format, selectsEnd_);
  else
    doc_.ApplyCharFormat(0, doc_.TextLength(), format, true);
  modified_ = true;
}

void TMemoryRichBox::GetCharFormat(TCharFormat& format) {
  format = doc_.FormatAt(selStart_);
  format.Mask = CharMask::AllUsed;
  if (selEnd_ <= selStart_) return;
  for (int32_t p = doc_.FindParagraph(selStart_); p < doc_.ParagraphCount(); ++p) {
    const int32_t ps = doc_.ParagraphStart(p);
    if (ps >= selEnd_) break;
    for (const TRichDocument::TRunView& run : doc_.Runs(p)) {
      if (ps + run.Start >= selEnd_ || ps + run.Start + run.Length <= selStart_ || run.Length == 0) continue;
      const TCharFormat& other = *run.Format;
      for (uint32_t bit : {CharMask::Bold, CharMask::Italic, CharMask::Underline})
        if ((other.Effects & bit) != (format.Effects & bit)) format.Mask &= ~bit;
      if (other.Height != format.Height) format.Mask &= ~CharMask::Size;
      if (other.TextColor != format.TextColor) format.Mask &= ~CharMask::Color;
      if (other.Face() != format.Face()) format.Mask &= ~CharMask::Face;
      if (other.Spacing != format.Spacing) format.Mask &= ~CharMask::Spacing;
      if (other.BackColor != format.BackColor) format.Mask &= ~CharMask::BackColor;
    }
  }
}

void TMemoryRichBox::SetParaFormat(const TParaFormat& format) {
  doc_.ApplyParaFormat(selStart_, selectsEnd_ ? doc_.TextLength() + 1 : selEnd_, format);
  modified_ = true;
}

void TMemoryRichBox::GetParaFormat(TParaFormat& format) {
  format = doc_.ParaFormat(doc_.FindParagraph(selStart_));
}

// --- view ---

void TMemoryRichBox::ClampTop() {
  top_ = std::min(std::max(top_, 0), std::max(GetLineCount() - 1, 0));
}

void TMemoryRichBox::SetScrollPos(int32_t y) {
  top_ = std::max(y, 0) / LineHeight;
  ClampTop();
}

void TMemoryRichBox::ScrollLines(int32_t lines) {
  top_ = int32_t(std::min<int64_t>(std::max<int64_t>(int64_t(top_) + lines, 0), INT32_MAX));
  ClampTop();
}

void TMemoryRichBox::ScrollToCaret() {
  const int32_t line = GetLineOfChar(CaretPosition());
  if (line < top_) top_ = line;
  if (line >= top_ + visibleLines_) top_ = line - visibleLines_ + 1;
  ClampTop();
}

void TMemoryRichBox::ScrollToBottom() {
  top_ = std::max(GetLineCount() - visibleLines_, 0);
}

int32_t TMemoryRichBox::GetCharAtPoint(int32_t x, int32_t y) {
  const int32_t line = std::min(std::max(top_ + std::max(y, 0) / LineHeight, 0), GetLineCount() - 1);
  const int32_t start = GetLineStart(line);
  const int32_t column = std::max(x - leftMargin_, 0) / CharWidth;
  return start + std::min(column, Utf16Length(GetLineText(line)));
}

bool TMemoryRichBox::GetCaretPoint(int32_t& x, int32_t& y) {
  if (!caretPointAvailable_) return false;
  const int32_t caret = CaretPosition();
  const int32_t line = GetLineOfChar(caret);
  const int32_t column = wrap_ > 0 ? std::max(caret - GetLineStart(line), 0) : 0;
  x = leftMargin_ + column * CharWidth;
  y = (line - top_) * LineHeight;
  return true;
}

void TMemoryRichBox::GetClientSize(int32_t& width, int32_t& height) {
  width = leftMargin_ + (std::max(wrap_, 80) + 1) * CharWidth + rightMargin_;
  height = visibleLines_ * LineHeight;
}

void TMemoryRichBox::SetZoom(int32_t numerator, int32_t denominator) {
  zoomNum_ = numerator;
  zoomDen_ = denominator;
}

// --- search ---

int32_t TMemoryRichBox::SearchText(const std::string& text, int32_t start, int32_t end, bool down,
                                 bool matchCase) {
  const int32_t length = doc_.TextLength();
  if (end < 0 || end > length) end = length;
  start = std::max(start, 0);
  if (text.empty() || start >= end) return -1;
  const std::string range = doc_.Text(start, end);
  const int32_t found = qv::SearchText(range, text, down, matchCase);
  return found < 0 ? -1 : start + found;
}

// --- streams ---

bool TMemoryRichBox::LoadRichText(std::istream& in) {
  TRichDocument loaded;
  if (!ReadRtf(in, loaded)) return false;
  doc_ = std::move(loaded);
  ResetView();
  modified_ = false;
  return true;
}

bool TMemoryRichBox::SaveRichText(std::ostream& out) {
  WriteRtf(doc_, out);
  return bool(out);
}

bool TMemoryRichBox::LoadPlainText(std::istream& in) {
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return false;
  LoadText(DecodeText(bytes, DetectTextEncoding(bytes)));
  return true;
}

void TMemoryRichBox::LoadText(std::string_view content) {
  doc_.Clear();
  doc_.ReserveText(content.size());
  const TCharFormat style = doc_.EndFormat();
  size_t begin = 0;
  for (size_t i = 0; i < content.size(); ++i) {
    const char c = content[i];
    if (c != '\r' && c != '\n') continue;
    doc_.AppendText(content.substr(begin, i - begin), style);
    doc_.EndParagraph();
    if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
    begin = i + 1;
  }
  doc_.AppendText(content.substr(begin), style);
  ResetView();
  modified_ = false;
}

bool TMemoryRichBox::SavePlainText(std::ostream& out) {
  const std::string text = doc_.WholeText();
  const std::string bytes = EncodeText(text, SaveEncodingFor(SystemAnsiEncoding(), text));
  out.write(bytes.data(), std::streamsize(bytes.size()));
  return bool(out);
}

}  // namespace qv
