// Every text of the window stays readable in every colour scheme, read from
// the pixels the screen shows: each label, caption, check box and list value
// of every sidebar page, and the lines and the clock over the screen, with and
// without the screen's picture; on a dark scheme the tabs and the buttons are
// dark too; colours chosen as badly as can be still give readable texts.
// Every page is photographed in each scheme.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <map>

#include "BookTestSupport.h"
#include "ReaderBooks.h"
#include "ReaderChecks.h"
#include "ScreenCapture.h"
#include "SidebarPageList.h"
#include "colors/Contrast.h"
#include "widgets/BrowserRowPainter.h"

namespace qv::testing {
namespace {

using app::TQuenvalisForm;
using namespace qv::win;

struct TScheme {
  const char* name;
  TButton& (*button)(TQuenvalisForm&);
};
const TScheme kSchemes[] = {
    {"high-light", [](TQuenvalisForm& f) -> TButton& { return f.Colors.Controls.SetHighLightColorsButton; }},
    {"low-strain", [](TQuenvalisForm& f) -> TButton& { return f.Colors.Controls.SetLowStrainColorsButton; }},
    {"low-light", [](TQuenvalisForm& f) -> TButton& { return f.Colors.Controls.SetLowLightColorsButton; }},
};

// The controls with a text of their own under a window, in every group.
void TextControls(HWND parent, std::vector<TControl*>& found) {
  for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
    // Not a disabled control: its grayed look is the system's sign that it is inactive.
    if (!IsWindowVisible(h) || !IsWindowEnabled(h)) continue;
    TControl* c = TControl::FromHandle(h);
    const bool texted = c && (dynamic_cast<TLabel*>(c) || dynamic_cast<TCheckBox*>(c) ||
                              dynamic_cast<TGroupBox*>(c) || dynamic_cast<TComboBox*>(c));
    if (texted && !c->Text().empty()) found.push_back(c);
    TextControls(h, found);
  }
}

void ExpectReadable(TControl& c, const std::string& where) {
  const double contrast = PaintedTextContrast(c);
  EXPECT_GE(contrast, ReadableContrast) << where << ": " << c.Name() << " \"" << c.Text() << "\"";
}

// The sidebar shown at the page of the Open tab.
void ShowOpenPage(TQuenvalisForm& f) {
  f.Screen.SkipNextSidebarChange = false;
  f.Screen.HideSidebar(false);
  ActivateSidebarPage(f.Sidebar, SidebarPages(f.Sidebar)[0]);
  PumpFor(50);
}

TEST(ReadableColors, EveryTextOfEveryPageReadsInEachScheme) {
  TBookForms forms;
  TQuenvalisForm& f = forms.F();
  forms.UseFolderProfile("");  // the reader's defaults, the pictures among them
  ASSERT_TRUE(f.Book.OpenBook(WriteTestFile("schemes.txt", ProseBook(4000)), true));
  f.InfoTimer.SetEnabled(false);  // the tick rewrites the labels it refreshes
  app::TSidebar& s = f.Sidebar;
  for (const TScheme& scheme : kSchemes) {
    scheme.button(f).Click();
    f.Screen.SkipNextSidebarChange = false;
    f.Screen.HideSidebar(false);
    for (const TSidebarPage& p : SidebarPages(s)) {
      ActivateSidebarPage(s, p);
      PumpFor(50);
      EXPECT_TRUE(SaveScreenshot(s.Container_MainPanel.Handle(), std::string("schemes\\") + p.name + "-" + scheme.name));
      std::vector<TControl*> texts;
      TextControls(p.page->Handle(), texts);
      for (TControl* c : texts) ExpectReadable(*c, std::string(scheme.name) + ", " + p.name);
    }
    f.Screen.HideSidebar(true);
  }
}

TEST(ReadableColors, TheLinesAndTheClockOverTheScreenReadInEachScheme) {
  TBookForms forms;
  TQuenvalisForm& f = forms.F();
  for (const char* pictures : {"", "UseScreenBackImage=FALSE\r\nUseRichBackImage=FALSE\r\n"}) {
    forms.UseFolderProfile(pictures);
    ASSERT_TRUE(f.Book.OpenBook(WriteTestFile("lines.txt", ProseBook(3000)), true));
    f.InfoTimer.SetEnabled(false);
    f.HintLabel.SetCaption("A hint shown under the book");
    for (const TScheme& scheme : kSchemes) {
      scheme.button(f).Click();
      const std::string where = std::string(scheme.name) + (*pictures ? ", no picture" : ", picture");
      for (TControl* c : std::initializer_list<TControl*>{&f.CurrentFileInfoLabel, &f.HintLabel, &f.ClockLabel})
        ExpectReadable(*c, where);
    }
  }
}

// A face and what is written on it, read from the screen: the colour most of
// the rectangle (screen coordinates) shows, and the contrast of the pixel that
// stands out from it most.
struct TFace {
  COLORREF color = 0;
  double caption = 0;
};

TFace FaceIn(RECT r) {
  InflateRect(&r, -3, -3);  // inside the edges the system or the face draws
  const TScreenPixels shot = CaptureScreen(r);
  std::map<COLORREF, int> counts;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) ++counts[shot.At(x, y)];
  TFace face;
  int most = 0;
  for (const auto& [color, count] : counts)
    if (count > most) most = count, face.color = color;
  for (const auto& [color, count] : counts) face.caption = std::max(face.caption, ContrastRatio(color, face.color));
  return face;
}

