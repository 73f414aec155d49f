#include "layout/WindowLayout.h"

#include <algorithm>
#include <cstdint>

#include "util/Numbers.h"

namespace qv {

TLayout ComputeLayout(const TLayoutInput& in) {
  const int64_t W = in.ScreenWidth, H = in.ScreenHeight;
  TLayout out;
  // Percentages apply to the whole products, so no rounding error piles up.
  const int rw = static_cast<int>(in.WidthPercent * W / 100);
  const int rl = static_cast<int>((W - rw) / 2);
  const int rt = static_cast<int>(in.TopPercent * H / 100);
  const int bottomMargin = static_cast<int>((in.BottomPercent * H + 99) / 100);  // rounded up
  const int rh = static_cast<int>(H - rt) - bottomMargin;
  out.RichBox = {rl, rt, rw, std::max(rh, 0)};

  const int s = std::max(rl - in.SidebarWidth - 10, 10);
  out.Sidebar = {s, 10, in.OptionsPagesWidth, std::max(static_cast<int>(H) - 20, 0)};

  const int R = out.Sidebar.Left + out.Sidebar.Width;
  const int B = out.Sidebar.Top + out.Sidebar.Height;
  const int L = std::max(rl, R + 10);
  // On very narrow screens the labels shrink to nothing rather than turn negative.
  const int labelWidth = std::max(static_cast<int>(W) - 2 * L, 0);
  const int hintTop = rt + rh + 10;
  out.HintLabel = {L, hintTop, labelWidth, std::max(B - hintTop, 0)};
  out.FileInfoLabel = {L, 10, labelWidth, std::max(rt - 20, 0)};

  out.ClockLeft = static_cast<int>(W) - s - in.ClockWidth - 10;
  out.ClockTop = B - in.ClockHeight - 10;
  return out;
}

}  // namespace qv
