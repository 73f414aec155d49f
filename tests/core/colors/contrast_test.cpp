#include <gtest/gtest.h>

#include "colors/Colors.h"
#include "colors/Contrast.h"

namespace qv {
namespace {

TEST(Contrast, RatiosOfKnownPairs) {
  struct Case { uint32_t a, b; double ratio; };
  const Case cases[] = {
      {0x000000, 0xFFFFFF, 21.0},  // black on white
      {0x787878, 0x787878, 1.0},   // a colour on itself
      {0xE6E6E6, 0x78784B, 3.95},  // "Low strain": Gray White on Blue Gray
      {0x87AAB9, 0x000000, 9.16},  // "Low light": Cream Gray on Black
      {0xFFFFFF, 0x196EB9, 3.96},  // the browser's focus: White on Ochre
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(ContrastRatio(c.a, c.b), c.ratio, 0.01) << std::hex << c.a << " on " << c.b;
    EXPECT_DOUBLE_EQ(ContrastRatio(c.a, c.b), ContrastRatio(c.b, c.a));
  }
}

TEST(Contrast, AReadableColourIsKeptAndAnyOtherMovesTheLeastItMust) {
  EXPECT_EQ(ReadableTextColor(0x87AAB9, 0x000000), 0x87AAB9u);   // readable: kept
  EXPECT_EQ(ReadableTextColor(0x000000, 0x000000), 0x757575u);   // black on black: the first gray that reads
  EXPECT_EQ(ReadableTextColor(0xFFFFFF, 0x196EB9), 0x171717u);   // white on Ochre: nearly black
  // Gray White on Blue Gray (3.95) is lightened; a yellow stays yellow.
  const uint32_t lighter = ReadableTextColor(0xE6E6E6, 0x78784B);
  EXPECT_GT(lighter & 0xFF, 0xE6u);
  const uint32_t yellow = ReadableTextColor(0x64CDFF, 0x78784B);
  EXPECT_EQ(yellow & 0xFF, 0xFFu);
  EXPECT_GT(yellow & 0xFF, yellow >> 16 & 0xFF);
  // Whatever the two colours, the text ends readable.
  for (const TStockColor& back : CStockColors)
    for (const TStockColor& fore : CStockColors)
      ASSERT_GE(ContrastRatio(ReadableTextColor(fore.Color, back.Color), back.Color), ReadableContrast)
          << fore.Name << " on " << back.Name;
}

}  // namespace
}  // namespace qv
