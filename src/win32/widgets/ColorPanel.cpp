#include "widgets/ColorPanel.h"

namespace qv::win {

TColorPanel::TColorPanel(TControl* parent, const std::string& name, int x, int y, int w, int h)
    : TPanel(parent, name, x, y, w, h) {
  SetWindowLongA(hwnd_, GWL_EXSTYLE, GetWindowLongA(hwnd_, GWL_EXSTYLE) | WS_EX_STATICEDGE);
  SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOACTIVATE);
  SetColor(current_);
}

// A system colour identifier (0x80000000 + index) is shown as that system colour.
COLORREF DisplayColor(uint32_t color) {
  if (color & 0x80000000u) return GetSysColor(static_cast<int>(color & 0xFF));
  return color & 0xFFFFFF;
}

void TColorPanel::SetCurrentColor(uint32_t color) {
  current_ = color;
  SetColor(DisplayColor(color));
  Invalidate(true);
}

}  // namespace qv::win
