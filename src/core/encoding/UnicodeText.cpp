#include "encoding/UnicodeText.h"

#include <utf8proc.h>

#include "encoding/Utf8.h"

namespace qv {

namespace {

utf8proc_category_t Category(char32_t c) { return utf8proc_category(utf8proc_int32_t(c)); }

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

// Compares the start of text with prefix, character by character in upper case;
// used answers how many bytes of text the prefix took.
bool MatchesUpper(std::string_view prefix, std::string_view text, size_t& used) {
  size_t i = 0, j = 0;
  while (i < prefix.size()) {
    if (j >= text.size()) return false;
    const unsigned char a = static_cast<unsigned char>(prefix[i]), b = static_cast<unsigned char>(text[j]);
    if (a < 0x80 && b < 0x80) {
      if (AsciiUpper(char(a)) != AsciiUpper(char(b))) return false;
      ++i;
      ++j;
      continue;
    }
    if (UpperChar(ReadChar(prefix, i)) != UpperChar(ReadChar(text, j))) return false;
  }
  used = j;
  return true;
}

}  // namespace

bool IsLetter(char32_t c) {
  const utf8proc_category_t k = Category(c);
  return k >= UTF8PROC_CATEGORY_LU && k <= UTF8PROC_CATEGORY_LO;
}

bool IsUpperLetter(char32_t c) {
  const utf8proc_category_t k = Category(c);
  return k == UTF8PROC_CATEGORY_LU || k == UTF8PROC_CATEGORY_LT;
}

bool IsLowerLetter(char32_t c) { return Category(c) == UTF8PROC_CATEGORY_LL; }

char32_t UpperChar(char32_t c) {
  if (c < 0x80) return char32_t(AsciiUpper(char(c)));
  return c > 0x10FFFF ? c : char32_t(utf8proc_toupper(utf8proc_int32_t(c)));
}

char32_t LowerChar(char32_t c) {
  if (c < 0x80) return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
  return c > 0x10FFFF ? c : char32_t(utf8proc_tolower(utf8proc_int32_t(c)));
}

std::string UpperCase(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const unsigned char b = static_cast<unsigned char>(text[i]);
    if (b < 0x80) {
      out.push_back(AsciiUpper(char(b)));
      ++i;
    } else {
      AppendUtf8(out, UpperChar(ReadChar(text, i)));
    }
  }
  return out;
}

bool SameText(std::string_view a, std::string_view b) {
  size_t used = 0;
  return MatchesUpper(a, b, used) && used == b.size();
}

bool StartsText(std::string_view prefix, std::string_view text) {
  size_t used = 0;
  return MatchesUpper(prefix, text, used);
}

}  // namespace qv
