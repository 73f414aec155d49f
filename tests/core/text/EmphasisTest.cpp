// Quote emphasis of single paragraphs and of the whole text.
#include <gtest/gtest.h>

#include <string>

#include "TextFixture.h"

namespace qv {
namespace {

constexpr uint32_t Fore = 0x000000, Empha = 0x0000FF, Second = 0x00FF00;

class Emphasis : public TextFixture {
 protected:
  void SetUp() override {
    enhancer.SetDefaults(false, false, 120, 5, 0, 0, Second, Empha, Fore, 0, 16, "", false);
  }
  // The colour of every character of paragraph p: '.' fore, 'E' empha, 'S' second.
  std::string Colors(int32_t p = 0) const {
    std::string result;
    const TRichDocument& doc = box.Document();
    for (int32_t i = 0; i < doc.ParagraphLength(p); ++i) {
      const uint32_t c = doc.FormatAt(doc.ParagraphStart(p) + i).TextColor;
      result.push_back(c == Empha ? 'E' : c == Second ? 'S' : '.');
    }
    return result;
  }
};

TEST_F(Emphasis, DoubleAndSingleQuotesInOneParagraph) {
  struct Case { const char* text; const char* colors; };
  const Case cases[] = {
      {"He said \xC2\xABgo 'now' please\xC2\xBB and left", "         EEEESSSEEEEEEEE          "},
      {"don't", "....."},
      {"the dogs' bowls", "..............."},
      {"'tis true' here", " SSSSSSSS      "},
      {"\"open", "....."},
      {"a \"b\" c \xE2\x80\x9C" "d\xE2\x80\x9D", "   E     E "},
      {"\"x\xC2\xBB", " E "},        // any double quote closes any other
      {"\xF0\x9F\x98\x80 \"ab\"", "    EE "},  // a character beyond U+FFFF counts two
      {"Queen\xE2\x80\x99s 'x'", "         S "},  // the typographic apostrophe is no quote
      // Characters of every length and stray code page bytes before the quotes of a longer text.
      {"Caf\xC3\xA9 na\xC3\xAFve \xE2\x80\x9Cquoted\xE2\x80\x9D \xF0\x9F\x98\x80 and 'single' \x92\xE9 end \"x\"",
       "............EEEEEE..........SSSSSS..........E."},
      {"\"\"", ".."},
      {"'a\"b' c'", "        "},  // a double quote abandons an open single quote
      // German, Polish and Czech quotes: „ opens, “ or ” closes; ‚ opens, ‘ closes.
      {u8"Er sagte „geh ‚jetzt‘ bitte“ und", u8"..........EEEEESSSSSEEEEEEE....."},
      {u8"„Tak” i ‚nie‘", u8".EEE.....SSS."},
      {u8"‘only’ ‘here", u8"............"},  // ‘ closes only what ‚ opened
      // An apostrophe between letters of any script is no quote.
      {u8"п'ять роз'їхалися 'так'", u8"...................SSS."},
  };
  for (const Case& c : cases) {
    box.Clear();
    RunEnhance({c.text});
    std::string expected = c.colors;
    for (char& ch : expected) if (ch == ' ') ch = '.';
    EXPECT_EQ(Colors(), expected) << c.text;
  }
}

TEST_F(Emphasis, PassesSkippedWhenColoursDoNotDiffer) {
  enhancer.SetDefaults(false, false, 120, 5, 0, 0, Empha, Fore, Fore, 0, 16, "", false);
  RunEnhance({"\"a\" 'b'"});
  EXPECT_EQ(Colors(), ".....E.");  // empha equals fore: no double pass
  box.Clear();
  enhancer.SetDefaults(false, false, 120, 5, 0, 0, Empha, Empha, Fore, 0, 16, "", false);
  RunEnhance({"\"a\" 'b'"});
  EXPECT_EQ(Colors(), ".E.....");  // second equals empha: no single pass
}

TEST_F(Emphasis, CommandsChangeTheColours) {
  RunEnhance({"^EC=clYellow+", "\"a\" 'b'", "  \"c\""});
  const TRichDocument& doc = box.Document();
  EXPECT_EQ(doc.FormatAt(1).TextColor, 0x00FFFFu);
  EXPECT_EQ(doc.FormatAt(5).TextColor, Second);
  EXPECT_EQ(doc.FormatAt(doc.ParagraphStart(1) + 1).TextColor, Empha);
}

TEST_F(Emphasis, PrefixCountsInPositions) {
  RunEnhance({"\"ab\""}, "Tab");
  EXPECT_EQ(Colors(), "..EE.");
}

TEST_F(Emphasis, WholeTextDoesNotSpanBreaks) {
  box.AppendLine("say \"one");
  box.AppendLine("two\" and 'x' \"y\"");
  box.SetVisible(true);
  enhancer.EmphasizeText(Empha, Second);
  EXPECT_EQ(Colors(0), "........");
  // The break drops the open quote: the quote after "two" opens a new passage.
  EXPECT_EQ(Colors(1), "....EEEEEESEE...");
  EXPECT_TRUE(box.IsVisible());
  int32_t start, length;
  box.GetSelection(start, length);
  EXPECT_EQ(length, 0);
}

TEST_F(Emphasis, WholeTextRunsBothPassesWithoutConditions) {
  box.AppendLine("\"a\" 'b'");
  enhancer.EmphasizeText(Fore, Fore);
  EXPECT_EQ(Colors(0), ".......");
  enhancer.EmphasizeText(Empha, Empha);
  EXPECT_EQ(Colors(0), ".E...E.");
}

}  // namespace
}  // namespace qv
