// Text search for the in-memory rich-box.
#pragma once
#include <cstdint>
#include <string>

namespace qv {

// Lower-case form of a character: ASCII and the letters of code page 1252
// (Latin-1, Š Œ Ž Ÿ) fold; others stay as they are.
char16_t FoldCase(char16_t c);

// In UTF-8 texts: forward, the UTF-16 unit index of the first occurrence of
// needle in haystack; backward, of the last. -1 when there is none or the
// needle is empty. Diacritics always matter.
int32_t SearchText(const std::string& haystack, const std::string& needle, bool forward, bool matchCase);

}  // namespace qv
