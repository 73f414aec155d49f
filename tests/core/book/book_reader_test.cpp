#include <gtest/gtest.h>

#include "book/BookReader.h"
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
  ASSERT_TRUE(ReadBookBytes(fs, "C:\\b.txt", 120000, 2, 50000, 3, bytes).IsOk());
  EXPECT_EQ(bytes.size(), 50020u);
  EXPECT_EQ(bytes[0], 'b');
  ASSERT_TRUE(ReadBookBytes(fs, "C:\\b.txt", 120000, 1, 50000, 1, bytes).IsOk());
  EXPECT_EQ(bytes, book);
  // A read that fails is a failure, never an empty book.
  fs.FailReads = true;
  const TFileResult failed = ReadBookBytes(fs, "C:\\b.txt", 120000, 1, 50000, 1, bytes);
  EXPECT_FALSE(failed.IsOk());
  EXPECT_EQ(failed.SystemErrorCode, TMemoryFileSystem::ErrorAccessDenied);
  EXPECT_TRUE(bytes.empty());
}

TEST(BookReader, LinesEndAtAnyBreakAndANulEndsTheText) {
  EXPECT_EQ(BookLines(std::string("one\r\ntwo\nthree\rfour\0five", 24)),
            (std::vector<std::string>{"one", "two", "three", "four"}));
}

}  // namespace
}  // namespace qv
