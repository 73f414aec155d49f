// Opening books whole and in pieces, the size limits, and moving in the book,
// under wine with the real window and control.
#include "BookTestSupport.h"
#include "platform/Win32Platform.h"
#include "util/Clock.h"
#include "widgets/Application.h"

namespace qv::testing {
namespace {

TEST(BookLoading, PlainBookOpensWholeWithItsEndMarkerAndInformation) {
  TBookForms forms;
  auto& f = forms.F();
  const std::string path = WriteTestFile("whole.txt", "First line\r\nSecond line\nThird\r\n\r\n  \r\n");
  ASSERT_TRUE(f.Book.OpenBook(path, true));
  EXPECT_EQ(f.RichEdit.GetText(), "First line\r\nSecond line\r\nThird\r\n\r\n***** End of Book *****\r\n");
  EXPECT_EQ(f.Book.Controls.PiecesLabel.Caption(), "1 piece");
  EXPECT_FALSE(f.Book.Controls.PiecesComboBox.Enabled());
  EXPECT_FALSE(f.Book.Controls.NextPieceButton.Enabled());
  EXPECT_TRUE(f.Book.Controls.AllowEditingCheckBox.Enabled());
  EXPECT_TRUE(f.RichEdit.GetReadOnly());
  EXPECT_FALSE(f.RichEdit.GetModified());
  EXPECT_TRUE(f.RichEdit.Visible());
  EXPECT_TRUE(f.Sidebar.AboutButton.Enabled());
  EXPECT_EQ(f.Book.LoadedInText, "Book opened in 0 seconds");
  EXPECT_EQ(f.CurrentFileInfoLabel.Caption().rfind("\"whole.txt\" in \"testdata\", Windows-1252 (Western)\n", 0), 0u);
  f.Book.RefreshBookStatus();
  EXPECT_EQ(f.Book.Controls.ModifiedLabel.Caption(), "Text is NOT modified");
  EXPECT_EQ(f.Book.Controls.LineNumberLabel.Caption(), "Top line 1 (6 total lines)");
  EXPECT_TRUE(forms.boxes.shown.empty());

  // With enhancement on the book still ends with the marker.
  forms.UseFolderProfile("");
  ASSERT_TRUE(f.Book.OpenBook(path, true));
  const std::string text = f.RichEdit.GetText();
  EXPECT_NE(text.find("***** End of Book *****"), std::string::npos) << text;
}

TEST(BookLoading, PiecesOverlapAndPreviousShowsTheEndOfItsPiece) {
  TBookForms forms;
  auto& f = forms.F();
  f.Book.Controls.PieceSize.Box.SetText("10000");
  const std::string bytes = NumberedLines(500, 50);  // 25000 bytes: three pieces
  const std::string path = WriteTestFile("pieces.txt", bytes);
  ASSERT_TRUE(f.Book.OpenBook(path, true));
  EXPECT_EQ(f.Book.Controls.PiecesComboBox.ItemCount(), 3);
  EXPECT_EQ(f.Book.Controls.PiecesLabel.Caption(), "3 pieces");
  EXPECT_EQ(f.Book.Controls.CurrentPiece(), 1);
  EXPECT_FALSE(f.Book.Controls.AllowEditingCheckBox.Enabled());
  EXPECT_TRUE(f.Book.Controls.NextPieceButton.Enabled());
  EXPECT_FALSE(f.Book.Controls.PreviousPieceButton.Enabled());
  std::string text = f.RichEdit.GetText();
  EXPECT_EQ(text.rfind("L00001 ", 0), 0u);
  // Piece 1 is bytes 0 to 10019: line 201 starts at byte 10000, 20 bytes of it are in.
  EXPECT_NE(text.find(bytes.substr(10000, 20) + "\r\n\r\n***** End of Piece 1 / 3 *****"), std::string::npos);

  WORD key = VK_F6;
  EXPECT_TRUE(f.Book.KeyDown(key, 0));
  EXPECT_EQ(f.Book.Controls.CurrentPiece(), 2);
  text = f.RichEdit.GetText();
  // Piece 2 starts 20 bytes before byte 10000: the last 20 bytes of line 200.
  EXPECT_EQ(text.rfind(bytes.substr(9980, 40), 0), 0u) << text.substr(0, 60);
  EXPECT_NE(text.find("***** End of Piece 2 / 3 *****"), std::string::npos);
  EXPECT_EQ(GetRichFirstVisibleLine(f.RichEdit), 0);
  EXPECT_TRUE(f.Book.Controls.PreviousPieceButton.Enabled());

  key = VK_F7;
  EXPECT_TRUE(f.Book.KeyDown(key, 0));
  EXPECT_EQ(f.Book.Controls.CurrentPiece(), 1);
  const int32_t lines = GetRichLineCount(f.RichEdit);
  EXPECT_GT(GetRichFirstVisibleLine(f.RichEdit), lines / 2);  // the end of the piece is in view
  EXPECT_TRUE(IsRichCaretVisible(f.RichEdit));

  f.Book.Controls.PiecesComboBox.SetItemIndex(2);
  f.Book.Controls.PiecesComboBox.OnChange();
  text = f.RichEdit.GetText();
  EXPECT_NE(text.find("L00500 "), std::string::npos);
  EXPECT_NE(text.find("***** End of Book *****"), std::string::npos);
  EXPECT_FALSE(f.Book.Controls.NextPieceButton.Enabled());
  key = VK_F6;  // on the last piece: nothing but the focus
  f.Book.KeyDown(key, 0);
  EXPECT_EQ(f.Book.Controls.CurrentPiece(), 3);

  // "Open in pieces" off: the same book opens whole.
  f.Book.Controls.OpenInPiecesCheckBox.SetChecked(false);
  ASSERT_TRUE(f.Book.OpenBook(path, true));
  EXPECT_EQ(f.Book.Controls.PiecesComboBox.ItemCount(), 1);
  EXPECT_NE(f.RichEdit.GetText().find("L00500 "), std::string::npos);
}

// A refused book leaves the book on display as it was: its text, its place,
// its name and its piece.
void ExpectBookKept(app::TQuenvalisForm& f, const std::string& name, const std::string& text, int32_t top,
                    const std::string& why) {
  EXPECT_EQ(f.Book.BookFileName, name) << why;
  EXPECT_EQ(f.RichEdit.GetText(), text) << why;
  EXPECT_EQ(GetRichFirstVisibleLine(f.RichEdit), top) << why;
  EXPECT_EQ(f.Book.Controls.CurrentPiece(), 1) << why;
  EXPECT_EQ(f.Book.Controls.PiecesComboBox.ItemCount(), 1) << why;
  f.Book.RefreshBookStatus();
  EXPECT_EQ(f.CurrentFileInfoLabel.Caption().find("piece 0"), std::string::npos) << why;
}

TEST(BookLoading, ARefusedBookKeepsTheBookOnDisplayAndAnEmptyOneOpens) {
  TBookForms forms;
  auto& f = forms.F();
  const std::string reading = WriteTestFile("reading.txt", NumberedLines(200, 30));
  ASSERT_TRUE(f.Book.OpenBook(reading, true));
  ScrollRichLineToTop(f.RichEdit, 50);
  const std::string text = f.RichEdit.GetText();
  forms.boxes.shown.clear();
  const std::string big = TestDirectory() + "big.txt";
  HANDLE h = CreateFileA(big.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  LARGE_INTEGER at;
  at.QuadPart = 20000001;
  SetFilePointerEx(h, at, nullptr, FILE_BEGIN);
  SetEndOfFile(h);
  CloseHandle(h);
  EXPECT_FALSE(f.Book.OpenBook(big, true));
  EXPECT_EQ(forms.Shown(0), "You can't open books bigger than 20,000,000 characters.");
  ExpectBookKept(f, reading, text, 50, "too big");
  DeleteFileA(big.c_str());

  forms.boxes.shown.clear();
  f.Book.Controls.OpenInPiecesCheckBox.SetChecked(false);
  const std::string large = WriteTestFile("large.txt", std::string(500001, 'a'));
  forms.boxes.answers = {IDCANCEL};
  EXPECT_FALSE(f.Book.OpenBook(large, true));
  EXPECT_EQ(forms.Shown(0).rfind("You are trying to open in one piece a book bigger than 500,000 characters.\n", 0),
            0u);
  EXPECT_EQ(forms.boxes.shown[0].caption, "Query");
  // The question tells the reader to choose "Cancel": it offers OK and Cancel.
  EXPECT_NE(forms.Shown(0).find("choose \"Cancel\""), std::string::npos);
  EXPECT_EQ(forms.boxes.shown[0].style & 0xF, uint32_t(MB_OKCANCEL));
  ExpectBookKept(f, reading, text, 50, "declined");

  forms.boxes.shown.clear();
  EXPECT_FALSE(f.Book.OpenBook(WriteTestFile("notes.doc", "x"), true));
  EXPECT_FALSE(f.Book.OpenBook(TestDirectory() + "missing.txt", true));
  EXPECT_EQ(forms.Shown(0), "The book is not a valid text file, or it doesn't exist.");
  EXPECT_EQ(forms.Shown(1), "The book is not a valid text file, or it doesn't exist.");
  ExpectBookKept(f, reading, text, 50, "not a book, missing");
  // The book on display deleted meanwhile: a piece chosen again keeps what shows.
  const std::string deleted = WriteTestFile("deleted.txt", "Soon gone.\r\n");
  ASSERT_TRUE(f.Book.OpenBook(deleted, true));
  const std::string shown = f.RichEdit.GetText();
  DeleteFileA(deleted.c_str());
  EXPECT_FALSE(f.Book.LoadFromFile("", 1, false, 0));
  ExpectBookKept(f, deleted, shown, 0, "deleted");

  forms.boxes.shown.clear();
  const std::string empty = WriteTestFile("empty.txt", "");
  EXPECT_FALSE(f.Book.OpenBook(empty, true));
  EXPECT_EQ(forms.Shown(0), "File is empty.");
  EXPECT_EQ(forms.boxes.shown[0].caption, "Message");
  EXPECT_EQ(f.Book.LoadedInText, "Book opened in 0 seconds");
  EXPECT_EQ(f.Book.Controls.PiecesLabel.Caption(), "1 piece");
  EXPECT_TRUE(f.RichEdit.Visible());
}

TEST(BookLoading, RichTextOpensWholeAndNeverAsks) {
  TBookForms forms;
  auto& f = forms.F();
  f.Book.Controls.OpenInPiecesCheckBox.SetChecked(false);
  // Above the one-piece threshold, mostly an ignored destination.
  const std::string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\*\\qvpadding " + std::string(500100, 'p') +
                          "}\\f0 Rich {\\b hello}\\par world}";
  ASSERT_TRUE(f.Book.OpenBook(WriteTestFile("rich.RTF", rtf), true));
  EXPECT_TRUE(forms.boxes.shown.empty());
  EXPECT_EQ(f.RichEdit.GetText().rfind("Rich hello\r\nworld", 0), 0u) << f.RichEdit.GetText();
  EXPECT_EQ(f.Book.Controls.PiecesComboBox.ItemCount(), 1);
  EXPECT_FALSE(f.RichEdit.GetModified());
}

TEST(BookNavigation, FindTwiceGoToLineSpaceAndWheel) {
  TBookForms forms;
  auto& f = forms.F();
  std::string bytes = NumberedLines(300, 30);
  bytes.replace(bytes.find("L00050"), 6, "needle");
  bytes.replace(bytes.find("L00200"), 6, "NEEDLE");
  ASSERT_TRUE(f.Book.OpenBook(WriteTestFile("nav.txt", bytes), true));
  const std::string text = f.RichEdit.GetText();

  f.Book.Controls.FindTextEdit.SetText("needle");
  f.Book.FindNext(false);
  int32_t start = 0, length = 0;
  f.RichEdit.GetSelection(start, length);
  EXPECT_EQ(start, int32_t(text.find("needle")));
  EXPECT_EQ(length, 6);
  WORD key = VK_F3;
  f.Book.KeyDown(key, 0);
  f.RichEdit.GetSelection(start, length);
  EXPECT_EQ(start, int32_t(text.find("NEEDLE")));

  f.Book.Controls.GotoLineEdit.SetText("30");
  f.Book.GotoLine();
  EXPECT_EQ(GetRichFirstVisibleLine(f.RichEdit), 29);
  f.Book.Controls.GotoLineEdit.SetText("99999");  // outside the text: the view stays
  f.Book.GotoLine();
  EXPECT_EQ(GetRichFirstVisibleLine(f.RichEdit), 29);

  ScrollRichLineToTop(f.RichEdit, 0);
  f.RichEdit.SetFocus();
  PostMessageA(f.RichEdit.Handle(), WM_KEYDOWN, VK_SPACE, 0);
  PumpFor(50);
  const int32_t paged = GetRichFirstVisibleLine(f.RichEdit);
  EXPECT_GT(paged, 5);  // Space pages down in the read-only rich-box

  ScrollRichLineToTop(f.RichEdit, 0);
  f.Book.Controls.WheelScrollLines.Box.SetText("15");
  SendMessageA(f.RichEdit.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-WHEEL_DELTA)), 0);
  EXPECT_EQ(GetRichFirstVisibleLine(f.RichEdit), 15);
  EXPECT_TRUE(IsRichCaretVisible(f.RichEdit));
  SendMessageA(f.RichEdit.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(WHEEL_DELTA)), 0);
  EXPECT_EQ(GetRichFirstVisibleLine(f.RichEdit), 0);

