// One row of the browser's owner-drawn list: a type cell ("Dir", "Form",
// "Plain") and a name cell, a line along the row's bottom pixel row and one
// between the cells, and the focus rectangle on a focused selection.
#pragma once
#include <windows.h>

#include "browser/BrowserModel.h"
#include "widgets/Control.h"

namespace qv::win {

struct TBrowserRowColors {
  COLORREF Window = RGB(255, 255, 255);  // the main window's colour
  COLORREF Font = RGB(0, 0, 0);          // the main window's font colour, also the lines
  COLORREF DirTypeBack = RGB(255, 255, 255);
  COLORREF DirTypeFore = RGB(0, 0, 0);
  COLORREF FocusBack = RGB(0, 0, 128);
  COLORREF FocusFore = RGB(255, 255, 255);
};

// Paints item into row with the font selected in dc. The type column is
// BrowserTypeColumnWidth of the row's height, or wider where the longest type
// word of the font needs it; texts are clipped inside their cell, 3 pixels in
// from the left and right and 2 from the top and bottom (at 96 DPI; the
// list's dpi scales them).
void PaintBrowserRow(HDC dc, const RECT& row, const TBrowserItem& item, bool selected,
                     bool focused, const TBrowserRowColors& colors, int dpi);
// The type column's width for rows of a height in the font selected in dc.
int BrowserTypeCellWidth(HDC dc, int rowHeight, int dpi);
// The rows' height for a font, in pixels of a 96-DPI screen: the layout's 13
// pixels, or more where the font's lines and the cells' insets need them (and
// the row's bottom line).
int BrowserRowHeight(const TFontStyle& font);

}  // namespace qv::win
