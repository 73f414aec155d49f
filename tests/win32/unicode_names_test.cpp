// Books whose names are outside every code page, and books in the code pages
// of other languages, as a reader meets them in the window: a Russian book in
// Windows-1251 named in Cyrillic, opened by each way of opening (the Open
// dialog, a drop, the browser, the bookshelf and, in program_process_test, the
// command line), listed with its name, put on the shelf and found again after
// a restart; the book information naming its encoding; the "Encoding" drop-down.
#include <string>

#include "BookTestSupport.h"
#include "TempFolderTree.h"
#include "encoding/SampleTexts.h"
#include "encoding/TextEncoding.h"
#include "paths/PathStrings.h"
#include "platform/WideText.h"
#include "platform/Win32Platform.h"
#include "richbox/RichOps.h"

namespace qv::testing {
namespace {

const std::string kBookName = u8"Анна Каренина.txt";

// Two pages of the Russian sample in Windows-1251, with its first line a heading.
std::string RussianBook() {
  std::string text;
  for (int i = 0; i < 12; ++i) text += samples::kRussian + "\r\n\r\n";
  return EncodeText(text, TTextEncoding::Windows1251);
}

// What shows that the book is the one named and reads as Russian.
void ExpectRussianBookShown(app::TQuenvalisForm& f, const std::string& path, const char* way) {
  EXPECT_EQ(f.Book.BookFileName, path) << way;
  EXPECT_EQ(f.RichEdit.GetText().rfind(u8"Глава первая. Всё смешалось", 0), 0u) << way;
  const std::string info = f.CurrentFileInfoLabel.Caption();
  EXPECT_EQ(info.rfind("\"" + kBookName + "\" in \"", 0), 0u) << way << ": " << info;
  EXPECT_NE(info.find(", Windows-1251 (Cyrillic)"), std::string::npos) << way << ": " << info;
}

// The shown dialog box of this thread (class "#32770") into *found.
BOOL CALLBACK FindShownDialog(HWND h, LPARAM found) {
  wchar_t cls[16] = L"";
  GetClassNameW(h, cls, 16);
  if (!IsWindowVisible(h) || std::wstring(cls) != L"#32770") return TRUE;
  *reinterpret_cast<HWND*>(found) = h;
  return FALSE;
}

// Drives the real Open dialog: types the name into its file name box and presses
// its default button, once the dialog shows.
void AnswerOpenDialog(const std::string& path, int tries = 60) {
  AfterDelay(100, [path, tries] {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindShownDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog) {
      if (tries > 0) AnswerOpenDialog(path, tries - 1);
      return;
    }
    HWND name = GetDlgItem(dialog, 1148);  // the file name combo box (cmb13)
    if (!name) name = GetDlgItem(dialog, 1152);  // or its edit (edt1)
    SetWindowTextW(name, win::ToWide(path).c_str());
    SendMessageW(dialog, WM_COMMAND, IDOK, 0);
  });
}

// The book in a folder named in Cyrillic, with a profile that shows its lines as they are.
struct TRussianBookTree {
  TempTree tree{u8"qv-имена-"};
  std::string folder = tree.Folder(u8"Книги");
  std::string book = tree.File(std::string(u8"Книги\\") + kBookName, 0, RussianBook());
  std::string other = WriteTestFile("other.txt", "Another book.\r\n");
  TRussianBookTree() { tree.File(u8"Книги\\QuenvalisProfile.fsp", 0, "[Profile_Main]\r\nEnhanceText=FALSE\r\n"); }
};

struct NameForms : TBookForms {
  explicit NameForms(const TRussianBookTree& t) : folder(t.folder), book(t.book), other(t.other) {}
  std::string folder, book, other;
  // Opens the other book first, so that each way must open the Russian one.
  void OpenOther() {
    ASSERT_TRUE(F().Book.OpenBook(other, true));
    ASSERT_NE(F().Book.BookFileName, book);
  }
  void Settle() {
    PumpUntil([this] { return F().Book.BookFileName == book && !F().Book.Loading() && !F().RichEdit.InBurst(); });
    PumpFor(30);
  }
};

TEST(UnicodeNames, ACyrillicBookOpensByEveryWayListedWithItsName) {
  TRussianBookTree tree;
  NameForms forms(tree);
  app::TQuenvalisForm& f = forms.F();

  // The Open dialog, the real one.
  forms.OpenOther();
  f.Book.OpenDialog.Request.InitialDir = forms.folder;
  AnswerOpenDialog(forms.book);
  f.Book.Controls.OpenBookButton.Click();
  forms.Settle();
  ExpectRussianBookShown(f, forms.book, "the Open dialog");

  // A drop from the shell, which names files in UTF-16.
  forms.OpenOther();
  SendMessageW(f.Handle(), WM_DROPFILES, WPARAM(MakeDrop({forms.book})), 0);
  forms.Settle();
  ExpectRussianBookShown(f, forms.book, "a drop");

  // The browser lists the folder and the book by their names, sizes the book,
  // and opens it with Enter.
  forms.OpenOther();
  f.Screen.ShowOpenPage();
  f.Browser.LoadBrowserContent(forms.book);
  PumpFor(30);
  std::vector<std::string> rows;
  for (const TBrowserItem& item : f.Browser.Model().Items()) rows.push_back(item.Caption());
  EXPECT_NE(std::find(rows.begin(), rows.end(), kBookName), rows.end()) << rows.size();
  const int selected = f.Sidebar.BrowserListBox.ItemIndex();
  ASSERT_GE(selected, 0);
  EXPECT_EQ(f.Browser.Model().Items()[size_t(selected)].Text, kBookName);
  RECT r{};
  SendMessageW(f.Sidebar.BrowserListBox.Handle(), LB_GETITEMRECT, WPARAM(selected), LPARAM(&r));
  SendMessageW(f.Sidebar.BrowserListBox.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(r.left + 40, (r.top + r.bottom) / 2));
  const std::string hint = f.HintLabel.Caption();
  EXPECT_NE(hint.find(" SIZE " + app::GroupedNumber(int64_t(RussianBook().size())) + " characters."), std::string::npos)
      << hint;
  EXPECT_NE(hint.find("NAME \"" + kBookName + u8"\" (IN \"Книги\")"), std::string::npos) << hint;
  PostMessageW(f.Sidebar.BrowserListBox.Handle(), WM_KEYDOWN, VK_RETURN, 0);
  forms.Settle();
  ExpectRussianBookShown(f, forms.book, "the browser");
}

// Put on the shelf, the book is stored under its name in a UTF-8 options file
// and opens again at the next start, from the shelf, at its place.
TEST(UnicodeNames, ACyrillicBookOnTheShelfIsFoundAgainAfterARestart) {
  TRussianBookTree tree;
  const std::string& book = tree.book;
  int32_t top = 0;
  {
    NameForms forms(tree);
    app::TQuenvalisForm& f = forms.F();
    ASSERT_TRUE(f.Book.OpenBook(book, true));
    ShowRichPosAtTop(f.RichEdit, GetRichLineStart(f.RichEdit, 20));
    top = GetRichTopPos(f.RichEdit);
    f.Bookmarks.Controls.PutBookshelfButton.Click();
    forms.CloseMain();
  }
  const std::string ini = ReadWholeFile(win::ProgramDirectory() + "Quenvalis.ini");
  EXPECT_EQ(ini.rfind("\xEF\xBB\xBF[Quenvalis_Main]\r\n", 0), 0u);
  EXPECT_NE(ini.find("0=" + book + "\r\n"), std::string::npos) << ini;
  {
    ProgramForms again(true);
    PumpUntil([&] { return again.main->Book.BookFileName == book && !again.main->RichEdit.InBurst(); });
    PumpFor(30);
    app::TQuenvalisForm& g = *again.main;
    ExpectRussianBookShown(g, book, "the last book of the shelf at start");
    EXPECT_EQ(GetRichTopPos(g.RichEdit), top);
    EXPECT_EQ(g.Bookmarks.Bookshelf.LastBook(), book);
    // And from the shelf's menu, by its name.
    ASSERT_TRUE(g.Book.OpenBook(tree.other, true));
    std::string listed;
    g.Bookmarks.ShowMenu = [&](win::TPopupMenu& menu, HWND, POINT) {
      wchar_t caption[MAX_PATH] = L"";
      GetMenuStringW(menu.Handle(), 0, caption, MAX_PATH, MF_BYPOSITION);
      listed = win::FromWide(caption);
      menu.Choose(0);
    };
    g.Bookmarks.Controls.OpenBookshelfButton.Click();
    PumpUntil([&] { return g.Book.BookFileName == book && !g.RichEdit.InBurst(); });
    EXPECT_EQ(listed, book);
    ExpectRussianBookShown(g, book, "the bookshelf");
    again.CloseMain();
  }
}

// The drop-down names "Auto" until the reader chooses; a choice reads the book
// again in it at the same place, names it, and goes with the book's shelf entry.
TEST(UnicodeNames, TheEncodingDropDownReadsTheBookAgainInTheChosenEncodingAndKeepsIt) {
  TRussianBookTree tree;
  {
    NameForms forms(tree);
    app::TQuenvalisForm& f = forms.F();
    win::TComboBox& box = f.Book.Controls.EncodingComboBox;
    ASSERT_TRUE(f.Book.OpenBook(forms.book, true));
    EXPECT_EQ(box.Text(), "Auto");
    EXPECT_TRUE(box.Enabled());
    ShowRichPosAtTop(f.RichEdit, GetRichLineStart(f.RichEdit, 10));
    const int32_t top = GetRichTopPos(f.RichEdit);

    const auto choose = [&](const std::string& caption) {
      box.SetText(caption);
      ASSERT_EQ(box.Text(), caption);
      box.OnChange();
      forms.Settle();
    };
    choose("KOI8-R (Cyrillic)");
    const std::string bytes = RussianBook();
    EXPECT_EQ(f.RichEdit.GetText().rfind(DecodeText(bytes.substr(0, 40), TTextEncoding::Koi8R), 0), 0u);
    EXPECT_NE(f.CurrentFileInfoLabel.Caption().find(", KOI8-R (Cyrillic)"), std::string::npos);
    // The same place: the character at the top stays in the top line (a byte is
    // a character in both; the letters differ, and so do the lines' ends).
    EXPECT_EQ(GetRichLineOfChar(f.RichEdit, top), GetRichFirstVisibleLine(f.RichEdit));
    EXPECT_GT(GetRichFirstVisibleLine(f.RichEdit), 0);
    EXPECT_EQ(box.Text(), "KOI8-R (Cyrillic)");

    // Opened again, the book keeps the choice for the run; "Auto" finds its own again.
    ASSERT_TRUE(f.Book.OpenBook(forms.other, true));
    EXPECT_EQ(box.Text(), "Auto");
    ASSERT_TRUE(f.Book.OpenBook(forms.book, true));
    EXPECT_EQ(box.Text(), "KOI8-R (Cyrillic)");
    choose("Auto");
    ExpectRussianBookShown(f, forms.book, "Auto");

    // A choice of a book on the shelf is stored with it.
    choose("Windows-1250 (Central European)");
    f.Bookmarks.Controls.PutBookshelfButton.Click();
    forms.CloseMain();
  }
  const std::string ini = ReadWholeFile(win::ProgramDirectory() + "Quenvalis.ini");
  EXPECT_NE(ini.find("[Quenvalis_Bookshelf_Encodings]\r\n0=windows-1250\r\n"), std::string::npos) << ini;
  ProgramForms again(true);
  PumpUntil([&] { return again.main->Book.BookFileName == tree.book && !again.main->RichEdit.InBurst(); });
  EXPECT_EQ(again.main->Book.Controls.EncodingComboBox.Text(), "Windows-1250 (Central European)");
  EXPECT_NE(again.main->CurrentFileInfoLabel.Caption().find(", Windows-1250 (Central European)"), std::string::npos);

  // A rich-text book has no encoding to choose.
  ASSERT_TRUE(again.main->Book.OpenBook(WriteTestFile("rich.rtf", "{\\rtf1 Rich.}"), true));
  EXPECT_FALSE(again.main->Book.Controls.EncodingComboBox.Enabled());
  again.CloseMain();
}

// A code page book is saved in its code page while it holds only characters
// the page has; one that gained others is saved as UTF-8 with a mark.
TEST(UnicodeNames, ARussianBookIsSavedInItsCodePageUnlessItGainedCharactersItLacks) {
  TRussianBookTree tree;
  NameForms forms(tree);
  app::TQuenvalisForm& f = forms.F();
  TAnsweringFileDialogs dialogs;
  const struct {
    std::u16string typed;
    TTextEncoding saved;
  } cases[] = {{u"Ж ", TTextEncoding::Windows1251}, {u"\u03A9 ", TTextEncoding::Utf8Bom}};
  for (const auto& c : cases) {
    ASSERT_TRUE(f.Book.OpenBook(forms.book, true));
    f.Book.Controls.AllowEditingCheckBox.SetChecked(true);
    f.Book.Controls.AllowEditingCheckBox.OnClick();
    f.RichEdit.SetFocus();
    f.RichEdit.SetSelection(0, 0);
    for (char16_t unit : c.typed) SendMessageW(f.RichEdit.Handle(), WM_CHAR, WPARAM(unit), 0);
    // The book is what is shown before the end marker, which is not saved.
    const std::string shown = f.RichEdit.GetText();
    const std::string marker = "\r\n***** End of Book *****\r\n";
    ASSERT_GT(shown.size(), marker.size());
    ASSERT_EQ(shown.substr(shown.size() - marker.size()), marker);
    const std::string book = shown.substr(0, shown.size() - marker.size());
    dialogs.answer = TestDirectory() + u8"сохранённая.txt";
    forms.boxes.answers = {IDYES};
    ASSERT_TRUE(f.Book.SaveFile()) << EncodingKey(c.saved);
    EXPECT_TRUE(ReadWholeFile(dialogs.answer) == EncodeText(book, c.saved)) << EncodingKey(c.saved);
    f.Book.Controls.AllowEditingCheckBox.SetChecked(false);
    f.Book.Controls.AllowEditingCheckBox.OnClick();
  }
}

}  // namespace
}  // namespace qv::testing
