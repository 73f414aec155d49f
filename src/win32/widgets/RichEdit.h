// The Rich Edit control as a widget and as the program's rich-box: it creates
// the newest class present and implements IRichBox over the control.
//
// The control counts a paragraph break as one character, the interface as two;
// a break index maps positions both ways. It is rebuilt from the control's text
// only after the text changed (the control reports every change, edits by the
// reader included), so a run of position calls scans the text at most once.
//
// A burst (BeginUpdate/EndUpdate) collects the content in a TMemoryRichBox
// and hands it to the control as one rich-text stream with drawing off; a long
// content may instead reach it in parts (EndBurstInParts), the place to be shown
// first, while the reader reads. Until the last part is in, positions stay the
// whole content's: a place not yet in the control is not shown (IsShown).
#pragma once
#include <functional>
#include <memory>
#include <string>

#include "richbox/BreakIndex.h"
#include "richbox/MemoryRichBox.h"
#include "richbox/PartedContent.h"
#include "richbox/RichBox.h"
#include "richbox/Rtf.h"
#include "widgets/Control.h"
#include <richedit.h>

namespace qv::win {

class TRichEdit : public TControl, public qv::IRichBox {
 public:
  TRichEdit(TControl* parent, const std::string& name, int x, int y, int w, int h);
  TRichEdit(TControl* parent, const TPlace& at)
      : TRichEdit(parent, at.Name, at.Left, at.Top, at.Width, at.Height) {}
  ~TRichEdit() override;
  // True when the control is of version 3 or later (msftedit or riched20 v3).
  bool IsVersion3() const { return version3_; }
  const wchar_t* ClassName() const { return className_; }
  // The control answers screen readers itself, with the book's text.
  bool ServesAccessibility() const override { return false; }

  // Short forms the window uses.
  bool ReadOnly() { return GetReadOnly(); }
  bool Modified() { return GetModified(); }
  bool InBurst() const { return pending_ != nullptr; }
  // The mouse wheel over the control (delta as the system gives it); when set
  // the control does not scroll by itself.
  std::function<void(int delta, unsigned shift)> OnMouseWheel;
  // A left click on a detected web link, with the link's range as the
  // rich-box counts positions. The notification goes on to its parent after it.
  std::function<void(int32_t start, int32_t end)> OnLinkClick;
  // Painting: while HasCustomBackground answers true, OnPaintBackground draws
  // the background (on an off-screen DC clipped to the part being painted) and
  // the control's text is laid over it, the control's own background colour
  // left out; the control never fills its background on the screen. The
  // control has no border (its non-client area holds only the scroll bar), and
  // a read-only text shows no caret.
  std::function<void(HDC dc)> OnPaintBackground;
  // Every stream the control is given, as given, and its end (for tools that measure loading).
  std::function<void(const std::string& bytes, unsigned format)> OnStreamIn;
  std::function<void()> OnStreamedIn;
  std::function<bool()> HasCustomBackground;

  // --- IRichBox ---
  int32_t GetTextLength() override;
  std::string GetText() override;
  std::string GetTextRange(int32_t start, int32_t end) override;
  void Clear() override;
  int32_t AppendLine(const std::string& text) override;
  void SetTextLimit(int32_t limit) override;
  int32_t GetTextLimit() override;

  int32_t GetLineCount() override;
  int32_t GetLineStart(int32_t line) override;
  int32_t GetLineOfChar(int32_t position) override;
  std::string GetLineText(int32_t line) override;

  void GetSelection(int32_t& start, int32_t& length) override;
  void SetSelection(int32_t start, int32_t length) override;
  std::string GetSelText() override;
  void CopySelection() override;

  void SetCharFormat(const TCharFormat& format, TFormatTarget target) override;
  void GetCharFormat(TCharFormat& format) override;
  void SetParaFormat(const TParaFormat& format) override;
  void GetParaFormat(TParaFormat& format) override;
  void SetBackgroundColor(uint32_t color) override;

  int32_t GetFirstVisibleLine() override;
  void SetScrollPos(int32_t y) override;
  void ScrollLines(int32_t lines) override;
  void ScrollToCaret() override;
  void ScrollToBottom() override;
  int32_t GetCharAtPoint(int32_t x, int32_t y) override;
  bool GetCaretPoint(int32_t& x, int32_t& y) override;
  void GetClientSize(int32_t& width, int32_t& height) override;
  void SetZoom(int32_t numerator, int32_t denominator) override;
  // Margins in pixels of a 96-DPI screen, given to the control at its DPI.
  void SetLeftMargin(int32_t pixels) override;
  void SetRightMargin(int32_t pixels) override;
  void EnableLinks() override;
  void EnableAdvancedTypography() override;
  bool IsVisible() override { return Visible(); }
  void SetVisible(bool visible) override { TControl::SetVisible(visible); }
  void Invalidate() override { TControl::Invalidate(); }

  int32_t SearchText(const std::string& text, int32_t start, int32_t end, bool down, bool matchCase) override;

  bool GetModified() override;
  void SetModified(bool modified) override;
  bool GetReadOnly() override;
  void SetReadOnly(bool readOnly) override;

  bool LoadRichText(std::istream& in) override;
  bool SaveRichText(std::ostream& out) override;
  // The rich text of the part before end (a position); a negative end: all of it.
  bool SaveRichText(std::ostream& out, int32_t end);
  bool LoadPlainText(std::istream& in) override;
  bool SavePlainText(std::ostream& out) override;
  bool Print(const std::string& jobTitle) override;
  // True when the system has a default printer for Print to print on.
  static bool DefaultPrinterExists();

  void BeginUpdate() override;
  void EndUpdate() override;

