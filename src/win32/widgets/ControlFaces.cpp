#include "widgets/ControlFaces.h"

#include <uxtheme.h>

#include "colors/Contrast.h"
#include "platform/WideText.h"

namespace qv::win {

namespace {

constexpr double kDarkLuminance = 0.2;

// first mixed with white: weight 0 gives first, 256 white.
COLORREF Lighter(COLORREF first, int weight) {
  auto channel = [&](int c) { return (c * (256 - weight) + 255 * weight) / 256; };
  return RGB(channel(GetRValue(first)), channel(GetGValue(first)), channel(GetBValue(first)));
}

void Fill(HDC dc, const RECT& r, COLORREF color) {
  SetBkColor(dc, color);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, L"", 0, nullptr);
}

// The caption in the middle of r, its "&" marking the key's letter.
void DrawCaption(HDC dc, RECT r, const std::string& caption, COLORREF color, UINT extra = 0) {
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, color);
  const std::wstring text = ToWide(caption);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | extra);
}

}  // namespace

bool IsDarkColor(COLORREF color) { return RelativeLuminance(color) < kDarkLuminance; }

void PaintButtonFace(const DRAWITEMSTRUCT& item, const TControl& control, const std::string& caption) {
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  const bool pushed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  const COLORREF around = control.Color();
  HGDIOBJ oldFont = SelectObject(dc, control.FontHandle());
  const COLORREF face = Lighter(around, pushed ? 72 : 40);
  Fill(dc, r, Lighter(around, (item.itemState & ODS_DEFAULT) ? 160 : 110));  // the edge, brighter on the default
  const int edge = (item.itemState & ODS_DEFAULT) ? ScaleToDpi(2, control.Dpi()) : 1;
  RECT inner = r;
  InflateRect(&inner, -edge, -edge);
  Fill(dc, inner, face);
  const COLORREF text = ReadableTextColor(control.TextColor(), face);
  DrawCaption(dc, inner, caption, disabled ? RGB((GetRValue(text) + GetRValue(face)) / 2,
                                                 (GetGValue(text) + GetGValue(face)) / 2,
                                                 (GetBValue(text) + GetBValue(face)) / 2)
                                           : text);
  if (item.itemState & ODS_FOCUS) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -ScaleToDpi(4, control.Dpi()), -ScaleToDpi(4, control.Dpi()));
    DrawFocusRect(dc, &focus);
  }
  SelectObject(dc, oldFont);
}

void PaintTabFace(const DRAWITEMSTRUCT& item, const TControl& control, const std::string& caption) {
  HDC dc = item.hDC;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const COLORREF around = control.Color();
  const bool dark = IsDarkColor(around);
  const COLORREF face = dark ? Lighter(around, selected ? 24 : 56) : GetSysColor(COLOR_BTNFACE);
  Fill(dc, item.rcItem, face);
  HGDIOBJ oldFont = SelectObject(dc, control.FontHandle());
  DrawCaption(dc, item.rcItem, caption,
              dark ? ReadableTextColor(control.TextColor(), face) : GetSysColor(COLOR_BTNTEXT), DT_NOPREFIX);
  SelectObject(dc, oldFont);
}

void UseDarkTheme(HWND window, bool dark) {
  // "DarkMode_Explorer" is the theme Windows 10 and 11 give the Explorer's
  // dark windows; where the system has none the call changes nothing.
  SetWindowTheme(window, dark ? L"DarkMode_Explorer" : nullptr, nullptr);
}

}  // namespace qv::win
