#include <gtest/gtest.h>

#include "colors/ColorPanels.h"
#include "colors/Colors.h"

namespace qv {
namespace {

TEST(ColorPanelHint, NameDescriptionAndUsage) {
  EXPECT_EQ(ColorPanelHint(0x196EB9),
            "Ochre (RGB 185-110-25; Decimal = 12152345; Hexadecimal = 0xB96E19). (Double) Left "
            "click a color to open the stock-color dialog. Right click it to open the color "
            "dialog. Middle click it to set the default color.");
  EXPECT_EQ(ColorPanelHint(0x010203).substr(0, 45),
            " (RGB 3-2-1; Decimal = 197121; Hexadecimal = ");
}

TEST(ColorPanelValue, StockNameElseTheRgbTriple) {
  EXPECT_EQ(ColorPanelValue(0x196EB9), "Ochre");
  EXPECT_EQ(ColorPanelValue(0x010203), "RGB 3-2-1");
}

class ScriptedChooser : public IColorChooser {
 public:
  bool answer = true;
  uint32_t chosen = 0;
  std::string calls;
  uint32_t offered = 0;
  bool ChooseStockColor(uint32_t& c) override { return Answer("stock", c); }
  bool ChooseSystemColor(uint32_t& c) override { return Answer("system", c); }

 private:
  bool Answer(const char* which, uint32_t& c) {
    calls += which;
    offered = c;
    if (answer) c = chosen;
    return answer;
  }
};

TEST(ColorPanelMouseUp, ButtonRules) {
  struct Case { TColorButton button; bool answer; const char* calls; bool set; uint32_t result; };
  const Case cases[] = {
      {TColorButton::Left, true, "stock", true, 0x00AA00},
      {TColorButton::Left, false, "stock", false, 0x123456},   // cancelled: nothing changes
      {TColorButton::Right, true, "system", true, 0x00AA00},
      {TColorButton::Right, false, "system", false, 0x123456},
      {TColorButton::Middle, true, "", true, 0x4B96AA},        // the default, no dialog
  };
  for (const Case& c : cases) {
    ScriptedChooser chooser;
    chooser.answer = c.answer;
    chooser.chosen = 0x00AA00;
    uint32_t color = 0x123456;
    EXPECT_EQ(ColorPanelMouseUp(c.button, color, 0x4B96AA, chooser), c.set) << c.calls;
    EXPECT_EQ(color, c.result) << c.calls;
    EXPECT_EQ(chooser.calls, c.calls);
    if (*c.calls) {
      EXPECT_EQ(chooser.offered, 0x123456u) << "the dialog opens at the panel's colour";
    }
  }
}

TEST(BuildColorGrid, DesignSizeCellsAndTheSelection) {
  // Black is entry 0 and fills the 11 cells after the last stock colour: all are small.
  const std::vector<TColorCell> cells = BuildColorGrid(400, 350, 0x000000);
  ASSERT_EQ(cells.size(), 144u);
  for (int k = 0; k < 144; ++k) {
    const TColorCell& c = cells[size_t(k)];
    const bool black = k == 0 || k >= 133;
    EXPECT_EQ(c.Left, 5 + (k % 12) * 32) << k;
    EXPECT_EQ(c.Top, 5 + (k / 12) * 28) << k;
    EXPECT_EQ(c.Selected, black) << k;
    EXPECT_EQ(c.Width, black ? 22 : 30) << k;
    EXPECT_EQ(c.Height, black ? 19 : 26) << k;
    EXPECT_EQ(c.Color, black ? 0u : CStockColors[k].Color) << k;
    EXPECT_EQ(c.Name, black ? "Black" : CStockColors[k].Name) << k;
  }
  EXPECT_EQ(cells[87].Hint(), "Ochre (RGB 185-110-25; Decimal = 12152345; Hexadecimal = 0xB96E19)");

  // A colour that is no stock colour marks no cell; Ochre marks exactly its own.
  for (const TColorCell& c : BuildColorGrid(400, 350, 0x010203)) EXPECT_FALSE(c.Selected);
  const std::vector<TColorCell> ochre = BuildColorGrid(400, 350, 0x196EB9);
  for (int k = 0; k < 144; ++k) EXPECT_EQ(ochre[size_t(k)].Selected, k == 87) << k;
}

TEST(BuildColorGrid, MarginAndGapFollowTheDpi) {
  // The dialog's panel at 192 DPI is 800 x 700: a margin of 10, cells 65 x 56
  // apart, each 4 pixels smaller than its step; the selected one 0.75 step - 4.
  const std::vector<TColorCell> cells = BuildColorGrid(800, 700, 0x196EB9, 192);
  EXPECT_EQ((std::vector<int>{cells[13].Left, cells[13].Top, cells[13].Width, cells[13].Height}),
            (std::vector<int>{10 + 65, 10 + 56, 61, 52}));
  EXPECT_EQ((std::vector<int>{cells[87].Width, cells[87].Height}), (std::vector<int>{44, 38}));
  EXPECT_EQ(cells[143].Left + cells[143].Width, 10 + 12 * 65 - 4);
}

TEST(ColorSchemes, ValuesAreTheNamedStockColors) {
  // By panel: screen back, screen fore, rich-box back, rich-box fore, empha,
  // second empha, focus back, focus fore, directory back, directory fore.
  const char* const names[3][cpColorPanelCount] = {
      {"White", "Black", "White", "Black", "Navy", "Cherry", "Ochre", "White", "Medium Hemp", "White"},
      {"Blue Gray", "Gray White", "Blue Gray", "Gray White", "Pastel Cream Yellow", "Pastel Ochre",
       "Ochre", "Black", "Dark Navy", "Gray White"},
      {"Black", "Cream Gray", "Black", "Cream Gray", "Ochre", "Dark Red", "Ochre", "Cream White",
       "Gloom Red", "Cream Gray"},
  };
  const char* const captions[3] = {"High light", "Low strain", "Low light"};
  for (int s = 0; s < 3; ++s) {
    EXPECT_STREQ(CColorSchemes[s].Caption, captions[s]);
    for (int p = 0; p < cpColorPanelCount; ++p)
      EXPECT_EQ(GetStockColorName(CColorSchemes[s].Colors[size_t(p)]), names[s][p])
          << captions[s] << " panel " << p;
  }
}

}  // namespace
}  // namespace qv
