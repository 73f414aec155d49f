// Every string inside the program is UTF-8: book text, file names, options,
// font names, dialog texts. Rich-box positions count its characters as the
// control does, in UTF-16 units (a character beyond U+FFFF counts two).
//
// Reading is total: where a byte does not begin a well-formed UTF-8 sequence
// (a stray continuation byte, a lead byte missing its continuation, an overlong
// form, an encoded surrogate, a value above U+10FFFF), that one byte stands for
// its character of code page 1252, so no byte sequence is unreadable. Every function below
// that walks text reads it this way, so lengths, positions and conversions
// always agree with one another.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace qv {

constexpr char32_t ReplacementChar = 0xFFFD;

// --- code page 1252, the reading of bytes that are not UTF-8 ---
// The character of a byte; the five bytes the code page leaves undefined stand
// for the control characters of the same number, as the system maps them.
char32_t CharOf1252(unsigned char byte);
// The byte of a character, or -1 when the code page lacks it.
int ByteOf1252(char32_t c);

// --- UTF-8 sequences ---
// The well-formed sequence at the start of [p, p + n): its length (1 to 4) with
// its character in c; 0 when ill-formed, with subpart = the number of bytes that
// begin a well-formed sequence but do not complete one (at least 1).
int DecodeUtf8Sequence(const unsigned char* p, size_t n, char32_t& c, int& subpart);

// The character at text[i]; i moves past it.
inline char32_t ReadChar(std::string_view text, size_t& i) {
  const unsigned char b = static_cast<unsigned char>(text[i]);
  if (b < 0x80) {
    ++i;
    return b;
  }
  // The common two- and three-byte forms, whose every continuation byte may take any value.
  const size_t left = text.size() - i;
  const unsigned char b1 = left > 1 ? static_cast<unsigned char>(text[i + 1]) : 0;
  if (b >= 0xC2 && b <= 0xDF && (b1 & 0xC0) == 0x80) {
    i += 2;
    return (char32_t(b & 0x1F) << 6) | (b1 & 0x3F);
  }
  if (b >= 0xE1 && b <= 0xEF && b != 0xED && (b1 & 0xC0) == 0x80 && left > 2 &&
      (static_cast<unsigned char>(text[i + 2]) & 0xC0) == 0x80) {
    const unsigned char b2 = static_cast<unsigned char>(text[i + 2]);
    i += 3;
    return (char32_t(b & 0x0F) << 12) | (char32_t(b1 & 0x3F) << 6) | (b2 & 0x3F);
  }
  char32_t c = 0;
  int subpart = 0;
  const int length =
      DecodeUtf8Sequence(reinterpret_cast<const unsigned char*>(text.data()) + i, left, c, subpart);
  if (length == 0) {
    ++i;
    return CharOf1252(b);
  }
  i += size_t(length);
  return c;
}
// The first and the last character; 0 for an empty text.
inline char32_t FirstChar(std::string_view text) {
  size_t i = 0;
  return text.empty() ? 0 : ReadChar(text, i);
}
// LastChar of a text whose last byte is not ASCII.
char32_t LastCharOutsideAscii(std::string_view text);
inline char32_t LastChar(std::string_view text) {
  if (text.empty()) return 0;
  const unsigned char last = static_cast<unsigned char>(text.back());
  return last < 0x80 ? last : LastCharOutsideAscii(text);
}

void AppendUtf8(std::string& out, char32_t c);

// --- UTF-16 units ---
inline int32_t UnitsOf(char32_t c) { return c >= 0x10000 ? 2 : 1; }
int32_t Utf16Length(std::string_view text);
// The byte offset of the character that holds UTF-16 unit 'unit' (the start of
// a pair for its second unit); text.size() from the end on.
size_t ByteOffsetOfUnit(std::string_view text, int32_t unit);
std::u16string ToUtf16(std::string_view text);
// An unpaired surrogate becomes U+FFFD.
std::string FromUtf16(std::u16string_view text);

// The bytes of the first count characters of text.
size_t BytesOfChars(std::string_view text, size_t count);

// --- scanning eight bytes at a time ---
// Eight bytes as one word, the first byte in memory the lowest.
inline uint64_t LoadWord(const void* p) {
  uint64_t word;
  std::memcpy(&word, p, 8);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
  word = __builtin_bswap64(word);
#endif
  return word;
}
// The index (0 to 7) of the first byte whose high bit is set in a non-zero
// mask of a LoadWord.
inline size_t FirstMarkedByte(uint64_t mask) { return size_t(__builtin_ctzll(mask)) >> 3; }
// The length of the run of ASCII bytes at text[i], found eight bytes at a time.
inline size_t AsciiRun(std::string_view text, size_t i) {
  const size_t begin = i, n = text.size();
  for (; i + 8 <= n; i += 8) {
    const uint64_t high = LoadWord(text.data() + i) & 0x8080808080808080ull;
    if (high != 0) return i + FirstMarkedByte(high) - begin;
  }
  while (i < n && static_cast<unsigned char>(text[i]) < 0x80) ++i;
  return i - begin;
}

}  // namespace qv
