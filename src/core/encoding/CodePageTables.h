// The characters of the single-byte code pages' upper halves (the lower half
// is ASCII in every one), in the order of the code pages in TTextEncoding.
#pragma once

namespace qv {

constexpr int CodePageCount = 18;
extern const char16_t CodePageHighChars[CodePageCount][128];

}  // namespace qv