  // Down in the read-only rich-box also scrolls the view one line.
  ScrollRichLineToTop(f.RichEdit, 10);
  PostMessageA(f.RichEdit.Handle(), WM_KEYDOWN, VK_DOWN, 0);
  PumpFor(30);
  EXPECT_EQ(GetRichFirstVisibleLine(f.RichEdit), 11);
  PostMessageA(f.RichEdit.Handle(), WM_KEYDOWN, VK_UP, 0);
  PumpFor(30);
  EXPECT_EQ(GetRichFirstVisibleLine(f.RichEdit), 10);

  // Alt+G brings up the "Open" page with the line box focused; F10 is swallowed.
  key = 'G';
  EXPECT_TRUE(f.Book.KeyDown(key, win::ssAlt));
  EXPECT_EQ(key, 0);
  EXPECT_TRUE(f.Book.Controls.GotoLineEdit.Focused());
  EXPECT_EQ(f.Sidebar.ProgramPageControl.ActivePage(), f.Sidebar.ProgramOpenTabSheet);
  key = VK_F10;
  EXPECT_TRUE(f.Book.KeyDown(key, 0));
  key = 'Q';
  EXPECT_FALSE(f.Book.KeyDown(key, win::ssAlt));
}

TEST(BookNavigation, CtrlBDoesNothingAndSpaceTypesWhenEditing) {
  TBookForms forms;
  auto& f = forms.F();
  ASSERT_TRUE(f.Book.OpenBook(WriteTestFile("keys.txt", "some words here\r\n"), true));
  f.Book.Controls.AllowEditingCheckBox.SetChecked(true);
  f.Book.Controls.AllowEditingCheckBox.OnClick();
  EXPECT_FALSE(f.RichEdit.GetReadOnly());
  const std::string before = f.RichEdit.GetText();
  f.RichEdit.SetFocus();
  f.RichEdit.SetSelection(0, 4);
  BYTE keys[256];
  GetKeyboardState(keys);
  BYTE held[256];
  memcpy(held, keys, sizeof held);
  held[VK_CONTROL] = 0x80;
  SetKeyboardState(held);
  PostMessageA(f.RichEdit.Handle(), WM_KEYDOWN, 'B', 0);  // the loop makes its Ctrl+B character
  PumpFor(50);
  SetKeyboardState(keys);
  TCharFormat format;
  f.RichEdit.GetCharFormat(format);
  EXPECT_FALSE(format.Effects & CharEffect::Bold);
  EXPECT_EQ(f.RichEdit.GetText(), before);
  EXPECT_FALSE(f.RichEdit.GetModified());

  f.RichEdit.SetSelection(4, 0);
  PostMessageA(f.RichEdit.Handle(), WM_KEYDOWN, VK_SPACE, 0);
  PumpFor(50);
  EXPECT_EQ(f.RichEdit.GetText().substr(0, 16), "some  words here");
  EXPECT_TRUE(f.RichEdit.GetModified());
  f.RichEdit.SetModified(false);
}

}  // namespace
}  // namespace qv::testing

