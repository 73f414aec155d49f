// The colour panels of the "Colors" page, the stock-colour grid and the colour
// schemes: the parts that need no window.
//
//   ColorPanelHint      a panel's hint: stock name, description, ". ", usage text.
//   ColorPanelValue     a panel's colour in words, for screen readers.
//   ColorPanelMouseUp   what a click on a panel does (stock dialog, system dialog, default).
//   BuildColorGrid      the 12 x 12 cells of the stock-colour dialog.
//   CColorSchemes       "High light", "Low strain" and "Low light".
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "layout/Geometry.h"

namespace qv {

// The usage text that ends every colour panel's hint (and the colour groups' hint).
extern const char* const ColorPanelUsage;

// GetStockColorName + GetColorDescription + ". " + ColorPanelUsage; a colour
// that is no stock colour gives a hint starting with the blank before "(RGB".
std::string ColorPanelHint(uint32_t color);

// The colour a panel shows, as a screen reader reads it: its stock name, or
// "RGB r-g-b" for a colour that is no stock colour.
std::string ColorPanelValue(uint32_t color);

// The dialogs a panel click opens; each answers false when cancelled or failed.
class IColorChooser {
 public:
  virtual ~IColorChooser() = default;
  // The stock-colour dialog, opened at color; true when a colour was chosen into color.
  virtual bool ChooseStockColor(uint32_t& color) = 0;
  // The system colour dialog, fully open with color preselected.
  virtual bool ChooseSystemColor(uint32_t& color) = 0;
};

enum class TColorButton { Left, Right, Middle };

// A mouse-up on a colour panel holding color: the left button asks the stock
// dialog, the right one the system dialog, the middle one takes defaultColor.
// True when the panel's colour is to be set to color; false leaves color as it was.
bool ColorPanelMouseUp(TColorButton button, uint32_t& color, uint32_t defaultColor,
                       IColorChooser& chooser);

// One cell of the stock-colour grid.
struct TColorCell {
  uint32_t Color = 0;
  std::string Name;
  int Left = 0, Top = 0, Width = 0, Height = 0;  // in the grid panel's client area
  bool Selected = false;                         // drawn smaller: it holds the selected colour
  // The cell's hint: its name and its colour's description.
  std::string Hint() const;
};

constexpr int kColorGridSide = 12;
constexpr int kColorGridCells = kColorGridSide * kColorGridSide;

// The 144 cells, row by row, for a grid panel of the given client size: cell k
// shows stock colour k, the cells after the last stock colour repeat entry 0
// (Black). Cells are (cw - 2) x (ch - 2) at (5 + j cw, 5 + i ch) with
// cw = (width - 10) div 12 and ch = (height - 10) div 12; a cell holding the
// selected colour is (0.75 cw - 2) x (0.75 ch - 2), truncated. The margin of
// 5 and the gap of 2 are pixels of a 96-DPI screen, scaled to dpi.
std::vector<TColorCell> BuildColorGrid(int clientWidth, int clientHeight, uint32_t selected, int dpi = kDesignDpi);

// The ten colour panels in the order of the profile.
enum TColorPanelId {
  cpScreenBack, cpScreenFore, cpRichBoxBack, cpRichBoxFore, cpEmpha, cpSecondEmpha,
  cpBrowserFocusBack, cpBrowserFocusFore, cpDirTypeBack, cpDirTypeFore, cpColorPanelCount
};

struct TColorScheme {
  const char* Caption;  // the scheme button's caption
  std::array<uint32_t, cpColorPanelCount> Colors;  // by TColorPanelId
};

// "High light" (equal to the panels' defaults), "Low strain", "Low light".
extern const TColorScheme CColorSchemes[3];

// The order in which a scheme button sets the panels: the rich-box's colours,
// the emphasis colours, the browser's, then the screen's.
extern const std::array<TColorPanelId, cpColorPanelCount> CSchemeSetOrder;

}  // namespace qv
