// Format stacks, change masks and the application of the format state.
#include <gtest/gtest.h>

#include "TextFixture.h"
#include "text/FormatStacks.h"

namespace qv {
namespace {

TEST(FormatStacks, PushPopAndMarkers) {
  TFormatStacks s;
  s.SetAll(fpFontSize, 16);
  s.Push(fpFontSize, 20, '*');
  s.Push(fpFontSize, 24, '+');
  EXPECT_EQ(s.Value(fpFontSize), 24);
  EXPECT_EQ(s.Marker(fpFontSize), '+');
  s.PopSingleUse();
  EXPECT_EQ(s.Value(fpFontSize), 20);
  s.PopSingleUse();  // an asterisk level stays
  EXPECT_EQ(s.Value(fpFontSize), 20);
  s.Pop(fpFontSize);
  s.Pop(fpFontSize);  // nothing below level 0
  EXPECT_EQ(s.Depth(fpFontSize), 0);
  EXPECT_EQ(s.Value(fpFontSize), 16);
}

TEST(FormatStacks, PopSingleUseTakesOneLevelPerProperty) {
  TFormatStacks s;
  s.Push(fpBold, 1, '+');
  s.Push(fpBold, 1, '+');
  s.Push(fpItalic, 1, '+');
  s.PopSingleUse();
  EXPECT_EQ(s.Depth(fpBold), 1);
  EXPECT_EQ(s.Depth(fpItalic), 0);
}

TEST(FormatStacks, WrapAt99KeepsLevelZero) {
  TFormatStacks s;
  s.SetAll(fpFontSize, 16);
  for (int i = 1; i <= 99; ++i) s.Push(fpFontSize, 100 + i, '+');
  EXPECT_EQ(s.Depth(fpFontSize), 99);
  s.Push(fpFontSize, 500, '+');  // the hundredth push overwrites level 1
  EXPECT_EQ(s.Depth(fpFontSize), 1);
  EXPECT_EQ(s.Value(fpFontSize), 500);
  EXPECT_EQ(s.Default(fpFontSize), 16);
  s.PopSingleUse();
  EXPECT_EQ(s.Depth(fpFontSize), 0);
  EXPECT_EQ(s.Value(fpFontSize), 16);
}

TEST(FormatStacks, FontNamesAndReset) {
  TFormatStacks s;
  EXPECT_EQ(s.FontName(), "Times New Roman");
  s.PushFont("Courier New", '*');
  s.PushDefault(fpFontName, '/');
  EXPECT_EQ(s.FontName(), "Times New Roman");
  s.Pop(fpFontName);
  EXPECT_EQ(s.FontName(), "Courier New");
  s.MakeCurrentDefault();
  EXPECT_EQ(s.DefaultFont(), "Courier New");
  s.ResetStacks();
  EXPECT_EQ(s.Depth(fpFontName), 0);
  EXPECT_EQ(s.Marker(fpFontName), 0);
  EXPECT_EQ(s.Color(fpBackColor), NoColor);
}

class FormatState : public TextFixture {};

TEST_F(FormatState, ConstructionDefaults) {
  const TFormatStacks& f = enhancer.Format;
  EXPECT_EQ(f.FontName(), "Times New Roman");
  EXPECT_EQ(f.Value(fpFontSize), 16);
  EXPECT_EQ(f.Color(fpBackColor), NoColor);
  EXPECT_EQ(f.Value(fpSpaceAfter), 5);
  EXPECT_EQ(f.Value(fpLineSpacing), 120);
  EXPECT_EQ(f.Value(fpAlignment), 0);
  EXPECT_FALSE(enhancer.ForceRichEdit3);
}

TEST_F(FormatState, SetDefaultsFillsAllLevelsAndResets) {
  enhancer.Format.Push(fpBold, 1, '*');
  enhancer.IsHeading = true;
  enhancer.SetDefaults(false, false, 150, 3, 10, 3, 0xAA, 0xBB, 0xCC, 7, 20, "", true);
  const TFormatStacks& f = enhancer.Format;
  EXPECT_FALSE(enhancer.IsHeading);
  EXPECT_EQ(f.Depth(fpBold), 0);
  EXPECT_EQ(f.FontName(), "Times New Roman");  // empty name
  EXPECT_TRUE(f.Flag(fpBold));
  EXPECT_EQ(f.Value(fpLineSpacing), 150);
  EXPECT_EQ(f.Value(fpSpaceAfter), 3);
  EXPECT_EQ(f.Value(fpFirstLineIndent), 10);
  EXPECT_EQ(f.Value(fpAlignment), 3);
  EXPECT_EQ(f.Color(fpSecondEmphaColor), 0xAAu);
  EXPECT_EQ(f.Color(fpEmphaColor), 0xBBu);
  EXPECT_EQ(f.Color(fpForeColor), 0xCCu);
  EXPECT_EQ(f.Value(fpCharSpacing), 7);
  EXPECT_EQ(f.Value(fpFontSize), 20);
  // Every level holds the default: a pushed default matches it.
  enhancer.Format.PushDefault(fpFontSize, '/');
  EXPECT_EQ(f.Value(fpFontSize), 20);
}

TEST_F(FormatState, ChangeMasks) {
  struct Case { int property; int32_t value; uint32_t charMask; uint32_t paraMask; };
  const Case cases[] = {
      {fpUnderline, 1, CharMask::Underline, 0},
      {fpItalic, 1, CharMask::Italic, 0},
      {fpBold, 1, CharMask::Bold, 0},
      {fpFontSize, 20, CharMask::Size, 0},
      {fpCharSpacing, 5, CharMask::Spacing, 0},
      {fpBackColor, 0xFF, CharMask::BackColor, 0},
      {fpForeColor, 0xFF, CharMask::Color, 0},
      {fpEmphaColor, 0xFF, 0, 0},
      {fpSecondEmphaColor, 0xFF, 0, 0},
      {fpAlignment, 2, 0, ParaMask::Alignment},
      {fpLeftIndent, 5, 0, ParaMask::StartIndent | ParaMask::Offset},
      {fpFirstLineIndent, 5, 0, ParaMask::StartIndent | ParaMask::Offset},
      {fpRightIndent, 5, 0, ParaMask::RightIndent},
      {fpSpaceAfter, 9, 0, ParaMask::SpaceAfter},
      {fpLineSpacing, 150, 0, ParaMask::LineSpacing},
  };
  for (const Case& c : cases) {
    enhancer.ResetStacks();
    enhancer.Format.Push(c.property, c.value, '*');
    EXPECT_EQ(enhancer.CharChangeMask(), c.charMask) << c.property;
    EXPECT_EQ(enhancer.ParaChangeMask(), c.paraMask) << c.property;
  }
}

TEST_F(FormatState, MaskSpecialCases) {
  enhancer.Format.PushFont("times new ROMAN", '*');
  EXPECT_EQ(enhancer.CharChangeMask(), 0u);  // font names compare without case
  enhancer.Format.PushFont("Arial", '*');
  EXPECT_EQ(enhancer.CharChangeMask(), CharMask::Face);
  enhancer.ResetStacks();
  enhancer.Format.SetAll(fpBackColor, 0xFF);  // a default background...
  enhancer.Format.Push(fpBackColor, int32_t(NoColor), '*');  // ...then none: not sent
  EXPECT_EQ(enhancer.CharChangeMask(), 0u);
  enhancer.ResetStacks();
  enhancer.Format.Push(fpBold, 0, '*');  // pushed but equal to the default
  EXPECT_EQ(enhancer.CharChangeMask(), 0u);
  enhancer.IsHeading = true;
  EXPECT_EQ(enhancer.CharChangeMask(), CharMask::Underline);
}

TEST_F(FormatState, ApplyParaFormatUnitsExtended) {
  box.AppendLine("text");
  enhancer.Format.Push(fpFirstLineIndent, 10, '*');
  enhancer.Format.Push(fpLineSpacing, 150, '*');
  enhancer.Format.Push(fpSpaceAfter, 5, '*');
  enhancer.Format.Push(fpAlignment, 3, '*');
  box.SetSelection(0, 0);
  enhancer.ApplyParaFormat(true, 0);
  const TParaFormat& p = box.Document().ParaFormat(0);
  EXPECT_EQ(p.StartIndent, 576);
  EXPECT_EQ(p.Offset, -576);
  EXPECT_EQ(p.LineSpacingRule, 5);
  EXPECT_EQ(p.LineSpacing, 30);
  EXPECT_EQ(p.SpaceAfter, 288);
  EXPECT_EQ(p.Alignment, ParaAlign::Justify);
  ASSERT_EQ(p.TabCount, 32);
  EXPECT_EQ(p.Tabs[0], 576);
  EXPECT_EQ(p.Tabs[1], 576 + 864);
  EXPECT_EQ(p.Tabs[31], 576 + 31 * 864);
}

TEST_F(FormatState, AlignmentValues) {
  box.AppendLine("text");
  const uint16_t expected[4] = {ParaAlign::Left, ParaAlign::Right, ParaAlign::Center, ParaAlign::Justify};
  for (int a = 0; a < 4; ++a) {
    enhancer.Format.Push(fpAlignment, a, '*');
    box.SetSelection(0, 0);
    enhancer.ApplyParaFormat(false, ParaMask::Alignment);
    EXPECT_EQ(box.Document().ParaFormat(0).Alignment, expected[a]);
  }
}

TEST_F(FormatState, BasicRecordsCarryNoExtendedAttributes) {
  TMemoryRichBox basicBox;
  TEnhancedRichEdit basic(basicBox, false);
  basicBox.AppendLine("text");
  basic.Format.Push(fpLineSpacing, 150, '*');
  basic.Format.Push(fpSpaceAfter, 9, '*');
  basic.Format.Push(fpCharSpacing, 10, '*');
  basic.Format.Push(fpBackColor, 0xFF, '*');
  basicBox.SetSelection(0, RichAllLength);
  basic.ApplyCharFormat(false, basic.CharChangeMask());
  basic.ApplyParaFormat(false, basic.ParaChangeMask());
  EXPECT_EQ(basicBox.Document().FormatAt(0).Spacing, 0);
  EXPECT_EQ(basicBox.Document().FormatAt(0).BackColor, NoBackColor);
  EXPECT_EQ(basicBox.Document().ParaFormat(0).LineSpacingRule, 0);
  EXPECT_EQ(basicBox.Document().ParaFormat(0).SpaceAfter, 0);
  // Forcing the extended records lets them through.
  basic.ForceRichEdit3 = true;
  basic.ApplyCharFormat(false, basic.CharChangeMask());
  basic.ApplyParaFormat(false, basic.ParaChangeMask());
  EXPECT_EQ(basicBox.Document().FormatAt(0).Spacing, 57);  // 57.6 truncated
  EXPECT_EQ(basicBox.Document().FormatAt(0).BackColor, 0xFFu);
  EXPECT_EQ(basicBox.Document().ParaFormat(0).LineSpacing, 30);
  EXPECT_EQ(basicBox.Document().ParaFormat(0).SpaceAfter, 518);  // 9 x 57.6 = 518.4
}

TEST_F(FormatState, ApplyCharFormatWholeLeavesBackground) {
  box.AppendLine("text");
  enhancer.Format.Push(fpBackColor, 0xFF, '*');
  enhancer.Format.Push(fpFontSize, 20, '*');
  enhancer.Format.Push(fpUnderline, 1, '*');
  enhancer.ApplyCharFormat(true, 0);
  const TCharFormat& f = box.Document().FormatAt(0);
  EXPECT_EQ(f.BackColor, NoBackColor);
  EXPECT_EQ(f.Height, 400);
  EXPECT_TRUE(f.Effects & CharEffect::Underline);
  EXPECT_EQ(box.Document().EndFormat().Height, 400);
}

TEST_F(FormatState, EmptyMaskSendsNothing) {
  box.AppendLine("text");
  box.SetModified(false);
  box.SetSelection(0, 4);
  enhancer.ApplyCharFormat(false, 0);
  enhancer.ApplyParaFormat(false, 0);
  EXPECT_FALSE(box.GetModified());
}

}  // namespace
}  // namespace qv
