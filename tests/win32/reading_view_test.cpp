// The reading view as a reader sees it under wine: the lines of every book
// end inside the box however it was opened, the sidebar lies over the text,
// and the line at the top stays there through every option that lays the
// text out anew.
#include <gtest/gtest.h>

#include <functional>

#include "BookTestSupport.h"
#include "ReaderBooks.h"
#include "ReaderChecks.h"
#include "ScreenCapture.h"
#include "bookshelf/Bookshelf.h"

namespace qv::testing {
namespace {

using app::TQuenvalisForm;

TEST(ReadingView, EveryWayOfOpeningAfterALongBookKeepsTheLinesInTheBox) {
  TBookForms forms;
  TQuenvalisForm& f = forms.F();
  forms.UseFolderProfile("");  // the reader's defaults: enhanced text, pictures, margins
  TAnsweringFileDialogs dialogs;
  // A long book: clearing it makes the control anew.
  const std::string longBook = WriteTestFile("long.txt", ProseBook(40000));
  // A book of three pieces whose first two are long.
  const std::string pieces = WriteTestFile("pieces.txt", ProseBook(120000, false, 3));
  const struct {
    const char* way;
    std::function<void(const std::string&)> open;
  } ways[] = {
      {"argument", [&](const std::string& book) { f.StartArguments = {book}; f.LoadOnStart(); }},
      {"Open dialog", [&](const std::string& book) { dialogs.answer = book; f.Book.Controls.OpenBookButton.Click(); }},
      {"browser", [&](const std::string& book) { f.Browser.LoadBrowserContent(book); f.Browser.ActivateBrowserItem(); }},
      {"bookshelf", [&](const std::string& book) { f.Bookmarks.BookshelfSelect(book, BookshelfOpen); }},
      {"dropped", [&](const std::string& book) { f.ProcessDroppedFiles(MakeDrop({book}), true); }},
  };
  for (const auto& w : ways) {
    ASSERT_TRUE(f.Book.OpenBook(longBook, true)) << w.way;
    const std::string book = WriteTestFile(std::string("after-") + w.way + ".txt", ProseBook(3000, false, 11));
    w.open(book);
    ASSERT_EQ(f.Book.BookFileName, book) << w.way;
    EXPECT_EQ(Joined(LinesOutsideBox(f.RichEdit)), "") << w.way;
    PressKey(f.RichEdit.Handle(), VK_END, true);
    EXPECT_EQ(Joined(LinesOutsideBox(f.RichEdit)), "") << w.way << ", at the end";
    EXPECT_EQ(Joined(TextOutsideBox(f)), "") << w.way;
  }
  // A bookmark in another piece, and the next piece, each after a long piece.
  ASSERT_TRUE(f.Book.OpenBook(pieces, true));
  ASSERT_EQ(f.Book.Controls.PiecesComboBox.ItemCount(), 3);
  f.Bookmarks.Bookshelf.SetBookmark(pieces, 0, 1, 0);  // on the shelf
  f.Bookmarks.Bookshelf.SetBookmark(pieces, 1, 2, 100);
  f.Bookmarks.GoToBookmark(1);
  ASSERT_EQ(f.Book.CurrentPiece(), 2);
  EXPECT_EQ(Joined(LinesOutsideBox(f.RichEdit)), "") << "bookmark";
  f.Book.Controls.NextPieceButton.Click();
  ASSERT_EQ(f.Book.CurrentPiece(), 3);
  EXPECT_EQ(Joined(LinesOutsideBox(f.RichEdit)), "") << "next piece";
  PressKey(f.RichEdit.Handle(), VK_END, true);
  EXPECT_EQ(Joined(LinesOutsideBox(f.RichEdit)), "") << "next piece, at the end";
  EXPECT_EQ(Joined(TextOutsideBox(f)), "") << "next piece";
}

TEST(ReadingView, TheSidebarLiesWhollyOverAWideRichBox) {
  TBookForms forms;
  TQuenvalisForm& f = forms.F();
  ASSERT_TRUE(f.Book.OpenBook(WriteTestFile("wide.txt", ProseBook(6000)), true));
  f.Sidebar.RichBoxWidthPercentComboBox.SetText("75");
  f.SizesComboBoxChange();
  f.Screen.SkipNextSidebarChange = false;
  f.Screen.HideSidebar(false);
  RECT side{}, box{};
  GetWindowRect(f.Sidebar.Container_MainPanel.Handle(), &side);
  GetWindowRect(f.RichEdit.Handle(), &box);
  RECT common{};
  ASSERT_TRUE(IntersectRect(&common, &side, &box)) << "the box reaches under the sidebar";
  // What lies there is the sidebar's, on the screen as for the pointer.
  const POINT middle{(common.left + common.right) / 2, (common.top + common.bottom) / 2};
  EXPECT_TRUE(IsChild(f.Sidebar.Container_MainPanel.Handle(), WindowFromPoint(middle)));
  auto shot = [&] {
    RedrawWindow(f.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(50);
    return CaptureScreen(side);
  };
  const TScreenPixels over = shot();
  // The rich-box repainting itself changes nothing of the sidebar.
  f.RichEdit.Invalidate();
  PumpFor(50);
  const TScreenPixels afterText = CaptureScreen(side);
  f.RichEdit.SetVisible(false);
  const TScreenPixels alone = shot();
  f.RichEdit.SetVisible(true);
  EXPECT_EQ(over.Pixels, alone.Pixels) << "the rich-box paints over the sidebar";
  EXPECT_EQ(afterText.Pixels, alone.Pixels) << "the rich-box paints over the sidebar as it repaints";
}

TEST(ReadingView, ScrollingOverAPictureLeavesNothingBehind) {
  TBookForms forms;
  TQuenvalisForm& f = forms.F();
  forms.UseFolderProfile("");  // the rich-box's picture under the text
  ASSERT_TRUE(f.Book.OpenBook(WriteTestFile("scroll.txt", ProseBook(20000)), true));
  const HWND h = f.RichEdit.Handle();
  const std::pair<const char*, std::function<void()>> moves[] = {
      {"the scroll bar's arrow", [&] { SendMessageW(h, WM_VSCROLL, SB_LINEDOWN, 0); }},
      {"the wheel", [&] { f.Book.RichEditMouseWheel(-120); }},
      {"Page Down", [&] { PressKey(h, VK_NEXT); }},
      {"the arrow key", [&] { PressKey(h, VK_DOWN); }},
      {"a find", [&] { f.Book.Controls.FindTextEdit.SetText("Alice"); f.Book.FindNext(false); }},
  };
  for (const auto& [name, move] : moves) {
    move();
    EXPECT_EQ(StalePixels(f.RichEdit), 0) << name;
  }
}

// Each option that lays the text out anew, set as the reader sets it.
struct TReflow {
  const char* name;
  std::function<void(TQuenvalisForm&)> change;
};

void Choose(win::TComboBox& box, const std::string& text) {
  box.SetText(text);
  if (box.OnChange) box.OnChange();
}

void Toggle(win::TCheckBox& box) {
  box.SetChecked(!box.Checked());
  if (box.OnClick) box.OnClick();
}

std::vector<TReflow> ReflowingOptions() {
  return {
      {"width 60", [](TQuenvalisForm& f) { Choose(f.Sidebar.RichBoxWidthPercentComboBox, "60"); }},
      {"width 50", [](TQuenvalisForm& f) { Choose(f.Sidebar.RichBoxWidthPercentComboBox, "50"); }},
      {"top 14", [](TQuenvalisForm& f) { Choose(f.Sidebar.RichBoxTopPercentComboBox, "14"); }},
      {"bottom 22", [](TQuenvalisForm& f) { Choose(f.Sidebar.RichBoxBottomPercentComboBox, "22"); }},
      {"font", [](TQuenvalisForm& f) { Choose(f.Text.Controls.FontName.Box, "DejaVu Sans Mono"); }},
      {"size 19", [](TQuenvalisForm& f) { Choose(f.Text.Controls.FontSize.Box, "19"); }},
      {"size 14", [](TQuenvalisForm& f) { Choose(f.Text.Controls.FontSize.Box, "14"); }},
      {"zoom 150", [](TQuenvalisForm& f) { Choose(f.Text.Controls.FontZoom.Box, "150"); }},
      {"zoom 100", [](TQuenvalisForm& f) { Choose(f.Text.Controls.FontZoom.Box, "100"); }},
      {"bold", [](TQuenvalisForm& f) { Toggle(f.Text.Controls.BoldFontCheckBox); }},
      {"char spacing", [](TQuenvalisForm& f) { Choose(f.Text.Controls.CharSpacing.Box, "10"); }},
      {"line spacing", [](TQuenvalisForm& f) { Choose(f.Text.Controls.LineSpacing.Box, "150"); }},
      {"space after", [](TQuenvalisForm& f) { Choose(f.Text.Controls.SpaceAfter.Box, "10"); }},
      {"indent", [](TQuenvalisForm& f) { Choose(f.Text.Controls.FirstLineIndent.Box, "10"); }},
      {"justified", [](TQuenvalisForm& f) { Toggle(f.Text.Controls.JustifiedTextCheckBox); }},
      {"left margin", [](TQuenvalisForm& f) { Choose(f.Text.Controls.LeftMargin.Box, "40"); }},
      {"right margin", [](TQuenvalisForm& f) { Choose(f.Text.Controls.RightMargin.Box, "40"); }},
      {"low light", [](TQuenvalisForm& f) { f.Colors.Controls.SetLowLightColorsButton.Click(); }},
      {"high light", [](TQuenvalisForm& f) { f.Colors.Controls.SetHighLightColorsButton.Click(); }},
  };
}

TEST(ReadingView, EveryReflowingOptionKeepsTheTopLineAtTheTop) {
  TBookForms forms;
  TQuenvalisForm& f = forms.F();
  forms.UseFolderProfile("");
  ASSERT_TRUE(f.Book.OpenBook(WriteTestFile("place.txt", ProseBook(60000)), true));
  f.Book.Controls.GotoLineEdit.SetText("300");
  f.Book.GotoLine();
  for (const TReflow& r : ReflowingOptions()) {
    const int32_t top = TopLineStart(f.RichEdit);
    r.change(f);
    EXPECT_EQ(GetRichLineOfChar(f.RichEdit, top), GetRichFirstVisibleLine(f.RichEdit))
        << r.name << ": the line at the top moved";
    EXPECT_GT(GetRichFirstVisibleLine(f.RichEdit), 0) << r.name;
  }
}

}  // namespace
}  // namespace qv::testing
