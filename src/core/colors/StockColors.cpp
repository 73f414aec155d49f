// The stock colour table and the functions that look it up.
#include <cstdio>

#include "colors/Colors.h"
#include "util/AsciiText.h"

namespace qv {

// Values are 0x00BBGGRR; the comments give the grid index.
const TStockColor CStockColors[StockColorCount] = {
    {0x00000000, "Black"},  // 0
    {0x00323232, "Fade Black"},  // 1
    {0x004B4B4B, "Light Black"},  // 2
    {0x005A5A5A, "Bright Black"},  // 3
    {0x004B4B00, "Blue Black"},  // 4
    {0x006E6E50, "Light Blue Black"},  // 5
    {0x0078784B, "Blue Gray"},  // 6
    {0x00828200, "Teal"},  // 7
    {0x008C8C0A, "Light Teal"},  // 8
    {0x006E6E6E, "Dark Gray"},  // 9
    {0x00787878, "Fade Gray"},  // 10
    {0x00828282, "Gray"},  // 11
    {0x00A0A0A0, "Light Gray"},  // 12
    {0x00BEBEBE, "Silver"},  // 13
    {0x00E6E6E6, "Gray White"},  // 14
    {0x00F5F5F5, "Light Gray White"},  // 15
    {0x00FFFFFF, "White"},  // 16
    {0x00E1F5F5, "Soft White"},  // 17
    {0x00DCF5FF, "Soft Fade White"},  // 18
    {0x00D2F0F0, "Fade White"},  // 19
    {0x00D7E6E6, "Soft Gray White"},  // 20
    {0x00C8D7E1, "Cream White"},  // 21
    {0x00C8D7E6, "Pink White"},  // 22
    {0x00EBF5FA, "Fade Pink White"},  // 23
    {0x00D2D7E1, "Dark Pink White"},  // 24
    {0x00AAC3CD, "Bright Cream Gray"},  // 25
    {0x0096B4BE, "Light Cream Gray"},  // 26
    {0x0087AAB9, "Cream Gray"},  // 27
    {0x006991A0, "Fade Cream Gray"},  // 28
    {0x005F8296, "Dark Cream Gray"},  // 29
    {0x00557891, "Gloom Cream Gray"},  // 30
    {0x00415A6E, "Dark Olive"},  // 31
    {0x0041555F, "Gloom Olive"},  // 32
    {0x00321E1E, "Gloom Blue"},  // 33
    {0x00410000, "Dark Blue"},  // 34
    {0x00553C32, "Dark Navy"},  // 35
    {0x00785A4B, "Fade Navy"},  // 36
    {0x00820000, "Navy"},  // 37
    {0x00A00000, "Blue"},  // 38
    {0x00C80000, "Light Blue"},  // 39
    {0x00FF0000, "Bright Blue"},  // 40
    {0x00963200, "Dark Pastel Blue"},  // 41
    {0x00965000, "Fade Pastel Blue"},  // 42
    {0x00C86400, "Pastel Blue"},  // 43
    {0x00F06E14, "Dark Turquoise"},  // 44
    {0x00DC9B3C, "Fade Turquoise"},  // 45
    {0x00FF9650, "Turquoise"},  // 46
    {0x00FFFF00, "Aqua"},  // 47
    {0x00FFFFC8, "Light Aqua"},  // 48
    {0x00FFFFE1, "Bright Aqua"},  // 49
    {0x00DCD7B9, "Soft Aqua"},  // 50
    {0x00CDC89B, "Fade Aqua"},  // 51
    {0x00C3B98C, "Dark Aqua"},  // 52
    {0x00BEB478, "Gloom Aqua"},  // 53
    {0x00CD9696, "Blue Fuchsia"},  // 54
    {0x00C37D7D, "Fade Blue Fuchsia"},  // 55
    {0x00B46469, "Dark Blue Fuchsia"},  // 56
    {0x00C8C864, "Bright Vernil"},  // 57
    {0x0096B414, "Light Vernil"},  // 58
    {0x0087AA55, "Vernil"},  // 59
    {0x0073910F, "Fade Vernil"},  // 60
    {0x005F8200, "Dark Vernil"},  // 61
    {0x00415A00, "Gloom Vernil"},  // 62
    {0x002D4100, "Bleak Vernil"},  // 63
    {0x00820082, "Purple"},  // 64
    {0x00732882, "Dark Lavender"},  // 65
    {0x00873296, "Lavender"},  // 66
    {0x00FF00FF, "Fuchsia"},  // 67
    {0x00FFAAFF, "Light Fuchsia"},  // 68
    {0x006400C8, "Light Cherry"},  // 69
    {0x005A00B4, "Cherry"},  // 70
    {0x00410082, "Dark Cherry"},  // 71
    {0x00414182, "Fade Cherry"},  // 72
    {0x00000082, "Gloom Red"},  // 73
    {0x000000AA, "Dark Red"},  // 74
    {0x000000D2, "Red"},  // 75
    {0x000032FF, "Pastel Red"},  // 76
    {0x000000FF, "Light Red"},  // 77
    {0x005A5AFF, "Dark Pink"},  // 78
    {0x004B78FF, "Pastel Pink"},  // 79
    {0x008282FF, "Pink"},  // 80
    {0x00288CFF, "Light Orange"},  // 81
    {0x000078FF, "Orange"},  // 82
    {0x000A69FF, "Near Dark Orange"},  // 83
    {0x00005AFF, "Dark Orange"},  // 84
    {0x0028468C, "Maroon"},  // 85
    {0x000A5096, "Dark Ochre"},  // 86
    {0x00196EB9, "Ochre"},  // 87
    {0x000096CD, "Pastel Ochre"},  // 88
    {0x005F82B9, "Light Maroon"},  // 89
    {0x005A96F0, "Brick"},  // 90
    {0x008CC8FF, "Fade Brick"},  // 91
    {0x009BCDFF, "Light Brick"},  // 92
    {0x00B4DCFF, "Bright Brick"},  // 93
    {0x00BEDCE6, "Bright Cream"},  // 94
    {0x00AFE1E1, "Soft Cream"},  // 95
    {0x0096CDE6, "Fade Cream"},  // 96
    {0x0087C8E1, "Cream"},  // 97
    {0x008CC8C8, "Bright Hemp"},  // 98
    {0x006EBEBE, "Light Hemp"},  // 99
    {0x005FAAB9, "Fade Hemp"},  // 100
    {0x004B96AA, "Medium Hemp"},  // 101
    {0x00468CA0, "Hemp"},  // 102
    {0x00418282, "Dark Hemp"},  // 103
    {0x005AC8FF, "Cream Yellow"},  // 104
    {0x0064CDFF, "Pastel Cream Yellow"},  // 105
    {0x008CDCFF, "Light Cream Yellow"},  // 106
    {0x002DC8F0, "Fade Yellow"},  // 107
    {0x0000C8FF, "Pastel Yellow"},  // 108
    {0x0000E6E6, "Mustard"},  // 109
    {0x0000FFFF, "Yellow"},  // 110
    {0x009BFFFF, "Light Yellow"},  // 111
    {0x00AFF0F0, "Soft Yellow"},  // 112
    {0x00AFE1F0, "Tender Yellow"},  // 113
    {0x00C8FFFF, "Bright Yellow"},  // 114
    {0x00D7FFFF, "Brilliant Yellow"},  // 115
    {0x00AFF0E1, "Brilliant Yellow Green"},  // 116
    {0x0096CDB9, "Light Olive"},  // 117
    {0x00AAD7C8, "Soft Olive"},  // 118
    {0x00BEDCD7, "Tender Olive"},  // 119
    {0x00D7EBE6, "Bright Olive"},  // 120
    {0x0069A08C, "Fade Olive"},  // 121
    {0x0000B4B4, "Yellow Green"},  // 122
    {0x00008282, "Olive"},  // 123
    {0x00005500, "Dark Green"},  // 124
    {0x00006900, "Near Dark Green"},  // 125
    {0x00008200, "Green"},  // 126
    {0x00009600, "Fade Green"},  // 127
    {0x000FB414, "Light Green"},  // 128
    {0x0032C864, "Pastel Green"},  // 129
    {0x0000FF00, "Lime"},  // 130
    {0x0082FF00, "Bright Green"},  // 131
    {0x00C8FFC8, "Light Pastel Green"},  // 132
};

std::string GetStockColorName(uint32_t color) {
  for (const TStockColor& entry : CStockColors)
    if (entry.Color == color) return entry.Name;
  return std::string();
}

bool FindStockColor(const std::string& name, uint32_t& color) {
  for (const TStockColor& entry : CStockColors) {
    if (SameTextAscii(name, entry.Name)) {
      color = entry.Color;
      return true;
    }
  }
  return false;
}

std::string GetColorRgb(uint32_t color) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "RGB %u-%u-%u", unsigned(color & 0xFF), unsigned((color >> 8) & 0xFF),
                unsigned((color >> 16) & 0xFF));
  return buffer;
}

std::string GetColorDescription(uint32_t color) {
  const unsigned v = (color & 0xFF) * 65536 + ((color >> 8) & 0xFF) * 256 + ((color >> 16) & 0xFF);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "; Decimal = %u; Hexadecimal = 0x%06X)", v, v);
  return " (" + GetColorRgb(color) + buffer;
}

}  // namespace qv
