// The rich-box as the core sees it: the one rich-text view the book is read in.
//
// Text is UTF-8 both ways (read as encoding/Utf8.h says). Positions, lengths
// and counts are signed 32-bit; positions count characters from 0 as the
// control does, in UTF-16 units (a character beyond U+FFFF counts two), and
// count EVERY paragraph break as two characters (carriage return and line
// feed), in every call of this interface. An implementation over a control
// that counts a break as one character maps positions at its boundary.
//
// The text always ends with a final paragraph that has no break after it (it is
// empty after Clear or after AppendLine). Lines are display lines: a paragraph
// occupies one or more lines.
//
// Loading speed: BeginUpdate/EndUpdate bracket a burst of appends and format
// changes (a whole book or piece). Between them an implementation may collect
// the appended paragraphs and their formats in a TMemoryRichBox and hand them to
// the control in one go at EndUpdate (saved as rich text, streamed in at the
// end of the text); calls nest, only the outermost EndUpdate flushes. Callers
// must not read pixel geometry (caret point, char at point, scrolling) inside a
// burst; text, positions, selection and formats stay exact.
#pragma once
#include <cstdint>
#include <istream>
#include <ostream>
#include <string>

#include "richbox/RichFormats.h"

namespace qv {

constexpr int32_t RichAllLength = 2147483647;  // selection length meaning "to the end"

class IRichBox {
 public:
  virtual ~IRichBox() = default;

  // --- text ---
  virtual int32_t GetTextLength() = 0;                  // breaks count two
  virtual std::string GetText() = 0;                    // every break as "\r\n"
  virtual std::string GetTextRange(int32_t start, int32_t end) = 0;  // [start, end), clipped
  virtual void Clear() = 0;
  // Appends one paragraph at the end of the text (the break follows it). When the
  // final paragraph is not empty it is ended first. The text takes the format of
  // the end of the text and the paragraph format of the final paragraph.
  // Answers the paragraph's length (its break not counted).
  virtual int32_t AppendLine(const std::string& text) = 0;
  virtual void SetTextLimit(int32_t limit) = 0;         // EM_EXLIMITTEXT
  virtual int32_t GetTextLimit() = 0;

  // --- lines ---
  virtual int32_t GetLineCount() = 0;
  virtual int32_t GetLineStart(int32_t line) = 0;       // EM_LINEINDEX; -1 for a line past the end,
                                                        // a negative line means the caret's line
  virtual int32_t GetLineOfChar(int32_t position) = 0;  // EM_EXLINEFROMCHAR, clipped to the text
  virtual std::string GetLineText(int32_t line) = 0;    // without its break; "" past the end

  // --- selection ---
  virtual void GetSelection(int32_t& start, int32_t& length) = 0;
  // Start 0 with RichAllLength selects all; the caret goes to the end of the selection.
  virtual void SetSelection(int32_t start, int32_t length) = 0;
  virtual std::string GetSelText() = 0;                 // breaks as "\r\n"
  virtual void CopySelection() = 0;                     // WM_COPY

  // --- formats ---
  virtual void SetCharFormat(const TCharFormat& format, TFormatTarget target) = 0;
  // The format at the selection; mask bits are cleared for attributes that vary in it.
  virtual void GetCharFormat(TCharFormat& format) = 0;
  virtual void SetParaFormat(const TParaFormat& format) = 0;  // to the selection's paragraphs
  virtual void GetParaFormat(TParaFormat& format) = 0;        // of the selection's first paragraph
  virtual void SetBackgroundColor(uint32_t color) = 0;        // EM_SETBKGNDCOLOR

  // --- view ---
  virtual int32_t GetFirstVisibleLine() = 0;
  virtual void SetScrollPos(int32_t y) = 0;            // EM_SETSCROLLPOS to (0, y) in pixels
  virtual void ScrollLines(int32_t lines) = 0;         // EM_LINESCROLL; negative scrolls up
  virtual void ScrollToCaret() = 0;                    // EM_SCROLLCARET
  virtual void ScrollToBottom() = 0;                   // EM_SCROLL with SB_BOTTOM
  virtual int32_t GetCharAtPoint(int32_t x, int32_t y) = 0;  // client pixels
  // The caret's top-left in client pixels; false when the platform cannot tell.
  virtual bool GetCaretPoint(int32_t& x, int32_t& y) = 0;
  virtual void GetClientSize(int32_t& width, int32_t& height) = 0;
  virtual void SetZoom(int32_t numerator, int32_t denominator) = 0;  // EM_SETZOOM
  virtual void SetLeftMargin(int32_t pixels) = 0;      // space left of the lines
  virtual void SetRightMargin(int32_t pixels) = 0;     // space right of the lines
  virtual void EnableLinks() = 0;                      // auto URL detection + ENM_LINK events
  virtual void EnableAdvancedTypography() = 0;         // TO_ADVANCEDTYPOGRAPHY
  virtual bool IsVisible() = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual void Invalidate() = 0;

  // --- search ---
  // EM_FINDTEXTEX with FR_MATCHDIAC. Forward (down): the first match inside
  // [start, end), end -1 meaning the end of the text. Backward: the match nearest
  // before end that starts at or after start. Returns its position, or -1.
  virtual int32_t SearchText(const std::string& text, int32_t start, int32_t end, bool down,
                           bool matchCase) = 0;

  // --- flags ---
  virtual bool GetModified() = 0;
  virtual void SetModified(bool modified) = 0;
  virtual bool GetReadOnly() = 0;
  virtual void SetReadOnly(bool readOnly) = 0;

  // --- whole content through streams ---
  virtual bool LoadRichText(std::istream& in) = 0;     // replaces the content; false when unreadable
  virtual bool SaveRichText(std::ostream& out) = 0;
  // The bytes of a plain-text file, in the encoding DetectTextEncoding finds;
  // CR LF, CR or LF break lines.
  virtual bool LoadPlainText(std::istream& in) = 0;
  // Breaks as "\r\n"; the system's ANSI code page when it holds every
  // character, else UTF-8 with a mark (SaveEncodingFor a code page book).
  virtual bool SavePlainText(std::ostream& out) = 0;

  // Prints the content to the default printer under the job title; false when it could not.
  virtual bool Print(const std::string& jobTitle) = 0;

  // --- bursts ---
  virtual void BeginUpdate() = 0;
  virtual void EndUpdate() = 0;
};

// Brackets a burst; EndUpdate runs on every path out of the scope.
class TRichUpdate {
 public:
  explicit TRichUpdate(IRichBox& box) : box_(box) { box_.BeginUpdate(); }
  ~TRichUpdate() { box_.EndUpdate(); }
  TRichUpdate(const TRichUpdate&) = delete;
  TRichUpdate& operator=(const TRichUpdate&) = delete;

 private:
  IRichBox& box_;
};

}  // namespace qv
