#include <gtest/gtest.h>

#include <string>

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

std::string Repeat(const std::string& unit, size_t times) {
  std::string out;
  for (size_t i = 0; i < times; ++i) out += unit;
  return out;
}

TEST(PieceArithmetic, BoundariesMoveBackToTheStartOfTheirCharacter) {
  const int32_t p = 25;  // boundaries at 5, 45, 50, 70, 75, ...
  struct Case {
    std::string file;
    TTextEncoding encoding;
    std::string unit;  // every piece decodes to whole units
  } cases[] = {
      {Repeat("\xC3\xA9", 60), TTextEncoding::Utf8, "\xC3\xA9"},
      {"\xEF\xBB\xBF" + Repeat("\xE2\x80\x99", 40), TTextEncoding::Utf8Bom, "\xE2\x80\x99"},
      {Repeat("\xF0\x9F\x98\x80", 31), TTextEncoding::Utf8, "\xF0\x9F\x98\x80"},
      {"\xFF\xFE" + Repeat(std::string("\x3D\xD8\x00\xDE", 4), 30), TTextEncoding::Utf16Le, "\xF0\x9F\x98\x80"},
      {"\xFE\xFF" + Repeat("\x20\x19", 63), TTextEncoding::Utf16Be, "\xE2\x80\x99"},
      {Repeat("\xE9", 110), TTextEncoding::Windows1252, "\xC3\xA9"},
  };
  for (const Case& c : cases) {
    const int64_t size = int64_t(c.file.size());
    int64_t previousEnd = 0;
    for (int32_t piece = 1; piece <= PieceCount(size, p); ++piece) {
      const TByteRange read = PieceReadRange(piece, p, size);
      const std::string_view bytes = std::string_view(c.file).substr(size_t(read.Start), size_t(read.Length));
      const TByteRange nominal = PieceRange(piece, p, size);
      const TByteRange r = AlignedPieceRange(bytes, read.Start, piece, p, size, c.encoding);
      const std::string where = std::string(EncodingKey(c.encoding)) + " piece " + std::to_string(piece);
      EXPECT_LE(nominal.Start - r.Start, 3) << where;
      EXPECT_GE(nominal.Start - r.Start, 0) << where;
      EXPECT_LE(nominal.Start + nominal.Length - (r.Start + r.Length), 3) << where;
      if (piece > 1) {
        EXPECT_GE(previousEnd - r.Start, 17) << where;  // the overlap, in bytes
      }
      if (c.encoding == TTextEncoding::Windows1252) {
        EXPECT_EQ(r.Start, nominal.Start) << where;
      }
      const std::string text = DecodeText(PieceBytes(bytes, read.Start, piece, p, size, c.encoding), c.encoding);
      EXPECT_EQ(text, Repeat(c.unit, text.size() / c.unit.size())) << where;
      previousEnd = r.Start + r.Length;
    }
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

TEST(EndMarker, TheBookTextLeavesOutTheMarkerAndTheLineBeforeIt) {
  const struct {
    const char* text;
    const char* book;
  } cases[] = {
      {"One\r\nTwo\r\n\r\n***** End of Book *****\r\n", "One\r\nTwo\r\n"},
      {"One\r\n\r\n***** End of Book *****", "One\r\n"},                 // no final break
      {"One\r\n***** End of Book *****\r\n\r\n", "One\r\n"},            // the blank line was dropped
      {"One\r\n\r\n\r\n***** End of Book *****\r\n", "One\r\n\r\n"},  // the book's own blank line stays
      {"One\r\n\r\n\t***** End of Book *****  \r\n", "One\r\n"},        // behind a prefix
      {"One\r\n\r\n\xC2\xB7 ***** End of Book *****\r\n", "One\r\n"},
      {"***** End of Book *****\r\n", ""},
      {"One\r\n\r\n***** End of Book *****\r\nTyped after\r\n", nullptr},  // the marker is no more last
      {"See ***** End of Book *****\r\n", nullptr},                      // inside a sentence
      {"One\r\n\r\n***** End of Piece 1 / 2 *****\r\n", nullptr},
      {"", nullptr},
  };
  for (const auto& c : cases) {
    const std::string text = c.text;
    const std::string expected = c.book ? c.book : text;
    EXPECT_EQ(text.substr(0, BookTextLength(text)), expected) << text;
  }
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
  EXPECT_EQ(BookInfoHead("C:\\Moby.txt", TTextEncoding::Koi8R), "\"Moby.txt\" in \"C:\", KOI8-R (Cyrillic)");
  EXPECT_EQ(BookInfoHead("C:\\Books\\Moby.txt", TTextEncoding::Utf16Le), "\"Moby.txt\" in \"Books\", UTF-16 LE");
  EXPECT_EQ(BookLineInfo(0, 12345, 2, 3, ","), "Top line 1 (12,345 lines); piece 2 (3 pieces)");
  EXPECT_EQ(BookLineInfo(11, 400, 1, 1, ",", 38), "Top line 12 (loading: 38 %); piece 1 (1 pieces)");
  EXPECT_EQ(TopLineInfo(1233, 5000, -1, ".", "total lines"), "Top line 1.234 (5.000 total lines)");
}

}  // namespace
}  // namespace qv
