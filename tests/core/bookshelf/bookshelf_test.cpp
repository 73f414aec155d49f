#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bookshelf/Bookshelf.h"
#include "bookshelf/BookshelfView.h"
#include "store/MemoryFileSystem.h"
#include "store/StoredTextList.h"

namespace qv {
namespace {

std::string Book(int i) { return "C:\\Books\\Book" + std::to_string(i) + ".txt"; }

TEST(Bookshelf, A31stBookDropsTheLeastRecentAndTheMenuListsMostRecentFirst) {
  TBookshelf shelf;
  for (int i = 1; i <= 31; ++i) shelf.SetBookmark(Book(i), 0, 1, i * 10);
  EXPECT_EQ(30, shelf.Count());
  EXPECT_EQ(-1, shelf.IndexOf(Book(1)));
  EXPECT_EQ(0, shelf.IndexOf(Book(2)));
  EXPECT_EQ(Book(31), shelf.LastBook());
  const std::vector<TBookshelfMenuItem> menu = shelf.PrepareMenu(BookshelfOpen);
  ASSERT_EQ(30u, menu.size());
  EXPECT_EQ(Book(31), menu.front().Caption);
  EXPECT_EQ(29, menu.front().Tag);
  EXPECT_EQ(Book(2), menu.back().Caption);
  EXPECT_EQ(0, menu.back().Tag);
}

TEST(Bookshelf, PuttingABookAgainMovesItUpAndKeepsItsBookmarks) {
  TBookshelf shelf;
  shelf.SetBookmark(Book(1), 0, 2, 100);
  shelf.SetBookmark(Book(1), 3, 4, 300);
  shelf.SetBookmark(Book(2), 0, 1, 5);
  shelf.SetBookmark("c:\\books\\BOOK1.TXT", 0, 3, 150);
  EXPECT_EQ(2, shelf.Count());
  EXPECT_EQ(1, shelf.IndexOf(Book(1)));
  EXPECT_EQ("c:\\books\\BOOK1.TXT", shelf.LastBook());
  int32_t piece = 0;
  EXPECT_EQ(150, shelf.GetBookmark(Book(1), 0, &piece));
  EXPECT_EQ(3, piece);
  EXPECT_EQ(300, shelf.GetBookmark(Book(1), 3, &piece));
  EXPECT_EQ(4, piece);
  // Updating the most recent book changes only its auto-bookmark.
  shelf.SetBookmark(Book(1), 0, 5, 160);
  EXPECT_EQ("c:\\books\\BOOK1.TXT", shelf.LastBook());
  EXPECT_EQ(160, shelf.GetBookmark(Book(1), 0, &piece));
  EXPECT_EQ(5, piece);
}

TEST(Bookshelf, TouchAndNumberedBookmarksNeverAddBooks) {
  TBookshelf shelf;
  for (int i = 1; i <= 30; ++i) shelf.SetBookmark(Book(i), 0, 1, i);
  shelf.Touch("C:\\Other.txt");
  shelf.SetBookmark("C:\\Other.txt", 2, 1, 50);
  EXPECT_EQ(30, shelf.Count());
  EXPECT_EQ(0, shelf.IndexOf(Book(1)));  // nothing was dropped
  EXPECT_EQ(-1, shelf.IndexOf("C:\\Other.txt"));

  shelf.SetBookmark(Book(3), 1, 2, 77);
  shelf.Touch(Book(3));
  EXPECT_EQ(Book(3), shelf.LastBook());
  int32_t piece = 0;
  EXPECT_EQ(3, shelf.GetBookmark(Book(3), 0, &piece));
  EXPECT_EQ(1, piece);
  EXPECT_EQ(77, shelf.GetBookmark(Book(3), 1, &piece));
  EXPECT_EQ(2, piece);

  shelf.SetBookmark("", 0, 1, 1);
  shelf.SetBookmark(Book(3), 6, 1, 1);
  shelf.SetBookmark(Book(3), -1, 1, 1);
  EXPECT_EQ(30, shelf.Count());
}

TEST(Bookshelf, RemoveTakesBooksOffOrClearsBookmarks) {
  TBookshelf shelf;
  shelf.SetBookmark(Book(1), 0, 1, 10);
  shelf.SetBookmark(Book(2), 0, 1, 20);
  shelf.SetBookmark(Book(3), 0, 1, 30);
  shelf.SetBookmark(Book(2), 5, 7, 500);
  TBookshelfEntry copy;
  EXPECT_EQ(1, shelf.Remove("C:\\BOOKS\\book2.txt", 5, &copy));
  EXPECT_EQ(500, copy.CaretPos[5]);
  int32_t piece = 9;
  EXPECT_EQ(-1, shelf.GetBookmark(Book(2), 5, &piece));
  EXPECT_EQ(1, piece);
  EXPECT_EQ(1, shelf.Remove(Book(2), 0));
  EXPECT_EQ(2, shelf.Count());
  EXPECT_EQ(1, shelf.IndexOf(Book(3)));
  EXPECT_EQ(-1, shelf.Remove(Book(2), 0));
  piece = 9;
  EXPECT_EQ(-1, shelf.GetBookmark(Book(2), 0, &piece));
  EXPECT_EQ(9, piece);
  shelf.Remove(Book(1), 0);
  shelf.Remove(Book(3), 0);
  EXPECT_EQ("", shelf.LastBook());
}

TEST(Bookshelf, MenuChoiceRaisesOnSelectWithTheMenuMode) {
  TBookshelf shelf;
  shelf.SetBookmark(Book(1), 0, 1, 10);
  shelf.SetBookmark(Book(2), 0, 1, 20);
  std::vector<std::pair<std::string, int>> selected;
  shelf.OnSelect = [&](const std::string& name, uint8_t mode) {
    selected.emplace_back(name, mode);
    shelf.Remove(name, 0);
  };
  shelf.PrepareMenu(BookshelfRemove);
  shelf.MenuItemChosen(0);
  shelf.MenuItemChosen(5);
  ASSERT_EQ(1u, selected.size());
  EXPECT_EQ(Book(1), selected[0].first);
  EXPECT_EQ(BookshelfRemove, selected[0].second);
  EXPECT_EQ(1, shelf.Count());
}

class BookshelfStorage : public ::testing::Test {
 protected:
  TMemoryFileSystem fs;
  TStoredTextList store{"C:\\Quenvalis\\Quenvalis.ini", &fs};
  void LoadFile(const std::string& text) {
    fs.PutFile(store.FileName(), text);
    ASSERT_TRUE(store.Load());
  }
};

TEST_F(BookshelfStorage, WritesTheThreeSectionsInTheirLayout) {
  TBookshelf shelf;
  shelf.SetBookmark("C:\\A.txt", 0, 2, 100);
  shelf.SetBookmark("C:\\A.txt", 1, 3, 0);
  shelf.SetBookmark("C:\\A.txt", 5, 4, 555);
  shelf.SetBookmark("C:\\B.rtf", 0, 1, 0);
  shelf.Save(store);
  EXPECT_EQ(
      "[Quenvalis_Bookshelf_Main]\r\nCount=2\r\n0=C:\\A.txt\r\n1=C:\\B.rtf\r\n\r\n"
      "[Quenvalis_Bookshelf_CaretPos]\r\n0=100\r\n0_1=0\r\n0_5=555\r\n1=0\r\n\r\n"
      "[Quenvalis_Bookshelf_Pieces]\r\n0=2\r\n0_1=3\r\n0_5=4\r\n1=1\r\n\r\n",
      store.Image().Text());

  TBookshelf back;
  back.Load(store);
  ASSERT_EQ(2, back.Count());
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(shelf.Book(i).FileName, back.Book(i).FileName);
    EXPECT_EQ(shelf.Book(i).CaretPos, back.Book(i).CaretPos);
    EXPECT_EQ(shelf.Book(i).Piece, back.Book(i).Piece);
  }
}

TEST_F(BookshelfStorage, LoadSkipsUnusableEntriesAndMergesRepeatedBooks) {
  LoadFile(
      "[Quenvalis_Bookshelf_Main]\nCount=4\n0=\n1=C:\\Books\\Tale.txt\n2=C:\\Other.txt\n3=c:\\BOOKS\\tale.TXT\n"
      "[Quenvalis_Bookshelf_CaretPos]\n1=500\n1_2=40\n2=-5\n3=700\n3_4=80\n3_5=-2\n"
      "[Quenvalis_Bookshelf_Pieces]\n1=2\n1_2=3\n2=0\n3=4\n3_4=5\n");
  TBookshelf shelf;
  shelf.Load(store);
  ASSERT_EQ(2, shelf.Count());
  EXPECT_EQ("C:\\Other.txt", shelf.Book(0).FileName);
  EXPECT_EQ(0, shelf.Book(0).CaretPos[0]);  // -5 is out of bounds
  EXPECT_EQ(1, shelf.Book(0).Piece[0]);     // 0 is out of bounds
  const TBookshelfEntry& tale = shelf.Book(1);
  EXPECT_EQ("c:\\BOOKS\\tale.TXT", tale.FileName);
  EXPECT_EQ(700, tale.CaretPos[0]);
  EXPECT_EQ(4, tale.Piece[0]);
  EXPECT_EQ(-1, tale.CaretPos[2]);  // the later occurrence's bookmarks win
  EXPECT_EQ(80, tale.CaretPos[4]);
  EXPECT_EQ(5, tale.Piece[4]);
  EXPECT_EQ(-1, tale.CaretPos[5]);
}

// The reader's encoding of a book is kept with its entry, in a section of its
// own (written only for books that have one); a choice made before the book
// was put on the shelf goes with it; unknown names are not loaded.
TEST_F(BookshelfStorage, EncodingChoicesAreStoredWithTheirBooks) {
  const std::string anna = u8"C:\\Книги\\Анна Каренина.txt";
  TBookshelf shelf;
  shelf.SetEncodingChoice(anna, "koi8-r");
  shelf.SetBookmark("C:\\A.txt", 0, 1, 0);
  EXPECT_EQ(shelf.EncodingChoice(u8"c:\\КНИГИ\\анна каренина.TXT"), "koi8-r");  // kept for the run
  shelf.SetBookmark(anna, 0, 1, 10);
  shelf.SetEncodingChoice("C:\\A.txt", "windows-1250");
  shelf.SetEncodingChoice("C:\\A.txt", "");
  shelf.Save(store);
  EXPECT_NE(store.Image().Text().find("[Quenvalis_Bookshelf_Encodings]\r\n1=koi8-r\r\n\r\n"), std::string::npos)
      << store.Image().Text();

  TBookshelf back;
  back.Load(store);
  EXPECT_EQ(back.EncodingChoice(anna), "koi8-r");
  EXPECT_EQ(back.EncodingChoice("C:\\A.txt"), "");
  LoadFile("[Quenvalis_Bookshelf_Main]\nCount=2\n0=C:\\A.txt\n1=C:\\B.txt\n"
           "[Quenvalis_Bookshelf_Encodings]\n0=klingon\n1=WINDOWS-1251\n");
  back.Load(store);
  EXPECT_EQ(back.EncodingChoice("C:\\A.txt"), "");
  EXPECT_EQ(back.EncodingChoice("C:\\B.txt"), "windows-1251");
}

TEST_F(BookshelfStorage, CountOutOfBoundsLoadsNothingAndLoadReplacesTheShelf) {
  LoadFile("[Quenvalis_Bookshelf_Main]\nCount=31\n0=C:\\A.txt\n");
  TBookshelf shelf;
  shelf.SetBookmark("C:\\Z.txt", 0, 1, 1);
  shelf.Load(store);
  EXPECT_EQ(0, shelf.Count());
  LoadFile("[quenvalis_bookshelf_main]\ncount=1\n0=" + std::string(260, 'x') + "\n");
  shelf.Load(store);
  EXPECT_EQ(0, shelf.Count());
}

TEST(BookshelfView, CaptionsAndQuestions) {
  TBookshelf shelf;
  EXPECT_EQ("&Open (0)", BookshelfOpenCaption(shelf.Count()));
  EXPECT_EQ("&Auto", BookmarkButtonCaption(shelf, Book(1), 0));
  shelf.SetBookmark(Book(1), 0, 1, 0);
  shelf.SetBookmark(Book(1), 2, 1, 10);
  EXPECT_EQ("&Auto*", BookmarkButtonCaption(shelf, Book(1), 0));
  EXPECT_EQ("&1", BookmarkButtonCaption(shelf, Book(1), 1));
  EXPECT_EQ("&2*", BookmarkButtonCaption(shelf, Book(1), 2));
  EXPECT_EQ("", BookmarkOverwriteQuestion(shelf, Book(1), 0));  // set at 0: no question
  EXPECT_EQ("This bookmark is already set for this book. Do you want to overwrite it?",
            BookmarkOverwriteQuestion(shelf, Book(1), 2));
  shelf.SetBookmark(Book(1), 0, 1, 5);
  EXPECT_EQ(0u, BookmarkOverwriteQuestion(shelf, Book(1), 0).find("This book already has an auto-bookmark."));
}

TEST(BookshelfView, AutoBookmarkFollowsTheReadingOnlyBeyondTheBeginning) {
  TBookshelf shelf;
  shelf.SetBookmark(Book(1), 0, 3, 900);
  shelf.SetBookmark(Book(2), 0, 1, 10);
  TReadingState state{true, true, false, 4, 1};
  UpdateAutoBookmark(shelf, Book(1), true, state, 0);  // first lines: only moved up
  EXPECT_EQ(Book(1), shelf.LastBook());
  EXPECT_EQ(900, shelf.GetBookmark(Book(1), 0));
  state.FirstVisibleLine = 5;
  UpdateAutoBookmark(shelf, Book(1), true, state, 1234);
  int32_t piece = 0;
  EXPECT_EQ(1234, shelf.GetBookmark(Book(1), 0, &piece));
  EXPECT_EQ(1, piece);
  state.FirstVisibleLine = 0;
  state.Piece = 2;
  EXPECT_EQ(TAutoBookmarkAction::Set, DecideAutoBookmark(shelf, Book(1), true, state));
  EXPECT_EQ(TAutoBookmarkAction::None, DecideAutoBookmark(shelf, Book(1), false, state));
  EXPECT_EQ(TAutoBookmarkAction::None, DecideAutoBookmark(shelf, "C:\\Not.txt", true, state));
  state.RichTextEmpty = true;
  EXPECT_EQ(TAutoBookmarkAction::None, DecideAutoBookmark(shelf, Book(1), true, state));
  state.RichTextEmpty = false;
  state.AutoBookmarkChecked = false;
  EXPECT_EQ(TAutoBookmarkAction::None, DecideAutoBookmark(shelf, Book(1), true, state));
}

}  // namespace
}  // namespace qv
