// Every text of the window stays readable in every colour scheme, read from
// the pixels the screen shows: each label, caption, check box and list value
// of every sidebar page, and the lines and the clock over the screen, with and
// without the screen's picture. Every page is photographed in each scheme.
#include <gtest/gtest.h>

#include <functional>

#include "BookTestSupport.h"
#include "ReaderBooks.h"
#include "ReaderChecks.h"
#include "ScreenCapture.h"
#include "colors/Contrast.h"

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

struct TPage {
  TTabSheet* outer;
  TPageControl* inner;
  TTabSheet* page;
  const char* name;
};

std::vector<TPage> SidebarPages(app::TSidebar& s) {
  return {
      {s.ProgramOptionsTabSheet, &s.ProgramPageControl, s.ProgramOpenTabSheet, "program-open"},
      {s.ProgramOptionsTabSheet, &s.ProgramPageControl, s.ProgramGeneralTabSheet, "program-general"},
      {s.ProgramOptionsTabSheet, &s.ProgramPageControl, s.ProgramMiscTabSheet, "program-misc"},
      {s.ProfileOptionsTabSheet, &s.ProfilePageControl, s.ProfileGeneralTabSheet, "profile-general"},
      {s.ProfileOptionsTabSheet, &s.ProfilePageControl, s.ProfileColorsTabSheet, "profile-colors"},
      {s.ProfileOptionsTabSheet, &s.ProfilePageControl, s.ProfileFormatTabSheet, "profile-format"},
      {s.ProfileOptionsTabSheet, &s.ProfilePageControl, s.ProfileMiscTabSheet, "profile-misc"},
      {s.ConvertMeasureTabSheet, nullptr, s.ConvertMeasureTabSheet, "convert"},
  };
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
    for (const TPage& p : SidebarPages(s)) {
      s.Container_OptionsPageControl.SetActivePage(p.outer);
      if (p.inner) p.inner->SetActivePage(p.page);
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
