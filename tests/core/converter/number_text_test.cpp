#include <gtest/gtest.h>

#include <limits>

#include "converter/NumberText.h"
#include "encoding/Utf8.h"
#include "errors/ErrorFakes.h"
#include "errors/FunStatContext.h"
#include "richbox/MemoryRichBox.h"

namespace qv {
namespace {

const TNumberSeparators kDot{",", "."};
const TNumberSeparators kComma{".", ","};

TEST(AlignRealToTextPow, FormatsWithSixDigitsAndTwoDecimals) {
  struct Case { long double value; const char* expected; } cases[] = {
      {0, "0"},
      {12, "12.00"},
      {1234.5678L, "1,234.57"},
      {0.3937L, "0.39"},
      {0.000123L, "0.00"},
      {12345.678L, "12,345.70"},      // six significant digits, then zeros
      {99999.996L, "100,000.00"},
      {999400, "999,400.00"},
      {999500, "1.00e6"},             // the mantissa 999.5 rounds to 1000: carried
      {999999999, "1.00e9"},
      {1000000, "1.00000e6"},
      {123456789, "123.457e6"},
      {149600000000.0L, "149.600e9"},
      {9460700000000000.0L, "9.46070e15"},
      {1e300L, "1.00000e300"},
      {0.125L, "0.13"},               // halves round up
      {-40, "-40.00"},
      {-0.001L, "0.00"},              // no sign on a zero
      {-149600000000.0L, "-149.600e9"},
      {-999999999, "-1.00e9"},        // negatives mirror positives
      {std::numeric_limits<long double>::infinity(), "INF"},
      {-std::numeric_limits<long double>::infinity(), "-INF"},
  };
  for (const Case& c : cases) EXPECT_EQ(AlignRealToTextPow(6, 2, c.value, kDot), c.expected) << c.expected;
}

TEST(AlignRealToTextPow, TakesPrecisionDigitsAndSeparatorsFromTheCaller) {
  EXPECT_EQ(AlignRealToTextPow(6, 2, 1234.5678L, kComma), "1.234,57");
  EXPECT_EQ(AlignRealToTextPow(6, 2, 149600000000.0L, kComma), "149,600e9");
  EXPECT_EQ(AlignRealToTextPow(6, 0, 12.7L, kDot), "13");
  EXPECT_EQ(AlignRealToTextPow(3, 2, 1234.5678L, kDot), "1.23e3");
  EXPECT_EQ(AlignRealToTextPow(6, 4, 2.5L, {" ", "."}), "2.5000");
  EXPECT_EQ(AlignRealToTextPow(6, 2, 1234567.0L, {"", "."}), "1.23457e6");
}

TEST(AlignRealToTextPow, InvalidDigitsFail) {
  for (auto [precision, digits] : {std::pair{0, 2}, std::pair{6, -1}}) {
    testing::ScopedErrorEnvironment env;
    EXPECT_EQ(AlignRealToTextPow(precision, digits, 12, kDot), "");
    EXPECT_EQ(env.view.shows, 1);
    EXPECT_NE(env.view.memo.find("Invalid number of digits, or precesion."), std::string::npos);
    EXPECT_EQ(FunStatContext.Status, Perfect);
  }
}

TEST(FloatToText, PrintsFifteenDigitsAtMost) {
  struct Case { long double value; const char* expected; } cases[] = {
      {2.5L, "2.5"},        {1250, "1250"},       {0.1L, "0.1"},     {-3.25L, "-3.25"},
      {1e20L, "1E20"},      {1.5e20L, "1.5E20"},  {0.00001L, "0.00001"}, {0.000001L, "1E-6"},
      {1.0L / 3, "0.333333333333333"},            {123456789012345678.0L, "1.23456789012346E17"},
      {999999999999999.9L, "1E15"},               {0, "0"},
  };
  for (const Case& c : cases) EXPECT_EQ(FloatToText(c.value, kDot), c.expected) << c.expected;
  EXPECT_EQ(FloatToText(2.5L, kComma), "2,5");
}

TEST(ReadRealText, ReadsNumbersWithTheGivenDecimalSeparator) {
  struct Case { const char* text; const char* decimal; bool ok; long double value; } cases[] = {
      {"12", ".", true, 12},       {" 2.5 ", ".", true, 2.5L},   {"-3", ".", true, -3},
      {"+4", ".", true, 4},        {".5", ".", true, 0.5L},      {"1999.", ".", true, 1999},
      {"1e3", ".", true, 1000},    {"1E-2", ".", true, 0.01L},   {"2,5", ",", true, 2.5L},
      {"0", ".", true, 0},
      {"", ".", false, 0},         {"abc", ".", false, 0},       {"2.5", ",", false, 0},
      {"1,250", ".", false, 0},    {"1e", ".", false, 0},        {"e5", ".", false, 0},
      {".", ".", false, 0},        {"--1", ".", false, 0},       {"1.2.3", ".", false, 0},
      {"1e99999", ".", false, 0},  {"12abc", ".", false, 0},     {"1 2", ".", false, 0},
      {"-", ".", false, 0},
  };
  for (const Case& c : cases) {
    long double value = -99;
    EXPECT_EQ(ReadRealText(c.text, c.decimal, value), c.ok) << '"' << c.text << '"';
    if (c.ok) {
      EXPECT_EQ(value, c.value) << c.text;
    }
  }
}

TEST(GetNumberInLine, TakesDigitsAndInnerSeparatorsAroundThePosition) {
  struct Case { const char* line; int32_t k; bool dot; const char* expected; } cases[] = {
      {"he walked 12 miles", 10, true, "12"},   // on the first digit
      {"he walked 12 miles", 11, true, "12"},
      {"he walked 12 miles", 12, true, "12"},   // just after it
      {"he walked 12 miles", 13, true, ""},     // on the letter after the blank
      {"he walked 12 miles", 5, true, ""},
      {"12 miles", 0, true, ""},                // the first character of a line
      {"12", 2, true, "12"},                    // the end of the line
      {"12", 3, true, ""},                      // past it
      {"1,250 men", 2, true, "1250"},
      {"1,250 men", 2, false, "1,250"},
      {"pi is 3.14", 8, false, "314"},
      {"in 1999. Then", 8, true, "1999."},      // a full stop after digits
      {"a.5", 1, true, ".5"},                   // a separator before a digit on the right
      {"a,5", 1, true, "5"},
      {"-5 C", 1, true, "5"},                   // signs are never taken
      {"1'000`000", 3, true, "1000000"},
      {"x..5", 1, true, ""},                    // separators need a digit beside them
      {"12..5", 3, true, "12..5"},              // each side looks only outwards
      {".,.,", 2, true, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(GetNumberInLine(c.line, c.k, c.dot), c.expected) << '"' << c.line << "\" at " << c.k;
}

TEST(GetNumberAt, FindsTheLineOfTheRichBoxPosition) {
  TMemoryRichBox box;
  box.AppendLine("first 7 line");
  box.AppendLine("walked 12,5 miles");
  // Breaks count two: the second line starts at 14.
  EXPECT_EQ(GetNumberAt(box, 14 + 8, kDot), "125");
  EXPECT_EQ(GetNumberAt(box, 14 + 8, kComma), "12,5");
  EXPECT_EQ(GetNumberAt(box, 6, kDot), "7");
  EXPECT_EQ(GetNumberAt(box, 14, kDot), "");
}

TEST(GetNumberAt, FindsEveryDigitAfterCharactersOfSeveralBytes) {
  // Each line holds one number after (and before) characters of two, three or
  // four bytes; the pointer over any of its digits, and just after its last
  // one, finds the whole number.
  const struct {
    const char* line;
    const char* number;
  } cases[] = {
      {"\xC3\xA9\xC3\xA9 5 \xE2\x80\x9C" "3\xE2\x80\x9D", "3"},     // éé 5 “3”
      {"cost \xC2\xA3" "12 each", "12"},                                // £12
      {"page\xE2\x80\x94" "47\xE2\x80\x94next", "47"},               // —47—
      {"\xC2\xAB" "1850\xC2\xBB", "1850"},                             // «1850»
      {"about\xC2\xA0" "250\xC2\xA0km", "250"},                        // no-break spaces
      {"\xF0\x9F\x93\x96 98.6 \xC3\xA9", "98.6"},                    // a character of two units first
  };
  for (const auto& c : cases) {
    TMemoryRichBox box;
    box.AppendLine("first line");
    const int32_t start = 12;  // the line's first position: breaks count two
    box.AppendLine(c.line);
    const std::u16string units = ToUtf16(c.line);
    const std::u16string number = ToUtf16(c.number);
    const size_t at = units.find(number);
    ASSERT_NE(at, std::u16string::npos) << c.line;
    for (size_t i = at; i <= at + number.size(); ++i)
      EXPECT_EQ(GetNumberAt(box, start + int32_t(i), kDot), c.number) << c.line << " at unit " << i;
    // Just before the number (over the character before it) finds nothing.
    if (at >= 1) EXPECT_EQ(GetNumberAt(box, start + int32_t(at) - 1, kDot), "") << c.line;
  }
}

TEST(ReadNumberToken, ReadsWithTheSeparatorTheCleanUpKept) {
  long double value = 0;
  ASSERT_TRUE(ReadNumberToken("12,5", kComma, value));
  EXPECT_EQ(value, 12.5L);
  ASSERT_TRUE(ReadNumberToken("12.5", kDot, value));
  EXPECT_EQ(value, 12.5L);
  // A user whose decimal separator is neither: the token kept commas.
  ASSERT_TRUE(ReadNumberToken("2,5", {" ", "\xB7"}, value));
  EXPECT_EQ(value, 2.5L);
  EXPECT_FALSE(ReadNumberToken("1.250.000", kDot, value));
}

}  // namespace
}  // namespace qv
