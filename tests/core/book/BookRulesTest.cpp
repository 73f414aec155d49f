#include <gtest/gtest.h>

#include "book/BookRules.h"

namespace qv {
namespace {

TEST(PieceArithmetic, CountsRoundUp) {
  EXPECT_EQ(PieceCount(0, 50000), 0);
  EXPECT_EQ(PieceCount(1, 50000), 1);
  EXPECT_EQ(PieceCount(100000, 50000), 2);
  EXPECT_EQ(PieceCount(100001, 50000), 3);
  EXPECT_EQ(PieceCount(20000000, 10000), 2000);
}

TEST(PieceArithmetic, RangesOverlapTwentyBytes) {
  struct Case { int32_t piece; int64_t size; int64_t first, last; };
  const Case cases[] = {
      {1, 150000, 0, 50019},        {2, 150000, 49980, 99999}, {3, 150000, 99980, 149999},
      {3, 120000, 99980, 119999},   {1, 30, 0, 29},            {2, 50010, 49980, 50009},
  };
  for (const Case& c : cases) {
    const TByteRange r = PieceRange(c.piece, 50000, c.size);
    EXPECT_EQ(r.Start, c.first) << c.piece << " of " << c.size;
    EXPECT_EQ(r.Start + r.Length - 1, c.last) << c.piece << " of " << c.size;
  }
}

TEST(SizeLimits, DecideBetweenOpenAskAndRefuse) {
  struct Case { int64_t size; bool pieces, rich; TSizeDecision expected; };
  const Case cases[] = {
      {20000000, false, true, TSizeDecision::Open},
      {20000001, true, false, TSizeDecision::Refuse},
      {20000001, false, true, TSizeDecision::Refuse},
      {500000, false, false, TSizeDecision::Open},
      {500001, false, false, TSizeDecision::AskOnePiece},
      {500001, true, false, TSizeDecision::Open},
      {19000000, false, true, TSizeDecision::Open},
      {0, false, false, TSizeDecision::Open},
  };
  for (const Case& c : cases) EXPECT_EQ(DecideBookSize(c.size, c.pieces, c.rich), c.expected) << c.size;
  EXPECT_TRUE(IsRichTextName("C:\\Books\\Tale.RtF"));
  EXPECT_FALSE(IsRichTextName("C:\\Books.rtf\\Tale"));
  EXPECT_FALSE(IsRichTextName("Tale.txt"));
}

TEST(EndMarker, TrimsBlankAndOldMarkersThenAppends) {
  std::vector<std::string> lines{"Title", "text", "  ", "***** End of Book *****", "", "\t"};
  AppendEndMarker(lines, 1, 1);
  EXPECT_EQ(lines, (std::vector<std::string>{"Title", "text", "", "***** End of Book *****"}));

  std::vector<std::string> inner{"a", "b", ""};
  AppendEndMarker(inner, 2, 5);
  EXPECT_EQ(inner, (std::vector<std::string>{"a", "b", "", "***** End of Piece 2 / 5 *****"}));

  // The first line is never removed, even when blank.
  std::vector<std::string> blank{"   ", " "};
  AppendEndMarker(blank, 1, 1);
  EXPECT_EQ(blank, (std::vector<std::string>{"   ", "", "***** End of Book *****"}));

  std::vector<std::string> none;
  AppendEndMarker(none, 1, 0);
  EXPECT_EQ(none, (std::vector<std::string>{"", "***** End of Book *****"}));

  // The last piece of several gets the book's marker.
  std::vector<std::string> last{"x"};
  AppendEndMarker(last, 3, 3);
  EXPECT_EQ(last.back(), "***** End of Book *****");
}

TEST(SaveNames, ExtensionDecidesTheFormat) {
  struct Case { const char* chosen; const char* file; bool rich; };
  const Case cases[] = {
      {"C:\\b\\notes", "C:\\b\\notes.txt", false},   {"C:\\b\\notes.doc", "C:\\b\\notes.txt", false},
      {"C:\\b\\notes.RTF", "C:\\b\\notes.RTF", true}, {"C:\\b\\notes.txt", "C:\\b\\notes.txt", false},
      {"C:\\b.d\\notes", "C:\\b.d\\notes.txt", false}, {"C:\\b\\a.rtf.doc", "C:\\b\\a.rtf.txt", false},
  };
  for (const Case& c : cases) {
    const TSaveTarget t = SaveTargetFor(c.chosen);
    EXPECT_EQ(t.FileName, c.file);
    EXPECT_EQ(t.RichText, c.rich) << c.chosen;
  }
}

TEST(BookInfo, NamesTheFileAndItsFolder) {
  EXPECT_EQ(BookInfoHead("C:\\Books\\Moby.txt"), "\"Moby.txt\" in \"Books\"");
  EXPECT_EQ(BookInfoHead("C:\\Moby.txt"), "\"Moby.txt\" in \"C:\"");
  EXPECT_EQ(BookLineInfo(0, 12345, 2, 3, ","), "Top line 1 (12,345 lines); piece 2 (3 pieces)");
}

}  // namespace
}  // namespace qv
