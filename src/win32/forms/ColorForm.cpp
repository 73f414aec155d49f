#include "forms/ColorForm.h"

#include <commctrl.h>
#include <commdlg.h>

#include "colors/ColorPanels.h"
#include "errors/Guard.h"
#include "platform/Clipboard.h"
#include "platform/WideText.h"
#include "widgets/ColorPanel.h"
#include "widgets/Application.h"

namespace qv::win {

TColorForm* ColorForm = nullptr;

namespace {
const char* const kFile = "ColorDialog";
}  // namespace

TColorCellPanel::TColorCellPanel(TControl* parent, const std::string& name)
    : TButtonPanel(parent, name, 0, 0, 1, 1) {
  SetPlacedByOwner();  // the grid places the cells
  AddStyle(WS_BORDER);
  SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOACTIVATE);
}

TColorForm::TColorForm(TForm* owner, uint32_t color, TColorCallback callback)
    : TForm("ColorForm", "Stock colors", 420, 490, TStyle{false, true, false}, owner),
      StockColorsBox(this, "StockColorsBox", "Stock colors", 5, 5, 410, 440),
      ColorsPanel(&StockColorsBox, "ColorsPanel", 5, 20, 400, 350),
      RemarkLabel(&StockColorsBox, "RemarkLabel",
                  "Click a color to select it and close the dialog. [RMB] to select the color and "
                  "keep the dialog open. [MMB] to clip the hint of the color.",
                  10, 380, 390, 45, true),
      CancelButton(this, "CancelButton", "&Cancel", 175, 455, 75, 25),
      selected_(color),
      callback_(std::move(callback)) {
  TFontStyle font;
  font.Face = "Arial";
  font.Height = 12;
  SetFont(font);
  for (TControl* c : std::initializer_list<TControl*>{&StockColorsBox, &ColorsPanel, &RemarkLabel,
                                                      &CancelButton})
    c->SetFont(font);
  CancelButton.OnClick = [this] { SetModalResult(mrCancel); };
  SetCancelControl([this] { SetModalResult(mrCancel); });
  SetActiveControl(&CancelButton);

  toolTips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
  for (int k = 0; k < kColorGridCells; ++k) {
    cells_.push_back(std::make_unique<TColorCellPanel>(&ColorsPanel, "ColorCell" + std::to_string(k)));
    TColorCellPanel& cell = *cells_.back();
    cell.OnMouseUp = [this, k](TMouseButton button, unsigned, int, int) { ColorCellMouseUp(k, button); };
    cell.OnKeyDown = [this, k](WORD& key, unsigned) { ColorCellKeyDown(k, key); };
    if (toolTips_) {
      TTTOOLINFOW tool{};
      tool.cbSize = TTTOOLINFOW_V2_SIZE;
      tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
      tool.hwnd = hwnd_;
      tool.uId = reinterpret_cast<UINT_PTR>(cell.Handle());
      tool.lpszText = const_cast<wchar_t*>(L"");
      SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
  }
  BuildColorGrid();
  OnDpiChanged = [this] { BuildColorGrid(); };
  ColorForm = this;
}

TColorForm::~TColorForm() {
  if (ColorForm == this) ColorForm = nullptr;
  cells_.clear();
  if (toolTips_) DestroyWindow(toolTips_);
}

void TColorForm::BuildColorGrid() {
  const std::vector<TColorCell> layout =
      qv::BuildColorGrid(ColorsPanel.ClientWidth(), ColorsPanel.ClientHeight(), selected_, Dpi());
  // Tab stops at one cell, the selected colour's (or the first): the arrows go on from there.
  size_t stop = 0;
  while (stop < layout.size() && !layout[stop].Selected) ++stop;
  if (stop == layout.size()) stop = 0;
  for (size_t k = 0; k < layout.size(); ++k) {
    const TColorCell& c = layout[k];
    TColorCellPanel& cell = *cells_[k];
    cell.SetBounds(c.Left, c.Top, c.Width, c.Height);
    cell.SetColor(c.Color);
    cell.SetAccessibleName(c.Name);
    const LONG style = GetWindowLongW(cell.Handle(), GWL_STYLE);
    SetWindowLongW(cell.Handle(), GWL_STYLE, k == stop ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    const std::string hint = c.Hint();
    cell.SetHint(hint);
    if (toolTips_) {
      std::wstring text = ToWide(hint);
      TTTOOLINFOW tool{};
      tool.cbSize = TTTOOLINFOW_V2_SIZE;
      tool.hwnd = hwnd_;
      tool.uId = reinterpret_cast<UINT_PTR>(cell.Handle());
      tool.lpszText = &text[0];
      SendMessageW(toolTips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
  }
}

void TColorForm::ColorCellMouseUp(int cell, TMouseButton button) {
  const TColorCellPanel& panel = Cell(cell);
  switch (button) {
    case TMouseButton::Left:
      selected_ = panel.Color();
      SetModalResult(mrOk);
      break;
    case TMouseButton::Right:
      if (!callback_) break;
      selected_ = panel.Color();
      ColorsPanel.SetVisible(false);
      BuildColorGrid();
      ColorsPanel.SetVisible(true);
      callback_(selected_);
      break;
    case TMouseButton::Middle: {
      const std::string hint = panel.Hint();
      Guarded(QV_OP(kFile, "TColorForm::ColorCellMouseUp", "Failed to copy hint to clipboard."),
              [&](TFunStatContext& local) {
                if (!CopyTextToClipboard(hint))
                  local.Raise(kFile, "TColorForm::ColorCellMouseUp", GetLastError(),
                              "Failed to copy hint to clipboard.", hint, "", Error, __LINE__);
              });
      break;
    }
  }
}

void TColorForm::ColorCellKeyDown(int cell, WORD& key) {
  int next = cell;
  switch (key) {
    case VK_LEFT: next = cell - 1; break;
    case VK_RIGHT: next = cell + 1; break;
    case VK_UP: next = cell - kColorGridSide; break;
    case VK_DOWN: next = cell + kColorGridSide; break;
    case VK_HOME: next = cell - cell % kColorGridSide; break;
    case VK_END: next = cell - cell % kColorGridSide + kColorGridSide - 1; break;
    default: return;
  }
  key = 0;
  if (next >= 0 && next < CellCount()) Cell(next).SetFocus();
}

bool ColorFormDialog(uint32_t& color, TColorForm::TColorCallback callback) {
  bool chosen = false;
  Guarded(QV_OP(kFile, "ColorFormDialog", "Failed to show color dialog."),
          [&](TFunStatContext& local) {
            TColorForm form(Application().MainForm, color, std::move(callback));
            if (!form.Handle()) {
              local.Raise(kFile, "ColorFormDialog", GetLastError(), "Failed to create dialog.", "",
                          "", Error, __LINE__);
              return;
            }
            form.CenterOn(Application().MainForm);
            chosen = form.ShowModal() == mrOk;
            color = form.SelectedColor();
          });
  return chosen;
}

bool ChooseSystemColorDialog(HWND owner, uint32_t& color) {
  // The dialog keeps its sixteen custom colours for the whole run.
  static COLORREF custom[16] = {};
  CHOOSECOLORW c{};
  c.lStructSize = sizeof c;
  c.hwndOwner = owner;
  c.rgbResult = DisplayColor(color);
  c.lpCustColors = custom;
  c.Flags = CC_FULLOPEN | CC_RGBINIT | CC_ANYCOLOR;
  if (!ChooseColorW(&c)) return false;
  color = c.rgbResult;
  return true;
}

bool TColorDialogs::ChooseSystemColor(uint32_t& color) {
  return ChooseSystemColorDialog(Application().MainWindow(), color);
}

}  // namespace qv::win
