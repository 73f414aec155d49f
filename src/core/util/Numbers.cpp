#include "util/Numbers.h"

#include <cctype>
#include <cstdlib>

namespace qv {

int32_t GetIntFromText(const std::string& text, int32_t min, int32_t max, int32_t def) {
  size_t b = 0, e = text.size();
  while (b < e && std::isspace(static_cast<unsigned char>(text[b]))) ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(text[e - 1]))) --e;
  if (b == e) return def;
  size_t i = b;
  bool negative = false;
  if (text[i] == '+' || text[i] == '-') {
    negative = text[i] == '-';
    ++i;
  }
  if (i == e) return def;
  int64_t value = 0;
  for (; i < e; ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return def;
    value = value * 10 + (c - '0');
    if (value > 0x100000000LL) return def;  // far outside any 32-bit bound
  }
  if (negative) value = -value;
  if (value < min || value > max) return def;
  return static_cast<int32_t>(value);
}

std::string FormatGrouped(int64_t value, const std::string& separator) {
  const bool negative = value < 0;
  uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  std::string digits = std::to_string(magnitude);
  std::string out;
  const size_t n = digits.size();
  for (size_t i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out += separator;
    out += digits[i];
  }
  return negative ? "-" + out : out;
}

}  // namespace qv
