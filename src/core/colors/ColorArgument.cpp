// Toolkit colour identifiers and the colour-argument rule.
#include <cstdint>
#include <string>

#include "colors/Colors.h"
#include "util/AsciiText.h"

namespace qv {

namespace {

struct TNamedValue {
  const char* Name;
  uint32_t Color;
};

const TNamedValue CToolkitColors[] = {
    {"clBlack", 0x000000}, {"clMaroon", 0x000080}, {"clGreen", 0x008000},
    {"clOlive", 0x008080}, {"clNavy", 0x800000},   {"clPurple", 0x800080},
    {"clTeal", 0x808000},  {"clGray", 0x808080},   {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},   {"clLime", 0x00FF00},   {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},  {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
};

// System colours: 0x80000000 + index, in this order.
const char* const CSystemColorNames[] = {
    "clScrollBar",     "clBackground",   "clActiveCaption",  "clInactiveCaption",
    "clMenu",          "clWindow",       "clWindowFrame",    "clMenuText",
    "clWindowText",    "clCaptionText",  "clActiveBorder",   "clInactiveBorder",
    "clAppWorkSpace",  "clHighlight",    "clHighlightText",  "clBtnFace",
    "clBtnShadow",     "clGrayText",     "clBtnText",        "clInactiveCaptionText",
    "clBtnHighlight",  "cl3DDkShadow",   "cl3DLight",        "clInfoText",
    "clInfoBk",
};

}  // namespace

bool FindToolkitColor(const std::string& name, uint32_t& color) {
  for (const TNamedValue& entry : CToolkitColors) {
    if (SameTextAscii(name, entry.Name)) {
      color = entry.Color;
      return true;
    }
  }
  uint32_t index = 0;
  for (const char* systemName : CSystemColorNames) {
    if (SameTextAscii(name, systemName)) {
      color = 0x80000000u + index;
      return true;
    }
    ++index;
  }
  return false;
}

bool ParseColorNumber(const std::string& text, uint32_t& value) {
  if (text.empty()) return false;
  if (text[0] == '$') {
    if (text.size() < 2 || text.size() > 9) return false;
    uint32_t result = 0;
    for (size_t i = 1; i < text.size(); ++i) {
      const int d = HexDigitValue(text[i]);
      if (d < 0) return false;
      result = result * 16 + uint32_t(d);
    }
    value = result;
    return true;
  }
  size_t i = 0;
  bool negative = false;
  if (text[0] == '+' || text[0] == '-') {
    negative = text[0] == '-';
    i = 1;
  }
  if (i == text.size()) return false;
  int64_t result = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return false;
    result = result * 10 + (c - '0');
    if (result > 2147483648LL) return false;
  }
  if (negative) result = -result;
  if (result > 2147483647LL) return false;
  value = uint32_t(int32_t(result));
  return true;
}

bool ParseColorArgument(const std::string& text, uint32_t& color) {
  if (text.empty()) {
    color = 0;
    return true;
  }
  return FindStockColor(text, color) || FindToolkitColor(text, color) ||
         ParseColorNumber(text, color);
}

}  // namespace qv
