// Paragraph decisions and the enhancement loop.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TextFixture.h"

namespace qv {
namespace {

using Lines = std::vector<std::string>;

class Enhance : public TextFixture {};

TEST_F(Enhance, ContinuesParagraphDecisions) {
  struct Case { const char* current; const char* next; bool indented; bool poorly; bool continues; };
  const Case cases[] = {
      {"It was late.", "The door opened.", false, false, true},
      {"It was late.", "The door opened.", true, false, false},
      {"It was late.", "The door opened.", false, true, false},
      {"It was late", "The door", true, false, true},          // no sentence end
      {"He said:", "Leave now.", false, false, false},
      {"as follows:", "one, two", false, false, true},
      {"text", "* item", false, false, false},                 // bullet starts a paragraph
      {"* first item", "continued", false, false, true},
      {"text", "^B+", false, false, false},
      {"^B+", "text", false, false, false},
      {"# Title", "text", false, false, false},
      {"text", "\xC2\xA7 5", false, false, false},
      {"He said \xE2\x80\x9Cgo.\xE2\x80\x9D", "\xC2\xABNow\xC2\xBB", true, false, false},
      {"Chapter 3", "The start", false, false, false},
      {"text", "CHAPTER III", false, false, false},
      {"text", "chapter 3", false, false, true},
      {"Caption", "text", false, false, true},                 // C but not a heading
      {"***", "text", false, false, false},
      {"---- end ----", "text", false, false, false},
      {"", "text", false, false, false},
      {"text", "", false, false, false},
      {"He said \"go.\"", "\"Now\" she said", true, false, false},  // quote closes and opens
      {"(see there)", "'Tis", true, false, false},
      // Capitals and small letters of every script.
      {u8"Было поздно.", u8"Дверь открылась.", false, true, false},
      {u8"Он сказал:", u8"Уходи.", false, false, false},
      {u8"как следует:", u8"раз, два", false, false, true},
      {u8"text", u8"ГЛАВА ВТОРАЯ", false, false, false},
      {u8"Rozdział 2", u8"Tekst", false, false, false},
      {u8"Ήταν αργά.", u8"Έφυγε.", false, true, false},
  };
  for (const Case& c : cases) {
    enhancer.PoorlyWritten = c.poorly;
    bool skip = true;
    EXPECT_EQ(enhancer.ContinuesParagraph(c.current, c.next, c.indented, skip), c.continues)
        << c.current << " | " << c.next;
    EXPECT_FALSE(skip);
  }
}

TEST_F(Enhance, SkipNextFollowsTheOption) {
  bool skip = false;
  enhancer.IgnoreEmptyLines = true;
  enhancer.ContinuesParagraph("A.", "", false, skip);
  EXPECT_TRUE(skip);
  enhancer.ContinuesParagraph("", "", false, skip);
  EXPECT_FALSE(skip);
  enhancer.IgnoreEmptyLines = false;
  enhancer.ContinuesParagraph("A.", "", false, skip);
  EXPECT_FALSE(skip);
}

TEST_F(Enhance, IndentationSeparatesParagraphs) {
  RunEnhance({"It was late.", "  The door opened."});
  EXPECT_EQ(Paragraphs(), (Lines{"It was late.", "The door opened."}));
}

TEST_F(Enhance, UnindentedSentencesJoin) {
  RunEnhance({"It was late.", "The door opened."});
  EXPECT_EQ(Paragraphs(), (Lines{"It was late. The door opened."}));
  box.Clear();
  RunEnhance({"It was late.", "The door opened."}, "None", false, true);
  EXPECT_EQ(Paragraphs(), (Lines{"It was late.", "The door opened."}));
}

TEST_F(Enhance, HyphenationAndJoining) {
  RunEnhance({"It was a gentle-", "man who knew.", "", "Anglo-", "Saxon", "", "well-", "known"});
  EXPECT_EQ(Paragraphs(), (Lines{"It was a gentleman who knew.", "", "Anglo- Saxon", "", "wellknown"}));
}

TEST_F(Enhance, HeadingsBecomeChaptersAndUnderlined) {
  RunEnhance({"Some text", "Chapter 3", "More text", "here.", "chapter 4 is", "joined"});
  EXPECT_EQ(Paragraphs(), (Lines{"Some text", "Chapter 3", "More text here. chapter 4 is joined"}));
  ASSERT_TRUE(enhancer.ChaptersMenu);
  ASSERT_EQ(enhancer.ChaptersMenu->Items.size(), 1u);
  const TChapterItem& item = enhancer.ChaptersMenu->Items[0];
  EXPECT_EQ(item.Caption, "Chapter 3");
  EXPECT_EQ(item.Tag, 11);  // "Some text" + CR LF
  EXPECT_EQ(item.HelpContext, 100);
  EXPECT_EQ(enhancer.ChapterCount, 1);
  EXPECT_TRUE(CharAt(1).Effects & CharEffect::Underline);
  EXPECT_FALSE(CharAt(0).Effects & CharEffect::Underline);
  EXPECT_FALSE(CharAt(2).Effects & CharEffect::Underline);
}

TEST_F(Enhance, ThirtyChaptersAtMostWithShortCaptions) {
  Lines lines;
  lines.push_back("# " + std::string(80, 'x'));
  for (int i = 2; i <= 31; ++i) lines.push_back("Chapter " + std::to_string(i));
  RunEnhance(lines, "Tab");
  ASSERT_TRUE(enhancer.ChaptersMenu);
  ASSERT_EQ(enhancer.ChaptersMenu->Items.size(), 30u);
  EXPECT_EQ(enhancer.ChaptersMenu->Items[0].Caption, "# " + std::string(48, 'x'));
  EXPECT_EQ(enhancer.ChaptersMenu->Items[29].Caption, "Chapter 30");
  const Lines paragraphs = Paragraphs();
  ASSERT_EQ(paragraphs.size(), 31u);
  EXPECT_EQ(paragraphs[29], "Chapter 30");        // headings get no prefix
  EXPECT_EQ(paragraphs[30], "\tChapter 31");      // the 31st is ordinary
  EXPECT_FALSE(CharAt(30).Effects & CharEffect::Underline);
  EXPECT_TRUE(CharAt(29).Effects & CharEffect::Underline);
}

TEST_F(Enhance, NoHeadingLeavesNoMenu) {
  RunEnhance({"plain", "text"});
  EXPECT_FALSE(enhancer.ChaptersMenu);
  EXPECT_EQ(enhancer.ChapterCount, 0);
}

TEST_F(Enhance, IgnoreFirstEmptyLine) {
  RunEnhance({"A.", "", "B."}, "None", true);
  EXPECT_EQ(Paragraphs(), (Lines{"A.", "B."}));
  box.Clear();
  RunEnhance({"A.", "", "", "B."}, "None", true);
  EXPECT_EQ(Paragraphs(), (Lines{"A.", "", "B."}));
  box.Clear();
  RunEnhance({"A.", "", "", "B."}, "None", false);
  EXPECT_EQ(Paragraphs(), (Lines{"A.", "", "", "B."}));
}

TEST_F(Enhance, PrefixesAndTextPos) {
  // The prefix counts in characters (the middle dot is two bytes and one character).
  const struct { const char* option; const char* prefix; int32_t units; } cases[] = {
      {"None", "", 0},   {"Tab", "\t", 1}, {"Blanks", "  ", 2},
      {"- ", "- ", 2}, {"* ", "* ", 2}, {"\xC2\xB7 ", "\xC2\xB7 ", 2}};
  for (const auto& c : cases) {
    box.Clear();
    RunEnhance({"One.", "", "Chapter 1", "  Two."}, c.option);
    const std::string p = c.prefix;
    EXPECT_EQ(Paragraphs(), (Lines{p + "One.", "", "Chapter 1", p + "Two."})) << c.option;
    EXPECT_EQ(enhancer.TextPos, box.GetTextLength()) << c.option;
    EXPECT_EQ(enhancer.ChaptersMenu->Items[0].Tag, c.units + 4 + 2 + 2) << c.option;
  }
}

TEST_F(Enhance, SingleLineAndEmptyInput) {
  RunEnhance({"Only line"});
  EXPECT_EQ(Paragraphs(), (Lines{"Only line"}));
  box.Clear();
  RunEnhance({});
  EXPECT_EQ(Paragraphs(), Lines{});
  EXPECT_EQ(enhancer.TextPos, 0);
}

TEST_F(Enhance, CommandLineIsNeverShownOrJoined) {
  RunEnhance({"first part", "^B+", "second part", "third"});
  EXPECT_EQ(Paragraphs(), (Lines{"first part", "second part third"}));
  EXPECT_TRUE(enhancer.HasCommands);
  EXPECT_TRUE(CharAt(1).Effects & CharEffect::Bold);
  EXPECT_FALSE(CharAt(0).Effects & CharEffect::Bold);
}

TEST_F(Enhance, ProgressAfterEachNonEmptyParagraph) {
  std::vector<int32_t> positions;
  enhancer.OnProgress = [&](int32_t position) {
    positions.push_back(position);
    return false;
  };
  RunEnhance({"A.", "", "^B+", "  B."});
  EXPECT_EQ(positions, (std::vector<int32_t>{0, 6}));
  EXPECT_FALSE(box.GetModified());
  int32_t start, length;
  box.GetSelection(start, length);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(length, 0);
}

TEST_F(Enhance, StopRequestEndsAndClears) {
  int calls = 0;
  enhancer.OnProgress = [&](int32_t) { return ++calls == 2; };
  RunEnhance({"A.", "  B.", "  C.", "  D."});
  EXPECT_EQ(calls, 2);
  EXPECT_TRUE(enhancer.StopRequested);
  EXPECT_EQ(box.GetTextLength(), 0);
}

TEST_F(Enhance, BadColourEndsWithFailureAndKeepsEarlierParagraphs) {
  RunEnhance({"Before.", "^FC=reddish*", "After."});
  EXPECT_EQ(Paragraphs(), (Lines{"Before."}));
  EXPECT_EQ(enhancer.Failure.Status, Error);
  EXPECT_EQ(enhancer.Failure.Description, "Unhandled exception: 'reddish' is not a valid integer value");
  EXPECT_EQ(enhancer.Failure.Function, "TEnhancedRichEdit::EnhanceText");
  EXPECT_EQ(FunStatContext.Status, Perfect);
  EXPECT_EQ(box.UpdateDepth(), 0);
  // The next enhancement starts clean.
  box.Clear();
  RunEnhance({"x"});
  EXPECT_EQ(enhancer.Failure.Status, Perfect);
}

TEST_F(Enhance, FormattedParagraphsOnlyWhenDifferent) {
  RunEnhance({"^AC+", "Centred.", "  Normal."});
  EXPECT_EQ(ParaOf(0).Alignment, ParaAlign::Center);
  EXPECT_EQ(ParaOf(1).Alignment, ParaAlign::Left);
  EXPECT_EQ(ParaOf(1).SpaceAfter, 288);  // the whole-text default
  EXPECT_EQ(ParaOf(1).LineSpacing, 24);
}

}  // namespace
}  // namespace qv
