#include "encoding/Utf8.h"

#include "encoding/CodePageTables.h"

namespace qv {

// Windows-1252 is the first of the code page tables.
char32_t CharOf1252(unsigned char byte) { return byte < 0x80 ? byte : CodePageHighChars[0][byte - 0x80]; }

int ByteOf1252(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return int(c);
  for (int i = 0; i < 32; ++i)
    if (CodePageHighChars[0][i] == c) return 0x80 + i;
  return -1;
}

int DecodeUtf8Sequence(const unsigned char* p, size_t n, char32_t& c, int& subpart) {
  const unsigned b0 = p[0];
  if (b0 < 0x80) {
    c = b0;
    return 1;
  }
  // The ranges of well-formed sequences: the second byte's range depends on the
  // first, which excludes overlong forms, surrogates and values above U+10FFFF.
  int length;
  unsigned low = 0x80, high = 0xBF;
  char32_t value;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    length = 2;
    value = b0 & 0x1F;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    length = 3;
    value = b0 & 0x0F;
    if (b0 == 0xE0) low = 0xA0;
    if (b0 == 0xED) high = 0x9F;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    length = 4;
    value = b0 & 0x07;
    if (b0 == 0xF0) low = 0x90;
    if (b0 == 0xF4) high = 0x8F;
  } else {
    subpart = 1;
    return 0;
  }
  for (int k = 1; k < length; ++k) {
    if (size_t(k) >= n || p[k] < low || p[k] > high) {
      subpart = k;
      return 0;
    }
    value = (value << 6) | (p[k] & 0x3F);
    low = 0x80;
    high = 0xBF;
  }
  c = value;
  return length;
}

char32_t LastCharOutsideAscii(std::string_view text) {
  const size_t n = text.size();
  const unsigned char last = static_cast<unsigned char>(text[n - 1]);
  // A sequence ends the text when its lead byte, at most three bytes back, reads
  // exactly to the end; otherwise the last byte is a character of its own.
  size_t lead = n - 1;
  while (lead > 0 && n - lead < 4 && (static_cast<unsigned char>(text[lead]) & 0xC0) == 0x80) --lead;
  size_t i = lead;
  const char32_t c = ReadChar(text, i);
  return i == n ? c : CharOf1252(last);
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(char(c));
  } else if (c < 0x800) {
    out.push_back(char(0xC0 | (c >> 6)));
    out.push_back(char(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(char(0xE0 | (c >> 12)));
    out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(char(0x80 | (c & 0x3F)));
  } else {
    out.push_back(char(0xF0 | (c >> 18)));
    out.push_back(char(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(char(0x80 | (c & 0x3F)));
  }
}

int32_t Utf16Length(std::string_view text) {
  int64_t units = 0;
  for (size_t i = 0; i < text.size();) {
    const size_t run = AsciiRun(text, i);
    units += int64_t(run);
    i += run;
    if (i < text.size()) units += UnitsOf(ReadChar(text, i));
  }
  return int32_t(units);
}

size_t ByteOffsetOfUnit(std::string_view text, int32_t unit) {
  if (unit <= 0) return 0;
  int64_t units = 0;
  for (size_t i = 0; i < text.size();) {
    const size_t run = AsciiRun(text, i);
    if (units + int64_t(run) > unit) return i + size_t(unit - units);
    units += int64_t(run);
    i += run;
    if (i >= text.size()) break;
    const size_t start = i;
    units += UnitsOf(ReadChar(text, i));
    if (units > unit) return start;
  }
  return text.size();
}

std::u16string ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const char32_t c = ReadChar(text, i);
    if (c < 0x10000) {
      out.push_back(char16_t(c));
    } else {
      out.push_back(char16_t(0xD800 + ((c - 0x10000) >> 10)));
      out.push_back(char16_t(0xDC00 + ((c - 0x10000) & 0x3FF)));
    }
  }
  return out;
}

std::string FromUtf16(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (size_t i = 0; i < text.size(); ++i) {
    const char32_t u = text[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else if (u >= 0xD800 && u <= 0xDFFF) {
      AppendUtf8(out, ReplacementChar);
    } else {
      AppendUtf8(out, u);
    }
  }
  return out;
}

size_t BytesOfChars(std::string_view text, size_t count) {
  size_t i = 0;
  for (size_t k = 0; k < count && i < text.size(); ++k) ReadChar(text, i);
  return i;
}

}  // namespace qv
