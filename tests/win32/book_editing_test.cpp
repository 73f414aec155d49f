// Editing and saving the book under wine: the save questions, the extension
// rules, round trips of plain and rich text, and a failed write that keeps the
// old file.
#include "BookTestSupport.h"

namespace qv::testing {
namespace {

void TypeText(win::TRichEdit& box, const std::string& text) {
  for (char c : text) SendMessageA(box.Handle(), WM_CHAR, WPARAM(static_cast<unsigned char>(c)), 0);
}

void AllowEditing(app::TQuenvalisForm& f) {
  f.Book.Controls.AllowEditingCheckBox.SetChecked(true);
  f.Book.Controls.AllowEditingCheckBox.OnClick();
}

TEST(BookSaving, EditedTextRoundTripsAsPlainAndRichText) {
  TBookForms forms;
  auto& f = forms.F();
  TAnsweringFileDialogs dialogs;
  ASSERT_TRUE(f.Book.OpenBook(WriteTestFile("edit.txt", "Alpha line\r\nBeta line\r\n"), true));
  AllowEditing(f);
  f.RichEdit.SetFocus();
  f.RichEdit.SetSelection(0, 0);
  TypeText(f.RichEdit, "New ");
  f.Book.RefreshBookStatus();
  EXPECT_EQ(f.Book.Controls.ModifiedLabel.Caption(), "Text is MODIFIED");
  const std::string text = f.RichEdit.GetText();
  ASSERT_EQ(text, "New Alpha line\r\nBeta line\r\n\r\n***** End of Book *****\r\n");
  // What is saved is the book: the end marker shown after it is not the book's.
  const std::string book = "New Alpha line\r\nBeta line\r\n";

  // Plain text: no paragraph prefix was used, so that question comes first.
  const std::string txt = TestDirectory() + "saved-plain";
  DeleteFileA((txt + ".txt").c_str());
  dialogs.answer = txt;
  forms.boxes.answers = {IDYES};
  ASSERT_TRUE(f.Book.SaveFile());
  EXPECT_EQ(dialogs.proposed, TestDirectory() + "edit");
  ASSERT_EQ(forms.boxes.shown.size(), 2u);
  EXPECT_EQ(forms.Shown(0).rfind("You are trying to save text without a paragraph prefix, to a\n", 0), 0u);
  EXPECT_EQ(forms.Shown(1), "The book was saved.");
  EXPECT_EQ(ReadWholeFile(txt + ".txt"), book);
  EXPECT_FALSE(f.RichEdit.GetModified());
  f.Book.RefreshBookStatus();
  EXPECT_EQ(f.Book.Controls.ModifiedLabel.Caption(), "Text is NOT modified");

  // Rich text under an upper-case extension: no prefix question.
  const std::string rtf = TestDirectory() + "saved-rich.RTF";
  DeleteFileA(rtf.c_str());
  forms.boxes.shown.clear();
  dialogs.answer = rtf;
  ASSERT_TRUE(f.Book.SaveFile());
  ASSERT_EQ(forms.boxes.shown.size(), 1u);
  EXPECT_EQ(ReadWholeFile(rtf).rfind("{\\rtf", 0), 0u);
  EXPECT_EQ(ReadWholeFile(rtf).find("End of Book"), std::string::npos);
  ASSERT_TRUE(f.Book.OpenBook(rtf, true));
  EXPECT_EQ(f.RichEdit.GetText(), book);

  // Reading the plain file back shows the same text, with one end marker.
  ASSERT_TRUE(f.Book.OpenBook(txt + ".txt", true));
  EXPECT_EQ(f.RichEdit.GetText(), text);
}

TEST(BookSaving, OverwritingTheOpenBookAsksTwiceAndNoKeepsIt) {
  TBookForms forms;
  auto& f = forms.F();
  TAnsweringFileDialogs dialogs;
  const std::string path = WriteTestFile("same.txt", "Original\r\n");
  ASSERT_TRUE(f.Book.OpenBook(path, true));
  AllowEditing(f);
  f.RichEdit.SetSelection(0, 0);
  TypeText(f.RichEdit, "X");
  dialogs.answer = path;
  forms.boxes.answers = {IDYES, IDYES, IDNO};
  EXPECT_FALSE(f.Book.SaveFile());
  ASSERT_EQ(forms.boxes.shown.size(), 3u);
  EXPECT_EQ(forms.Shown(1), "Book already exists. Overwrite it?");
  EXPECT_EQ(forms.Shown(2), "You are trying to overwrite the opened book. Continue?");
  EXPECT_EQ(ReadWholeFile(path), "Original\r\n");
  EXPECT_TRUE(f.RichEdit.GetModified());

  // Cancelling the dialog changes nothing and asks nothing.
  forms.boxes.shown.clear();
  dialogs.answer.clear();
  EXPECT_FALSE(f.Book.SaveFile());
  EXPECT_TRUE(forms.boxes.shown.empty());

  // Opening another book asks about the edits first; No drops them.
  forms.boxes.answers = {IDNO};
  ASSERT_TRUE(f.Book.OpenBook(WriteTestFile("other.txt", "Other\r\n"), true));
  EXPECT_EQ(forms.Shown(0), "Text has been edited. Save it?");
  EXPECT_EQ(ReadWholeFile(path), "Original\r\n");
}

TEST(BookSaving, AFailedWriteKeepsTheOldFile) {
  TBookForms forms;
  auto& f = forms.F();
  TAnsweringFileDialogs dialogs;
  const std::string dir = TestDirectory() + "locked\\";
  CreateDirectoryA(dir.c_str(), nullptr);
  const std::string target = dir + "keep.txt";
  SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
  {
    HANDLE h = CreateFileA(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD n = 0;
    WriteFile(h, "old book\r\n", 10, &n, nullptr);
    CloseHandle(h);
  }
  // A read-only book in a read-only folder, held open by another program that
  // shares nothing, cannot be replaced. (Under wine running as root the
  // attributes alone do not stop a write; the open handle does.)
  SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY);
  SetFileAttributesA(dir.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY);
  HANDLE holder = CreateFileA(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  ASSERT_TRUE(f.Book.OpenBook(WriteTestFile("source.txt", "New text\r\n"), true));
  AllowEditing(f);
  TypeText(f.RichEdit, "!");
  dialogs.answer = target;
  forms.boxes.answers = {IDYES, IDYES};
  std::string report;
  AfterDelay(300, [&] {
    report = forms.error->MainMemo.Text();
    forms.error->OkayButton.Click();
  });
  EXPECT_FALSE(f.Book.SaveFile());
  EXPECT_NE(report.find("Failed to save."), std::string::npos) << report;
  CloseHandle(holder);
  EXPECT_EQ(ReadWholeFile(target), "old book\r\n");
  EXPECT_TRUE(f.RichEdit.GetModified());
  SetFileAttributesA(dir.c_str(), FILE_ATTRIBUTE_DIRECTORY);
  SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
  // No temporary file is left beside the book.
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((dir + "*.tmp").c_str(), &found);
  EXPECT_EQ(search, INVALID_HANDLE_VALUE);
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
  f.RichEdit.SetModified(false);
}

TEST(BookSaving, OnlyAWholeBookWithTextIsSavedOrPrinted) {
  TBookForms forms;
  auto& f = forms.F();
  f.Book.BookFileName.clear();
  f.RichEdit.Clear();
  EXPECT_FALSE(f.Book.CheckOnePiece());
  EXPECT_EQ(forms.Shown(0), "There is no text to process.");
  forms.boxes.shown.clear();
  f.Book.Controls.PieceSize.Box.SetText("10000");
  ASSERT_TRUE(f.Book.OpenBook(WriteTestFile("twopieces.txt", NumberedLines(300, 50)), true));
  EXPECT_FALSE(f.Book.Controls.AllowEditingCheckBox.Enabled());
  EXPECT_FALSE(f.Book.SaveFile());
  f.Book.PrintBookButtonClick();
  EXPECT_EQ(forms.Shown(0), "The book must be loaded in one piece.");
  EXPECT_EQ(forms.Shown(1), "The book must be loaded in one piece.");
  EXPECT_EQ(forms.boxes.shown[0].caption, "Warning");
  // A whole book asks before printing; No prints nothing.
  ASSERT_TRUE(f.Book.OpenBook(WriteTestFile("print.txt", "Print me\r\n"), true));
  forms.boxes.shown.clear();
  forms.boxes.answers = {IDNO};
  f.Book.PrintBookButtonClick();
  EXPECT_EQ(forms.Shown(0), "Print text?");
}

TEST(BookSaving, PrintingWithNoPrinterSaysNoPrinterWasFound) {
  if (win::TRichEdit::DefaultPrinterExists()) GTEST_SKIP() << "this system has a printer";
  TBookForms forms;
  auto& f = forms.F();
  ASSERT_TRUE(f.Book.OpenBook(WriteTestFile("print.txt", "Print me\r\n"), true));
  forms.boxes.answers = {IDYES};
  const std::string report = ErrorReportOf(forms, [&] { f.Book.PrintBookButtonClick(); });
  EXPECT_EQ(report.rfind("DESCRIPTION\r\nFailed to print.\r\n", 0), 0u) << report;
  EXPECT_NE(report.find("* Description: \"No printer was found.\""), std::string::npos) << report;
  EXPECT_EQ(report.find("System error"), std::string::npos) << report;
}

}  // namespace
}  // namespace qv::testing