  // --- a long content in parts ---
  // The running burst ends with about windowChars characters of its content
  // in the control, from a little before position at (negative: the end of
  // the text); the rest waits for ShowNextPart. The content replaces the
  // control's text. A content of up to four windows ends as any burst does.
  void EndBurstInParts(int32_t at, int32_t windowChars);
  bool PartsPending() const { return parts_ != nullptr; }
  // Parts of about chars characters go in, one and then more while more()
  // answers true; the view stays on the text it shows and a selection on its
  // characters (a caret may go to the start of the view).
  void ShowParts(int32_t chars, const std::function<bool()>& more);
  void ShowNextPart(int32_t chars) { ShowParts(chars, [] { return false; }); }
  // What is not yet in the control will not come (the control keeps what it has).
  void DropParts();
  bool IsShown(int32_t position) const { return !parts_ || parts_->IsShown(position); }
  // Where the text in the control that goes on from position ends.
  int32_t ShownRunEnd(int32_t position) { return parts_ ? parts_->ShownRunEnd(position) : GetTextLength(); }
  // The share of the content in the control, 0 to 1.
  double ShownShare() const { return parts_ ? parts_->ShownShare() : 1.0; }

  bool HandleCommand(WORD code) override;
  bool HandleNotify(NMHDR* hdr, LRESULT& result) override;
  void DpiChanged() override;

 protected:
  bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  // The text's fonts are the book's, in points: the control's own font is not set again.
  bool TakesWidgetFont() const override { return false; }

 private:
  // The break index, rebuilt when the text changed since it was last built.
  const TBreakIndex& Index();
  int32_t ControlLength();  // characters in the control, breaks counting one
  // Positions of the content and of the control: while parts are pending the
  // content's text has a gap in the control (Shown counts over the control's
  // text as the interface does).
  int32_t Shown(int32_t position) const { return parts_ ? parts_->ToShown(position) : position; }
  int32_t Content(int32_t shown) const { return parts_ ? parts_->FromShown(shown) : shown; }
  int32_t Narrow(int32_t position) { return Index().ToNarrow(Shown(position)); }
  int32_t Wide(int32_t narrow) { return Content(Index().ToWide(narrow)); }
  int32_t ShownLength();  // the control's text as the interface counts it
  void TextChanged() { index_.Invalidate(); }
  // The top of a line in client pixels.
  int32_t LineTop(int32_t line);
  // How far the view is scrolled down, in pixels, and scrolling to such a place.
  int32_t ScrollY();
  void ScrollTo(int32_t y);
  // The formatting rectangle: the client area less the margins.
  void FitFormatRect();
  int32_t leftMargin_ = 0, rightMargin_ = 0;  // pixels of a 96-DPI screen
  // A view whose first line is partly scrolled out is moved to a whole line.
  void AlignTopLine();
  void StreamIn(const std::string& bytes, unsigned format);
  void StartParts(int32_t at, int32_t windowChars);
  int32_t TopCharacter();  // the control position that starts the first visible line
  bool EndInView();        // the end of the text is in the client area
  // A new, empty window of the same class and settings takes the old one's place.
  void ReplaceWithEmptyWindow();
  void HideHorizontalScrollBar();
  std::string StreamOut(unsigned format);
  // The control's content read back from its rich text into box, with the
  // control's own characters (text) where the rich text wrote look-alikes for
  // those the code page lacks (wine writes Ω as O); exact tells whether it
  // wrote none. finalMark: the rich text is the whole content, ending in the
  // control's final paragraph mark. False when the reader cannot take the
  // content exactly.
  bool ReadBackContent(std::string rtf, TMemoryRichBox& box, bool& exact, const std::string& text, bool finalMark);

  // The zoom as set (0 and 0: none), given to the control with the DPI's own.
  int32_t zoomNumerator_ = 0, zoomDenominator_ = 0;
  void SendZoom();
  bool version3_ = false;
  const wchar_t* className_ = L"";
  TBreakIndex index_;
  std::unique_ptr<TMemoryRichBox> pending_;  // the content of a running burst
  // How the running burst is to end in parts (windowChars 0: it is not).
  int32_t partsAt_ = 0, partsWindow_ = 0;
  std::unique_ptr<TPartedContent> parts_;  // the content, while parts of it are pending
  std::unique_ptr<TRtfParts> partWriter_;  // over parts_'s document
  int updateDepth_ = 0;
  // The change being reported is our own append or format change, which the index already follows.
  bool ownAppend_ = false;
  bool wasVisible_ = true;  // the visible style before a burst
  // Drawing off, answering the visible style, and on again with that style:
  // the redraw message also sets and clears the visible style.
  bool DrawingOff();
  void DrawingOn(bool visible);
  bool scrolling_ = false;  // a message that may scroll is being handled
  // The colour the control fills its background with.
  COLORREF backColor_ = GetSysColor(COLOR_WINDOW);
  // The background drawn with the text laid over it, then shown in one copy.
  void PaintOverBackground();
  // How the control prints itself (WM_PRINTCLIENT), found once by printing it
  // over a colour of our own: over a background (its transparent style kept),
  // on its own background colour, or not at all (it then paints directly).
  enum class TPrintMode { Unknown, OverBackground, OnOwnColor, Direct };
  TPrintMode PrintMode();
  void PaintBackgroundDirectly();
  // Prints the control into a DIB's DC over r filled with color; answers the
  // colour as the DIB's pixels hold it.
  uint32_t PrintOnColor(HDC dc, const RECT& r, COLORREF color);
  TPrintMode printMode_ = TPrintMode::Unknown;
  HBITMAP textBitmap_ = nullptr, composedBitmap_ = nullptr;  // 32-bit, top-down
  uint32_t* textBits_ = nullptr;
  uint32_t* composedBits_ = nullptr;
  SIZE paintSize_{0, 0};
};

}  // namespace qv::win
