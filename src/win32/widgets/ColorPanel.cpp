#include "widgets/ColorPanel.h"

#include <oleacc.h>

#include "colors/ColorPanels.h"
#include "widgets/Accessibility.h"
#include "widgets/FocusOrder.h"

namespace qv::win {

TButtonPanel::TButtonPanel(TControl* parent, const std::string& name, int x, int y, int w, int h)
    : TPanel(parent, name, x, y, w, h) {
  // A tab stop of its own, with no controls inside for a dialog's Tab to look for.
  SetWindowLongW(hwnd_, GWL_STYLE, GetWindowLongW(hwnd_, GWL_STYLE) | WS_TABSTOP);
  SetWindowLongW(hwnd_, GWL_EXSTYLE, GetWindowLongW(hwnd_, GWL_EXSTYLE) & ~WS_EX_CONTROLPARENT);
}

long TButtonPanel::AccessibleRole() const { return ROLE_SYSTEM_PUSHBUTTON; }

bool TButtonPanel::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_GETDLGCODE: {
      // In a dialog the arrows, Space and Enter are the panel's own.
      const MSG* m = reinterpret_cast<const MSG*>(lp);
      result = DLGC_WANTARROWS | DLGC_WANTCHARS |
               (m && m->message == WM_KEYDOWN && m->wParam == VK_RETURN ? DLGC_WANTMESSAGE : 0);
      return true;
    }
    case WM_ERASEBKGND: {
      HDC dc = reinterpret_cast<HDC>(wp);
      PaintBackground(dc);
      PaintFace(dc);
      const int in = focusInset_;
      PaintKeyboardFocus(*this, dc, {in, in, ClientWidth() - in, ClientHeight() - in});
      result = 1;
      return true;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
      Invalidate(true);
      return false;
  }
  if (KeyAsClick(msg, wp, lp)) {
    result = 0;
    return true;
  }
  return TPanel::WndProc(msg, wp, lp, result);
}

TColorPanel::TColorPanel(TControl* parent, const std::string& name, int x, int y, int w, int h)
    : TButtonPanel(parent, name, x, y, w, h) {
  focusInset_ = 3;  // inside the bevel
  SetColor(current_);
}

std::string TColorPanel::AccessibleValue() const { return ColorPanelValue(DisplayColor(current_)); }

// A system colour identifier (0x80000000 + index) is shown as that system colour.
COLORREF DisplayColor(uint32_t color) {
  if (color & 0x80000000u) return GetSysColor(static_cast<int>(color & 0xFF));
  return color & 0xFFFFFF;
}

void TColorPanel::SetCurrentColor(uint32_t color) {
  const bool changed = color != current_;
  current_ = color;
  SetColor(DisplayColor(color));
  Invalidate(true);
  if (changed) NotifyAccessibleValueChange(*this);
}

namespace {
void Line(HDC dc, int x0, int y0, int x1, int y1, int sysColor) {
  HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(sysColor));
  HGDIOBJ old = SelectObject(dc, pen);
  MoveToEx(dc, x0, y0, nullptr);
  LineTo(dc, x1, y1);
  SelectObject(dc, old);
  DeleteObject(pen);
}
}  // namespace

// The lowered bevel is two rings: shadow over dark shadow on the top and left
// edges, highlight over button face on the bottom and right ones. Each side's
// two rings differ, so every edge stays visible whatever the panel's colour.
void TColorPanel::PaintFace(HDC dc) const {
  const int w = ClientWidth(), h = ClientHeight();
  if (w < 4 || h < 4) return;
  Line(dc, 0, h - 1, 0, 0, COLOR_BTNSHADOW);
  Line(dc, 0, 0, w - 1, 0, COLOR_BTNSHADOW);
  Line(dc, 1, h - 2, 1, 1, COLOR_3DDKSHADOW);
  Line(dc, 1, 1, w - 2, 1, COLOR_3DDKSHADOW);
  Line(dc, 0, h - 1, w, h - 1, COLOR_BTNHIGHLIGHT);
  Line(dc, w - 1, 0, w - 1, h - 1, COLOR_BTNHIGHLIGHT);
  Line(dc, 1, h - 2, w - 1, h - 2, COLOR_BTNFACE);
  Line(dc, w - 2, 1, w - 2, h - 2, COLOR_BTNFACE);
}

}  // namespace qv::win