namespace qv::testing {
namespace {

TEST(BookLoading, ProgressOnceASecondAndACloseRequestStopsTheLoad) {
  TBookForms forms;
  auto& f = forms.F();
  TSteppingClock clock;
  SetSystemClock(&clock);
  f.Book.LoadCrono.Start();
  f.Book.PeriodCrono.Start();
  clock.now += 400;
  f.Book.LoadedInText = "before";
  EXPECT_FALSE(f.Book.ShowLoadProgress(100));  // less than a second: nothing shown
  EXPECT_EQ(f.Book.LoadedInText, "before");
  clock.now += 2600;
  EXPECT_FALSE(f.Book.ShowLoadProgress(1234567));
  EXPECT_EQ(f.Book.LoadedInText, "1,234,567 characters; 3 seconds");
  EXPECT_NE(f.CurrentFileInfoLabel.Caption().find("(1,234,567 characters; 3 seconds)"), std::string::npos);
  // A close request that arrives while the load runs is seen at the next report.
  clock.now += 1000;
  PostMessageA(f.Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(f.Book.ShowLoadProgress(2000000));
  EXPECT_TRUE(f.Book.StopLoading);
  win::InstallWin32Platform();  // the system tick again
  PumpUntil([&] { return f.Handle() == nullptr; }, 2000);
  win::Application().ClearTermination();
}

TEST(BookLoading, ClosingDuringAnEnhancedLoadStopsItAndEndsTheWindow) {
  TBookForms forms;
  auto& f = forms.F();
  forms.UseFolderProfile("");  // enhancement on: progress comes after each paragraph
  std::string book;
  for (int i = 0; i < 400; ++i) book += "Paragraph " + std::to_string(i) + " of a long book.\r\n\r\n";
  const std::string path = WriteTestFile("long.txt", book);
  TSteppingClock clock;
  clock.step = 1100;  // every progress report finds a second gone
  SetSystemClock(&clock);
  PostMessageA(f.Handle(), WM_CLOSE, 0, 0);  // the reader closes the program meanwhile
  f.Book.OpenBook(path, true);
  win::InstallWin32Platform();
  EXPECT_TRUE(f.Book.StopLoading);
  EXPECT_TRUE(f.Text.Enhancer.StopRequested);
  EXPECT_EQ(f.Handle(), nullptr);  // the window closed
  win::Application().ClearTermination();
}

}  // namespace
}  // namespace qv::testing
