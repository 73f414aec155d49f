// Small ASCII text helpers shared by the readers of names, numbers and colours.
#pragma once
#include <cstring>
#include <string>

namespace qv {

inline char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; }

// Case-insensitive equality of ASCII names (other bytes compare exactly).
inline bool SameTextAscii(const char* a, size_t aLength, const char* b, size_t bLength) {
  if (aLength != bLength) return false;
  for (size_t i = 0; i < aLength; ++i)
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  return true;
}
inline bool SameTextAscii(const std::string& a, const char* b) {
  return SameTextAscii(a.data(), a.size(), b, std::strlen(b));
}
inline bool SameTextAscii(const std::string& a, const std::string& b) {
  return SameTextAscii(a.data(), a.size(), b.data(), b.size());
}

// The value of a hexadecimal digit, or -1.
inline int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace qv
