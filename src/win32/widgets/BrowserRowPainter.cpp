#include "widgets/BrowserRowPainter.h"

#include <algorithm>
#include <cstring>

#include "layout/Geometry.h"

namespace qv::win {

namespace {

constexpr int kInsetX = 3;  // 96-DPI pixels
constexpr int kInsetY = 2;
constexpr int kDesignRowHeight = 13;

// Fills a rectangle in one colour without creating a brush.
void FillSolid(HDC dc, const RECT& r, COLORREF color) {
  SetBkColor(dc, color);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, "", 0, nullptr);
}

// Fills the cell and writes text in it, clipped to the inset rectangle.
void PaintCell(HDC dc, const RECT& cell, const char* text, size_t length, COLORREF back,
               COLORREF fore, int dpi) {
  FillSolid(dc, cell, back);
  const int x = ScaleToDpi(kInsetX, dpi), y = ScaleToDpi(kInsetY, dpi);
  RECT inner{cell.left + x, cell.top + y, cell.right - x, cell.bottom - y};
  if (inner.right <= inner.left || inner.bottom <= inner.top) return;
  SetTextColor(dc, fore);
  ExtTextOutA(dc, inner.left, inner.top, ETO_CLIPPED, &inner, text, static_cast<UINT>(length),
              nullptr);
}

}  // namespace

int BrowserTypeCellWidth(HDC dc, int rowHeight, int dpi) {
  int width = BrowserTypeColumnWidth(rowHeight);
  for (const char* word : {"Dir", "Form", "Plain"}) {
    SIZE size{};
    GetTextExtentPoint32A(dc, word, static_cast<int>(std::strlen(word)), &size);
    width = std::max<int>(width, size.cx + 2 * ScaleToDpi(kInsetX, dpi));
  }
  return width;
}

int BrowserRowHeight(const TFontStyle& font) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, GetCachedFont(font));
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return std::max<int>(kDesignRowHeight, tm.tmHeight + 2 * kInsetY + 1);
}

void PaintBrowserRow(HDC dc, const RECT& row, const TBrowserItem& item, bool selected,
                     bool focused, const TBrowserRowColors& colors, int dpi) {
  const COLORREF oldText = GetTextColor(dc), oldBack = GetBkColor(dc);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const int typeWidth = BrowserTypeCellWidth(dc, row.bottom - row.top, dpi);
  const int split = row.left + typeWidth;  // the separating line's column
  const int bottomLine = row.bottom - 1;
  const RECT name{split + 1, row.top, row.right, bottomLine};

  const char* type = TBrowserModel::TypeText(item);
  PaintCell(dc, {row.left, row.top, split, bottomLine}, type, std::strlen(type),
            item.Folder ? colors.DirTypeBack : colors.Window,
            item.Folder ? colors.DirTypeFore : colors.Font, dpi);
  const std::string caption = item.Caption();
  PaintCell(dc, name, caption.c_str(), caption.size(), selected ? colors.FocusBack : colors.Window,
            selected ? colors.FocusFore : colors.Font, dpi);
  FillSolid(dc, {split, row.top, split + 1, bottomLine}, colors.Font);
  FillSolid(dc, {row.left, bottomLine, row.right, row.bottom}, colors.Font);
  if (selected && focused) DrawFocusRect(dc, &name);

  SetBkMode(dc, oldMode);
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldText);
}

}  // namespace qv::win
