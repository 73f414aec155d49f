// Text search over code-page-1252 text.
#pragma once
#include <cstdint>
#include <string>

namespace qv {

// Lower-case form of a code-page-1252 character (ASCII, the Latin-1 letters and Š Œ Ž Ÿ).
unsigned char FoldCase1252(unsigned char c);

// Forward: index of the first occurrence of needle in haystack; backward: of the
// last. -1 when there is none or the needle is empty. Diacritics always matter.
int32_t SearchText(const std::string& haystack, const std::string& needle, bool forward, bool matchCase);

}  // namespace qv
