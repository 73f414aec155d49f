// The controls of the program options that persistence owns: the dictionary,
// miscellaneous, system-integration and print groups of the "Program" pages,
// and the bookshelf group with the six bookmark buttons. (The book group is
// full with the book's own controls; "Open in pieces", the piece size and the
// wheel lines are the book controls' and are bound by name.)
#pragma once
#include <functional>
#include <memory>

#include "app/QuenvalisForm.h"

namespace qv::app {

struct TOptionControls {
  explicit TOptionControls(TSidebar& s);

  // "Dictionary"
  TEdit DictionaryTitleEdit;
  TButton ChangeDictionaryButton;
  TCheckBox ClipboardForDicCheckBox;
  // "Miscellaneous options"
  TCheckBox AutoSaveProfileCheckBox, AutoBookmarkCheckBox, AutoLoadLastCheckBox;
  // "System integration"
  TCheckBox ForceRichEdit3CheckBox;
  // "Print text"
  TLabel PrintLeftMarginLabel, PrintRightMarginLabel, PrintTopMarginLabel, PrintBottomMarginLabel;
  TComboBox PrintLeftMarginComboBox, PrintRightMarginComboBox, PrintTopMarginComboBox,
      PrintBottomMarginComboBox;
  // "Bookshelf"
  TButton PutBookshelfButton, OpenBookshelfButton, RemoveBookshelfButton;
  // The bookmark buttons, in the bookshelf group below its buttons: 0 is the auto-bookmark.
  TButton BookmarkAutoButton, Bookmark1Button, Bookmark2Button, Bookmark3Button, Bookmark4Button,
      Bookmark5Button;
  TButton* BookmarkButton(int index);
  // The last bookshelf menu shown, and how it is shown (tests answer it themselves).
  std::unique_ptr<TPopupMenu> BookshelfMenu;
  std::function<void(TPopupMenu&, HWND owner, POINT corner)> ShowMenu;
};

// A menu caption that shows every character as it is ("&" is no accelerator mark).
std::string MenuCaption(const std::string& text);

// Makes an edit read-only and shows it in the button-face colour.
void MakeReadOnlyEdit(TEdit& edit);
// Items of a combo box from the option table's entry for its key.
void FillFromOption(TComboBox& box, const char* key);

}  // namespace qv::app
