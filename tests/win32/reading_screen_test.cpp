// The reading screen under wine: the rich-box shown once a book is, its scroll
// bar, whole lines at the top of the view, the frame read back from the screen,
// the web links of a book and the help's sections.
#include <gtest/gtest.h>

#include <algorithm>

#include "BookTestSupport.h"
#include "ReaderChecks.h"
#include "ScreenCapture.h"
#include "platform/Help.h"
#include "widgets/Application.h"

namespace qv::testing {
namespace {

// How far the line at the top of the view is scrolled out, in pixels (0: a whole line).
int TopLineCut(win::TRichEdit& rich) {
  RECT text{};
  SendMessageW(rich.Handle(), EM_GETRECT, 0, LPARAM(&text));
  auto top = [&](LRESULT line) {
    POINTL p{};
    SendMessageW(rich.Handle(), EM_POSFROMCHAR, WPARAM(&p), SendMessageW(rich.Handle(), EM_LINEINDEX, line, 0));
    return int(p.y);
  };
  LRESULT first = SendMessageW(rich.Handle(), EM_GETFIRSTVISIBLELINE, 0, 0);
  // The line above the first one named may still show its lower part.
  if (first > 0 && top(first) > text.top && top(first - 1) < text.top) --first;
  return std::max(0, int(text.top) - top(first));
}

// The scroll bar as the screen shows it: its strip at the right of the rich-box is not blank.
bool ScrollBarShown(win::TRichEdit& rich) {
  PumpFor(100);
  RECT r;
  GetWindowRect(rich.Handle(), &r);
  const RECT bar{r.right - GetSystemMetrics(SM_CXVSCROLL), r.top, r.right, r.bottom};
  return !CaptureScreen(bar).Uniform(bar);
}

TEST(ReadingScreen, TheRichBoxShowsOnceABookIsShownWithItsVerticalScrollBarOnly) {
  ProgramForms forms(false, false);  // no activation: no start-up book
  app::TQuenvalisForm& f = *forms.main;
  EXPECT_FALSE(f.RichEdit.Visible());
  ASSERT_TRUE(f.Book.OpenBook(WriteTestFile("short.txt", "One short line.\r\n"), true));
  EXPECT_TRUE(f.RichEdit.Visible());
  EXPECT_TRUE(ScrollBarShown(f.RichEdit));
  // The lines wrap: there is no horizontal scroll bar, also after the view went to the end.
  ScrollRichToEnd(f.RichEdit);
  EXPECT_FALSE(GetWindowLongA(f.RichEdit.Handle(), GWL_STYLE) & WS_HSCROLL);
}

TEST(ReadingScreen, TheEndKeysTheFindAndThePreviousPieceLeaveAWholeLineAtTheTop) {
  TBookForms forms;
  app::TQuenvalisForm& f = forms.F();
  f.Book.Controls.PieceSize.Box.SetText("10000");
  const std::string book = WriteTestFile("lines.txt", NumberedLines(600, 40));  // 24000 bytes: 3 pieces
  ASSERT_TRUE(f.Book.OpenBook(book, true));
  ASSERT_GE(f.Book.Controls.PiecesComboBox.ItemCount(), 2);

  // Ctrl+End, as the control's own key.
  PressKey(f.RichEdit.Handle(), VK_END, true);
  PumpFor(20);
  EXPECT_EQ(TopLineCut(f.RichEdit), 0) << "after Ctrl+End";

  f.Book.Controls.FindTextEdit.SetText("L00120");
  WORD f3 = VK_F3;
  f.FormKeyDown(f3, 0);
  EXPECT_EQ(TopLineCut(f.RichEdit), 0) << "after F3";

  ASSERT_TRUE(f.Book.LoadFromFile("", 2, false, 0));
  WORD f7 = VK_F7;
  f.FormKeyDown(f7, 0);
  EXPECT_EQ(f.Book.CurrentPiece(), 1);
  EXPECT_EQ(TopLineCut(f.RichEdit), 0) << "after F7";
}

TEST(ReadingScreen, TheFrameIsDrawnOnePixelAroundTheRichBoxAndGoesAtOnce) {
  TBookForms forms;
  app::TQuenvalisForm& f = forms.F();
  // A plain screen colour around the rich-box, and the window above every other.
  forms.UseFolderProfile("EnhanceText=FALSE\r\nUseScreenBackImage=FALSE\r\nUseRichBackImage=FALSE\r\n");
  ASSERT_TRUE(f.Book.OpenBook(WriteTestFile("framed.txt", "A framed book.\r\n"), true));
  SetWindowPos(f.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  RECT box;
  GetWindowRect(f.RichEdit.Handle(), &box);
  const POINT origin{box.left, box.top};
  const int w = box.right - box.left, h = box.bottom - box.top;
  auto framePixels = [&] {
    const TScreenPixels shot = CaptureScreen({origin.x - 2, origin.y - 2, origin.x + w + 2, origin.y + h + 2});
    // The left, top, right and bottom edges, one pixel outside the rich-box and its scroll bar.
    return std::vector<COLORREF>{shot.At(origin.x - 1, origin.y + h / 2), shot.At(origin.x + w / 2, origin.y - 1),
                                 shot.At(origin.x + w, origin.y + h / 2), shot.At(origin.x + w / 2, origin.y + h)};
  };
  PumpFor(100);
  const COLORREF back = CaptureScreen().At(origin.x - 10, origin.y + h / 2);  // the window's own colour
  for (COLORREF c : framePixels()) EXPECT_EQ(c, back) << "no border and no frame while it is off";

  f.Screen.ShowFrameCheckBox.SetChecked(true);
  f.Screen.ShowFrameCheckBoxClick();
  PumpFor(100);  // what the window drew reaches the screen
  for (COLORREF c : framePixels()) EXPECT_EQ(c, RGB(0, 0, 0)) << "the frame in the screen's fore colour";

  f.Screen.ShowFrameCheckBox.SetChecked(false);
  f.Screen.ShowFrameCheckBoxClick();
  PumpFor(100);
  for (COLORREF c : framePixels()) EXPECT_EQ(c, back) << "gone at once when unchecked";
}

// A left click on a detected link, as the control reports it to the window.
void ClickLink(app::TQuenvalisForm& f, const std::string& link) {
  const std::string text = f.RichEdit.GetText();
  const size_t at = text.find(link);
  ASSERT_NE(at, std::string::npos) << link;
  // The control counts a break as one character.
  LONG breaks = 0;
  for (size_t p = text.find("\r\n"); p != std::string::npos && p < at; p = text.find("\r\n", p + 2)) ++breaks;
  ENLINK notice{};
  notice.nmhdr.hwndFrom = f.RichEdit.Handle();
  notice.nmhdr.idFrom = UINT_PTR(GetDlgCtrlID(f.RichEdit.Handle()));
  notice.nmhdr.code = EN_LINK;
  notice.msg = WM_LBUTTONDOWN;
  notice.chrg.cpMin = LONG(at) - breaks;
  notice.chrg.cpMax = notice.chrg.cpMin + LONG(link.size());
  SendMessageW(f.Handle(), WM_NOTIFY, notice.nmhdr.idFrom, LPARAM(&notice));
}

TEST(ReadingScreen, AClickOnAWebLinkOpensItAndNothingElseOfABookReachesTheShell) {
  TBookForms forms;
  app::TQuenvalisForm& f = forms.F();
  ASSERT_TRUE(f.Book.OpenBook(WriteTestFile("links.txt",
                                            "See http://example.org/page here.\r\n"
                                            "And file:///C:/windows/notepad.exe there.\r\n"
                                            "Or www.gutenberg.org too.\r\n"),
                              true));
  TRecordingShell shell;
  ClickLink(f, "http://example.org/page");
  ASSERT_EQ(shell.requests.size(), 1u);
  EXPECT_EQ(shell.requests[0].File, "http://example.org/page");
  int32_t start = 0, length = -1;
  f.RichEdit.GetSelection(start, length);
  EXPECT_EQ(start, int32_t(f.RichEdit.GetText().find("http://")));
  EXPECT_EQ(length, 0);

  ClickLink(f, "www.gutenberg.org");
  ASSERT_EQ(shell.requests.size(), 2u);
  EXPECT_EQ(shell.requests[1].File, "http://www.gutenberg.org");

  const std::string report = ErrorReportOf(forms, [&] { ClickLink(f, "file:///C:/windows/notepad.exe"); });
  EXPECT_NE(report.find("Failed to open site."), std::string::npos) << report;
  EXPECT_NE(report.find("TQuenvalisForm::NewWindowProc"), std::string::npos) << report;
  EXPECT_EQ(shell.requests.size(), 2u);  // refused before the shell

  // A web page the shell cannot open is reported the same way.
  shell.succeed = false;
  EXPECT_NE(ErrorReportOf(forms, [&] { ClickLink(f, "http://example.org/page"); }).find("Failed to open site."),
            std::string::npos);
}

TEST(ReadingScreen, HelpOpensTheSectionOfItsContext) {
  ProgramForms forms;
  app::TQuenvalisForm& f = *forms.main;
  TRecordingShell shell;
  f.Sidebar.HelpButton.Click();
  WORD t = 'T';
  f.FormKeyDown(t, win::ssCtrl);
  forms.error->HelpButton.Click();
  ASSERT_EQ(shell.requests.size(), 3u);
  const char* contexts[] = {"#ctx100", "#ctx10000", "#ctx200"};
  for (size_t i = 0; i < 3; ++i) {
    const std::string& file = shell.requests[i].File;
    EXPECT_EQ(file.rfind("file:///", 0), 0u) << file;
    EXPECT_EQ(file.substr(file.size() - std::string(contexts[i]).size()), contexts[i]) << file;
    // The section exists in the help file.
    EXPECT_NE(ReadWholeFile(win::HelpFileName()).find(std::string("id=\"") + (contexts[i] + 1) + "\""),
              std::string::npos)
        << contexts[i];
  }
}

}  // namespace
}  // namespace qv::testing
