// The bookshelf and the bookmarks: the put, open and remove buttons, the six
// bookmark buttons with their keys, the auto-bookmark that follows the
// reading, and the two options that belong to them.
#pragma once
#include <functional>
#include <memory>
#include <string>

#include "app/Sidebar.h"
#include "app/book/Book.h"
#include "app/screen/Screen.h"
#include "bookshelf/Bookshelf.h"
#include "store/StoredTextList.h"
#include "widgets/RichEdit.h"

namespace qv::app {

struct TBookmarkControls {
  explicit TBookmarkControls(TSidebar& sidebar);
  TButton PutBookshelfButton, OpenBookshelfButton, RemoveBookshelfButton;
  // 0 is the auto-bookmark.
  TButton BookmarkAutoButton, Bookmark1Button, Bookmark2Button, Bookmark3Button, Bookmark4Button,
      Bookmark5Button;
  TButton* BookmarkButton(int index);
  // "Miscellaneous options"
  TCheckBox AutoBookmarkCheckBox, AutoLoadLastCheckBox;
};

class TBookmarks {
 public:
  TBookmarks(TSidebar& sidebar, TRichEdit& richEdit, IScreen& screen, IBook& book);

  TBookmarkControls Controls;
  TBookshelf Bookshelf;

  // The auto-bookmark of the book shown, when "Auto bookmark" is on.
  void UpdateAutoBookmark(bool record);
  bool FindAutoBookmark(const std::string& fileName, int32_t& piece, int32_t& position) const;
  void SetBookmarkHere(int index);
  void GoToBookmark(int index);
  void UpdateBookshelfButtons();
  void UpdateBookmarkButtons();
  void BookshelfSelect(const std::string& fileName, uint8_t mode);
  void ShowBookshelfMenu(TButton& button, uint8_t mode);
  void BookmarkButtonMouseDown(int index, TMouseButton button, unsigned shift);
  // Alt+1..5, Alt+A, Alt+O, Alt+P; true when the key was the bookshelf's.
  bool KeyDown(WORD key, unsigned shift);
  // The last book of the shelf when it is to be opened at start; "" otherwise.
  std::string BookToOpenAtStart() const;

  // The shelf in the options file.
  void Load(const TStoredTextList& store);
  void Save(TStoredTextList& store);

  // The last bookshelf menu shown, and how it is shown (tests answer it themselves).
  std::unique_ptr<TPopupMenu> BookshelfMenu;
  std::function<void(TPopupMenu&, HWND owner, POINT corner)> ShowMenu;

 private:
  TRichEdit& richEdit_;
  IScreen& screen_;
  IBook& book_;
};

}  // namespace qv::app