RECT ScreenRectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

TEST(ReadableColors, OnADarkSchemeTheTabsAndTheButtonsAreDarkWithReadableCaptions) {
  TBookForms forms;
  TQuenvalisForm& f = forms.F();
  ASSERT_TRUE(f.Book.OpenBook(WriteTestFile("dark.txt", ProseBook(3000)), true));
  f.InfoTimer.SetEnabled(false);
  f.Colors.Controls.SetLowLightColorsButton.Click();
  f.RichEdit.SetFocus();  // no focus rectangle on a button
  ShowOpenPage(f);
  app::TSidebar& s = f.Sidebar;
  auto expectDark = [](const RECT& r, const std::string& what) {
    const TFace face = FaceIn(r);
    EXPECT_LT(RelativeLuminance(face.color), 0.2) << what << " is drawn light";
    EXPECT_GE(face.caption, ReadableContrast) << what;
  };
  for (TPageControl* tabs : {&s.Container_OptionsPageControl, &s.ProgramPageControl})
    for (int i = 0; i < tabs->PageCount(); ++i) {
      RECT tab{};
      SendMessageW(tabs->Handle(), TCM_GETITEMRECT, WPARAM(i), LPARAM(&tab));
      MapWindowPoints(tabs->Handle(), nullptr, reinterpret_cast<POINT*>(&tab), 2);
      expectDark(tab, "the tab " + tabs->Page(i)->Text());
    }
  for (TButton* b : {&s.HelpButton, &s.AboutButton, &s.CloseProgramButton, &s.HideProgramButton,
                     &f.Book.Controls.OpenBookButton, &f.Book.Controls.SaveBookButton})
    expectDark(ScreenRectOf(b->Handle()), "the button " + b->Text());
}

