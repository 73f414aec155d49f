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

std::u32string FoldedForMatching(std::string_view text, size_t count) {
  const auto options =
      utf8proc_option_t(UTF8PROC_DECOMPOSE | UTF8PROC_CASEFOLD | UTF8PROC_STRIPMARK);
  std::u32string out;
  for (size_t i = 0, k = 0; i < text.size() && k < count; ++k) {
    const unsigned char b = static_cast<unsigned char>(text[i]);
    if (b < 0x80) {
      out.push_back(b >= 'A' && b <= 'Z' ? char32_t(b - 'A' + 'a') : char32_t(b));
      ++i;
      continue;
    }
    const char32_t c = ReadChar(text, i);
    utf8proc_int32_t parts[8];
    int boundClass = 0;
    const utf8proc_ssize_t n = utf8proc_decompose_char(utf8proc_int32_t(c), parts, 8, options, &boundClass);
    if (n < 0 || n > 8) {
      out.push_back(c);
      continue;
    }
    for (utf8proc_ssize_t j = 0; j < n; ++j) out.push_back(char32_t(parts[j]));
  }
  return out;
}

}  // namespace qv
