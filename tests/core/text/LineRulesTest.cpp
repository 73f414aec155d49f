#include <gtest/gtest.h>

#include <string>

#include "encoding/Utf8.h"
#include "text/LineRules.h"

namespace qv {
namespace {

TEST(LineRules, TrimRemovesControlCharactersAndBlanks) {
  EXPECT_EQ(TrimLine(" \t\x01 text \x1F\r"), "text");
  EXPECT_EQ(TrimLine("\xC2\xA0x\xC2\xA0"), "\xC2\xA0x\xC2\xA0");  // a no-break space (160) is kept
  EXPECT_EQ(TrimLine("   "), "");
}

TEST(LineRules, IsIndentedLine) {
  const struct { const char* s; bool indented; } cases[] = {
      {"\tText", true}, {"  Text", true}, {" \tText", true}, {" Text", false},
      {"Text", false},  {"", false},      {" ", false},      {"\t", true},
  };
  for (const auto& c : cases) EXPECT_EQ(IsIndentedLine(c.s), c.indented) << '"' << c.s << '"';
}

TEST(LineRules, IsHeadingLine) {
  const struct { const char* s; bool heading; } cases[] = {
      {"Chapter 3", true},   {"CHAPTER IV", true},  {"Part two", true},     {"PART 1", true},
      {"Section 2.1", true}, {"Book One", true},    {"BOOK ONE", true},     {"chapter 4", false},
      {"Parting", false},    {"Part", false},       {"Chapter", false},     {"Chapters 1", false},
      {"#1", true},          {"# notes", true},     {"\xC2\xA7 12", true},      {"", false},
      {"Prologue", false},   {"Booking it", false}, {" Chapter 1", false}, {"Sectional x", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsHeadingLine(c.s), c.heading) << '"' << c.s << '"';
}

// Every word of the chapter-word table makes a heading in its own case, in
// capitals and without its accents; in small letters, run on or without its
// blank it does not.
TEST(LineRules, ChapterWordsOfEveryLanguage) {
  ASSERT_GE(ChapterWords().size(), 24u);
  for (const std::string& word : ChapterWords()) {
    const std::string bare = word.substr(0, word.size() - 1);
    EXPECT_TRUE(IsHeadingLine(word + "1")) << word;
    EXPECT_TRUE(IsHeadingLine(UpperCase(word) + "IV")) << word;
    std::string lower;
    for (size_t i = 0; i < word.size();) AppendUtf8(lower, LowerChar(ReadChar(word, i)));
    EXPECT_FALSE(IsHeadingLine(lower + "1")) << word;
    EXPECT_FALSE(IsHeadingLine(bare)) << word;
    EXPECT_FALSE(IsHeadingLine(bare + "s 1")) << word;
  }
  const struct { const char* s; bool heading; } cases[] = {
      {u8"ГЛАВА ПЕРВАЯ", true}, {u8"Глава 1", true},   {u8"глава 1", false}, {u8"Главная мысль", false},
      {u8"CAPITULO 2", true},   {u8"Część II", true},  {u8"CZĘŚĆ II", true}, {u8"ΚΕΦΑΛΑΙΟ Α", true},
      {u8"Κεφάλαιο 3", true},   {u8"ČÁST PRVNÍ", true}, {u8"Teil 2", true},  {u8"Teilweise", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsHeadingLine(c.s), c.heading) << c.s;
}

TEST(LineRules, StartsWithRunAndSeparators) {
  const struct { const char* s; bool separator; } cases[] = {
      {"***", true}, {"---", true}, {"==", true},       {"\xC2\xB7", true}, {"---- end ----", true},
      {"- item", false}, {"*", true}, {"**x", false},   {"--", true},   {"=", true},
      {"", false},   {"*-*", false}, {"\xC2\xB7\xC2\xB7\xC2\xB7 x", true}, {"\xC2\xB7\xC2\xB7", true}, {"abc", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsSeparatorLine(c.s), c.separator) << '"' << c.s << '"';
  EXPECT_TRUE(StartsWithRun("xxxy", 'x'));
  EXPECT_FALSE(StartsWithRun("xy", 'x'));
}

TEST(LineRules, JoinLines) {
  const struct { const char* current; const char* line; const char* joined; } cases[] = {
      {"", "line", "line"},
      {"current", "", "current"},
      {"It was a gentle-", "man who knew.", "It was a gentleman who knew."},
      {"Anglo-", "Saxon", "Anglo- Saxon"},
      {"well-", "known", "wellknown"},
      {"-", "x", "- x"},
      {"a-", "b", "ab"},
      {"A-", "b", "A- b"},
      {"x9-", "b", "x9- b"},
      {u8"Он был джентль-", u8"мен.", u8"Он был джентльмен."},  // small letters of every script
      {u8"Ça-", u8"été", u8"Çaété"},
      {u8"ДНК-", u8"тест", u8"ДНК- тест"},  // a capital before the hyphen
      {u8"джентль-", u8"Мен", u8"джентль- Мен"},
      {"end.", "Next", "end. Next"},
      {"", "", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(JoinLines(c.current, c.line), c.joined) << c.current << "|" << c.line;
}

}  // namespace
}  // namespace qv

#include "text/TextLines.h"

namespace qv {
namespace {

TEST(TextLines, SplitsAtEveryKindOfBreak) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n"), (Lines{"a"}));
  EXPECT_EQ(SplitLines("a\n\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitLines("\r\r\n"), (Lines{"", ""}));
  EXPECT_EQ(SplitLines(""), Lines{});
}

}  // namespace
}  // namespace qv
