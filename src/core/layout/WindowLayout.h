// The arithmetic of the main window's layout: where the rich-box, the sidebar,
// the two labels and the clock go for a screen size and the three size options.
#pragma once
#include "layout/Geometry.h"

namespace qv {

// The layout's fixed distances, at the window's DPI.
struct TLayoutSpacing {
  explicit TLayoutSpacing(int dpi = kDesignDpi);
  int Edge;  // 10 at 96 DPI: between the screen's edges, the sidebar, the labels, the rich-box and the clock
  int Gap;   // 5 at 96 DPI: below the sidebar's inner pages and around the browser list; the
             // strip left of the rich-box where the mouse does not yet bring the sidebar up
};

struct TLayoutInput {
  int ScreenWidth = 0, ScreenHeight = 0;
  int WidthPercent = 45, TopPercent = 10, BottomPercent = 15;
  // The sizes below are the controls' own, at the window's DPI.
  int SidebarWidth = 270;      // the sidebar's width before the layout
  int OptionsPagesWidth = 270; // the sidebar takes the width of its page control
  int ClockWidth = 60, ClockHeight = 20;
  int Dpi = kDesignDpi;        // the window's: the distances between the parts scale with it
};

struct TLayout {
  TRect RichBox, Sidebar, HintLabel, FileInfoLabel;
  int ClockLeft = 0, ClockTop = 0;
};

TLayout ComputeLayout(const TLayoutInput& in);

// The browser group fills the Open page down to the gap above its bottom.
inline int BrowserGroupHeight(int openPageClientHeight, int groupTop, const TLayoutSpacing& spacing) {
  return openPageClientHeight - groupTop - spacing.Gap;
}

}  // namespace qv
