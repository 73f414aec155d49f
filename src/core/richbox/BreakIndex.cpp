#include "richbox/BreakIndex.h"

#include <algorithm>
#include <string>

namespace qv {

template <typename Text>
void TBreakIndex::Scan(Text text, int32_t base) {
  for (size_t i = 0; i < text.size(); ++i)
    if (text[i] == '\r') breaks_.push_back(base + int32_t(i));
}

void TBreakIndex::Rebuild(std::u16string_view controlText) {
  breaks_.clear();
  Scan(controlText, 0);
  valid_ = true;
}

void TBreakIndex::Rebuild(std::string_view controlText) {
  breaks_.clear();
  Scan(controlText, 0);
  valid_ = true;
}

void TBreakIndex::Append(int32_t controlLength, std::u16string_view text) { Scan(text, controlLength); }

int32_t TBreakIndex::ToWide(int32_t narrow) const {
  if (narrow <= 0) return narrow;
  const auto before = std::lower_bound(breaks_.begin(), breaks_.end(), narrow) - breaks_.begin();
  return narrow + int32_t(before);
}

int32_t TBreakIndex::ToNarrow(int32_t wide) const {
  if (wide <= 0) return wide;
  // Break i starts at wide position breaks_[i] + i, a strictly increasing sequence.
  int32_t lo = 0, hi = int32_t(breaks_.size());
  while (lo < hi) {
    const int32_t mid = lo + (hi - lo) / 2;
    if (breaks_[size_t(mid)] + mid < wide)
      lo = mid + 1;
    else
      hi = mid;
  }
  // lo breaks start before wide; a position between a CR and its LF lands on the break.
  return wide - lo;
}

std::u16string WidenBreaks(std::u16string_view controlText) {
  std::u16string out;
  out.reserve(controlText.size() + controlText.size() / 16);
  for (char16_t c : controlText) {
    out += c;
    if (c == u'\r') out += u'\n';
  }
  return out;
}

}  // namespace qv
