#include "colors/ColorPanels.h"

#include "colors/Colors.h"

namespace qv {

const char* const ColorPanelUsage =
    "(Double) Left click a color to open the stock-color dialog. Right click it to open the "
    "color dialog. Middle click it to set the default color.";

std::string ColorPanelHint(uint32_t color) {
  return GetStockColorName(color) + GetColorDescription(color) + ". " + ColorPanelUsage;
}

std::string ColorPanelValue(uint32_t color) {
  const std::string name = GetStockColorName(color);
  return name.empty() ? GetColorRgb(color) : name;
}

bool ColorPanelMouseUp(TColorButton button, uint32_t& color, uint32_t defaultColor,
                       IColorChooser& chooser) {
  uint32_t chosen = color;
  switch (button) {
    case TColorButton::Left:
      if (!chooser.ChooseStockColor(chosen)) return false;
      break;
    case TColorButton::Right:
      if (!chooser.ChooseSystemColor(chosen)) return false;
      break;
    case TColorButton::Middle:
      chosen = defaultColor;
      break;
  }
  color = chosen;
  return true;
}

std::string TColorCell::Hint() const { return Name + GetColorDescription(Color); }

std::vector<TColorCell> BuildColorGrid(int clientWidth, int clientHeight, uint32_t selected, int dpi) {
  const int margin = ScaleToDpi(5, dpi), gap = ScaleToDpi(2, dpi);
  const int cw = (clientWidth - 2 * margin) / kColorGridSide;
  const int ch = (clientHeight - 2 * margin) / kColorGridSide;
  std::vector<TColorCell> cells(kColorGridCells);
  for (int k = 0; k < kColorGridCells; ++k) {
    const TStockColor& stock = CStockColors[k < StockColorCount ? k : 0];
    TColorCell& cell = cells[size_t(k)];
    cell.Color = stock.Color;
    cell.Name = stock.Name;
    cell.Left = margin + (k % kColorGridSide) * cw;
    cell.Top = margin + (k / kColorGridSide) * ch;
    cell.Selected = stock.Color == selected;
    cell.Width = cell.Selected ? static_cast<int>(0.75 * cw - gap) : cw - gap;
    cell.Height = cell.Selected ? static_cast<int>(0.75 * ch - gap) : ch - gap;
  }
  return cells;
}

const TColorScheme CColorSchemes[3] = {
    {"High light",
     {0xFFFFFF, 0x000000, 0xFFFFFF, 0x000000, 0x820000, 0x5A00B4, 0x196EB9, 0xFFFFFF, 0x4B96AA,
      0xFFFFFF}},
    {"Low strain",
     {0x78784B, 0xE6E6E6, 0x78784B, 0xE6E6E6, 0x64CDFF, 0x0096CD, 0x196EB9, 0x000000, 0x553C32,
      0xE6E6E6}},
    {"Low light",
     {0x000000, 0x87AAB9, 0x000000, 0x87AAB9, 0x196EB9, 0x0000AA, 0x196EB9, 0xC8D7E1, 0x000082,
      0x87AAB9}},
};

const std::array<TColorPanelId, cpColorPanelCount> CSchemeSetOrder = {
    cpRichBoxBack, cpRichBoxFore, cpEmpha, cpSecondEmpha, cpBrowserFocusBack,
    cpBrowserFocusFore, cpDirTypeBack, cpDirTypeFore, cpScreenBack, cpScreenFore};

}  // namespace qv
