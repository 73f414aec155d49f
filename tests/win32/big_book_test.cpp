// A big book opened whole: its first screen shows at once and the rest
// arrives in parts while the reader reads; moves to places not yet there wait
// for them; a close request ends the program within a second in every phase.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "BookTestSupport.h"
#include "ScreenCapture.h"
#include "platform/Win32Platform.h"
#include "widgets/Application.h"

namespace qv::testing {
namespace {

constexpr int kLines = 6000;  // of 64 bytes: 384 KB, many parts

std::string BigBookPath() {
  static const std::string path = WriteTestFile("big.txt", NumberedLines(kLines, 64));
  return path;
}

// The text of the first visible line.
std::string TopLine(app::TQuenvalisForm& f) { return f.RichEdit.GetLineText(GetRichFirstVisibleLine(f.RichEdit)); }

struct TBigBookForms : TBookForms {
  TBigBookForms() { F().Book.Controls.OpenInPiecesCheckBox.SetChecked(false); }
  bool Open() { return F().Book.OpenBook(BigBookPath(), true); }
  bool WaitWhole() { return PumpUntil([this] { return !F().Book.Parts.Pending(); }, 120000); }
};

double Seconds(LARGE_INTEGER from) {
  LARGE_INTEGER now, f;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&f);
  return double(now.QuadPart - from.QuadPart) / double(f.QuadPart);
}

TEST(BigBook, TheFirstScreenIsReadableWhileTheRestArrives) {
  TBigBookForms forms;
  auto& f = forms.F();
  ASSERT_TRUE(forms.Open());
  ASSERT_TRUE(f.Book.Parts.Pending());
  EXPECT_TRUE(f.RichEdit.Visible());
  EXPECT_EQ(TopLine(f).substr(0, 6), "L00001");
  UpdateWindow(f.Handle());
  UpdateWindow(f.RichEdit.Handle());
  const TScreenPixels shot = CaptureWindow(f.RichEdit.Handle());
  EXPECT_FALSE(shot.Uniform({shot.Left, shot.Top, shot.Left + shot.Width, shot.Top + shot.Height / 2}));
  SaveScreenshot(f.Handle(), "big-book-first-screen");
  f.Book.RefreshBookStatus();
  EXPECT_NE(f.CurrentFileInfoLabel.Caption().find("Top line 1 (loading: "), std::string::npos)
      << f.CurrentFileInfoLabel.Caption();
  EXPECT_NE(f.Book.Controls.LineNumberLabel.Caption().find("(loading: "), std::string::npos);
  EXPECT_EQ(f.RichEdit.GetText().find("L06000"), std::string::npos);
  // The reader reads meanwhile: a page down is answered at once.
  SendMessageA(f.RichEdit.Handle(), WM_KEYDOWN, VK_NEXT, 0);
  EXPECT_NE(GetRichFirstVisibleLine(f.RichEdit), 0);

  ASSERT_TRUE(forms.WaitWhole());
  // The scroll bar covers the whole text: at its end the view shows the end.
  SCROLLINFO bar{sizeof bar, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(f.RichEdit.Handle(), SB_VERT, &bar);
  SendMessageA(f.RichEdit.Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, bar.nMax), 0);
  EXPECT_GE(std::atoi(TopLine(f).substr(1, 5).c_str()), kLines - 50) << TopLine(f);
  const std::string text = f.RichEdit.GetText();
  EXPECT_NE(text.find("L06000"), std::string::npos);
  EXPECT_NE(text.find("***** End of Book *****"), std::string::npos);
  EXPECT_FALSE(f.RichEdit.GetModified());
  f.Book.RefreshBookStatus();
  EXPECT_EQ(f.CurrentFileInfoLabel.Caption().find("loading"), std::string::npos);
}

TEST(BigBook, MovesToPlacesNotYetInWaitAndArrive) {
  TBigBookForms forms;
  auto& f = forms.F();
  ASSERT_TRUE(forms.Open());
  ASSERT_TRUE(f.Book.Parts.Pending());
  // Going to a line past the text that is in: the line arrives.
  f.Book.Controls.GotoLineEdit.SetText("5900");
  f.Book.GotoLine();
  EXPECT_FALSE(f.Book.Parts.Pending());
  EXPECT_EQ(TopLine(f).substr(0, 6), "L05900");

  // Opened again at a place in its middle (a bookmark's): that place shows
  // first, and stays in view while the text before it goes in.
  const int32_t place = int32_t(f.RichEdit.GetText().find("L04000"));
  ASSERT_TRUE(f.Book.LoadFromFile("", 1, false, place));
  ASSERT_TRUE(f.Book.Parts.Pending());
  EXPECT_FALSE(f.RichEdit.IsShown(0));
  EXPECT_EQ(TopLine(f).substr(0, 6), "L04000");
  UpdateWindow(f.RichEdit.Handle());
  SaveScreenshot(f.Handle(), "big-book-at-a-bookmark");
  ASSERT_TRUE(forms.WaitWhole());
  EXPECT_EQ(TopLine(f).substr(0, 6), "L04000");
  EXPECT_EQ(GetRichTopPos(f.RichEdit), place);

  // Find runs past what is in, waiting for it.
  ASSERT_TRUE(f.Book.LoadFromFile("", 1, false, 0));
  ASSERT_TRUE(f.Book.Parts.Pending());
  f.Book.Controls.FindTextEdit.SetText("L05990");
  f.Book.FindNext(false);
  EXPECT_EQ(f.RichEdit.GetSelText(), "L05990");
  // Editing waits for the whole text.
  ASSERT_TRUE(f.Book.LoadFromFile("", 1, false, 0));
  f.Book.SetEditing(true);
  EXPECT_FALSE(f.Book.Parts.Pending());
  EXPECT_FALSE(f.RichEdit.GetReadOnly());
}

// A close request in each phase of a big load ends the window within a second.
TEST(BigBook, ACloseRequestEndsTheProgramWithinASecondInEveryPhase) {
  const struct {
    const char* phase;
    bool bookOpenFirst;  // a big book is open whole when the phase starts
    void (*run)(TBigBookForms& forms);
  } phases[] = {
      // Before the load: seen once the first part is shown.
      {"opening", false, [](TBigBookForms& forms) {
         PostMessageA(forms.F().Handle(), WM_CLOSE, 0, 0);
         forms.Open();
       }},
      {"the rest arriving", false, [](TBigBookForms& forms) {
         forms.Open();
         PostMessageA(forms.F().Handle(), WM_CLOSE, 0, 0);
       }},
      {"a move waiting", false, [](TBigBookForms& forms) {
         forms.Open();
         PostMessageA(forms.F().Handle(), WM_CLOSE, 0, 0);
         // Every progress report finds a second gone: the wait looks at its messages at once.
         TSteppingClock clock;
         clock.step = 1100;
         SetSystemClock(&clock);
         EXPECT_FALSE(forms.F().Book.WaitForText(-1));
         win::InstallWin32Platform();  // the system tick again
       }},
      // A big book open whole is cleared for the next.
      {"clearing a big book", true, [](TBigBookForms& forms) {
         PostMessageA(forms.F().Handle(), WM_CLOSE, 0, 0);
         forms.F().Book.LoadFromFile("", 1, false, 0);
       }},
  };
  for (const auto& p : phases) {
    SCOPED_TRACE(p.phase);
    TBigBookForms forms;
    LARGE_INTEGER start;
    if (p.bookOpenFirst) {
      forms.Open();
      forms.WaitWhole();
    }
    QueryPerformanceCounter(&start);
    p.run(forms);
    ASSERT_TRUE(PumpUntil([&] { return forms.F().Handle() == nullptr; }, 10000));
    const double seconds = Seconds(start);
    std::printf("[          ] close while %s: %.2f s\n", p.phase, seconds);
    EXPECT_TRUE(forms.F().Book.StopLoading);
    win::Application().ClearTermination();
  }
}

}  // namespace
}  // namespace qv::testing
