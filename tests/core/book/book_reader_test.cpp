#include <gtest/gtest.h>

#include "book/BookReader.h"
#include "book/BookRules.h"
#include "encoding/SampleTexts.h"
#include "store/MemoryFileSystem.h"

namespace qv {
namespace {

TEST(BookReader, OnlyExistingBookFilesOpen) {
  TMemoryFileSystem fs;
  fs.PutFile("C:\\Books\\Moby.TXT", "x");
  fs.PutFile("C:\\Books\\Notes.doc", "x");
  fs.AddFolder("C:\\Books\\Folder.rtf");
  const struct {
    const char* name;
    bool openable;
  } cases[] = {
      {"C:\\Books\\Moby.TXT", true},  {"C:\\Books\\moby.txt", true},  {"C:\\Books\\Gone.txt", false},
      {"C:\\Books\\Notes.doc", false}, {"C:\\Books\\Folder.rtf", false}, {"C:", false},
      {"C:\\", false},                 {"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(c.openable, IsOpenableBook(fs, c.name)) << c.name;
}

TEST(BookReader, ReadsTheWholeBookOrOnePieceAndReportsAFailedRead) {
  TMemoryFileSystem fs;
  std::string book(120000, 'a');
  book[49980] = 'b';
  fs.PutFile("C:\\b.txt", book);
  std::string bytes;
  TTextEncoding encoding = TTextEncoding::Utf16Be;
  ASSERT_TRUE(ReadBookBytes(fs, "C:\\b.txt", 120000, 2, 50000, 3, bytes, encoding).IsOk());
  EXPECT_EQ(bytes.size(), 50020u);
  EXPECT_EQ(bytes[0], 'b');
  EXPECT_EQ(encoding, TTextEncoding::Windows1252);
  ASSERT_TRUE(ReadBookBytes(fs, "C:\\b.txt", 120000, 1, 50000, 1, bytes, encoding).IsOk());
  EXPECT_EQ(bytes, book);
  // A read that fails is a failure, never an empty book.
  fs.FailReads = true;
  for (int32_t pieces : {1, 3}) {
    const TFileResult failed = ReadBookBytes(fs, "C:\\b.txt", 120000, 2, 50000, pieces, bytes, encoding);
    EXPECT_FALSE(failed.IsOk());
    EXPECT_EQ(failed.SystemErrorCode, TMemoryFileSystem::ErrorAccessDenied);
    EXPECT_TRUE(bytes.empty());
  }
}

// Every piece is read in the encoding of the book's first bytes, never in one
// judged from the piece itself, and starts and ends at a character.
TEST(BookReader, PiecesTakeTheBookEncodingAndWholeCharacters) {
  TMemoryFileSystem fs;
  // UTF-8: an "é" first; a "’" of three bytes where piece 2 starts (49980).
  std::string utf8 = "\xC3\xA9" + std::string(120000, 'a');
  utf8.replace(49979, 3, "\xE2\x80\x99");
  fs.PutFile("C:\\u.txt", utf8);
  // Code page: an "é" of one byte first; "Ã©" as bytes in piece 2.
  std::string ansi = "\xE9" + std::string(120000, 'a');
  ansi.replace(60000, 2, "\xC3\xA9");
  fs.PutFile("C:\\a.txt", ansi);
  std::string bytes;
  TTextEncoding encoding = TTextEncoding::Windows1252;
  ASSERT_TRUE(ReadBookBytes(fs, "C:\\u.txt", int64_t(utf8.size()), 2, 50000, 3, bytes, encoding).IsOk());
  EXPECT_EQ(encoding, TTextEncoding::Utf8);
  EXPECT_EQ(bytes.substr(0, 4), "\xE2\x80\x99" "a");
  EXPECT_EQ(BookLines(bytes, encoding)[0].substr(0, 4), "\xE2\x80\x99" "a");
  ASSERT_TRUE(ReadBookBytes(fs, "C:\\a.txt", int64_t(ansi.size()), 2, 50000, 3, bytes, encoding).IsOk());
  EXPECT_EQ(encoding, TTextEncoding::Windows1252);
  EXPECT_NE(BookLines(bytes, encoding)[0].find("\xC3\x83\xC2\xA9"), std::string::npos);  // "Ã©"
}

// A piece within the encoding sample comes from the sample, one beyond it
// from a read of its own: both are the piece the rule takes from the whole book.
TEST(BookReader, APieceIsTheSameWhetherTheSampleHoldsItOrNot) {
  TMemoryFileSystem fs;
  std::string book;
  for (int i = 0; book.size() < EncodingSampleSize + 300000; ++i)
    book += "line \xE2\x80\x99" + std::to_string(i) + "\r\n";
  fs.PutFile("C:\\big.txt", book);
  const int64_t size = int64_t(book.size());
  const int32_t pieceSize = 500000, pieces = PieceCount(size, pieceSize);
  ASSERT_GE(pieces, 3);
  for (int32_t piece = 1; piece <= pieces; ++piece) {
    std::string bytes;
    TTextEncoding encoding = TTextEncoding::Windows1252;
    ASSERT_TRUE(ReadBookBytes(fs, "C:\\big.txt", size, piece, pieceSize, pieces, bytes, encoding).IsOk());
    EXPECT_EQ(encoding, TTextEncoding::Utf8);
    EXPECT_EQ(bytes, PieceBytes(book, 0, piece, pieceSize, size, TTextEncoding::Utf8)) << "piece " << piece;
  }
}

// The reader's choice is read as it is, whole or in pieces; a code page piece
// starts at its nominal byte, as every byte is a character.
TEST(BookReader, TheReadersChoiceOverridesDetection) {
  TMemoryFileSystem fs;
  std::string russian;
  while (russian.size() < 120000) russian += samples::kRussian + "\r\n";
  const std::string koi8 = EncodeText(russian, TTextEncoding::Koi8R);
  fs.PutFile("C:\\koi8.txt", koi8);
  fs.PutFile("C:\\mark.txt", "\xEF\xBB\xBF" + std::string(u8"Глава"));
  const int64_t size = int64_t(koi8.size());
  const int32_t pieces = PieceCount(size, 50000);
  std::string bytes;
  TTextEncoding encoding = TTextEncoding::Utf8;
  ASSERT_TRUE(ReadBookBytes(fs, "C:\\koi8.txt", size, 2, 50000, pieces, bytes, encoding).IsOk());
  EXPECT_EQ(encoding, TTextEncoding::Koi8R);  // detected
  EXPECT_EQ(bytes, koi8.substr(50000 - PieceOverlap, 50000 + PieceOverlap));
  EXPECT_NE(DecodeText(bytes, encoding).find(u8"Глава первая"), std::string::npos);
  encoding = TTextEncoding::Windows1251;
  ASSERT_TRUE(ReadBookBytes(fs, "C:\\koi8.txt", size, 2, 50000, pieces, bytes, encoding, false).IsOk());
  EXPECT_EQ(encoding, TTextEncoding::Windows1251);  // chosen
  EXPECT_EQ(BookLines(bytes, encoding)[0], DecodeText(bytes.substr(0, bytes.find('\r')), TTextEncoding::Windows1251));
  encoding = TTextEncoding::Utf8;
  ASSERT_TRUE(ReadBookBytes(fs, "C:\\mark.txt", 13, 1, 50000, 1, bytes, encoding, false).IsOk());
  EXPECT_EQ(encoding, TTextEncoding::Utf8Bom);
  EXPECT_EQ(BookLines(bytes, encoding), std::vector<std::string>{u8"Глава"});
}

TEST(BookReader, LinesEndAtAnyBreakAndANulEndsTheTextInEveryEncoding) {
  const std::string text = "one\r\ntwo\nthree\rf\xC3\xBCr";
  const std::vector<std::string> lines{"one", "two", "three", "f\xC3\xBCr"};
  for (TTextEncoding encoding : {TTextEncoding::Windows1252, TTextEncoding::Utf8, TTextEncoding::Utf8Bom,
                                 TTextEncoding::Utf16Le, TTextEncoding::Utf16Be}) {
    const std::string bytes = EncodeText(text + std::string(1, '\0') + "five\r\n", encoding);
    EXPECT_EQ(BookLines(bytes, encoding), lines) << EncodingKey(encoding);
  }
}

}  // namespace
}  // namespace qv
