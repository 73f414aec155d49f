// Manual formatting commands: syntax, end characters and scopes, tables, warnings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TextFixture.h"

namespace qv {
namespace {

using Lines = std::vector<std::string>;

class Commands : public TextFixture {
 protected:
  // Runs command lines directly on the format state.
  void Run(const Lines& lines) {
    for (const std::string& line : lines) enhancer.ParseCommandLine(line);
  }
  int32_t Value(int property) const { return enhancer.Format.Value(property); }
};

TEST_F(Commands, ParseSplitsNameArgumentAndEnd) {
  struct Case { const char* line; const char* name; const char* arg; char end; };
  const Case cases[] = {
      {"^U+", "U", "", '+'},
      {"^S=20*", "S", "20", '*'},
      {"^F=Courier New+", "F", "Courier New", '+'},
      {"^F=A*B+", "F", "A*B", '+'},        // the plus sign is looked for first
      {"^S~ trailing words", "S", "", '~'},
      {"^ALL/", "ALL", "", '/'},
      {"^B+=x", "B+", "", '+'},            // the end comes before the equals sign
  };
  for (const Case& c : cases) {
    enhancer.ParseCommandLine(c.line);
    EXPECT_EQ(enhancer.CommandName, c.name) << c.line;
    EXPECT_EQ(enhancer.CommandArg, c.arg) << c.line;
    EXPECT_EQ(enhancer.CommandEnd, c.end) << c.line;
  }
  EXPECT_TRUE(enhancer.HasCommands);
}

TEST_F(Commands, MissingEndAndEmptyName) {
  Run({"^B", "^+"});
  EXPECT_EQ(Warnings(), (Lines{"Missing end character: ^B"}));
  EXPECT_EQ(enhancer.Format.Depth(fpBold), 0);
}

TEST_F(Commands, UnrecognizedCommands) {
  Run({"^Z/", "^CAD~", "^ALL*", "^AL~", "^XYZ+", "^NOPE/"});
  EXPECT_EQ(Warnings(), (Lines{"Unrecognized command: Z", "Unrecognized command: CAD",
                               "Unrecognized command: ALL", "Unrecognized command: AL",
                               "Unrecognized command: XYZ", "Unrecognized command: NOPE"}));
  EXPECT_EQ(env.boxes.shown[0].style, IMessageBoxPlatform::Ok | IMessageBoxPlatform::IconExclamation);
}

TEST_F(Commands, PushTableValues) {
  struct Case { const char* line; int property; int32_t value; };
  const Case cases[] = {
      {"^U*", fpUnderline, 1},      {"^i*", fpItalic, 1},          {"^B=20+", fpBold, 1},
      {"^S=20*", fpFontSize, 20},   {"^S=60*", fpFontSize, 16},    {"^S=7*", fpFontSize, 16},
      {"^S*", fpFontSize, 16},      {"^Z=150*", fpFontSize, 24},   {"^Z=600*", fpFontSize, 16},
      {"^CS=-10*", fpCharSpacing, -10}, {"^CS=-11*", fpCharSpacing, 0}, {"^CS=500*", fpCharSpacing, 500},
      {"^AL*", fpAlignment, 0},     {"^AR*", fpAlignment, 1},      {"^AC*", fpAlignment, 2},
      {"^AJ*", fpAlignment, 3},     {"^LPI=100*", fpLeftIndent, 100}, {"^LPI=101*", fpLeftIndent, 0},
      {"^RPI=7*", fpRightIndent, 7}, {"^FLI=50*", fpFirstLineIndent, 50}, {"^FLI=51*", fpFirstLineIndent, 0},
      {"^LS=abc+", fpLineSpacing, 120}, {"^LS=90*", fpLineSpacing, 120}, {"^LS=150*", fpLineSpacing, 150},
      {"^FC=Red+", fpForeColor, 0x0000D2}, {"^FC=clRed+", fpForeColor, 0x0000FF},
      {"^FC=$0000FF+", fpForeColor, 0x0000FF}, {"^FC=255+", fpForeColor, 0x0000FF},
      {"^BC=Navy*", fpBackColor, 0x820000}, {"^EC=clWindow*", fpEmphaColor, int32_t(0x80000005)},
      {"^SEC=*", fpSecondEmphaColor, 0},
  };
  for (const Case& c : cases) {
    enhancer.ResetStacks();
    enhancer.ParseCommandLine(c.line);
    EXPECT_EQ(enhancer.Format.Depth(c.property), 1) << c.line;
    EXPECT_EQ(Value(c.property), c.value) << c.line;
    EXPECT_EQ(enhancer.Format.Marker(c.property), enhancer.CommandEnd) << c.line;
  }
  EXPECT_TRUE(Warnings().empty());
}

TEST_F(Commands, FontCommandTakesTheArgumentUnchanged) {
  Run({"^F= Courier New*"});
  EXPECT_EQ(enhancer.Format.FontName(), " Courier New");
}

TEST_F(Commands, StyleCommandsScaleTheDefaultSize) {
  Run({"^PS_T+"});
  EXPECT_EQ(Value(fpFontSize), 25);
  EXPECT_EQ(Value(fpAlignment), 2);
  EXPECT_EQ(Value(fpUnderline), 1);
  EXPECT_EQ(Value(fpBold), 1);
  EXPECT_EQ(enhancer.Format.Depth(fpLeftIndent), 1);
  EXPECT_EQ(enhancer.Format.Depth(fpFirstLineIndent), 1);
  enhancer.ResetStacks();
  Run({"^PS_H*"});
  EXPECT_EQ(Value(fpFontSize), 19);
  enhancer.ResetStacks();
  Run({"^PS_N*"});
  EXPECT_EQ(Value(fpFontSize), 12);
  EXPECT_EQ(Value(fpItalic), 1);
}

TEST_F(Commands, ColourSchemes) {
  struct Case { const char* line; uint32_t back, fore, empha, second; };
  const Case cases[] = {
      {"^PCS_HL*", 0xFFFFFF, 0x000000, 0x820000, 0x5A00B4},
      {"^PCS_LS*", 0x78784B, 0xE6E6E6, 0x64CDFF, 0x0096CD},
      {"^PCS_LL*", 0x000000, 0x87AAB9, 0x196EB9, 0x0000AA},
  };
  for (const Case& c : cases) {
    enhancer.ResetStacks();
    Run({c.line});
    EXPECT_EQ(enhancer.Format.Color(fpBackColor), c.back) << c.line;
    EXPECT_EQ(enhancer.Format.Color(fpForeColor), c.fore) << c.line;
    EXPECT_EQ(enhancer.Format.Color(fpEmphaColor), c.empha) << c.line;
    EXPECT_EQ(enhancer.Format.Color(fpSecondEmphaColor), c.second) << c.line;
  }
  Run({"^PCS~"});
  EXPECT_EQ(enhancer.Format.Color(fpBackColor), NoColor);
}

TEST_F(Commands, SlashAndTildeScopes) {
  Run({"^S=20*", "^S/"});
  EXPECT_EQ(Value(fpFontSize), 16);
  EXPECT_EQ(enhancer.Format.Marker(fpFontSize), '/');
  Run({"^S~"});
  EXPECT_EQ(Value(fpFontSize), 20);
  Run({"^S~"});
  EXPECT_EQ(Value(fpFontSize), 16);
  Run({"^S~"});
  EXPECT_EQ(Value(fpFontSize), 16);
  EXPECT_EQ(enhancer.Format.Depth(fpFontSize), 0);
  Run({"^Z=150*", "^S~"});  // S also undoes Z
  EXPECT_EQ(Value(fpFontSize), 16);
  Run({"^AR*", "^A~"});
  EXPECT_EQ(Value(fpAlignment), 0);
}

TEST_F(Commands, AllUndoesEveryChangedProperty) {
  Run({"^B*", "^FC=clRed*", "^SA=3*"});
  Run({"^ALL~"});
  EXPECT_EQ(enhancer.Format.Depth(fpBold), 0);
  EXPECT_EQ(enhancer.Format.Depth(fpForeColor), 0);
  for (int p = 0; p < FormatPropertyCount; ++p) EXPECT_EQ(enhancer.Format.Depth(p), 0) << p;
  Run({"^ALL/"});
  for (int p = 0; p < FormatPropertyCount; ++p)
    EXPECT_EQ(enhancer.Format.Depth(p), p == fpSpaceAfter ? 0 : 1) << p;
}

TEST_F(Commands, CadMakesCurrentValuesTheDefaults) {
  box.AppendLine("old");
  Run({"^S=20*", "^B*", "^CAD+"});
  EXPECT_EQ(enhancer.Format.Default(fpFontSize), 20);
  EXPECT_EQ(enhancer.Format.Depth(fpFontSize), 1);  // depths unchanged
  EXPECT_EQ(enhancer.CharChangeMask(), 0u);
  EXPECT_EQ(box.Document().FormatAt(0).Height, 400);  // whole text re-formatted
  EXPECT_TRUE(box.Document().FormatAt(0).Effects & CharEffect::Bold);
  Run({"^Z=50*"});
  EXPECT_EQ(Value(fpFontSize), 10);  // computed from the new default
  Run({"^S/"});
  EXPECT_EQ(Value(fpFontSize), 20);
}

TEST_F(Commands, ComputedSizesStayWithinControlLimits) {
  for (int i = 0; i < 20; ++i) Run({"^Z=500*", "^CAD+"});
  EXPECT_EQ(Value(fpFontSize), 1638);
  EXPECT_EQ(enhancer.Format.Default(fpFontSize), 1638);
  enhancer.SetDefaults(false, false, 120, 5, 0, 0, 0, 0, 0, 0, 8, "", false);
  Run({"^Z=10*"});
  EXPECT_EQ(Value(fpFontSize), 1);  // 8 x 10 % would be 0 points
}

TEST_F(Commands, ScopesAcrossParagraphs) {
  RunEnhance({"^B+", "One.", "  Two."});
  EXPECT_TRUE(CharAt(0).Effects & CharEffect::Bold);
  EXPECT_FALSE(CharAt(1).Effects & CharEffect::Bold);
  box.Clear();
  enhancer.ResetStacks();
  RunEnhance({"^B*", "One.", "  Two.", "^B~", "  Three."});
  EXPECT_TRUE(CharAt(0).Effects & CharEffect::Bold);
  EXPECT_TRUE(CharAt(1).Effects & CharEffect::Bold);
  EXPECT_FALSE(CharAt(2).Effects & CharEffect::Bold);
  box.Clear();
  enhancer.ResetStacks();
  RunEnhance({"^B*", "^B+", "One.", "  Two."});  // the single-use level goes, the asterisk stays
  EXPECT_TRUE(CharAt(0).Effects & CharEffect::Bold);
  EXPECT_TRUE(CharAt(1).Effects & CharEffect::Bold);
  EXPECT_EQ(enhancer.Format.Depth(fpBold), 1);
}

TEST_F(Commands, SingleUseSurvivesEmptyParagraphs) {
  RunEnhance({"^I+", "", "One.", "  Two."});
  EXPECT_EQ(Paragraphs(), (Lines{"", "One.", "Two."}));
  EXPECT_TRUE(CharAt(1).Effects & CharEffect::Italic);
  EXPECT_FALSE(CharAt(2).Effects & CharEffect::Italic);
}

TEST_F(Commands, TitleParagraph) {
  RunEnhance({"^PS_T+", "The Title", "  Body."});
  EXPECT_TRUE(CharAt(0).Effects & CharEffect::Underline);
  EXPECT_TRUE(CharAt(0).Effects & CharEffect::Bold);
  EXPECT_EQ(CharAt(0).Height, 500);
  EXPECT_EQ(ParaOf(0).Alignment, ParaAlign::Center);
  EXPECT_EQ(ParaOf(0).StartIndent, 0);
  EXPECT_EQ(CharAt(1).Height, 320);
  EXPECT_FALSE(CharAt(1).Effects & CharEffect::Bold);
}

TEST_F(Commands, HundredSingleUsePushesWrap) {
  Lines lines(100, "^U+");
  lines.push_back("Text.");
  lines.push_back("  More.");
  RunEnhance(lines);
  EXPECT_TRUE(CharAt(0).Effects & CharEffect::Underline);
  EXPECT_FALSE(CharAt(1).Effects & CharEffect::Underline);
  EXPECT_EQ(enhancer.Format.Depth(fpUnderline), 0);
}

}  // namespace
}  // namespace qv
