// A reader's ten minutes under wine, in each colour scheme: books shaped as
// real ones (hard-wrapped prose with quotes and chapters, 50 KB to 500 KB,
// one of them UTF-8) opened by every way a reader opens them, each step
// checked as the reader would look at it — every line ends inside the box,
// nothing is drawn outside it, the line at the top stays through the options
// that lay the text out anew, every text reads on what it is drawn on — and
// photographed in build/screens/reader/.
#include <gtest/gtest.h>

#include <functional>

#include "BookTestSupport.h"
#include "ReaderBooks.h"
#include "ReaderChecks.h"
#include "ScreenCapture.h"
#include "bookshelf/Bookshelf.h"
#include "colors/ColorPanels.h"
#include "colors/Contrast.h"

namespace qv::testing {
namespace {

using app::TQuenvalisForm;

// The folder profile of a colour scheme: the reader's defaults (enhanced
// text, pictures, margins) with the scheme's ten colours.
std::string SchemeProfile(const TColorScheme& scheme) {
  const char* const keys[cpColorPanelCount] = {
      "ScreenBackColor",       "ScreenForeColor",       "RichBoxBackColor", "RichBoxForeColor",
      "EmphaColor",            "SecondEmphaColor",      "BrowserFocusBackColor",
      "BrowserFocusForeColor", "DirTypeBackColor",      "DirTypeForeColor"};
  std::string profile;
  for (size_t i = 0; i < cpColorPanelCount; ++i)
    profile += std::string(keys[i]) + "=" + std::to_string(scheme.Colors[i]) + "\r\n";
  return profile;
}

// What the reader sees after a step, checked and photographed.
void LookAt(TQuenvalisForm& f, const std::string& step) {
  PumpFor(50);
  EXPECT_EQ(Joined(LinesOutsideBox(f.RichEdit)), "") << step;
  EXPECT_EQ(Joined(TextOutsideBox(f)), "") << step;
  for (win::TControl* label : std::initializer_list<win::TControl*>{&f.CurrentFileInfoLabel, &f.ClockLabel})
    EXPECT_GE(PaintedTextContrast(*label), ReadableContrast) << step << ": " << label->Name();
  // The book's words and its quotes read on the picture or colour under them.
  const COLORREF picture = f.Images.RichPictureColor();
  const COLORREF back = picture != CLR_INVALID ? picture : f.Colors.Controls.RichBoxBack.Panel.CurrentColor();
  const std::string text = f.RichEdit.GetText();
  for (const char* word : {"said Alice", "CHAPTER"}) {
    const size_t at = text.find(word);
    if (at == std::string::npos) continue;
    f.RichEdit.SetSelection(int32_t(at), 1);
    TCharFormat format;
    f.RichEdit.GetCharFormat(format);
    EXPECT_GE(ContrastRatio(format.TextColor, back), ReadableContrast) << step << ": " << word;
  }
  f.RichEdit.SetSelection(TopLineStart(f.RichEdit), 0);
  PumpFor(50);
  EXPECT_TRUE(SaveScreenshot(f.Handle(), "reader\\" + step)) << step;
  PressKey(f.RichEdit.Handle(), VK_END, true);
  EXPECT_EQ(StalePixels(f.RichEdit), 0) << step << ", at the end";
  EXPECT_EQ(Joined(LinesOutsideBox(f.RichEdit)), "") << step << ", at the end";
  EXPECT_EQ(Joined(TextOutsideBox(f)), "") << step << ", at the end";
  PressKey(f.RichEdit.Handle(), VK_HOME, true);
}

void Choose(win::TComboBox& box, const std::string& text) {
  box.SetText(text);
  box.OnChange();
}

TEST(ReaderEye, EveryWayOfOpeningEveryKindOfBookInEachScheme) {
  TBookForms forms;
  TQuenvalisForm& f = forms.F();
  TAnsweringFileDialogs dialogs;
  const std::string novel = WriteTestFile("reader-novel.txt", ProseBook(50000, false, 21));
  const std::string longer = WriteTestFile("reader-longer.txt", ProseBook(150000, false, 22));
  const std::string utf8 = WriteTestFile("reader-utf8.txt", ProseBook(120000, true, 23));
  const std::string big = WriteTestFile("reader-big.txt", ProseBook(500000, false, 24));  // in pieces
  const char* const names[] = {"high-light", "low-strain", "low-light"};
  for (int s = 0; s < 3; ++s) {
    forms.UseFolderProfile(SchemeProfile(CColorSchemes[s]));
    const std::string scheme = names[s];
    const struct {
      const char* way;
      std::function<void()> open;
    } ways[] = {
        {"argument", [&] { f.StartArguments = {novel}; f.LoadOnStart(); }},
        {"open-dialog", [&] { dialogs.answer = longer; f.Book.Controls.OpenBookButton.Click(); }},
        {"browser", [&] { f.Browser.LoadBrowserContent(utf8); f.Browser.ActivateBrowserItem(); }},
        {"bookshelf", [&] { f.Bookmarks.BookshelfSelect(big, BookshelfOpen); }},
        {"bookmark",
         [&] {
           f.Bookmarks.Bookshelf.SetBookmark(big, 0, 1, 0);  // on the shelf
           f.Bookmarks.Bookshelf.SetBookmark(big, 1, 3, 2000);
           f.Bookmarks.GoToBookmark(1);
         }},
        {"piece-change", [&] { f.Book.Controls.NextPieceButton.Click(); }},
    };
    int step = 0;
    for (const auto& w : ways) {
      w.open();
      LookAt(f, scheme + "-" + std::to_string(++step) + "-" + w.way);
    }
    EXPECT_EQ(f.Book.BookFileName, big) << scheme;
    EXPECT_EQ(f.Book.CurrentPiece(), 4) << scheme;
    // The options that lay the text out anew keep the line at the top.
    f.Book.Controls.GotoLineEdit.SetText("120");
    f.Book.GotoLine();
    // (Not the zoom: wine's control keeps the widths of the letters it measured
    // before a zoom, see the format options' tests.)
    const std::pair<win::TComboBox*, const char*> reflows[] = {
        {&f.Sidebar.RichBoxWidthPercentComboBox, "60"}, {&f.Text.Controls.FontSize.Box, "19"},
        {&f.Text.Controls.LeftMargin.Box, "40"},        {&f.Sidebar.RichBoxWidthPercentComboBox, "45"},
        {&f.Text.Controls.FontSize.Box, "16"},          {&f.Text.Controls.LeftMargin.Box, "15"}};
    for (const auto& [box, value] : reflows) {
      const int32_t top = TopLineStart(f.RichEdit);
      Choose(*box, value);
      EXPECT_EQ(GetRichLineOfChar(f.RichEdit, top), GetRichFirstVisibleLine(f.RichEdit))
          << scheme << ": " << box->Name() << " " << value;
    }
    LookAt(f, scheme + "-" + std::to_string(++step) + "-reflowed");
  }
}

}  // namespace
}  // namespace qv::testing
