// The stock-colour dialog "Stock colors": the 133 named colours in a 12 x 12
// grid of cells. A left click selects a colour and closes the dialog; a right
// click, when the caller gave a callback, selects it, marks it and calls the
// callback, keeping the dialog open; a middle click copies the cell's hint.
// Tab reaches the grid at the selected colour's cell (or the first).
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "colors/ColorPanels.h"
#include "widgets/ColorPanel.h"
#include "widgets/Controls.h"

namespace qv::win {

// One cell of the grid: a panel with a single one-pixel border, pressed as a
// button (also from the keyboard).
class TColorCellPanel : public TButtonPanel {
 public:
  TColorCellPanel(TControl* parent, const std::string& name);
};

class TColorForm : public TForm {
 public:
  using TColorCallback = std::function<void(uint32_t color)>;
  TColorForm(TForm* owner, uint32_t color, TColorCallback callback);
  ~TColorForm() override;

  TGroupBox StockColorsBox;
  TPanel ColorsPanel;
  TLabel RemarkLabel;
  TButton CancelButton;

  uint32_t SelectedColor() const { return selected_; }
  // Lays the cells out for the selected colour (its cells drawn smaller).
  void BuildColorGrid();
  void ColorCellMouseUp(int cell, TMouseButton button);
  // The arrows move the keyboard focus from cell to cell in the grid.
  void ColorCellKeyDown(int cell, WORD& key);
  int CellCount() const { return static_cast<int>(cells_.size()); }
  TColorCellPanel& Cell(int cell) const { return *cells_[static_cast<size_t>(cell)]; }
  HWND ToolTips() const { return toolTips_; }

 private:
  uint32_t selected_;
  TColorCallback callback_;
  // Made once and laid out again by each build: a cell is never destroyed while
  // its own mouse message is being handled.
  std::vector<std::unique_ptr<TColorCellPanel>> cells_;
  HWND toolTips_ = nullptr;
};

// The dialog being shown, or null.
extern TColorForm* ColorForm;

// Shows the dialog modally at color; true when a colour was chosen with the left
// button. color then holds the selected colour (also one selected with the
// right button before a cancel; the caller's own when none was). A failure is reported as "Failed to show
// color dialog." and gives false.
bool ColorFormDialog(uint32_t& color, TColorForm::TColorCallback callback = nullptr);

// The system colour dialog, fully open (the custom colour part shown) with
// color preselected; true when a colour was chosen, which color then holds.
bool ChooseSystemColorDialog(HWND owner, uint32_t& color);

// The dialogs a colour panel's clicks open: the stock-colour dialog and the
// system's, owned by the main window.
class TColorDialogs : public IColorChooser {
 public:
  bool ChooseStockColor(uint32_t& color) override { return ColorFormDialog(color); }
  bool ChooseSystemColor(uint32_t& color) override;
};

}  // namespace qv::win
