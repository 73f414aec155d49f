#include <gtest/gtest.h>

#include "layout/WindowLayout.h"

namespace qv {
namespace {

TLayout For(int w, int h, int pw = 45, int pt = 10, int pb = 15) {
  TLayoutInput in;
  in.ScreenWidth = w;
  in.ScreenHeight = h;
  in.WidthPercent = pw;
  in.TopPercent = pt;
  in.BottomPercent = pb;
  return ComputeLayout(in);
}

TEST(Layout, WorkedExamples) {
  struct Case {
    int w, h, pw;
    TRect rich, sidebar, hint, info;
    int clockLeft, clockTop;
  } cases[] = {
      {1024, 768, 45, {282, 76, 460, 576}, {10, 10, 270, 748}, {290, 662, 444, 96},
       {290, 10, 444, 56}, 944, 728},
      {1280, 1024, 45, {352, 102, 576, 768}, {72, 10, 270, 1004}, {352, 880, 576, 134},
       {352, 10, 576, 82}, 1138, 984},
      // 95 percent: the sidebar lies over the rich-box at x = 10.
      {1024, 768, 95, {26, 76, 972, 576}, {10, 10, 270, 748}, {290, 662, 444, 96},
       {290, 10, 444, 56}, 944, 728},
  };
  for (const Case& c : cases) {
    const TLayout l = For(c.w, c.h, c.pw);
    EXPECT_EQ(l.RichBox, c.rich) << c.w << "x" << c.h << " " << c.pw;
    EXPECT_EQ(l.Sidebar, c.sidebar) << c.w;
    EXPECT_EQ(l.HintLabel, c.hint) << c.w;
    EXPECT_EQ(l.FileInfoLabel, c.info) << c.w;
    EXPECT_EQ(l.ClockLeft, c.clockLeft) << c.w;
    EXPECT_EQ(l.ClockTop, c.clockTop) << c.w;
  }
}

TEST(Layout, BottomMarginRoundsUpAndWholeProducts) {
  // 15 % of 1001 = 150.15, rounded up to 151; 10 % of 1001 = 100.1, truncated.
  const TLayout l = For(1000, 1001);
  EXPECT_EQ(l.RichBox.Top, 100);
  EXPECT_EQ(l.RichBox.Height, 1001 - 100 - 151);
  // Exact multiples are not rounded up.
  EXPECT_EQ(For(1000, 1000).RichBox.Height, 1000 - 100 - 150);
}

TEST(Layout, NarrowScreensGiveEmptyLabelsNotNegativeOnes) {
  for (int w : {580, 560, 300}) {
    const TLayout l = For(w, 600);
    EXPECT_EQ(l.HintLabel.Width, 0) << w;
    EXPECT_EQ(l.FileInfoLabel.Width, 0) << w;
  }
  EXPECT_GT(For(600, 600).HintLabel.Width, 0);
}

}  // namespace
}  // namespace qv
