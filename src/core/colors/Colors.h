// Named colours of the program and the reading of colour texts.
//
//   CStockColors          the 133 stock colours in the order of the stock-colour grid.
//   GetStockColorName     name of the first stock colour with exactly this value, or "".
//   FindStockColor        value of the first stock colour whose name matches (ignoring case).
//   GetColorDescription   " (RGB r-g-b; Decimal = v; Hexadecimal = 0xVVVVVV)" for a colour.
//   GetColorRgb           "RGB r-g-b", its first part.
//   FindToolkitColor      value of a toolkit identifier (clBlack .. clWhite and the 25
//                         system identifiers clScrollBar .. clInfoBk), ignoring case.
//   ParseColorArgument    the colour-argument rule used by formatting commands and files:
//                         empty -> 0; a stock name; a toolkit identifier; a decimal number
//                         or "$" followed by hexadecimal digits. Anything else -> false.
//
// Colours are 0x00BBGGRR values (red in the low byte). System identifiers give
// 0x80000000 + their index (0..24); they are passed on unchanged.
#pragma once
#include <cstdint>
#include <string>

namespace qv {

struct TStockColor {
  uint32_t Color;    // 0x00BBGGRR
  const char* Name;  // at most 31 characters
};

constexpr int StockColorCount = 133;
extern const TStockColor CStockColors[StockColorCount];

// First entry whose value equals color exactly; "" when none does.
std::string GetStockColorName(uint32_t color);

// First entry whose name equals name without regard to case; false when none does.
bool FindStockColor(const std::string& name, uint32_t& color);

// " (RGB 185-110-25; Decimal = 12152345; Hexadecimal = 0xB96E19)"
std::string GetColorDescription(uint32_t color);
std::string GetColorRgb(uint32_t color);  // "RGB r-g-b"

// clBlack..clWhite and the system identifiers, without regard to case.
bool FindToolkitColor(const std::string& name, uint32_t& color);

// The colour-argument rule; on false, color is left unchanged.
bool ParseColorArgument(const std::string& text, uint32_t& color);

// Reads a whole number in decimal (optional sign, 32-bit signed range) or, after a
// dollar sign, in hexadecimal (at most 8 digits). No blanks are allowed.
bool ParseColorNumber(const std::string& text, uint32_t& value);

}  // namespace qv
