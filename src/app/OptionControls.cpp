#include "app/OptionControls.h"

#include "options/OptionSchema.h"

namespace qv::app {

void MakeReadOnlyEdit(TEdit& edit) {
  SendMessageA(edit.Handle(), EM_SETREADONLY, TRUE, 0);
  edit.SetColor(GetSysColor(COLOR_BTNFACE));
}

std::string MenuCaption(const std::string& text) {
  std::string caption;
  for (char c : text) {
    caption += c;
    if (c == '&') caption += '&';
  }
  return caption;
}

void FillFromOption(TComboBox& box, const char* key) {
  const TOptionEntry* opt = FindOption(ProgramOptionTable(), key);
  if (!opt) opt = FindOption(ProfileMainTable(), key);
  if (opt) box.SetItems(opt->Items);
}

namespace {
const char* const kBookmarkHint =
    "A bookmark in the currently opened book. If \"*\" is present after the caption, it "
    "indicates that the bookmark is set. Click [LMB] to go to it. Click [RMB] to set it at the "
    "currently displayed top line. Click [Ctrl + RMB] to clear it.";
}  // namespace

TOptionControls::TOptionControls(TSidebar& s)
    : DictionaryTitleEdit(&s.DictionaryOptionsGroupBox, "DictionaryTitleEdit", 8, 20, 185, 21),
      ChangeDictionaryButton(&s.DictionaryOptionsGroupBox, "ChangeDictionaryButton", "Load", 197,
                             19, 45, 23),
      ClipboardForDicCheckBox(&s.DictionaryOptionsGroupBox, "ClipboardForDicCheckBox",
                              "Use clipboard for dictionary", 8, 50, 230, 20),
      AutoSaveProfileCheckBox(&s.MiscellaneousOptionsGroupBox, "AutoSaveProfileCheckBox",
                              "Auto save profile", 8, 20, 230, 20),
      AutoBookmarkCheckBox(&s.MiscellaneousOptionsGroupBox, "AutoBookmarkCheckBox",
                           "Auto bookmark", 8, 44, 230, 20),
      AutoLoadLastCheckBox(&s.MiscellaneousOptionsGroupBox, "AutoLoadLastCheckBox",
                           "Auto load last book", 8, 68, 230, 20),
      ForceRichEdit3CheckBox(&s.SystemOptionsGroupBox, "ForceRichEdit3CheckBox",
                             "Force Rich-edit 3", 8, 20, 230, 20),
      PrintLeftMarginLabel(&s.PrintGroupBox, "PrintLeftMarginLabel", "Left", 8, 26, 60, 18),
      PrintRightMarginLabel(&s.PrintGroupBox, "PrintRightMarginLabel", "Right", 128, 26, 62, 18),
      PrintTopMarginLabel(&s.PrintGroupBox, "PrintTopMarginLabel", "Top", 8, 58, 60, 18),
      PrintBottomMarginLabel(&s.PrintGroupBox, "PrintBottomMarginLabel", "Bottom", 128, 58, 62,
                             18),
      PrintLeftMarginComboBox(&s.PrintGroupBox, "PrintLeftMarginComboBox", 70, 22, 50, false),
      PrintRightMarginComboBox(&s.PrintGroupBox, "PrintRightMarginComboBox", 192, 22, 50, false),
      PrintTopMarginComboBox(&s.PrintGroupBox, "PrintTopMarginComboBox", 70, 54, 50, false),
      PrintBottomMarginComboBox(&s.PrintGroupBox, "PrintBottomMarginComboBox", 192, 54, 50, false),
      PutBookshelfButton(&s.BookshelfGroupBox, "PutBookshelfButton", "&Put", 8, 22, 70, 25),
      OpenBookshelfButton(&s.BookshelfGroupBox, "OpenBookshelfButton", "&Open (0)", 88, 22, 75, 25),
      RemoveBookshelfButton(&s.BookshelfGroupBox, "RemoveBookshelfButton", "Remove", 172, 22, 70,
                            25),
      BookmarkAutoButton(&s.BookshelfGroupBox, "BookmarkAutoButton", "&Auto", 8, 58, 52, 25),
      Bookmark1Button(&s.BookshelfGroupBox, "Bookmark1Button", "&1", 62, 58, 34, 25),
      Bookmark2Button(&s.BookshelfGroupBox, "Bookmark2Button", "&2", 98, 58, 34, 25),
      Bookmark3Button(&s.BookshelfGroupBox, "Bookmark3Button", "&3", 134, 58, 34, 25),
      Bookmark4Button(&s.BookshelfGroupBox, "Bookmark4Button", "&4", 170, 58, 34, 25),
      Bookmark5Button(&s.BookshelfGroupBox, "Bookmark5Button", "&5", 206, 58, 34, 25) {
  MakeReadOnlyEdit(DictionaryTitleEdit);
  DictionaryTitleEdit.SetText(FindOption(ProgramOptionTable(), "DictionaryTitle")->Text);
  DictionaryTitleEdit.SetHint("File title of dictionary program");
  ChangeDictionaryButton.SetHint("Change the dictionary program");
  ClipboardForDicCheckBox.SetHint("Use the clipboard to query the dictionary");
  ClipboardForDicCheckBox.SetChecked(true);

  AutoSaveProfileCheckBox.SetHint(
      "Save the current profile automatically before another profile is loaded and when the "
      "program is closed");
  AutoBookmarkCheckBox.SetHint(
      "For books that are on the bookshelf, a bookmark is automatically saved at the last "
      "displayed position, unless that position is the beginning of the book (the first 5 lines)");
  AutoLoadLastCheckBox.SetHint("Open the last book of the bookshelf when the program starts");
  for (TCheckBox* box : {&AutoSaveProfileCheckBox, &AutoBookmarkCheckBox, &AutoLoadLastCheckBox})
    box->SetChecked(true);

  ForceRichEdit3CheckBox.SetHint("Use this option before you open a book.");

  struct TMargin {
    TComboBox& Box;
    const char* Key;
    const char* Side;
  };
  for (const TMargin& m : {TMargin{PrintLeftMarginComboBox, "PrintLeftMargin", "left"},
                           TMargin{PrintRightMarginComboBox, "PrintRightMargin", "right"},
                           TMargin{PrintTopMarginComboBox, "PrintTopMargin", "top"},
                           TMargin{PrintBottomMarginComboBox, "PrintBottomMargin", "bottom"}}) {
    FillFromOption(m.Box, m.Key);
    m.Box.SetText(std::to_string(FindOption(ProgramOptionTable(), m.Key)->Default));
    m.Box.SetHint(std::string("Space between paper ") + m.Side + "-margin and text");
  }

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
  ShowMenu = [](TPopupMenu& menu, HWND owner, POINT corner) { menu.Popup(owner, corner.x, corner.y); };
}

TButton* TOptionControls::BookmarkButton(int index) {
  TButton* buttons[] = {&BookmarkAutoButton, &Bookmark1Button, &Bookmark2Button,
                        &Bookmark3Button,    &Bookmark4Button, &Bookmark5Button};
  return index >= 0 && index < 6 ? buttons[index] : nullptr;
}

}  // namespace qv::app
