#include "layout/WindowLayout.h"

#include <algorithm>
#include <cstdint>

#include "util/Numbers.h"

namespace qv {

TLayoutSpacing::TLayoutSpacing(int dpi) : Edge(ScaleToDpi(10, dpi)), Gap(ScaleToDpi(5, dpi)) {}

TLayout ComputeLayout(const TLayoutInput& in) {
  const int64_t W = in.ScreenWidth, H = in.ScreenHeight;
  const int edge = TLayoutSpacing(in.Dpi).Edge;
  TLayout out;
  // Percentages apply to the whole products, so no rounding error piles up.
  const int rw = static_cast<int>(in.WidthPercent * W / 100);
  const int rl = static_cast<int>((W - rw) / 2);
  const int rt = static_cast<int>(in.TopPercent * H / 100);
  const int bottomMargin = static_cast<int>((in.BottomPercent * H + 99) / 100);  // rounded up
  const int rh = static_cast<int>(H - rt) - bottomMargin;
  out.RichBox = {rl, rt, rw, std::max(rh, 0)};

  const int s = std::max(rl - in.SidebarWidth - edge, edge);
  out.Sidebar = {s, edge, in.OptionsPagesWidth, std::max(static_cast<int>(H) - 2 * edge, 0)};

  const int R = out.Sidebar.Left + out.Sidebar.Width;
  const int B = out.Sidebar.Top + out.Sidebar.Height;
  const int L = std::max(rl, R + edge);
  // On very narrow screens the labels shrink to nothing rather than turn negative.
  const int labelWidth = std::max(static_cast<int>(W) - 2 * L, 0);
  const int hintTop = rt + rh + edge;
  out.HintLabel = {L, hintTop, labelWidth, std::max(B - hintTop, 0)};
  out.FileInfoLabel = {L, edge, labelWidth, std::max(rt - 2 * edge, 0)};

  out.ClockLeft = static_cast<int>(W) - s - in.ClockWidth - edge;
  out.ClockTop = B - in.ClockHeight - edge;
  return out;
}

}  // namespace qv
