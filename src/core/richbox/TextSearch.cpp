// Case-folding text search for the in-memory rich-box.
#include "richbox/TextSearch.h"

#include <algorithm>

#include "encoding/Utf8.h"

namespace qv {

char16_t FoldCase(char16_t c) {
  if (c >= 'A' && c <= 'Z') return char16_t(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return char16_t(c + 32);
  switch (c) {
    case 0x0160: return 0x0161;  // Š
    case 0x0152: return 0x0153;  // Œ
    case 0x017D: return 0x017E;  // Ž
    case 0x0178: return 0x00FF;  // Ÿ
    default: return c;
  }
}

int32_t SearchText(const std::string& haystack, const std::string& needle, bool forward, bool matchCase) {
  const std::u16string text = ToUtf16(haystack), wanted = ToUtf16(needle);
  if (wanted.empty() || wanted.size() > text.size()) return -1;
  auto equal = [matchCase](char16_t a, char16_t b) { return matchCase ? a == b : FoldCase(a) == FoldCase(b); };
  const auto it = forward ? std::search(text.begin(), text.end(), wanted.begin(), wanted.end(), equal)
                          : std::find_end(text.begin(), text.end(), wanted.begin(), wanted.end(), equal);
  return it == text.end() ? -1 : int32_t(it - text.begin());
}

}  // namespace qv
