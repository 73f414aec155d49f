// The main window under wine: start-up, dropped files, the close path, layout.
#include <gtest/gtest.h>
#include <shlobj.h>

#include "WineTestSupport.h"
#include "layout/WindowLayout.h"
#include "widgets/Application.h"

namespace qv::testing {
namespace {

TEST(MainWindow, StartsWithSidebarHiddenAndDefaults) {
  ProgramForms forms;
  app::TQuenvalisForm& f = *forms.main;
  EXPECT_FALSE(f.Sidebar.Container_MainPanel.Visible());
  EXPECT_EQ(GetWindowLongA(f.Handle(), GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);
  EXPECT_TRUE(IsZoomed(f.Handle()));
  EXPECT_EQ(f.Width(), GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(f.Height(), GetSystemMetrics(SM_CYSCREEN));
  EXPECT_EQ(f.Sidebar.RichBoxWidthPercentComboBox.Text(), "45");
  EXPECT_EQ(f.Sidebar.RichBoxTopPercentComboBox.Text(), "10");
  EXPECT_EQ(f.Sidebar.RichBoxBottomPercentComboBox.Text(), "15");
  const std::string detect = f.Text.Controls.DetectRichEdit3Label.Caption();
  EXPECT_TRUE(detect == "Rich-edit 3 is installed." || detect == "Rich-edit 3 is NOT installed.");
  EXPECT_EQ(f.Book.PieceSize, 50000);
  EXPECT_TRUE(f.GdiPlus && f.GdiPlus->Started());
}

TEST(MainWindow, LayoutPlacesTheRichBoxAndFollowsTheSizeCombos) {
  ProgramForms forms;
  app::TQuenvalisForm& f = *forms.main;
  TLayoutInput in;
  in.ScreenWidth = f.Width();
  in.ScreenHeight = f.Height();
  const TLayout expected = ComputeLayout(in);
  RECT r = f.RichEdit.Bounds();
  EXPECT_EQ(r.left, expected.RichBox.Left);
  EXPECT_EQ(r.top, expected.RichBox.Top);
  EXPECT_EQ(r.right - r.left, expected.RichBox.Width);
  EXPECT_EQ(r.bottom - r.top, expected.RichBox.Height);
  EXPECT_EQ(f.HintLabel.Left(), expected.HintLabel.Left);
  // The clock may have grown to the left to fit the time; its right edge stays.
  EXPECT_EQ(f.ClockLabel.Left() + f.ClockLabel.Width(), expected.ClockLeft + 60);
  EXPECT_EQ(f.ClockLabel.Top(), expected.ClockTop);

  f.Sidebar.RichBoxWidthPercentComboBox.SetText("95");
  f.SizesComboBoxChange();
  in.WidthPercent = 95;
  r = f.RichEdit.Bounds();
  EXPECT_EQ(r.right - r.left, ComputeLayout(in).RichBox.Width);
  EXPECT_EQ(f.Sidebar.Container_MainPanel.Left(), 10);
}

TEST(MainWindow, MouseAtTheLeftShowsTheSidebarAndOverTheTextHidesIt) {
  ProgramForms forms;
  app::TQuenvalisForm& f = *forms.main;
  f.Screen.SkipNextSidebarChange = false;
  const int left = f.RichEdit.Left();
  f.FormMouseMove(0, left - 6, 100);
  EXPECT_TRUE(f.Sidebar.Container_MainPanel.Visible());
  f.FormMouseMove(0, left - 5, 100);
  EXPECT_FALSE(f.Sidebar.Container_MainPanel.Visible());
  f.FormMouseMove(0, 0, 100);
  EXPECT_TRUE(f.Sidebar.Container_MainPanel.Visible());
  f.RichEditMouseMove(0, 10, 10);
  EXPECT_FALSE(f.Sidebar.Container_MainPanel.Visible());
  // The first move after start-up is skipped once.
  f.Screen.SkipNextSidebarChange = true;
  f.FormMouseMove(0, 0, 100);
  EXPECT_FALSE(f.Sidebar.Container_MainPanel.Visible());
  EXPECT_FALSE(f.Screen.SkipNextSidebarChange);
}

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

int WindowsInside(HWND parent) {
  int count = 0;
  EnumChildWindows(parent, CountWindow, LPARAM(&count));
  return count;
}

// The sidebar's windows (about 230 of them) are not made before the first book:
// a quiet moment after it makes them, or the reader's first showing of the
// sidebar, with the options it holds.
TEST(MainWindow, TheSidebarIsMadeAfterTheFirstBookOrWhenFirstShownWithItsOptions) {
  for (const bool shownFirst : {false, true}) {
    ProgramForms forms(false, false, false);
    app::TQuenvalisForm& f = *forms.main;
    const std::string width = f.Sidebar.RichBoxWidthPercentComboBox.Text();
    const bool autoSave = f.Persistence.Controls.AutoSaveProfileCheckBox.Checked();
    EXPECT_FALSE(width.empty());
    PumpFor(1200);  // a tick of the clock with no book yet
    const int before = WindowsInside(f.Handle());
    EXPECT_LT(before, 20) << shownFirst;
    if (shownFirst) {
      f.Screen.SkipNextSidebarChange = false;
      f.FormMouseMove(0, 0, 100);
      EXPECT_TRUE(IsWindowVisible(f.Sidebar.Container_MainPanel.Handle()));
    } else {
      win::Application().StartEvents();
      PumpUntil([&] { return !f.Book.BookFileName.empty() && WindowsInside(f.Handle()) > 200; }, 5000);
      EXPECT_FALSE(f.Sidebar.Container_MainPanel.Visible());
    }
    EXPECT_GT(WindowsInside(f.Handle()), 200) << shownFirst;
    char shown[32] = "";
    GetWindowTextA(f.Sidebar.RichBoxWidthPercentComboBox.Handle(), shown, sizeof shown);
    EXPECT_EQ(shown, width);
    EXPECT_EQ(SendMessageA(f.Persistence.Controls.AutoSaveProfileCheckBox.Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED,
              autoSave);
  }
}

TEST(MainWindow, HintOfTheControlUnderTheMouseReachesTheHintLabel) {
  ProgramForms forms;
  app::TQuenvalisForm& f = *forms.main;
  SendMessageA(f.Screen.ShowFrameCheckBox.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(f.HintLabel.Caption(), "Show the frame around the rich-box");
  SendMessageA(f.RichEdit.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(f.HintLabel.Caption(), app::TQuenvalisForm::RichEditHint());
  // A control without a hint of its own shows its group's.
  SendMessageA(f.Sidebar.RichBoxTopPercentLabel.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(f.HintLabel.Caption(), "Set the sizes of the various visual elements");
}

TEST(MainWindow, FirstActivationOpensTheWelcomeBookOnce) {
  // Showing the window activated the application, which opened the welcome book.
  ProgramForms forms;
  app::TQuenvalisForm& f = *forms.main;
  EXPECT_FALSE(app::TQuenvalisForm::IsFirstActivation);
  EXPECT_NE(f.Book.BookFileName.find("Welcome.txt"), std::string::npos);
  EXPECT_NE(f.RichEdit.GetText().find("Welcome to Quenvalis"), std::string::npos);
  EXPECT_TRUE(f.RichEdit.Visible());
  EXPECT_EQ(f.HintLabel.Caption(),
            "Move the mouse cursor to the left side of the rich-box to view the sidebar");
  POINT p;
  GetCursorPos(&p);
  const POINT c = f.HintLabel.ClientToScreen({f.HintLabel.ClientWidth() / 2,
                                              f.HintLabel.ClientHeight() / 2});
  EXPECT_EQ(p.x, c.x);
  EXPECT_EQ(p.y, c.y);
  const std::string book = WriteTestFile("other.txt", "Another book\r\n");
  f.Book.OpenBook(book, false);
  f.ApplicationEventsActivate();  // a later activation opens nothing
  PumpFor(20);
  EXPECT_EQ(f.Book.BookFileName, book);
}

TEST(MainWindow, NoBookShowsNoBookOpened) {
  ProgramForms forms;
  app::TQuenvalisForm& f = *forms.main;
  f.Book.BookFileName.clear();
  f.InfoTimerTimer();
  EXPECT_EQ(f.CurrentFileInfoLabel.Caption(), "No book opened");
  EXPECT_NE(f.ClockLabel.Caption().find(':'), std::string::npos);
}

TEST(MainWindow, ThreeDroppedFilesOpenOnlyTheFirst) {
  ProgramForms forms;
  app::TQuenvalisForm& f = *forms.main;
  const std::string a = WriteTestFile("drop-a.txt", "First dropped book\r\n");
  const std::string b = WriteTestFile("drop-b.txt", "Second dropped book\r\n");
  const std::string c = WriteTestFile("drop-c.txt", "Third dropped book\r\n");
  SendMessageA(f.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({a, b, c})), 0);
  EXPECT_EQ(f.Book.BookFileName, a);
  EXPECT_NE(f.RichEdit.GetText().find("First dropped book"), std::string::npos);
  EXPECT_EQ(f.RichEdit.GetText().find("Second"), std::string::npos);
}

TEST(MainWindow, CloseAsksAboutEditedTextAndEnds) {
  ProgramForms forms;
  app::TQuenvalisForm& f = *forms.main;
  f.RichEdit.SetModified(true);
  forms.boxes.answers = {IDNO};
  forms.CloseMain();
  EXPECT_EQ(forms.main->Handle(), nullptr);
  EXPECT_TRUE(forms.main->Book.StopLoading);
  ASSERT_EQ(forms.boxes.shown.size(), 1u) << forms.boxes.shown.back().text;
  EXPECT_EQ(forms.boxes.shown[0].caption, "Query");
  EXPECT_EQ(forms.boxes.shown[0].text, "Text has been edited. Save it?");
}

TEST(MainWindow, CloseWithoutEditsAsksNothing) {
  ProgramForms forms;
  forms.CloseMain();
  EXPECT_EQ(forms.main->Handle(), nullptr);
  EXPECT_TRUE(forms.boxes.shown.empty());
}

TEST(MainWindow, EscapeMinimisesAndRestoreRestartsTheTimer) {
  ProgramForms forms;
  app::TQuenvalisForm& f = *forms.main;
  WORD key = VK_ESCAPE;
  f.FormKeyDown(key, 0);
  PumpFor(50);
  EXPECT_TRUE(IsIconic(f.Handle()));
  EXPECT_FALSE(f.InfoTimer.Enabled());
  ShowWindow(f.Handle(), SW_RESTORE);
  PumpFor(50);
  EXPECT_TRUE(f.InfoTimer.Enabled());
}

}  // namespace
}  // namespace qv::testing

namespace qv::testing {
namespace {

TEST(MainWindow, LongParagraphsWrapInsideTheRichBox) {
  ProgramForms forms;
  app::TQuenvalisForm& f = *forms.main;
  std::string paragraph;
  for (int i = 0; i < 60; ++i) paragraph += "word" + std::to_string(i) + " ";
  const std::string book = WriteTestFile("wrap.txt", paragraph + "\r\n");
  ASSERT_TRUE(f.Book.OpenBook(book, false));
  PumpFor(50);
  // One paragraph and the end marker, but the paragraph takes several lines.
  EXPECT_GT(f.RichEdit.GetLineCount(), 4);
}

}  // namespace
}  // namespace qv::testing
