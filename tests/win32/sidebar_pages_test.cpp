// Every sidebar page and every dialog at 96, 120, 144 and 192 DPI, as a screen
// of that scale shows them: the controls fit their groups without overlapping,
// show their captions and values whole, and the window's fonts, rows, margins
// and pictures follow the DPI. The program takes its DPI from WM_DPICHANGED,
// as Windows sends it when the window moves to a screen of another scale, so
// every DPI is tried in one wine session; the system's measures (check boxes,
// arrows) are taken at each DPI with GetSystemMetricsForDpi, as Windows draws
// them for a per-monitor aware program. Screenshots of each page are saved at
// 96 and at 144 DPI (dpi144/) for people.
#include <gtest/gtest.h>

#include <vector>

#include "BookTestSupport.h"
#include "LayoutFaults.h"
#include "ProgramVersion.h"
#include "ReaderChecks.h"
#include "ScreenCapture.h"
#include "SidebarPageList.h"
#include "WineTestSupport.h"
#include "app/install/InstallForm.h"
#include "forms/ColorForm.h"
#include "layout/WindowLayout.h"
#include "widgets/Application.h"
#include "widgets/WindowDpi.h"

namespace qv::testing {
namespace {

using namespace qv::win;

constexpr int kDpis[] = {96, 120, 144, 192};

// Tells the form that it now shows on a screen of dpi, as Windows does: the
// main window on a screen of 1280 x 800 at 96 DPI and as many more pixels as
// the scale gives (1920 x 1200 at 144), a dialog where it is.
void MoveToScreenOfDpi(TForm& form, int dpi) {
  RECT r{0, 0, ScaleToDpi(1280, dpi), ScaleToDpi(800, dpi)};
  if (&form != Application().MainForm) GetWindowRect(form.Handle(), &r);
  SendMessageA(form.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&r));
  PumpFor(50);
}

void AddFaults(std::vector<std::string>& faults, const std::vector<std::string>& more) {
  faults.insert(faults.end(), more.begin(), more.end());
}

int FontPixels(HFONT handle) {
  LOGFONTA font{};
  GetObjectA(handle, sizeof font, &font);
  return -font.lfHeight;
}

// The font a standard control was given.
HFONT GivenFont(const TControl& c) { return reinterpret_cast<HFONT>(SendMessageA(c.Handle(), WM_GETFONT, 0, 0)); }

TEST(SidebarPages, EveryPageFitsAtEveryDpiAndIsPhotographed) {
  ProgramForms forms;
  app::TQuenvalisForm& f = *forms.main;
  PumpUntil([&] { return !f.Book.BookFileName.empty() && !f.RichEdit.InBurst(); }, 5000);
  app::TSidebar& s = f.Sidebar;

  std::vector<std::string> faults;
  f.Screen.SkipNextSidebarChange = false;
  f.Screen.HideSidebar(false);
  for (int dpi : kDpis) {
    MoveToScreenOfDpi(f, dpi);
    const std::string at = " at " + std::to_string(dpi) + " DPI";
    // The book shows as the rich-box paints it whole (but for the caret's
    // blink): the window's own repainting did not cover it.
    EXPECT_LT(StalePixels(f.RichEdit), 100) << at;
    for (const TSidebarPage& p : SidebarPages(s)) {
      ActivateSidebarPage(s, p);
      s.Container_MainPanel.SetVisible(true);
      s.Container_MainPanel.InvalidateWithChildren();
      s.Container_MainPanel.Update();
      AddFaults(faults, LayoutFaults(p.page->Handle(), p.name + at));
      if (dpi == 96) EXPECT_TRUE(SaveScreenshot(s.Container_MainPanel.Handle(), p.name)) << p.name;
      if (dpi == 144) EXPECT_TRUE(SaveScreenshot(s.Container_MainPanel.Handle(), std::string("dpi144\\") + p.name));
    }
    if (dpi == 96) SaveScreenshot(f.Handle(), "window-with-sidebar");
    if (dpi == 144) SaveScreenshot(f.Handle(), "dpi144\\window-with-sidebar");

    // The window's own parts at this DPI: its layout, its fonts, the browser's
    // rows and the screen's picture at the window's size.
    EXPECT_EQ(f.Width(), ScaleToDpi(1280, dpi)) << at;
    TLayoutInput in;
    in.ScreenWidth = f.Width();
    in.ScreenHeight = f.Height();
    in.SidebarWidth = in.OptionsPagesWidth = ScaleToDpi(270, dpi);
    in.ClockWidth = f.ClockLabel.Width();
    in.ClockHeight = ScaleToDpi(20, dpi);
    in.Dpi = dpi;
    const TLayout expected = ComputeLayout(in);
    const RECT sidebar = s.Container_MainPanel.Bounds();
    EXPECT_EQ((TRect{sidebar.left, sidebar.top, sidebar.right - sidebar.left, sidebar.bottom - sidebar.top}),
              expected.Sidebar) << at;
    const RECT hint = f.HintLabel.Bounds();
    EXPECT_EQ(hint.top, expected.HintLabel.Top) << at;
    // Our labels paint with their font handle; a standard control was given its font.
    EXPECT_EQ(FontPixels(f.HintLabel.FontHandle()), ScaleToDpi(11, dpi)) << at;
    EXPECT_EQ(FontPixels(f.ClockLabel.FontHandle()), ScaleToDpi(19, dpi)) << at;
    EXPECT_EQ(FontPixels(GivenFont(s.RichBoxWidthPercentComboBox)), ScaleToDpi(12, dpi)) << at;
    EXPECT_EQ(FontPixels(GivenFont(s.BrowserListBox)), ScaleToDpi(12, dpi)) << at;
    // A row holds a whole line of its font inside the cells' insets (2 pixels
    // above and below at 96 DPI) and above the row's bottom line.
    EXPECT_GE(SendMessageA(s.BrowserListBox.Handle(), LB_GETITEMHEIGHT, 0, 0),
              TControlDC(s.BrowserListBox).LineHeight() + 2 * ScaleToDpi(2, dpi) + 1) << at;
    EXPECT_EQ(f.Images.ScreenBack.Screen.Width(), f.Width()) << at;
  }
  for (const std::string& fault : faults) ADD_FAILURE() << fault;
}

TEST(SidebarPages, OnAScreenOfAnotherDpiTheReaderStaysAtItsPlaceWithScaledMargins) {
  TBookForms forms;
  app::TQuenvalisForm& f = forms.F();
  // Long lines that wrap: a wider rich-box wraps them into fewer lines.
  ASSERT_TRUE(f.Book.OpenBook(WriteTestFile("dpi-place.txt", NumberedLines(300, 240)), true));
  ASSERT_TRUE(f.Book.WaitForText(-1));  // a long book arrives in parts
  const int32_t line150 = static_cast<int32_t>(f.RichEdit.GetText().find("L00150 "));
  ScrollRichLineToTop(f.RichEdit, GetRichLineOfChar(f.RichEdit, line150));
  ASSERT_EQ(GetRichTopPos(f.RichEdit), line150);
  for (int dpi : {144, 96}) {
    const int32_t before = GetRichFirstVisibleLine(f.RichEdit);
    MoveToScreenOfDpi(f, dpi);
    EXPECT_EQ(GetRichTopPos(f.RichEdit), line150) << dpi;
    if (dpi == 144) EXPECT_NE(GetRichFirstVisibleLine(f.RichEdit), before) << "the lines wrapped anew";
    // The margins of 15 pixels at 96 DPI are 23 at 144: the text's rectangle
    // lies that far inside the client area.
    RECT client{}, text{};
    GetClientRect(f.RichEdit.Handle(), &client);
    SendMessageW(f.RichEdit.Handle(), EM_GETRECT, 0, LPARAM(&text));
    EXPECT_EQ(text.left, ScaleToDpi(15, dpi)) << dpi;
    EXPECT_EQ(client.right - text.right, ScaleToDpi(15, dpi)) << dpi;
    // The book's points, drawn by the control at the system's DPI (this
    // session's 96), are zoomed to the screen's.
    WPARAM num = 0;
    LPARAM den = 0;
    SendMessageA(f.RichEdit.Handle(), EM_GETZOOM, WPARAM(&num), LPARAM(&den));
    EXPECT_EQ(num * SystemDpi(), WPARAM(den) * dpi) << dpi;
  }
}

TEST(SidebarPages, TheDialogsFitAtEveryDpi) {
  ProgramForms forms;
  app::TInstallForm installer;
  // The texts the installer shows when it runs as "Install.exe".
  installer.SetupInstaller(ProgramName, ProgramDisplayTitle, ProgramVersionText);
  installer.MainPanel.SetCaption(std::string("Welcome to ") + ProgramName);
  installer.InstallToLabel.SetCaption("The program's installation directory will be put in directory:");
  TColorForm colors(forms.main.get(), 0x196EB9, nullptr);
  struct Dialog { TForm* form; const char* name; int clientWidth; } dialogs[] = {
      {forms.about.get(), "about", 360}, {forms.error.get(), "error", 520},
      {&colors, "stock-colors", 420}, {&installer, "installer", 480}};
  std::vector<std::string> faults;
  for (int dpi : kDpis) {
    for (const Dialog& d : dialogs) {
      MoveToScreenOfDpi(*d.form, dpi);
      const std::string at = std::string(d.name) + " at " + std::to_string(dpi) + " DPI";
      EXPECT_EQ(d.form->ClientWidth(), ScaleToDpi(d.clientWidth, dpi)) << at;
      AddFaults(faults, LayoutFaults(d.form->Handle(), at));
      if (dpi != 144) continue;
      d.form->SetVisible(true);
      SetWindowPos(d.form->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
      d.form->InvalidateWithChildren();
      d.form->Update();
      PumpFor(100);
      EXPECT_TRUE(SaveScreenshot(d.form->Handle(), std::string("dpi144\\") + d.name)) << d.name;
      d.form->SetVisible(false);
    }
    // The colour grid is laid out again for the panel's new size: its last
    // column ends in the panel's last twelfth.
    const int panel = colors.ColorsPanel.ClientWidth();
    const RECT last = colors.Cell(colors.CellCount() - 1).Bounds();
    EXPECT_LE(last.right, panel) << dpi;
    EXPECT_GT(last.right, panel - panel / 12) << dpi;
  }
  for (const std::string& fault : faults) ADD_FAILURE() << fault;
}

}  // namespace
}  // namespace qv::testing
