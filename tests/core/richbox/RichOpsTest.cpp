// The rich-box operations over the in-memory box.
#include <gtest/gtest.h>

#include <string>

#include "richbox/MemoryRichBox.h"
#include "richbox/RichOps.h"

namespace qv {
namespace {

// A box with n one-line paragraphs "L0".."L{n-1}" and a view of 10 lines.
void Fill(TMemoryRichBox& box, int n) {
  for (int i = 0; i < n; ++i) box.AppendLine("L" + std::to_string(i));
  box.SetVisibleLines(10);
}

TEST(RichOps, PositionsCountBreaksAsTwo) {
  TMemoryRichBox box;
  box.AppendLine("abc");
  box.AppendLine("");
  box.AppendLine("de");
  EXPECT_EQ(GetRichTextLength(box), 3 + 2 + 0 + 2 + 2 + 2);
  EXPECT_EQ(box.GetText(), "abc\r\n\r\nde\r\n");
  EXPECT_EQ(GetRichLineCount(box), 4);  // the final empty paragraph is a line
  EXPECT_EQ(GetRichLineStart(box, 2), 7);
  EXPECT_EQ(GetRichLineStart(box, 4), -1);
  EXPECT_EQ(GetRichLineOfChar(box, 8), 2);
  EXPECT_EQ(GetRichLineOfChar(box, 4), 0);  // the break belongs to its paragraph
  EXPECT_EQ(box.GetTextRange(2, 8), "c\r\n\r\nd");
}

TEST(RichOps, IsRichTextEmpty) {
  TMemoryRichBox box;
  EXPECT_TRUE(IsRichTextEmpty(box));
  box.AppendLine("");
  EXPECT_TRUE(IsRichTextEmpty(box));  // a lone line break
  box.AppendLine("x");
  EXPECT_FALSE(IsRichTextEmpty(box));
}

TEST(RichOps, SetRichTextLimit) {
  TMemoryRichBox box;
  const struct { int32_t given, sent; } cases[] = {{0, 2147483647}, {-5, 2147483647}, {1, 1}, {5000, 5000}};
  for (const auto& c : cases) {
    SetRichTextLimit(box, c.given);
    EXPECT_EQ(box.GetTextLimit(), c.sent);
  }
}

TEST(RichOps, ScrollRichLineToTopMovesViewAndCaret) {
  TMemoryRichBox box;
  Fill(box, 50);
  ScrollRichLineToTop(box, 12);
  EXPECT_EQ(GetRichFirstVisibleLine(box), 12);
  EXPECT_EQ(GetRichTopPos(box), GetRichLineStart(box, 12));
  int32_t start, length;
  box.GetSelection(start, length);
  EXPECT_EQ(start, GetRichLineStart(box, 12));
  EXPECT_EQ(length, 0);
}

TEST(RichOps, ScrollRichLineToTopWithNegativeLine) {
  TMemoryRichBox box;
  Fill(box, 50);
  box.SetSelection(GetRichLineStart(box, 30), 0);
  ScrollRichLineToTop(box, -1);
  EXPECT_EQ(GetRichFirstVisibleLine(box), 0);
  int32_t start, length;
  box.GetSelection(start, length);
  // The box answers a negative line with the caret's line.
  EXPECT_EQ(start, GetRichLineStart(box, 30));
}

TEST(RichOps, ShowRichPosAtTop) {
  TMemoryRichBox box;
  Fill(box, 50);  // 51 lines with the final one
  ShowRichPosAtTop(box, GetRichLineStart(box, 20) + 1);
  EXPECT_EQ(GetRichFirstVisibleLine(box), 20);
  ShowRichPosAtTop(box, 0);
  EXPECT_EQ(GetRichFirstVisibleLine(box), 0);
  // Line 46 of 51 is the last one still put at the top; 47 scrolls to the end.
  ShowRichPosAtTop(box, GetRichLineStart(box, 46));
  EXPECT_EQ(GetRichFirstVisibleLine(box), 46);
  ShowRichPosAtTop(box, GetRichLineStart(box, 47));
  EXPECT_EQ(GetRichFirstVisibleLine(box), 51 - 10);
  EXPECT_TRUE(IsRichCaretVisible(box));
  const int32_t before = GetRichFirstVisibleLine(box);
  ShowRichPosAtTop(box, -1);
  EXPECT_EQ(GetRichFirstVisibleLine(box), before);
}

TEST(RichOps, CaretVisibility) {
  TMemoryRichBox box;
  Fill(box, 50);
  box.SetSelection(GetRichLineStart(box, 3), 0);
  EXPECT_TRUE(IsRichCaretVisible(box));
  ScrollRichLines(box, 5);  // caret now above the view
  EXPECT_FALSE(IsRichCaretVisible(box));
  KeepRichCaretVisible(box, 2);
  int32_t start, length;
  box.GetSelection(start, length);
  EXPECT_EQ(start, GetRichLineStart(box, 7));
  EXPECT_TRUE(IsRichCaretVisible(box));
  box.SetSelection(GetRichLineStart(box, 40), 0);  // below the view
  EXPECT_FALSE(IsRichCaretVisible(box));
  box.SetCaretPointAvailable(false);
  box.SetSelection(GetRichLineStart(box, 6), 0);
  EXPECT_FALSE(IsRichCaretVisible(box));
}

TEST(RichOps, FindRichTextForwardBackward) {
  TMemoryRichBox box;
  box.AppendLine("One fish, two Fish");
  box.AppendLine("red FISH");
  const int32_t second = int32_t(std::string("One fish, two ").size());
  const int32_t third = 18 + 2 + 4;
  EXPECT_EQ(FindRichText(box, "fish", true, true), 4);
  EXPECT_EQ(FindRichText(box, "fish", true, false), second);  // continues after the match
  EXPECT_EQ(FindRichText(box, "fish", true, false), third);
  EXPECT_EQ(FindRichText(box, "fish", true, false), -1);
  int32_t start, length;
  box.GetSelection(start, length);
  EXPECT_EQ(start, third);  // a failed search keeps the selection
  EXPECT_EQ(length, 4);
  EXPECT_EQ(FindRichText(box, "fish", false, false), second);  // nearest before the selection
  EXPECT_EQ(FindRichText(box, "fish", false, false), 4);
  EXPECT_EQ(FindRichText(box, "fish", false, false), -1);
  EXPECT_EQ(FindRichText(box, "h\r\nred", true, true), 17);
  EXPECT_EQ(FindRichText(box, "", true, true), -1);
}

TEST(RichOps, FindIsCaseBlindInCodePage1252ButKeepsDiacritics) {
  TMemoryRichBox box;
  box.AppendLine("caf\xC9 and cafe");  // É
  EXPECT_EQ(FindRichText(box, "CAF\xE9", true, true), 0);  // é matches É
  EXPECT_EQ(FindRichText(box, "CAFE", true, true), 9);
}

TEST(RichOps, WholeTextFormats) {
  TMemoryRichBox box;
  box.AppendLine("abc");
  box.AppendLine("de");
  SetRichFontSize(box, 18);
  SetRichFontName(box, "Courier New");
  SetRichBold(box, true);
  SetRichTextColor(box, 0x0000FF);
  SetRichCharSpacing(box, 10);
  box.SetSelection(0, RichAllLength);
  TCharFormat f;
  box.GetCharFormat(f);
  EXPECT_EQ(f.Mask & CharMask::AllUsed, CharMask::AllUsed);
  EXPECT_EQ(f.Height, 360);
  EXPECT_EQ(f.Face(), "Courier New");
  EXPECT_EQ(f.Effects & CharEffect::Bold, CharEffect::Bold);
  EXPECT_EQ(f.TextColor, 0x0000FFu);
  EXPECT_EQ(f.Spacing, 57);
  EXPECT_EQ(box.Document().EndFormat().Height, 360);  // text added later keeps the look
  box.SetSelection(1, 1);
  SetRichSelTextColor(box, 0x00FF00);
  box.SetSelection(0, 3);
  box.GetCharFormat(f);
  EXPECT_EQ(f.Mask & CharMask::Color, 0u);  // the colour varies in the selection
  EXPECT_EQ(f.Mask & CharMask::Size, CharMask::Size);
}

TEST(RichOps, BasicRecordsDropExtendedFields) {
  TMemoryRichBox box;
  box.AppendLine("abc");
  TCharFormat basic;
  InitCharFormat(basic);
  basic.Mask = CharMask::Spacing | CharMask::BackColor | CharMask::Bold;
  basic.Spacing = 100;
  basic.BackColor = 0x123456;
  basic.Effects = CharEffect::Bold;
  box.SetCharFormat(basic, TFormatTarget::All);
  const TCharFormat& stored = box.Document().FormatAt(0);
  EXPECT_EQ(stored.Spacing, 0);
  EXPECT_EQ(stored.BackColor, NoBackColor);
  EXPECT_EQ(stored.Effects & CharEffect::Bold, CharEffect::Bold);

  TParaFormat para;
  InitParaFormat(para);
  para.Mask = ParaMask::SpaceAfter | ParaMask::LineSpacing | ParaMask::Alignment;
  para.SpaceAfter = 288;
  para.LineSpacing = 30;
  para.LineSpacingRule = 5;
  para.Alignment = ParaAlign::Center;
  box.SetSelection(0, 0);
  SetRichParaFormat(box, para);
  EXPECT_EQ(box.Document().ParaFormat(0).SpaceAfter, 0);
  EXPECT_EQ(box.Document().ParaFormat(0).LineSpacingRule, 0);
  EXPECT_EQ(box.Document().ParaFormat(0).Alignment, ParaAlign::Center);
  SetRichParaFormat2(box, para);
  EXPECT_EQ(box.Document().ParaFormat(0).SpaceAfter, 288);
  EXPECT_EQ(box.Document().ParaFormat(0).LineSpacing, 30);
}

TEST(RichOps, ZoomMarginsAndFlags) {
  TMemoryRichBox box;
  SetRichZoom(box, 150);
  EXPECT_EQ(box.ZoomNumerator(), 150);
  EXPECT_EQ(box.ZoomDenominator(), 100);
  SetRichLeftMargin(box, 15);
  SetRichRightMargin(box, 20);
  EXPECT_EQ(box.LeftMargin(), 15);
  EXPECT_EQ(box.RightMargin(), 20);
  EnableRichLinks(box);
  EnableRichAdvancedTypography(box);
  EXPECT_TRUE(box.LinksEnabled());
  EXPECT_TRUE(box.AdvancedTypography());
}

TEST(RichOps, KeepRichPlaceBringsTheTopLineBack) {
  TMemoryRichBox box;
  box.SetWrapWidth(10);
  for (int i = 0; i < 40; ++i) box.AppendLine(std::string(25, char('a' + i % 26)));  // 3 lines each
  box.SetVisibleLines(10);
  ShowRichPosAtTop(box, GetRichLineStart(box, 30));
  const int32_t top = GetRichTopPos(box);
  KeepRichPlace(box, [&] { box.SetWrapWidth(5); });  // every paragraph now takes 5 lines
  EXPECT_EQ(GetRichTopPos(box), top);
  EXPECT_EQ(GetRichFirstVisibleLine(box), 50);
}

TEST(RichOps, UnitConversionsTruncateTowardZero) {
  const struct { int32_t in, mm, tenth; } cases[] = {
      {0, 0, 0}, {1, 57, 5}, {10, 576, 57}, {-1, -57, -5}, {-10, -576, -57}, {15, 864, 86}, {500, 28800, 2880}};
  for (const auto& c : cases) {
    EXPECT_EQ(MmToTwips(c.in), c.mm) << c.in;
    EXPECT_EQ(TenthMmToTwips(c.in), c.tenth) << c.in;
  }
}

}  // namespace
}  // namespace qv
