#include <gtest/gtest.h>

#include <string>

#include "store/IniImage.h"
#include "store/IniValues.h"

namespace qv {
namespace {

TEST(IniImage, ParsesSectionsKeysAndValues) {
  TIniImage ini;
  ini.Parse(
      "ignored=before any section\r\n"
      "[Main]\r\n"
      "; a comment=not an entry\r\n"
      "  Path=C:\\a=b.txt\r\n"
      "Prefix=- \r\n"
      " Spaced  =x\n"
      "no equals sign\n"
      "=empty key\r"
      "Empty=\n"
      "[ Other ]\n"
      "Key=1\n");
  ASSERT_NE(nullptr, ini.Find("main", "PATH"));
  EXPECT_EQ("C:\\a=b.txt", *ini.Find("Main", "Path"));  // after the first equals sign
  EXPECT_EQ("- ", *ini.Find("MAIN", "prefix"));         // trailing blank kept
  EXPECT_EQ("x", *ini.Find("Main", "Spaced"));
  EXPECT_EQ("", *ini.Find("Main", "Empty"));
  EXPECT_EQ(nullptr, ini.Find("Main", "ignored"));
  EXPECT_EQ(nullptr, ini.Find("Main", "; a comment"));
  EXPECT_EQ(nullptr, ini.Find("Main", "no equals sign"));
  EXPECT_EQ(nullptr, ini.Find("Main", ""));
  EXPECT_EQ("1", *ini.Find("other", "key"));
  EXPECT_EQ(nullptr, ini.Find("Missing", "Key"));
}

TEST(IniImage, RepeatedKeysKeepTheFirstAndRepeatedSectionsContinue) {
  TIniImage ini;
  ini.Parse("[A]\nk=1\nK=2\n[B]\nx=1\n[a]\nk=3\nm=4\n");
  EXPECT_EQ("1", *ini.Find("A", "k"));
  EXPECT_EQ("4", *ini.Find("A", "m"));
  EXPECT_EQ(2u, ini.SectionCount());
  EXPECT_EQ("[A]\r\nk=1\r\nm=4\r\n\r\n[B]\r\nx=1\r\n\r\n", ini.Text());
}

TEST(IniImage, WritesInOrderOfFirstWritingWithAnEmptyLineAfterEachSection) {
  TIniImage ini;
  ini.Set("Second", "b", "1");
  ini.Set("First", "z", "2");
  ini.Set("second", "A", "3");
  ini.Set("FIRST", "Z", "4");  // replaces, keeps the first spelling and place
  EXPECT_EQ("[Second]\r\nb=1\r\nA=3\r\n\r\n[First]\r\nz=4\r\n\r\n", ini.Text());
  ini.Clear();
  EXPECT_EQ("", ini.Text());
  ini.Set("X", "k", "v");
  EXPECT_EQ("[X]\r\nk=v\r\n\r\n", ini.Text());
}

TEST(IniImage, KeepsCodePageBytesAndRoundTrips) {
  TIniImage ini;
  const std::string value = "C:\\Livres\\\xC9t\xE9 \xAB\x93" "caf\xE9\x94\xBB.txt";
  ini.Set("\xC9t\xE9", "Cl\xE9", value);
  TIniImage back;
  back.Parse(ini.Text());
  ASSERT_NE(nullptr, back.Find("\xE9T\xC9", "CL\xC9"));
  EXPECT_EQ(value, *back.Find("\xE9T\xC9", "CL\xC9"));
  EXPECT_EQ(ini.Text(), back.Text());
}

TEST(IniImage, LineBreaksInWrittenValuesCannotInjectEntries) {
  TIniImage ini;
  ini.Set("S", "Title", "a\r\n[Evil]\nx=1");
  TIniImage back;
  back.Parse(ini.Text());
  EXPECT_EQ(1u, back.SectionCount());
  EXPECT_EQ("a  [Evil] x=1", *back.Find("S", "Title"));
}

TEST(IniValues, Integers) {
  const struct {
    const char* text;
    bool ok;
    int32_t value;
  } cases[] = {
      {"0", true, 0},          {"-17", true, -17},        {"+5", true, 5},
      {" 42 ", true, 42},      {"2147483647", true, INT32_MAX},
      {"-2147483648", true, INT32_MIN},                   {"2147483648", false, 0},
      {"0x1F", true, 31},      {"0XfF", true, 255},       {"$10", true, 16},
      {"$FFFFFFFF", true, -1}, {"$100000000", false, 0},  {"-$10", true, -16},
      {"", false, 0},          {"-", false, 0},           {"$", false, 0},
      {"0x", false, 0},        {"12a", false, 0},         {"1 2", false, 0},
      {"1.5", false, 0},       {"TRUE", false, 0},        {"99999999999999999999", false, 0},
  };
  for (const auto& c : cases) {
    int32_t v = 12345;
    EXPECT_EQ(c.ok, ParseIniInteger(c.text, v)) << c.text;
    EXPECT_EQ(c.ok ? c.value : 12345, v) << c.text;
  }
}

TEST(IniValues, Colors) {
  uint32_t c = 7;
  EXPECT_TRUE(ParseIniColor("clRed", c));
  EXPECT_EQ(0x0000FFu, c);
  EXPECT_TRUE(ParseIniColor("CLBTNFACE", c));
  EXPECT_EQ(0x8000000Fu, c);
  EXPECT_TRUE(ParseIniColor("8519680", c));
  EXPECT_EQ(8519680u, c);
  EXPECT_TRUE(ParseIniColor("$FF00FF", c));
  EXPECT_EQ(0xFF00FFu, c);
  c = 7;
  EXPECT_FALSE(ParseIniColor("", c));
  EXPECT_FALSE(ParseIniColor("no such colour", c));
  EXPECT_FALSE(ParseIniColor("0x10", c));
  EXPECT_EQ(7u, c);
}

}  // namespace
}  // namespace qv
