// Rectangles, the rows of the windows' place tables, and the scaling of the
// 96-DPI pixels they are written in to the pixels of a screen of any DPI.
#pragma once
#include <string>

namespace qv {

struct TRect {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  bool operator==(const TRect& o) const {
    return Left == o.Left && Top == o.Top && Width == o.Width && Height == o.Height;
  }
};

// One row of a window's place table: a control's name and its bounds in its
// parent's client area, in pixels of a 96-DPI screen. Tables keep a page's
// rows together, so every position of a page can be read (and mended) in one place.
struct TPlace {
  std::string Name;
  int Left, Top, Width, Height;
};

// The DPI the tables, the fonts and the layout's distances are written for.
constexpr int kDesignDpi = 96;

// A length of the 96-DPI design at dpi, to the nearest pixel (halves away from zero).
int ScaleToDpi(int designPixels, int dpi);
// The rectangle's edges are scaled, not its size: rectangles that do not
// overlap at 96 DPI never overlap at another DPI, and ones that touch still touch.
TRect ScaleToDpi(const TRect& design, int dpi);
TPlace ScaleToDpi(const TPlace& design, int dpi);

}  // namespace qv
