#include "app/install/InstallControls.h"

namespace qv::app {

TCaptionPanel::TCaptionPanel(win::TControl* parent, const std::string& name, int x, int y, int w,
                             int h)
    : TControl(parent, name) {
  CreateHandle(win::ContainerClassName(), "", WS_VISIBLE, 0, x, y, w, h);
}

bool TCaptionPanel::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_ERASEBKGND:
      result = 1;
      return true;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd_, &ps);
      PaintBackground(dc);
      RECT r;
      GetClientRect(hwnd_, &r);
      DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, TextColor());
      HGDIOBJ old = SelectObject(dc, win::GetCachedFont(Font()));
      const std::string text = Text();
      DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
      SelectObject(dc, old);
      EndPaint(hwnd_, &ps);
      result = 0;
      return true;
    }
    case WM_SETTEXT:
      InvalidateRect(hwnd_, nullptr, FALSE);
      return false;
  }
  return false;
}

TReadOnlyEdit::TReadOnlyEdit(win::TControl* parent, const std::string& name, int x, int y, int w,
                             int h)
    : TControl(parent, name) {
  CreateHandle("EDIT", "", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY, WS_EX_CLIENTEDGE,
               x, y, w, h);
}

}  // namespace qv::app
