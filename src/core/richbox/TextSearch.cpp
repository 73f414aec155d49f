// Case-folding text search for the in-memory rich-box.
#include "richbox/TextSearch.h"

#include <algorithm>

namespace qv {

unsigned char FoldCase1252(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  switch (c) {
    case 0x8A: return 0x9A;  // Š
    case 0x8C: return 0x9C;  // Œ
    case 0x8E: return 0x9E;  // Ž
    case 0x9F: return 0xFF;  // Ÿ
    default: return c;
  }
}

int32_t SearchText(const std::string& haystack, const std::string& needle, bool forward, bool matchCase) {
  if (needle.empty() || needle.size() > haystack.size()) return -1;
  auto equal = [matchCase](char a, char b) {
    return matchCase ? a == b
                     : FoldCase1252(static_cast<unsigned char>(a)) == FoldCase1252(static_cast<unsigned char>(b));
  };
  if (forward) {
    auto it = std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end(), equal);
    return it == haystack.end() ? -1 : int32_t(it - haystack.begin());
  }
  auto it = std::find_end(haystack.begin(), haystack.end(), needle.begin(), needle.end(), equal);
  return it == haystack.end() ? -1 : int32_t(it - haystack.begin());
}

}  // namespace qv
