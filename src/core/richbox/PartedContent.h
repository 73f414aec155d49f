// A long document that reaches the control in parts, so that the reader sees
// its beginning at once: first the paragraphs around the place to be shown
// (the window), then the paragraphs before them, each part put just before the
// window, then those after them, each part added at the end.
//
// Until the last part is in, the control holds the document with a gap: the
// paragraphs before the window not yet put in. Positions here are the
// document's (every break counts two); shown positions count the same way over
// the text the control holds, and control positions count each break as one.
#pragma once
#include <cstdint>

#include "richbox/RichDocument.h"

namespace qv {

class TPartedContent {
 public:
  // One part: paragraphs [First, End), put into the control at control
  // position At (before the window's first character, or at the end).
  struct TPart {
    int32_t First = 0, End = 0;
    bool BeforeWindow = false;
    int32_t At = 0;
  };

  // at: the position to be shown first (negative: the end of the text); the
  // window holds about windowChars characters from a little before it.
  TPartedContent(TRichDocument doc, int32_t at, int32_t windowChars);

  const TRichDocument& Document() const { return doc_; }
  bool Done() const { return started_ && gapFirst_ == gapEnd_ && shownEnd_ == doc_.ParagraphCount(); }
  // The next part of about chars characters (the window first, whatever chars).
  TPart NextPart(int32_t chars) const;
  // The part is in the control.
  void PartShown(const TPart& part);

  // True when position is in the control's text (the end of the text included once it is in).
  bool IsShown(int32_t position) const;
  // A document position as a shown position; one in the gap gives the window's
  // start, one past the shown end the shown end.
  int32_t ToShown(int32_t position) const;
  int32_t FromShown(int32_t shown) const;
  // The share of the document's characters in the control, 0 to 1.
  double ShownShare() const;
  // The document position of the end of the shown text.
  int32_t ShownEnd() const;
  // Where the shown text that goes on from position ends (at the gap or at the shown end).
  int32_t ShownRunEnd(int32_t position) const;

 private:
  int32_t Start(int32_t p) const;  // document position of paragraph p (the end for p == count)
  int32_t GapLength() const { return Start(gapEnd_) - Start(gapFirst_); }
  // The paragraph after a run of about chars characters from paragraph first.
  int32_t EndAfter(int32_t first, int32_t chars, int32_t limit) const;

  TRichDocument doc_;
  int32_t windowChars_;
  int32_t windowFirst_ = 0, windowEnd_ = 0;  // the window, chosen at the start
  bool started_ = false;
  // Shown paragraphs: [0, gapFirst_) and [gapEnd_, shownEnd_).
  int32_t gapFirst_ = 0, gapEnd_ = 0, shownEnd_ = 0;
};

}  // namespace qv
