#include "richbox/PartedContent.h"

#include <algorithm>
#include <utility>

namespace qv {

TPartedContent::TPartedContent(TRichDocument doc, int32_t at, int32_t windowChars)
    : doc_(std::move(doc)), windowChars_(std::max(windowChars, 1)) {
  const int32_t count = doc_.ParagraphCount();
  if (at < 0) {
    // The end: the last paragraphs that fill the window.
    windowEnd_ = count;
    windowFirst_ = count - 1;
    for (int32_t chars = doc_.ParagraphLength(windowFirst_); windowFirst_ > 0 && chars < windowChars_;)
      chars += doc_.ParagraphLength(--windowFirst_) + 2;
  } else {
    // A quarter of the window before the place, so that the reader can look back a little.
    const int32_t place = doc_.FindParagraph(at);
    windowFirst_ = place;
    for (int32_t chars = 0; windowFirst_ > 0 && chars < windowChars_ / 4;)
      chars += doc_.ParagraphLength(--windowFirst_) + 2;
    windowEnd_ = std::max(EndAfter(windowFirst_, windowChars_, count), place + 1);
  }
}

int32_t TPartedContent::Start(int32_t p) const {
  return p >= doc_.ParagraphCount() ? doc_.TextLength() : doc_.ParagraphStart(p);
}

int32_t TPartedContent::EndAfter(int32_t first, int32_t chars, int32_t limit) const {
  int32_t end = first;
  for (int32_t sum = 0; end < limit && (sum < chars || end == first); ++end) sum += doc_.ParagraphLength(end) + 2;
  return end;
}

TPartedContent::TPart TPartedContent::NextPart(int32_t chars) const {
  TPart part;
  if (!started_) {
    part.First = windowFirst_;
    part.End = windowEnd_;
  } else if (gapFirst_ < gapEnd_) {
    // Each paragraph before the gap ends in one break in the control.
    part.First = gapFirst_;
    part.End = EndAfter(gapFirst_, chars, gapEnd_);
    part.BeforeWindow = true;
    part.At = Start(gapFirst_) - gapFirst_;
  } else {
    part.First = shownEnd_;
    part.End = EndAfter(shownEnd_, chars, doc_.ParagraphCount());
    part.At = Start(shownEnd_) - shownEnd_;
  }
  return part;
}

void TPartedContent::PartShown(const TPart& part) {
  if (!started_) {
    started_ = true;
    gapFirst_ = 0;
    gapEnd_ = part.First;
    shownEnd_ = part.End;
  } else if (part.BeforeWindow) {
    gapFirst_ = part.End;
  } else {
    shownEnd_ = part.End;
  }
}

int32_t TPartedContent::ShownEnd() const { return started_ ? Start(shownEnd_) : 0; }

int32_t TPartedContent::ShownRunEnd(int32_t position) const {
  return position < Start(gapFirst_) && gapFirst_ < gapEnd_ ? Start(gapFirst_) : ShownEnd();
}

bool TPartedContent::IsShown(int32_t position) const {
  if (!started_ || position < 0) return false;
  if (position < Start(gapFirst_)) return true;
  if (position < Start(gapEnd_)) return false;
  return position < ShownEnd() || (shownEnd_ == doc_.ParagraphCount() && position == doc_.TextLength());
}

int32_t TPartedContent::ToShown(int32_t position) const {
  if (position < Start(gapFirst_)) return position;
  if (position < Start(gapEnd_)) return Start(gapFirst_);
  return std::min(position, ShownEnd()) - GapLength();
}

int32_t TPartedContent::FromShown(int32_t shown) const {
  return shown < Start(gapFirst_) ? shown : shown + GapLength();
}

double TPartedContent::ShownShare() const {
  const int32_t total = doc_.TextLength();
  return total <= 0 ? 1.0 : double(ShownEnd() - GapLength()) / double(total);
}

}  // namespace qv
