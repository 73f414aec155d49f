// Case-insensitive comparison of ASCII names (colour names and identifiers).
#pragma once
#include <cstring>
#include <string>

namespace qv {

inline char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; }

inline bool SameTextAscii(const std::string& a, const char* b) {
  const size_t n = std::strlen(b);
  if (a.size() != n) return false;
  for (size_t i = 0; i < n; ++i)
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  return true;
}

}  // namespace qv
