#include <gtest/gtest.h>

#include <set>
#include <string>

#include "colors/Colors.h"

namespace qv {
namespace {

TEST(StockColors, TableSpotChecks) {
  struct Case { int index; const char* name; uint32_t color; };
  const Case cases[] = {
      {0, "Black", 0x000000},           {4, "Blue Black", 0x4B4B00},
      {18, "Soft Fade White", 0xDCF5FF}, {75, "Red", 0x0000D2},
      {87, "Ochre", 0x196EB9},          {110, "Yellow", 0x00FFFF},
      {132, "Light Pastel Green", 0xC8FFC8},
  };
  for (const Case& c : cases) {
    EXPECT_STREQ(CStockColors[c.index].Name, c.name) << c.index;
    EXPECT_EQ(CStockColors[c.index].Color, c.color) << c.index;
  }
}

TEST(StockColors, NamesAreUniqueShortAndValues24Bit) {
  std::set<std::string> names;
  for (const TStockColor& entry : CStockColors) {
    EXPECT_LE(std::string(entry.Name).size(), 31u);
    EXPECT_EQ(entry.Color & 0xFF000000u, 0u);
    EXPECT_TRUE(names.insert(entry.Name).second) << entry.Name;
  }
  EXPECT_EQ(names.size(), 133u);
}

TEST(StockColors, GetStockColorName) {
  EXPECT_EQ(GetStockColorName(0x196EB9), "Ochre");
  EXPECT_EQ(GetStockColorName(0x000000), "Black");
  EXPECT_EQ(GetStockColorName(0x123456), "");
  EXPECT_EQ(GetStockColorName(0x80000005), "");
}

TEST(StockColors, FindStockColor) {
  uint32_t color = 7;
  EXPECT_TRUE(FindStockColor("light pastel green", color));
  EXPECT_EQ(color, 0xC8FFC8u);
  color = 7;
  EXPECT_FALSE(FindStockColor("lightpastel green", color));
  EXPECT_FALSE(FindStockColor("", color));
  EXPECT_FALSE(FindStockColor("Ochre ", color));
  EXPECT_EQ(color, 7u);
  EXPECT_TRUE(FindStockColor("OCHRE", color));
  EXPECT_EQ(color, 0x196EB9u);
}

TEST(StockColors, GetColorDescription) {
  EXPECT_EQ(GetColorDescription(0x196EB9),
            " (RGB 185-110-25; Decimal = 12152345; Hexadecimal = 0xB96E19)");
  EXPECT_EQ(GetColorDescription(0), " (RGB 0-0-0; Decimal = 0; Hexadecimal = 0x000000)");
  EXPECT_EQ(GetColorDescription(0xFFFFFF),
            " (RGB 255-255-255; Decimal = 16777215; Hexadecimal = 0xFFFFFF)");
}

TEST(ColorArgument, AcceptedForms) {
  struct Case { const char* text; uint32_t color; };
  const Case cases[] = {
      {"", 0x000000},          {"Red", 0x0000D2},         {"red", 0x0000D2},
      {"clRed", 0x0000FF},     {"CLRED", 0x0000FF},       {"$0000FF", 0x0000FF},
      {"$ff", 0xFF},           {"255", 0x0000FF},         {"0", 0},
      {"+12", 12},             {"-1", 0xFFFFFFFF},        {"2147483647", 0x7FFFFFFF},
      {"-2147483648", 0x80000000}, {"$FFFFFFFF", 0xFFFFFFFF}, {"clMaroon", 0x000080},
      {"clNavy", 0x800000},    {"clWhite", 0xFFFFFF},     {"clScrollBar", 0x80000000},
      {"clWindowText", 0x80000008}, {"clInfoBk", 0x80000018}, {"cl3ddkshadow", 0x80000015},
      {"Navy", 0x820000},
  };
  for (const Case& c : cases) {
    uint32_t color = 0xDEADBEEF;
    EXPECT_TRUE(ParseColorArgument(c.text, color)) << c.text;
    EXPECT_EQ(color, c.color) << c.text;
  }
}

TEST(ColorArgument, RejectedForms) {
  const char* texts[] = {"reddish", " 255", "255 ", "$", "$12345678A", "$GG", "0x10", "1e3",
                         "2147483648", "-2147483649", "-", "+", "12a", "clRedd", "99999999999999999999"};
  for (const char* text : texts) {
    uint32_t color = 0xDEADBEEF;
    EXPECT_FALSE(ParseColorArgument(text, color)) << text;
    EXPECT_EQ(color, 0xDEADBEEFu) << text;
  }
}

}  // namespace
}  // namespace qv
