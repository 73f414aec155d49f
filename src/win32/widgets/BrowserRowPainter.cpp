#include "widgets/BrowserRowPainter.h"

#include <algorithm>
#include <cwchar>
#include "platform/WideText.h"

#include "layout/Geometry.h"

namespace qv::win {

namespace {

constexpr int kInsetX = 3;  // 96-DPI pixels
constexpr int kInsetY = 2;
constexpr int kDesignRowHeight = 13;

// Fills a rectangle in one colour without creating a brush.
void FillSolid(HDC dc, const RECT& r, COLORREF color) {
  SetBkColor(dc, color);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, L"", 0, nullptr);
}

// Fills the cell and writes text in it, clipped to the inset rectangle.
void PaintCell(HDC dc, const RECT& cell, const std::string& text, COLORREF back, COLORREF fore, int dpi) {
  FillSolid(dc, cell, back);
  const int x = ScaleToDpi(kInsetX, dpi), y = ScaleToDpi(kInsetY, dpi);
  RECT inner{cell.left + x, cell.top + y, cell.right - x, cell.bottom - y};
  if (inner.right <= inner.left || inner.bottom <= inner.top) return;
  SetTextColor(dc, fore);
  const std::wstring wide = ToWide(text);
  ExtTextOutW(dc, inner.left, inner.top, ETO_CLIPPED, &inner, wide.c_str(), static_cast<UINT>(wide.size()),
              nullptr);
}

}  // namespace

int BrowserTypeCellWidth(HDC dc, int rowHeight, int dpi) {
  int width = BrowserTypeColumnWidth(rowHeight);
  for (const wchar_t* word : {L"Dir", L"Form", L"Plain"}) {
    SIZE size{};
    GetTextExtentPoint32W(dc, word, static_cast<int>(std::wcslen(word)), &size);
    width = std::max<int>(width, size.cx + 2 * ScaleToDpi(kInsetX, dpi));
  }
  return width;
}

int BrowserRowHeight(const TFontStyle& font) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, GetCachedFont(font));
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
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

  PaintCell(dc, {row.left, row.top, split, bottomLine}, TBrowserModel::TypeText(item),
            item.Folder ? colors.DirTypeBack : colors.Window,
            item.Folder ? colors.DirTypeFore : colors.Font, dpi);
  PaintCell(dc, name, item.Caption(), selected ? colors.FocusBack : colors.Window,
            selected ? colors.FocusFore : colors.Font, dpi);
  FillSolid(dc, {split, row.top, split + 1, bottomLine}, colors.Font);
  FillSolid(dc, {row.left, bottomLine, row.right, row.bottom}, colors.Font);
  if (selected && focused) DrawFocusRect(dc, &name);

  SetBkMode(dc, oldMode);
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldText);
}

}  // namespace qv::win
