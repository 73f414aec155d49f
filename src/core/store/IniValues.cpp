#include "store/IniValues.h"

#include "colors/Colors.h"
#include "util/AsciiText.h"

namespace qv {

bool ParseIniInteger(const std::string& text, int32_t& value) {
  size_t i = 0, end = text.size();
  while (i < end && (text[i] == ' ' || text[i] == '\t')) ++i;
  while (end > i && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
  bool negative = false;
  if (i < end && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  bool hex = false;
  if (i < end && text[i] == '$') {
    hex = true;
    i += 1;
  } else if (end - i >= 2 && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i == end) return false;
  uint64_t magnitude = 0;
  for (; i < end; ++i) {
    const int digit = hex ? HexDigitValue(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
    if (digit < 0) return false;
    magnitude = magnitude * (hex ? 16 : 10) + static_cast<uint64_t>(digit);
    if (magnitude > 0xFFFFFFFFull) return false;
  }
  int64_t result;
  if (hex) {
    result = static_cast<int32_t>(static_cast<uint32_t>(magnitude));  // the 32-bit pattern
  } else {
    if (magnitude > (negative ? 2147483648ull : 2147483647ull)) return false;
    result = static_cast<int64_t>(magnitude);
  }
  if (negative) result = -result;
  if (result < INT32_MIN || result > INT32_MAX) return false;
  value = static_cast<int32_t>(result);
  return true;
}

bool ParseIniColor(const std::string& text, uint32_t& value) {
  if (text.empty()) return false;
  return ParseColorArgument(text, value);
}

}  // namespace qv
