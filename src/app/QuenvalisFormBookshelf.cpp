// The bookshelf and the bookmarks: the put, open and remove buttons, the six
// bookmark buttons, their keys, and the auto-bookmark that follows the reading.
#include <shlwapi.h>

#include "app/BookControls.h"
#include "app/OptionBinding.h"
#include "app/OptionControls.h"
#include "app/QuenvalisForm.h"
#include "bookshelf/BookshelfView.h"
#include "errors/Dialogs.h"
#include "errors/Guard.h"
#include "paths/AnsiText.h"
#include "platform/FileServices.h"
#include "richbox/RichOps.h"
#include "util/Numbers.h"

namespace qv::app {

bool TQuenvalisForm::IsBookOpen() {
  return !BookFileName.empty() && !IsDirectory(BookFileName) &&
         PathMatchSpecA(BookFileName.c_str(), "*.txt; *.rtf");
}

int32_t TQuenvalisForm::CurrentPieceNumber() {
  return Book ? Book->CurrentPiece() : 1;
}

void TQuenvalisForm::SetBookmarkHere(int index) {
  if (!IsBookOpen() || IsRichTextEmpty(RichEdit)) return;
  const std::string question = BookmarkOverwriteQuestion(Bookshelf, BookFileName, index);
  if (!question.empty() && !AskQuery(question)) return;
  Bookshelf.SetBookmark(BookFileName, index, CurrentPieceNumber(), GetRichTopPos(RichEdit));
  UpdateBookshelfButtons();
  UpdateBookmarkButtons();
}

void TQuenvalisForm::UpdateAutoBookmark(bool record) {
  if (!Options) return;
  TReadingState state;
  state.AutoBookmarkChecked = Options->AutoBookmarkCheckBox.Checked();
  state.BookOpen = IsBookOpen();
  if (!state.AutoBookmarkChecked || !record || !state.BookOpen) return;
  state.RichTextEmpty = IsRichTextEmpty(RichEdit);
  state.FirstVisibleLine = GetRichFirstVisibleLine(RichEdit);
  state.Piece = CurrentPieceNumber();
  qv::UpdateAutoBookmark(Bookshelf, BookFileName, record, state, GetRichTopPos(RichEdit));
}

void TQuenvalisForm::UpdateBookshelfButtons() {
  const bool any = Bookshelf.Count() > 0;
  Options->OpenBookshelfButton.SetText(BookshelfOpenCaption(Bookshelf.Count()));
  Options->OpenBookshelfButton.SetEnabled(any);
  Options->RemoveBookshelfButton.SetEnabled(any);
}

void TQuenvalisForm::UpdateBookmarkButtons() {
  for (int i = 0; i < BookmarkCount; ++i)
    Options->BookmarkButton(i)->SetText(BookmarkButtonCaption(Bookshelf, BookFileName, i));
}

void TQuenvalisForm::BookshelfSelect(const std::string& fileName, uint8_t mode) {
  if (mode == BookshelfRemove) {
    Bookshelf.Remove(fileName, 0);
    UpdateBookshelfButtons();
    UpdateBookmarkButtons();
  } else {
    OpenBook(fileName, !AnsiSameText(fileName, BookFileName));
  }
}

void TQuenvalisForm::ShowBookshelfMenu(TButton& button, uint8_t mode) {
  Guarded(QV_OP("Bookshelf", "TBookshelf::Dialog", "Failed to show menu."), [&](TFunStatContext&) {
    TOptionControls& o = *Options;
    o.BookshelfMenu = std::make_unique<TPopupMenu>();
    try {
      for (const TBookshelfMenuItem& item : Bookshelf.PrepareMenu(mode)) {
        const int32_t tag = item.Tag;
        o.BookshelfMenu->Add(MenuCaption(item.Caption), [this, tag] { Bookshelf.MenuItemChosen(tag); });
      }
      const POINT corner = button.ClientToScreen({0, button.ClientHeight()});
      o.ShowMenu(*o.BookshelfMenu, Handle(), corner);
    } catch (...) {
      o.BookshelfMenu.reset();
      throw;
    }
  });
  RichEdit.SetFocus();
}

void TQuenvalisForm::GoToBookmark(int index) {
  int32_t piece = 1;
  const int32_t position = Bookshelf.GetBookmark(BookFileName, index, &piece);
  if (position < 0) return;
  if (piece == CurrentPieceNumber()) ShowRichPosAtTop(RichEdit, position);
  else LoadFromFile("", piece, false, position);
}

void TQuenvalisForm::BookmarkButtonMouseDown(int index, TMouseButton button, unsigned shift) {
  // The mouse-button flags do not count as modifiers; the second press of a double-click does.
  const unsigned modifiers = shift & (ssShift | ssAlt | ssCtrl | ssDouble);
  if (button == TMouseButton::Left && modifiers == 0) {
    GoToBookmark(index);
  } else if (button == TMouseButton::Right && modifiers == 0) {
    SetBookmarkHere(index);
  } else if (button == TMouseButton::Right && modifiers == ssCtrl) {
    Bookshelf.Remove(BookFileName, index);
    UpdateBookshelfButtons();  // the auto button takes the book off the shelf
  }
  UpdateBookmarkButtons();
  RichEdit.SetFocus();
}

bool TQuenvalisForm::PersistenceKeyDown(WORD key, unsigned shift) {
  if (!(shift & ssAlt) || !Options) return false;
  if (key >= '1' && key <= '5') {
    BookmarkButtonMouseDown(key - '0', TMouseButton::Left, 0);
  } else if (key == 'A') {
    BookmarkButtonMouseDown(0, TMouseButton::Left, 0);
  } else if (key == 'O') {
    Options->OpenBookshelfButton.Click();
  } else if (key == 'P') {
    Options->PutBookshelfButton.Click();
  } else {
    return false;
  }
  return true;
}

}  // namespace qv::app