TEST(ReadableColors, ColoursChosenLikeWhatTheyAreDrawnOnStillGiveReadableTexts) {
  TBookForms forms;
  TQuenvalisForm& f = forms.F();
  forms.UseFolderProfile("UseScreenBackImage=FALSE\r\nUseRichBackImage=FALSE\r\n");
  ASSERT_TRUE(f.Book.OpenBook(WriteTestFile("alike.txt", "Plain words, then \"quoted words\" here.\r\n"), true));
  f.InfoTimer.SetEnabled(false);
  TAnsweringChooser chooser;
  f.Colors.Chooser = &chooser;
  // Each text colour chosen as its background: black on black, white on white.
  const std::pair<TColorPanelId, uint32_t> choices[] = {
      {cpScreenBack, 0x000000},       {cpScreenFore, 0x000000},       {cpRichBoxBack, 0xFFFFFF},
      {cpRichBoxFore, 0xFFFFFF},      {cpEmpha, 0xFFFFFF},            {cpBrowserFocusBack, 0x808080},
      {cpBrowserFocusFore, 0x808080}, {cpDirTypeBack, 0x000000},      {cpDirTypeFore, 0x000000}};
  for (const auto& [panel, color] : choices) {
    chooser.answer = color;
    f.Colors.PanelMouseUp(panel, TMouseButton::Left);
  }
  f.Colors.Chooser = nullptr;
  f.HintLabel.SetCaption("A hint shown under the book");
  for (TControl* c : std::initializer_list<TControl*>{&f.CurrentFileInfoLabel, &f.HintLabel, &f.ClockLabel})
    ExpectReadable(*c, "over the screen");
  const std::string text = f.RichEdit.GetText();
  for (const char* word : {"Plain", "quoted"}) {
    f.RichEdit.SetSelection(int32_t(text.find(word)), 1);
    TCharFormat format;
    f.RichEdit.GetCharFormat(format);
    EXPECT_GE(ContrastRatio(format.TextColor, 0xFFFFFF), ReadableContrast) << word;
  }
  ShowOpenPage(f);
  app::TSidebar& s = f.Sidebar;
  std::vector<TControl*> texts;
  TextControls(s.ProgramOpenTabSheet->Handle(), texts);
  for (TControl* c : texts) ExpectReadable(*c, "on the sidebar");
  // The browser's highlighted row, whose two colours are alike.
  const int row = s.BrowserListBox.ItemIndex();
  ASSERT_GE(row, 0);
  RECT item{};
  SendMessageW(s.BrowserListBox.Handle(), LB_GETITEMRECT, WPARAM(row), LPARAM(&item));
  MapWindowPoints(s.BrowserListBox.Handle(), nullptr, reinterpret_cast<POINT*>(&item), 2);
  {
    win::TControlDC dc(s.BrowserListBox);  // selects the list's font
    item.left += win::BrowserTypeCellWidth(dc, item.bottom - item.top, s.BrowserListBox.Dpi()) + 1;  // the name cell
  }
  item.right = std::min(item.right, item.left + 40);  // where the name's letters stand
  EXPECT_GE(FaceIn(item).caption, ReadableContrast) << "the highlighted row";
}

TEST(ReadableColors, TheBooksTextAndItsQuotesReadOnWhatTheyStandOnInEachScheme) {
  TBookForms forms;
  TQuenvalisForm& f = forms.F();
  for (const char* pictures : {"", "UseScreenBackImage=FALSE\r\nUseRichBackImage=FALSE\r\n"}) {
    forms.UseFolderProfile(pictures);
    ASSERT_TRUE(f.Book.OpenBook(WriteTestFile("quotes.txt", "Plain words, then \"quoted words\" here.\r\n"), true));
    const std::string text = f.RichEdit.GetText();
    for (const TScheme& scheme : kSchemes) {
      scheme.button(f).Click();
      // What the text stands on: the picture's own colour, or the rich-box's.
      const COLORREF picture = f.Images.RichPictureColor();
      const COLORREF back = picture != CLR_INVALID ? picture : f.Colors.Controls.RichBoxBack.Panel.CurrentColor();
      for (const char* word : {"Plain", "quoted"}) {
        f.RichEdit.SetSelection(int32_t(text.find(word)), 1);
        TCharFormat format;
        f.RichEdit.GetCharFormat(format);
        EXPECT_GE(ContrastRatio(format.TextColor, back), ReadableContrast)
            << scheme.name << (*pictures ? ", no picture: " : ", picture: ") << word;
      }
    }
  }
}

}  // namespace
}  // namespace qv::testing
