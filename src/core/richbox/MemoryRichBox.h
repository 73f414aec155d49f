// A rich-box held in memory, for native tests and tools: a TRichDocument plus
// a simple view. A line is a paragraph unless a wrap width (characters) is set,
// then a paragraph occupies ceil(length / width) lines (at least one). Each
// line is LineHeight pixels high and each character CharWidth pixels wide; the
// view shows VisibleLines lines from the first visible line.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "richbox/RichBox.h"
#include "richbox/RichDocument.h"

namespace qv {

class TMemoryRichBox : public IRichBox {
 public:
  static constexpr int32_t LineHeight = 16;
  static constexpr int32_t CharWidth = 8;

  TMemoryRichBox() = default;

  // --- test and tool access ---
  const TRichDocument& Document() const { return doc_; }
  TRichDocument& Document() { return doc_; }
  void SetWrapWidth(int32_t characters);
  void SetVisibleLines(int32_t lines) { visibleLines_ = lines < 1 ? 1 : lines; }
  int32_t VisibleLines() const { return visibleLines_; }
  void SetCaretPointAvailable(bool available) { caretPointAvailable_ = available; }
  int32_t ZoomNumerator() const { return zoomNum_; }
  int32_t ZoomDenominator() const { return zoomDen_; }
  int32_t LeftMargin() const { return leftMargin_; }
  int32_t RightMargin() const { return rightMargin_; }
  bool LinksEnabled() const { return links_; }
  bool AdvancedTypography() const { return typography_; }
  uint32_t BackgroundColor() const { return background_; }
  const std::string& Clipboard() const { return clipboard_; }
  int32_t UpdateDepth() const { return updateDepth_; }
  // Replaces the content with UTF-8 text whose lines end at CR LF, LF or CR.
  void LoadText(std::string_view text);
  int32_t Invalidations() const { return invalidations_; }

  // --- IRichBox ---
  int32_t GetTextLength() override { return doc_.TextLength(); }
  std::string GetText() override { return doc_.WholeText(); }
  std::string GetTextRange(int32_t start, int32_t end) override { return doc_.Text(start, end); }
  void Clear() override;
  int32_t AppendLine(const std::string& text) override;
  void SetTextLimit(int32_t limit) override { limit_ = limit; }
  int32_t GetTextLimit() override { return limit_; }

  int32_t GetLineCount() override;
  int32_t GetLineStart(int32_t line) override;
  int32_t GetLineOfChar(int32_t position) override;
  std::string GetLineText(int32_t line) override;

  void GetSelection(int32_t& start, int32_t& length) override;
  void SetSelection(int32_t start, int32_t length) override;
  std::string GetSelText() override;
  void CopySelection() override { clipboard_ = GetSelText(); }

  void SetCharFormat(const TCharFormat& format, TFormatTarget target) override;
  void GetCharFormat(TCharFormat& format) override;
  void SetParaFormat(const TParaFormat& format) override;
  void GetParaFormat(TParaFormat& format) override;
  void SetBackgroundColor(uint32_t color) override { background_ = color; }

  int32_t GetFirstVisibleLine() override { return top_; }
  void SetScrollPos(int32_t y) override;
  void ScrollLines(int32_t lines) override;
  void ScrollToCaret() override;
  void ScrollToBottom() override;
  int32_t GetCharAtPoint(int32_t x, int32_t y) override;
  bool GetCaretPoint(int32_t& x, int32_t& y) override;
  void GetClientSize(int32_t& width, int32_t& height) override;
  void SetZoom(int32_t numerator, int32_t denominator) override;
  void SetLeftMargin(int32_t pixels) override { leftMargin_ = pixels; }
  void SetRightMargin(int32_t pixels) override { rightMargin_ = pixels; }
  void EnableLinks() override { links_ = true; }
  void EnableAdvancedTypography() override { typography_ = true; }
  bool IsVisible() override { return visible_; }
  void SetVisible(bool visible) override { visible_ = visible; }
  void Invalidate() override { ++invalidations_; }

  int32_t SearchText(const std::string& text, int32_t start, int32_t end, bool down, bool matchCase) override;

  bool GetModified() override { return modified_; }
  void SetModified(bool modified) override { modified_ = modified; }
  bool GetReadOnly() override { return readOnly_; }
  void SetReadOnly(bool readOnly) override { readOnly_ = readOnly; }

  bool LoadRichText(std::istream& in) override;
  bool SaveRichText(std::ostream& out) override;
  bool LoadPlainText(std::istream& in) override;
  bool SavePlainText(std::ostream& out) override;

  bool Print(const std::string& jobTitle) override {
    printJobs_.push_back(jobTitle);
    return true;
  }
  const std::vector<std::string>& PrintJobs() const { return printJobs_; }

  void BeginUpdate() override { ++updateDepth_; }
  void EndUpdate() override {
    if (updateDepth_ > 0) --updateDepth_;
  }

 private:
  int32_t ParagraphLines(int32_t p) const;
  void RefreshLineCache();
  int32_t FirstLineOf(int32_t p);            // first display line of paragraph p
  int32_t ParagraphOfLine(int32_t line);     // paragraph holding display line
  int32_t CaretPosition() const;
  void ClampTop();
  void ResetView();

  TRichDocument doc_;
  int32_t wrap_ = 0;
  std::vector<int32_t> lineFirst_;           // first line of each paragraph, and the total
  bool linesDirty_ = true;
  int32_t selStart_ = 0, selEnd_ = 0;
  bool selectsEnd_ = false;                  // the selection holds the final paragraph mark
  int32_t top_ = 0;
  int32_t visibleLines_ = 20;
  bool caretPointAvailable_ = true;
  int32_t limit_ = 32767;
  int32_t zoomNum_ = 0, zoomDen_ = 0;
  int32_t leftMargin_ = 0, rightMargin_ = 0;
  bool links_ = false, typography_ = false;
  uint32_t background_ = 0xFFFFFF;
  std::string clipboard_;
  bool modified_ = false, readOnly_ = false, visible_ = true;
  int32_t updateDepth_ = 0;
  int32_t invalidations_ = 0;
  std::vector<std::string> printJobs_;
};

}  // namespace qv
