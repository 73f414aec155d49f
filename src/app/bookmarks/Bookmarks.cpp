#include "app/bookmarks/Bookmarks.h"

#include "app/SidebarPlaces.h"
#include "app/controls/OptionFill.h"
#include "bookshelf/BookshelfView.h"
#include "errors/Dialogs.h"
#include "errors/Guard.h"
#include "encoding/UnicodeText.h"
#include "richbox/RichOps.h"

namespace qv::app {

namespace {
namespace O = OpenPage;
namespace G = ProgramGeneralPage;

const char* const kBookmarkHint =
    "A bookmark in the currently opened book. If \"*\" is present after the caption, it "
    "indicates that the bookmark is set. Click [LMB] to go to it. Click [RMB] to set it at the "
    "currently displayed top line. Click [Ctrl + RMB] to clear it.";
}  // namespace

TBookmarkControls::TBookmarkControls(TSidebar& s)
    : PutBookshelfButton(&s.BookshelfGroupBox, O::PutBookshelfButton, "&Put"),
      OpenBookshelfButton(&s.BookshelfGroupBox, O::OpenBookshelfButton, "&Open (0)"),
      RemoveBookshelfButton(&s.BookshelfGroupBox, O::RemoveBookshelfButton, "Remove"),
      BookmarkAutoButton(&s.BookshelfGroupBox, O::BookmarkAutoButton, "&Auto"),
      Bookmark1Button(&s.BookshelfGroupBox, O::Bookmark1Button, "&1"),
      Bookmark2Button(&s.BookshelfGroupBox, O::Bookmark2Button, "&2"),
      Bookmark3Button(&s.BookshelfGroupBox, O::Bookmark3Button, "&3"),
      Bookmark4Button(&s.BookshelfGroupBox, O::Bookmark4Button, "&4"),
      Bookmark5Button(&s.BookshelfGroupBox, O::Bookmark5Button, "&5"),
      AutoBookmarkCheckBox(&s.MiscellaneousOptionsGroupBox, G::AutoBookmarkCheckBox, "Auto bookmark"),
      AutoLoadLastCheckBox(&s.MiscellaneousOptionsGroupBox, G::AutoLoadLastCheckBox, "Auto load last book") {
  PutBookshelfButton.SetHint(
      "Put the currently opened book on the bookshelf, and save the auto-bookmark at the "
      "currently displayed top line; bookmarks take in consideration file pieces. There can be "
      "maximum 30 books on the bookshelf.");
  OpenBookshelfButton.SetHint(
      "Open a book from the bookshelf; between parenthesis is the number of books on the "
      "bookshelf. If you reopen (using this function) the book which is already opened, the "
      "auto-bookmark is opened from the saved position (not the current position, as in the case "
      "of any other open function).");
  RemoveBookshelfButton.SetHint("Remove a book from the bookshelf");
  OpenBookshelfButton.SetEnabled(false);
  RemoveBookshelfButton.SetEnabled(false);
  BookmarkAutoButton.SetHint(
      "The auto-bookmark of the currently opened book; this bookmark is automatically set when "
      "you put a book on the bookshelf. If \"*\" is present after the caption, it indicates that "
      "the bookmark is set. Click [LMB] to go to it. Click [RMB] to set it at the currently "
      "displayed top line; if the book is not on the bookshelf, it is put.");
  for (int i = 1; i <= 5; ++i) BookmarkButton(i)->SetHint(kBookmarkHint);
  AutoBookmarkCheckBox.SetHint(
      "For books that are on the bookshelf, a bookmark is automatically saved at the last "
      "displayed position, unless that position is the beginning of the book (the first 5 lines)");
  AutoLoadLastCheckBox.SetHint("Open the last book of the bookshelf when the program starts");
  CheckFromOption(AutoBookmarkCheckBox);
  CheckFromOption(AutoLoadLastCheckBox);
}

TButton* TBookmarkControls::BookmarkButton(int index) {
  TButton* buttons[] = {&BookmarkAutoButton, &Bookmark1Button, &Bookmark2Button,
                        &Bookmark3Button,    &Bookmark4Button, &Bookmark5Button};
  return index >= 0 && index < BookmarkCount ? buttons[index] : nullptr;
}

TBookmarks::TBookmarks(TSidebar& sidebar, TRichEdit& richEdit, IScreen& screen, IBook& book)
    : Controls(sidebar), richEdit_(richEdit), screen_(screen), book_(book) {
  TBookmarkControls& c = Controls;
  c.PutBookshelfButton.OnClick = [this] {
    SetBookmarkHere(0);
    richEdit_.SetFocus();
  };
  c.OpenBookshelfButton.OnClick = [this] { ShowBookshelfMenu(Controls.OpenBookshelfButton, BookshelfOpen); };
  c.RemoveBookshelfButton.OnClick = [this] { ShowBookshelfMenu(Controls.RemoveBookshelfButton, BookshelfRemove); };
  for (int i = 0; i < BookmarkCount; ++i)
    c.BookmarkButton(i)->OnMouseDown = [this, i](TMouseButton b, unsigned s, int, int) {
      BookmarkButtonMouseDown(i, b, s);
    };
  for (TCheckBox* box : {&c.AutoBookmarkCheckBox, &c.AutoLoadLastCheckBox})
    box->OnClick = [this] { FocusBookAfterOption(richEdit_); };
  Bookshelf.OnSelect = [this](const std::string& fileName, uint8_t mode) { BookshelfSelect(fileName, mode); };
  ShowMenu = [](TPopupMenu& menu, HWND owner, POINT corner) { menu.Popup(owner, corner.x, corner.y); };
  UpdateBookmarkButtons();
}

void TBookmarks::SetBookmarkHere(int index) {
  const std::string& book = book_.FileName();
  if (!book_.IsOpen() || IsRichTextEmpty(richEdit_)) return;
  const std::string question = BookmarkOverwriteQuestion(Bookshelf, book, index);
  if (!question.empty() && !AskQuery(question)) return;
  Bookshelf.SetBookmark(book, index, book_.CurrentPiece(), GetRichTopPos(richEdit_));
  UpdateBookshelfButtons();
  UpdateBookmarkButtons();
}

void TBookmarks::UpdateAutoBookmark(bool record) {
  TReadingState state;
  state.AutoBookmarkChecked = Controls.AutoBookmarkCheckBox.Checked();
  state.BookOpen = book_.IsOpen();
  if (!state.AutoBookmarkChecked || !record || !state.BookOpen) return;
  state.RichTextEmpty = IsRichTextEmpty(richEdit_);
  state.FirstVisibleLine = GetRichFirstVisibleLine(richEdit_);
  state.Piece = book_.CurrentPiece();
  qv::UpdateAutoBookmark(Bookshelf, book_.FileName(), record, state, GetRichTopPos(richEdit_));
}

bool TBookmarks::FindAutoBookmark(const std::string& fileName, int32_t& piece, int32_t& position) const {
  int32_t p = 1;
  const int32_t at = Bookshelf.GetBookmark(fileName, 0, &p);
  if (at < 0) return false;
  piece = p;
  position = at;
  return true;
}

void TBookmarks::UpdateBookshelfButtons() {
  const bool any = Bookshelf.Count() > 0;
  Controls.OpenBookshelfButton.SetText(BookshelfOpenCaption(Bookshelf.Count()));
  Controls.OpenBookshelfButton.SetEnabled(any);
  Controls.RemoveBookshelfButton.SetEnabled(any);
}

void TBookmarks::UpdateBookmarkButtons() {
  for (int i = 0; i < BookmarkCount; ++i)
    Controls.BookmarkButton(i)->SetText(BookmarkButtonCaption(Bookshelf, book_.FileName(), i));
}

void TBookmarks::BookshelfSelect(const std::string& fileName, uint8_t mode) {
  if (mode == BookshelfRemove) {
    Bookshelf.Remove(fileName, 0);
    UpdateBookshelfButtons();
    UpdateBookmarkButtons();
  } else {
    book_.OpenBook(fileName, !SameText(fileName, book_.FileName()));
  }
}

void TBookmarks::ShowBookshelfMenu(TButton& button, uint8_t mode) {
  Guarded(QV_OP("Bookshelf", "TBookshelf::Dialog", "Failed to show menu."), [&](TFunStatContext&) {
    BookshelfMenu = std::make_unique<TPopupMenu>();
    try {
      for (const TBookshelfMenuItem& item : Bookshelf.PrepareMenu(mode)) {
        const int32_t tag = item.Tag;
        BookshelfMenu->Add(MenuCaption(item.Caption), [this, tag] { Bookshelf.MenuItemChosen(tag); });
      }
      ShowMenu(*BookshelfMenu, screen_.Window(), button.ClientToScreen({0, button.ClientHeight()}));
    } catch (...) {
      BookshelfMenu.reset();
      throw;
    }
  });
  richEdit_.SetFocus();
}

void TBookmarks::GoToBookmark(int index) {
  int32_t piece = 1;
  const int32_t position = Bookshelf.GetBookmark(book_.FileName(), index, &piece);
  if (position < 0) return;
  if (piece == book_.CurrentPiece())
    ShowRichPosAtTop(richEdit_, position);
  else
    book_.LoadFromFile("", piece, false, position);
}

void TBookmarks::BookmarkButtonMouseDown(int index, TMouseButton button, unsigned shift) {
  // The mouse-button flags do not count as modifiers; the second press of a double-click does.
  const unsigned modifiers = shift & (ssShift | ssAlt | ssCtrl | ssDouble);
  if (button == TMouseButton::Left && modifiers == 0) {
    GoToBookmark(index);
  } else if (button == TMouseButton::Right && modifiers == 0) {
    SetBookmarkHere(index);
  } else if (button == TMouseButton::Right && modifiers == ssCtrl) {
    Bookshelf.Remove(book_.FileName(), index);
    UpdateBookshelfButtons();  // the auto button takes the book off the shelf
  }
  UpdateBookmarkButtons();
  richEdit_.SetFocus();
}

bool TBookmarks::KeyDown(WORD key, unsigned shift) {
  if (!(shift & ssAlt)) return false;
  if (key >= '1' && key <= '5') {
    BookmarkButtonMouseDown(key - '0', TMouseButton::Left, 0);
  } else if (key == 'A') {
    BookmarkButtonMouseDown(0, TMouseButton::Left, 0);
  } else if (key == 'O') {
    Controls.OpenBookshelfButton.Click();
  } else if (key == 'P') {
    Controls.PutBookshelfButton.Click();
  } else {
    return false;
  }
  return true;
}

std::string TBookmarks::BookToOpenAtStart() const {
  return Controls.AutoLoadLastCheckBox.Checked() ? Bookshelf.LastBook() : std::string();
}

void TBookmarks::Load(const TStoredTextList& store) {
  Bookshelf.Load(store);
  UpdateBookshelfButtons();
}

void TBookmarks::Save(TStoredTextList& store) {
  UpdateAutoBookmark(true);
  Bookshelf.Save(store);
}

}  // namespace qv::app
