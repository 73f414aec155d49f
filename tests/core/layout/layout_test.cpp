#include <gtest/gtest.h>

#include "app/SidebarPlaces.h"
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

TEST(Dpi, LengthsScaleToTheNearestPixel) {
  struct Case { int design, dpi, scaled; } cases[] = {
      {10, 96, 10}, {10, 120, 13}, {10, 144, 15}, {10, 192, 20},  // 12.5 rounds up
      {5, 120, 6},  {5, 144, 8},   {1, 144, 2},   {1, 120, 1},    // 7.5 up, 1.25 down
      {0, 192, 0},  {-3, 144, -5}, {270, 168, 473},               // halves away from zero
  };
  for (const Case& c : cases) EXPECT_EQ(ScaleToDpi(c.design, c.dpi), c.scaled) << c.design << " at " << c.dpi;
}

TEST(Dpi, RectanglesScaleByTheirEdgesSoNeighboursNeverOverlap) {
  // Side by side at 96 DPI; scaling left and width apart would put the first
  // over the second at 144 DPI (8 + 8 > 15).
  const TRect first{5, 0, 5, 10}, second{10, 0, 5, 10};
  for (int dpi = 96; dpi <= 288; ++dpi) {
    const TRect a = ScaleToDpi(first, dpi), b = ScaleToDpi(second, dpi);
    EXPECT_EQ(a.Left + a.Width, b.Left) << dpi;
  }
  EXPECT_EQ(ScaleToDpi(first, 96), first);
  EXPECT_EQ(ScaleToDpi(TRect{5, 40, 40, 21}, 120), (TRect{6, 50, 50, 26}));
}

TEST(Dpi, PlaceTablesScaleWithTheirNames) {
  // "Allow editing", which a half-scaled sidebar pushed against its group's
  // edge, stays inside the group's two-pixel frame at every DPI.
  for (int dpi : {96, 120, 144, 168, 192}) {
    const TPlace g = ScaleToDpi(app::OpenPage::BookGroupBox, dpi);
    const TPlace b = ScaleToDpi(app::OpenPage::AllowEditingCheckBox, dpi);
    EXPECT_EQ(b.Name, "AllowEditingCheckBox");
    EXPECT_LE(b.Left + b.Width, g.Width - 2) << dpi;
  }
  const TPlace at144 = ScaleToDpi(app::OpenPage::AllowEditingCheckBox, 144);
  EXPECT_EQ((TRect{at144.Left, at144.Top, at144.Width, at144.Height}), (TRect{234, 96, 138, 30}));
  // A combo box's row gives no height (the box takes its font's): none at any DPI.
  EXPECT_EQ(ScaleToDpi(app::ProgramGeneralPage::PieceSizeComboBox, 192).Height, 0);
}

TEST(Layout, DistancesFollowTheDpi) {
  struct Case { int dpi, edge, gap; } cases[] = {{96, 10, 5}, {120, 13, 6}, {144, 15, 8}, {192, 20, 10}};
  for (const Case& c : cases) {
    const TLayoutSpacing s(c.dpi);
    EXPECT_EQ(s.Edge, c.edge) << c.dpi;
    EXPECT_EQ(s.Gap, c.gap) << c.dpi;
  }
}

// The layout of a screen at dpi, with the sidebar and the clock as that DPI makes them.
TLayout AtDpi(int w, int h, int dpi) {
  TLayoutInput in;
  in.ScreenWidth = w;
  in.ScreenHeight = h;
  in.SidebarWidth = in.OptionsPagesWidth = ScaleToDpi(270, dpi);
  in.ClockWidth = ScaleToDpi(60, dpi);
  in.ClockHeight = ScaleToDpi(20, dpi);
  in.Dpi = dpi;
  return ComputeLayout(in);
}

TEST(Layout, AScreenOfTwiceTheDpiGivesEveryPartTwiceAsLarge) {
  // Screens whose percentages come out whole, so that only the DPI differs.
  const TLayout at96 = For(1000, 800), at192 = AtDpi(2000, 1600, 192);
  auto twice = [](const TRect& r) { return TRect{2 * r.Left, 2 * r.Top, 2 * r.Width, 2 * r.Height}; };
  EXPECT_EQ(at192.RichBox, twice(at96.RichBox));
  EXPECT_EQ(at192.Sidebar, twice(at96.Sidebar));
  EXPECT_EQ(at192.HintLabel, twice(at96.HintLabel));
  EXPECT_EQ(at192.FileInfoLabel, twice(at96.FileInfoLabel));
  EXPECT_EQ(at192.ClockLeft, 2 * at96.ClockLeft);
  EXPECT_EQ(at192.ClockTop, 2 * at96.ClockTop);

  // At 144 DPI on a 1536 x 1152 screen: distances of 15, a sidebar of 405.
  const TLayout at144 = AtDpi(1536, 1152, 144);
  EXPECT_EQ(at144.RichBox, (TRect{422, 115, 691, 864}));
  EXPECT_EQ(at144.Sidebar, (TRect{15, 15, 405, 1122}));
  EXPECT_EQ(at144.HintLabel, (TRect{435, 994, 666, 143}));
  EXPECT_EQ(at144.FileInfoLabel, (TRect{435, 15, 666, 85}));
  EXPECT_EQ(at144.ClockLeft, 1416);
  EXPECT_EQ(at144.ClockTop, 1092);
}

}  // namespace
}  // namespace qv
