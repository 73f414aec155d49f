// The format controls' rules over the in-memory rich-box.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "errors/ErrorFakes.h"
#include "formatting/FormatControls.h"
#include "richbox/MemoryRichBox.h"
#include "richbox/RichOps.h"

namespace qv {
namespace {

TEST(FormatSettingValue, OutOfRangeOrUnreadableTextsGiveTheDefault) {
  struct Case {
    const char* key;
    const char* text;
    int32_t expected;
  };
  const Case cases[] = {
      {"FontSize", "7", 16},         {"FontSize", "51", 16},       {"FontSize", "8", 8},
      {"FontSize", "50", 50},        {"FontSize", "abc", 16},      {"FontSize", "", 16},
      {"LineSpacing", "90", 120},    {"LineSpacing", "150", 150},  {"LineSpacing", "501", 120},
      {"CharSpacing", "-11", 0},     {"CharSpacing", "-10", -10},  {"CharSpacing", "500", 500},
      {"SpaceAfter", "31", 5},       {"SpaceAfter", "0", 0},       {"FirstLineIndent", "51", 0},
      {"FirstLineIndent", "10", 10}, {"FontZoom", "9", 100},       {"FontZoom", "500", 500},
      {"LeftMargin", "", 15},        {"RightMargin", "55", 15},    {"LeftMargin", "0", 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FormatSettingValue(c.key, c.text), c.expected) << c.key << " \"" << c.text << "\"";
}

TFormatSettings ProfileDefaults() {
  TFormatSettings s;
  s.FontName = "Courier New";
  s.FontSize = "16";
  s.FontZoom = "100";
  s.CharSpacing = "0";
  s.LeftMargin = s.RightMargin = "15";
  s.LineSpacing = "120";
  s.SpaceAfter = "5";
  s.FirstLineIndent = "0";
  s.Justified = false;
  s.ForeColor = 0x112233;
  s.EmphaColor = 0x0000FF;
  s.SecondEmphaColor = 0x00FF00;
  return s;
}

class FormatControls : public ::testing::Test {
 protected:
  testing::ScopedErrorEnvironment env;
  TMemoryRichBox box;
  TEnhancedRichEdit enhancer{box, true};
  TFormatSettings settings = ProfileDefaults();

  // Loads lines as a book is loaded: defaults from the settings, applied to
  // the whole box, then the enhancement.
  void Load(const std::vector<std::string>& lines) {
    ReadFormatDefaults(enhancer, settings);
    box.SetSelection(0, RichAllLength);
    enhancer.ApplyCharFormat(true, 0);
    enhancer.ApplyParaFormat(true, 0);
    box.SetSelection(0, 0);
    enhancer.EnhanceText(lines, "None", true, false);  // one empty line ends a paragraph
    box.SetModified(false);
  }
  // A book of n paragraphs "Paragraph i." and a view of 10 lines.
  void LoadParagraphs(int n) {
    std::vector<std::string> lines;
    for (int i = 0; i < n; ++i) {
      lines.push_back("Paragraph " + std::to_string(i) + ".");
      lines.push_back("");
    }
    Load(lines);
    box.SetVisibleLines(10);
  }
  const TParaFormat& Para(int32_t p) const { return box.Document().ParaFormat(p); }
  const TCharFormat& CharAt(int32_t p, int32_t offset = 0) const {
    const TRichDocument& doc = box.Document();
    return doc.FormatAt(doc.ParagraphStart(p) + offset);
  }
  int32_t Paragraphs() const { return box.Document().ParagraphCount() - 1; }
};

TEST_F(FormatControls, ReadFormatDefaultsFillsLevelZeroFromTheSettings) {
  settings.FontName = "";
  settings.FontSize = "7";
  settings.LineSpacing = "90";
  settings.CharSpacing = "-11";
  settings.SpaceAfter = "12";
  settings.FirstLineIndent = "10";
  settings.Justified = true;
  settings.Bold = true;
  enhancer.Format.Push(fpBold, 0, '*');
  ReadFormatDefaults(enhancer, settings);
  const TFormatStacks& f = enhancer.Format;
  EXPECT_EQ(f.DefaultFont(), "Times New Roman");
  EXPECT_EQ(f.Default(fpFontSize), 16);
  EXPECT_EQ(f.Default(fpLineSpacing), 120);
  EXPECT_EQ(f.Default(fpCharSpacing), 0);
  EXPECT_EQ(f.Default(fpSpaceAfter), 12);
  EXPECT_EQ(f.Default(fpFirstLineIndent), 10);
  EXPECT_EQ(f.Default(fpAlignment), 3);
  EXPECT_TRUE(f.Flag(fpBold));
  EXPECT_EQ(f.Depth(fpBold), 0);  // the stacks are reset
  EXPECT_EQ(f.Color(fpForeColor), 0x112233u);
  EXPECT_EQ(f.Color(fpEmphaColor), 0x0000FFu);
  EXPECT_EQ(f.Color(fpSecondEmphaColor), 0x00FF00u);
  EXPECT_FALSE(f.Flag(fpUnderline));
  EXPECT_FALSE(f.Flag(fpItalic));
  settings.Justified = false;
  ReadFormatDefaults(enhancer, settings);
  EXPECT_EQ(enhancer.Format.Default(fpAlignment), 0);
}

TEST_F(FormatControls, JustifiedTextReformatsEveryParagraphTitlesIncluded) {
  Load({"^AC+", "A centred title", "", "^LPI=20*", "Body text.", "", "More body."});
  ASSERT_EQ(Paragraphs(), 3);
  EXPECT_EQ(Para(0).Alignment, ParaAlign::Center);
  EXPECT_EQ(Para(1).StartIndent, MmToTwips(20));
  settings.Justified = true;
  settings.FirstLineIndent = "10";
  ApplyFormatControl(TFormatControl::JustifiedText, settings, box, enhancer);
  for (int32_t p = 0; p < Paragraphs(); ++p) {
    EXPECT_EQ(Para(p).Alignment, ParaAlign::Justify) << p;
    EXPECT_EQ(Para(p).StartIndent, 576) << p;  // the command's left indent is gone
    EXPECT_EQ(Para(p).Offset, -576) << p;
  }
  EXPECT_FALSE(box.GetModified());
  int32_t start = -1, length = -1;
  box.GetSelection(start, length);
  EXPECT_EQ(length, 0);
}

TEST_F(FormatControls, ParagraphControlsSendSpacingOnlyWithExtendedRecords) {
  struct Case {
    TFormatControl control;
    bool richEdit3, force;
  };
  for (const Case c : {Case{TFormatControl::LineSpacing, true, false}, Case{TFormatControl::SpaceAfter, false, true},
                       Case{TFormatControl::FirstLineIndent, false, false}}) {
    SCOPED_TRACE(int(c.control));
    TMemoryRichBox b;
    TEnhancedRichEdit e{b, c.richEdit3};
    e.ForceRichEdit3 = c.force;
    b.AppendLine("Some text.");
    TParaFormat before;
    b.SetSelection(0, 0);
    b.GetParaFormat(before);
    TFormatSettings s = ProfileDefaults();
    s.LineSpacing = "150";
    s.SpaceAfter = "10";
    s.FirstLineIndent = "5";
    ApplyFormatControl(c.control, s, b, e);
    TParaFormat after;
    b.SetSelection(0, 0);
    b.GetParaFormat(after);
    EXPECT_EQ(after.StartIndent, 288);
    EXPECT_EQ(after.Offset, -288);
    if (c.richEdit3 || c.force) {
      EXPECT_EQ(after.LineSpacingRule, 5);
      EXPECT_EQ(after.LineSpacing, 30);
      EXPECT_EQ(after.SpaceAfter, 576);
    } else {
      EXPECT_EQ(after.LineSpacing, before.LineSpacing);
      EXPECT_EQ(after.LineSpacingRule, before.LineSpacingRule);
      EXPECT_EQ(after.SpaceAfter, before.SpaceAfter);
    }
  }
}

TEST_F(FormatControls, EveryControlKeepsTheReadersPlace) {
  LoadParagraphs(60);
  const TFormatControl all[] = {
      TFormatControl::LeftMargin, TFormatControl::RightMargin, TFormatControl::BoldFont,
      TFormatControl::JustifiedText, TFormatControl::FontName, TFormatControl::FontSize,
      TFormatControl::FontZoom, TFormatControl::CharSpacing, TFormatControl::LineSpacing,
      TFormatControl::SpaceAfter, TFormatControl::FirstLineIndent};
  for (TFormatControl control : all) {
    ShowRichPosAtTop(box, GetRichLineStart(box, 37));
    ASSERT_EQ(GetRichFirstVisibleLine(box), 37);
    ApplyFormatControl(control, settings, box, enhancer);
    EXPECT_EQ(GetRichFirstVisibleLine(box), 37) << int(control);
    EXPECT_TRUE(box.IsVisible()) << int(control);
  }
}

TEST_F(FormatControls, FormatChangesAreNotEditsButEarlierEditsStay) {
  LoadParagraphs(3);
  for (bool edited : {false, true}) {
    for (TFormatControl control : {TFormatControl::BoldFont, TFormatControl::FontName,
                                   TFormatControl::FontSize, TFormatControl::CharSpacing,
                                   TFormatControl::JustifiedText, TFormatControl::SpaceAfter}) {
      box.SetModified(edited);
      ApplyFormatControl(control, settings, box, enhancer);
      EXPECT_EQ(box.GetModified(), edited) << int(control);
    }
  }
}

TEST_F(FormatControls, CharacterControlsActOnAllTextAndLeaveColoursAlone) {
  Load({"^FC=clRed+", "Red words.", "", "He said \"go\" twice."});
  ASSERT_EQ(Paragraphs(), 2);
  const uint32_t red = CharAt(0).TextColor, quoted = CharAt(1, 9).TextColor;
  ASSERT_EQ(red, 0x0000FFu);
  ASSERT_EQ(quoted, 0x0000FFu);  // the emphasis colour

  settings.Bold = true;
  ApplyFormatControl(TFormatControl::BoldFont, settings, box, enhancer);
  settings.FontName = "";
  ApplyFormatControl(TFormatControl::FontName, settings, box, enhancer);
  settings.FontSize = "51";
  ApplyFormatControl(TFormatControl::FontSize, settings, box, enhancer);
  settings.CharSpacing = "10";
  ApplyFormatControl(TFormatControl::CharSpacing, settings, box, enhancer);
  for (int32_t p = 0; p < Paragraphs(); ++p) {
    for (int32_t offset : {0, 3, 9}) {
      const TCharFormat& c = CharAt(p, offset);
      EXPECT_TRUE(c.Effects & CharEffect::Bold) << p << "," << offset;
      EXPECT_EQ(c.Face(), "Times New Roman");
      EXPECT_EQ(c.Height, 16 * 20);  // 51 points is out of range: the default 16
      EXPECT_EQ(c.Spacing, 57);      // 10 tenths of a millimetre: 57.6 truncated
    }
  }
  EXPECT_EQ(CharAt(0).TextColor, red);
  EXPECT_EQ(CharAt(1, 9).TextColor, quoted);
  EXPECT_EQ(CharAt(1, 0).TextColor, 0x112233u);
  // The format state is not touched by the character controls.
  EXPECT_FALSE(enhancer.Format.Flag(fpBold));
  EXPECT_EQ(enhancer.Format.DefaultFont(), "Courier New");

  settings.Bold = false;
  ApplyFormatControl(TFormatControl::BoldFont, settings, box, enhancer);
  EXPECT_FALSE(CharAt(0).Effects & CharEffect::Bold);
}

TEST_F(FormatControls, ZoomAndMarginsUseTheirGetters) {
  LoadParagraphs(2);
  struct Case {
    TFormatControl control;
    const char* text;
    int32_t expected;
  };
  for (const Case& c : {Case{TFormatControl::FontZoom, "150", 150}, Case{TFormatControl::FontZoom, "5", 100},
                        Case{TFormatControl::LeftMargin, "25", 25}, Case{TFormatControl::LeftMargin, "x", 15},
                        Case{TFormatControl::RightMargin, "0", 0}, Case{TFormatControl::RightMargin, "60", 15}}) {
    settings.FontZoom = settings.LeftMargin = settings.RightMargin = c.text;
    ApplyFormatControl(c.control, settings, box, enhancer);
    const int32_t got = c.control == TFormatControl::FontZoom     ? box.ZoomNumerator()
                        : c.control == TFormatControl::LeftMargin ? box.LeftMargin()
                                                                  : box.RightMargin();
    EXPECT_EQ(got, c.expected) << int(c.control) << " " << c.text;
  }
  EXPECT_EQ(box.ZoomDenominator(), 100);
}

}  // namespace
}  // namespace qv
