// The arithmetic of background pictures: the size a picture is drawn at, and
// the copies of one drawn tile that cover an area.
#pragma once
#include <vector>

#include "layout/WindowLayout.h"

namespace qv {

struct TSize {
  int Width = 0, Height = 0;
  bool operator==(const TSize& o) const { return Width == o.Width && Height == o.Height; }
};

// The largest size of the picture's aspect ratio that fits the target, fitting
// the width first and the height only when the picture is then too tall.
// Without enlarge the picture is never made bigger than it is; with enlarge it
// fits the target exactly in one dimension. A picture without pixels gives 0 x 0.
TSize GetBestFitSize(int w, int h, int tw, int th, bool enlarge = false);

// The size a picture of pw x ph is drawn at into a target of tw x th: the
// target's size when stretched, else its best fit without enlarging.
TSize PictureDrawSize(int pw, int ph, int tw, int th, bool stretch);

// One copy of the tile: the tile's part from (SourceLeft, SourceTop) goes to
// (Left, Top) of the area, Width x Height pixels.
struct TBlit {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  int SourceLeft = 0, SourceTop = 0;
  bool operator==(const TBlit& o) const {
    return Left == o.Left && Top == o.Top && Width == o.Width && Height == o.Height &&
           SourceLeft == o.SourceLeft && SourceTop == o.SourceTop;
  }
};

// The tile repeats from the top-left corner of a plane of plane.Width x
// plane.Height (a screen, a rich-box) and is cut at the plane's edges. These are
// the copies that fill view, a rectangle given in the plane's coordinates, with
// their positions relative to view's top-left corner; parts of view outside the
// plane get no copy. Row by row from the top, each row from the left.
std::vector<TBlit> PlanTileBlits(TSize tile, TSize plane, const TRect& view);

}  // namespace qv
