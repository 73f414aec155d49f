#include "pictures/PictureFit.h"

#include <algorithm>
#include <cstdint>

namespace qv {

namespace {
// a * b / c with truncation, without overflow for picture sizes.
int Scale(int a, int b, int c) { return static_cast<int>(int64_t(a) * b / c); }
}  // namespace

TSize GetBestFitSize(int w, int h, int tw, int th, bool enlarge) {
  if (w < 1 || h < 1) return {};
  tw = std::max(tw, 0);
  th = std::max(th, 0);
  TSize s;
  s.Width = enlarge ? tw : std::min(tw, w);
  s.Height = s.Width == w ? h : Scale(h, s.Width, w);
  if (s.Height <= th) return s;
  s.Height = enlarge ? th : std::min(th, h);
  s.Width = s.Height == h ? w : Scale(w, s.Height, h);
  return s;
}

TSize PictureDrawSize(int pw, int ph, int tw, int th, bool stretch) {
  if (stretch) return {std::max(tw, 0), std::max(th, 0)};
  return GetBestFitSize(pw, ph, tw, th);
}

std::vector<TBlit> PlanTileBlits(TSize tile, TSize plane, const TRect& view) {
  std::vector<TBlit> blits;
  if (tile.Width < 1 || tile.Height < 1) return blits;
  // The part of the view that lies on the plane.
  const int left = std::max(view.Left, 0), top = std::max(view.Top, 0);
  const int right = std::min(view.Left + view.Width, plane.Width);
  const int bottom = std::min(view.Top + view.Height, plane.Height);
  if (left >= right || top >= bottom) return blits;
  for (int row = top / tile.Height; row * tile.Height < bottom; ++row) {
    const int y = row * tile.Height;
    const int y0 = std::max(y, top), y1 = std::min(y + tile.Height, bottom);
    for (int column = left / tile.Width; column * tile.Width < right; ++column) {
      const int x = column * tile.Width;
      const int x0 = std::max(x, left), x1 = std::min(x + tile.Width, right);
      blits.push_back({x0 - view.Left, y0 - view.Top, x1 - x0, y1 - y0, x0 - x, y0 - y});
    }
  }
  return blits;
}

}  // namespace qv
