#include "app/install/InstallControls.h"

namespace qv::app {

TCaptionPanel::TCaptionPanel(win::TControl* parent, const std::string& name, int x, int y, int w,
                             int h)
    : TLabel(parent, name, "", x, y, w, h) {
  SetAlignment(DT_CENTER | DT_VCENTER);
}

bool TCaptionPanel::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  const bool handled = TLabel::WndProc(msg, wp, lp, result);
  if (msg == WM_PAINT) {
    // The label has drawn the caption; the panel's raised edge goes round it.
    HDC dc = GetDC(hwnd_);
    RECT r;
    GetClientRect(hwnd_, &r);
    DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
    ReleaseDC(hwnd_, dc);
  }
  return handled;
}

}  // namespace qv::app
