// The rich-box interface over the real Rich Edit control: positions mapped
// between two characters per break and the control's one, bursts, view and search.
#include <gtest/gtest.h>

#include <sstream>

#include "WineTestSupport.h"
#include "richbox/RichOps.h"

namespace qv::testing {
namespace {

// Paragraph p: a unique token, then filler of varying length; every seventh is empty.
std::string Paragraph(int p) {
  if (p % 7 == 3) return std::string();
  return "w" + std::to_string(p) + "x" + std::string(size_t(p % 5) * 3, 'a');
}

std::string ExpectedText(int count) {
  std::string text;
  for (int p = 0; p < count; ++p) text += Paragraph(p) + "\r\n";
  return text;
}

// The program's forms once the start-up book is in: the tests then own the rich-box.
struct TBoxForms : ProgramForms {
  TBoxForms() { PumpUntil([this] { return !main->Book.BookFileName.empty() && !main->RichEdit.InBurst(); }, 5000); PumpFor(50); }
};

void CheckMapping(IRichBox& box, const std::string& expected) {
  ASSERT_EQ(box.GetText(), expected);
  ASSERT_EQ(box.GetTextLength(), int32_t(expected.size()));
  for (size_t at = 0; at < expected.size(); at += 7) {
    if (expected[at] == '\n') continue;  // between CR and LF is no place of the control
    box.SetSelection(int32_t(at), 3);
    int32_t start = -1, length = -1;
    box.GetSelection(start, length);
    EXPECT_EQ(start, int32_t(at));
    EXPECT_EQ(box.GetTextRange(int32_t(at), int32_t(at) + 5), expected.substr(at, 5)) << at;
  }
  // Paragraph starts and ends: the start of each line is where its paragraph begins.
  size_t begin = 0;
  for (int line = 0; begin < expected.size(); ++line) {
    const size_t end = expected.find("\r\n", begin);
    EXPECT_EQ(box.GetLineStart(line), int32_t(begin)) << line;
    EXPECT_EQ(box.GetLineOfChar(int32_t(begin)), line);
    EXPECT_EQ(box.GetLineOfChar(int32_t(end)), line);  // the break belongs to its paragraph
    EXPECT_EQ(box.GetLineText(line), expected.substr(begin, end - begin));
    begin = end + 2;
  }
}

TEST(RichBoxAdapter, MapsPositionsOfManyParagraphsBuiltByAppendsAndByABurst) {
  TBoxForms forms;
  win::TRichEdit& box = forms.main->RichEdit;
  box.Clear();
  for (int p = 0; p < 120; ++p) box.AppendLine(Paragraph(p));
  CheckMapping(box, ExpectedText(120));

  box.Clear();
  {
    TRichUpdate burst(box);
    for (int p = 0; p < 120; ++p) box.AppendLine(Paragraph(p));
    EXPECT_TRUE(box.InBurst());
    EXPECT_EQ(box.GetText(), ExpectedText(120));  // exact inside the burst too
  }
  EXPECT_FALSE(box.InBurst());
  CheckMapping(box, ExpectedText(120));
  const std::string expected = ExpectedText(120);
  EXPECT_EQ(box.SearchText("w100x", 0, -1, true, false), int32_t(expected.find("w100x")));
  EXPECT_EQ(box.SearchText("w10x", 0, int32_t(expected.size()), false, false), int32_t(expected.find("w10x")));
}

// Paragraphs whose every eleventh one starts with two red characters, in one burst.
void AppendColouredParagraphs(win::TRichEdit& box, int count) {
  TCharFormat red;
  InitCharFormat2(red);
  red.Mask = CharMask::Color;
  red.TextColor = 0x0000FF;
  for (int p = 0; p < count; ++p) {
    const int32_t start = box.GetTextLength();
    box.AppendLine(Paragraph(p));
    if (p % 11 != 0) continue;
    box.SetSelection(start, 2);
    box.SetCharFormat(red, TFormatTarget::Selection);
  }
  box.SetSelection(0, 0);
}

std::string RichTextOf(win::TRichEdit& box) {
  std::ostringstream rtf;
  box.SaveRichText(rtf);
  return rtf.str();
}

TEST(RichBoxAdapter, ALongContentInPartsShowsItsPlaceFirstAndEndsAsOneBurstWould) {
  TBoxForms forms;
  win::TRichEdit& box = forms.main->RichEdit;
  const int count = 700;
  const std::string expected = ExpectedText(count);
  box.Clear();
  {
    TRichUpdate burst(box);
    AppendColouredParagraphs(box, count);
  }
  const std::string whole = RichTextOf(box);

  box.Clear();
  const int32_t place = int32_t(expected.find("w502x"));
  {
    TRichUpdate burst(box);
    AppendColouredParagraphs(box, count);
    box.EndBurstInParts(place, 1500);
  }
  box.SetModified(false);  // as a load leaves it: the parts to come are no edit
  ASSERT_TRUE(box.PartsPending());
  // The place and what follows it are there, in the content's positions; the start is not yet.
  EXPECT_TRUE(box.IsShown(place));
  EXPECT_FALSE(box.IsShown(0));
  EXPECT_FALSE(box.IsShown(int32_t(expected.size())));
  EXPECT_EQ(box.GetTextRange(place, place + 40), expected.substr(size_t(place), 40));
  EXPECT_EQ(box.SearchText("w522x", 0, -1, true, false), int32_t(expected.find("w522x")));
  EXPECT_LT(box.ShownShare(), 0.5);
  ShowRichPosAtTop(box, place);
  box.SetSelection(place + 1, 2);
  const std::string top = box.GetLineText(GetRichFirstVisibleLine(box));
  EXPECT_EQ(top.substr(0, 5), "w502x");

  for (int parts = 0; box.PartsPending(); ++parts) {
    ASSERT_LT(parts, 200);
    box.ShowNextPart(1000);
    ASSERT_FALSE(box.GetModified()) << parts;
    // The view and the selection stay on their text while the start goes in before them.
    ASSERT_EQ(box.GetLineText(GetRichFirstVisibleLine(box)), top) << parts;
    int32_t start = 0, length = 0;
    box.GetSelection(start, length);
    ASSERT_EQ(start, place + 1);
    ASSERT_EQ(length, 2);
  }
  EXPECT_DOUBLE_EQ(box.ShownShare(), 1.0);
  EXPECT_FALSE(box.GetModified());
  EXPECT_EQ(box.GetText(), expected);
  EXPECT_EQ(box.GetLineOfChar(place), GetRichFirstVisibleLine(box));
  EXPECT_EQ(RichTextOf(box), whole);
}

TEST(RichBoxAdapter, MappingFollowsTheReadersEdits) {
  TBoxForms forms;
  win::TRichEdit& box = forms.main->RichEdit;
  box.Clear();
  for (int p = 0; p < 60; ++p) box.AppendLine(Paragraph(p));
  std::string expected = ExpectedText(60);
  box.SetReadOnly(false);
  box.SetFocus();
  // Typing "Q", Enter, "R" in the middle of paragraph 20 splits it in two.
  const size_t at = expected.find("w20x") + 2;
  box.SetSelection(int32_t(at), 0);
  SendMessageA(box.Handle(), WM_CHAR, 'Q', 0);
  SendMessageA(box.Handle(), WM_KEYDOWN, VK_RETURN, 0);
  SendMessageA(box.Handle(), WM_CHAR, 'R', 0);
  expected.insert(at, "Q\r\nR");
  CheckMapping(box, expected);
  // Deleting the break after paragraph 40 joins two paragraphs.
  const size_t join = expected.find("\r\n", expected.find("w40x"));
  box.SetSelection(int32_t(join), 2);
  SendMessageA(box.Handle(), WM_KEYDOWN, VK_DELETE, 0);
  expected.erase(join, 2);
  CheckMapping(box, expected);
  EXPECT_TRUE(box.GetModified());
}

TEST(RichBoxAdapter, ScrollingAndTheCaret) {
  TBoxForms forms;
  win::TRichEdit& box = forms.main->RichEdit;
  box.Clear();
  for (int p = 0; p < 300; ++p) box.AppendLine("line " + std::to_string(p));
  PumpFor(20);
  const int32_t lines = GetRichLineCount(box);
  ASSERT_GE(lines, 300);

  ScrollRichLineToTop(box, 100);
  EXPECT_EQ(GetRichFirstVisibleLine(box), 100);
  int32_t start = 0, length = 0;
  box.GetSelection(start, length);
  EXPECT_EQ(start, box.GetLineStart(100));
  EXPECT_EQ(length, 0);
  EXPECT_TRUE(IsRichCaretVisible(box));

  box.ScrollLines(50);  // the caret is left above the view
  EXPECT_FALSE(IsRichCaretVisible(box));
  KeepRichCaretVisible(box, 2);
  box.GetSelection(start, length);
  EXPECT_EQ(start, box.GetLineStart(GetRichFirstVisibleLine(box) + 2));
  EXPECT_TRUE(IsRichCaretVisible(box));

  ShowRichPosAtTop(box, box.GetLineStart(40));
  EXPECT_EQ(GetRichFirstVisibleLine(box), 40);
  ShowRichPosAtTop(box, -1);  // nothing moves
  EXPECT_EQ(GetRichFirstVisibleLine(box), 40);
  ShowRichPosAtTop(box, box.GetLineStart(lines - 3));  // the last lines are never put at the top
  EXPECT_LT(GetRichFirstVisibleLine(box), lines - 3);
  EXPECT_GT(GetRichFirstVisibleLine(box), 200);
  EXPECT_TRUE(IsRichCaretVisible(box));
  ScrollRichLineToTop(box, 0);
  EXPECT_EQ(GetRichFirstVisibleLine(box), 0);
}

TEST(RichBoxAdapter, MarginsOutliveTheWindowALongTextIsClearedWith) {
  TBoxForms forms;
  win::TRichEdit& box = forms.main->RichEdit;
  box.SetLeftMargin(20);
  box.SetRightMargin(7);
  box.Clear();
  {
    TRichUpdate burst(box);
    for (int p = 0; p < 2000; ++p) box.AppendLine(Paragraph(p) + "bbbbbbbbbb");
  }
  // Rich Edit cannot answer its margins: the new window has them from the
  // adapter, as its formatting rectangle inside its client area.
  const HWND before = box.Handle();
  box.Clear();
  ASSERT_NE(box.Handle(), before) << "a long text goes with its window";
  RECT client{}, text{};
  GetClientRect(box.Handle(), &client);
  SendMessageW(box.Handle(), EM_GETRECT, 0, LPARAM(&text));
  EXPECT_EQ(text.left, ScaleToDpi(20, box.Dpi()));
  EXPECT_EQ(client.right - text.right, ScaleToDpi(7, box.Dpi()));
}

TEST(RichBoxAdapter, FindMovesForwardFromTheSelectionAndBack) {
  TBoxForms forms;
  win::TRichEdit& box = forms.main->RichEdit;
  box.Clear();
  for (int p = 0; p < 40; ++p) box.AppendLine(p % 10 == 5 ? "a Needle here" : "hay " + std::to_string(p));
  const std::string text = box.GetText();
  const int32_t first = int32_t(text.find("Needle")), second = int32_t(text.find("Needle", size_t(first) + 1));
  box.SetSelection(0, 0);
  EXPECT_EQ(FindRichText(box, "needle", true, false), first);
  EXPECT_EQ(FindRichText(box, "NEEDLE", true, false), second);
  int32_t start = 0, length = 0;
  box.GetSelection(start, length);
  EXPECT_EQ(start, second);
  EXPECT_EQ(length, 6);
  EXPECT_EQ(box.GetSelText(), "Needle");
  EXPECT_EQ(FindRichText(box, "needle", false, false), first);  // backward: the nearest before
  EXPECT_EQ(FindRichText(box, "needle", true, true), first);    // from the start
  EXPECT_EQ(FindRichText(box, "missing", true, false), -1);
}

TEST(RichBoxAdapter, FormatsAndStreamsRoundTrip) {
  TBoxForms forms;
  win::TRichEdit& box = forms.main->RichEdit;
  box.Clear();
  box.AppendLine("bold words");
  box.AppendLine("plain");
  box.SetSelection(0, 4);
  TCharFormat bold;
  InitCharFormat2(bold);
  bold.Mask = CharMask::Bold | CharMask::Size;
  bold.Effects = CharEffect::Bold;
  bold.Height = 24 * 20;
  box.SetCharFormat(bold, TFormatTarget::Selection);
  TCharFormat read;
  box.GetCharFormat(read);
  EXPECT_TRUE(read.Effects & CharEffect::Bold);
  EXPECT_EQ(read.Height, 480);
  std::ostringstream rtf;
  ASSERT_TRUE(box.SaveRichText(rtf));
  box.Clear();
  std::istringstream in(rtf.str());
  ASSERT_TRUE(box.LoadRichText(in));
  EXPECT_EQ(box.GetText().substr(0, 17), "bold words\r\nplain");
  box.SetSelection(1, 1);
  box.GetCharFormat(read);
  EXPECT_TRUE(read.Effects & CharEffect::Bold);
  std::istringstream notRtf("just text");
  EXPECT_FALSE(box.LoadRichText(notRtf));
  SetRichTextLimit(box, 0);
  EXPECT_EQ(box.GetTextLimit(), 2147483647);
}

}  // namespace
}  // namespace qv::testing
