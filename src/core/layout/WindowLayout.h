// The arithmetic of the main window's layout: where the rich-box, the sidebar,
// the two labels and the clock go for a screen size and the three size options.
#pragma once
#include <string>

namespace qv {

struct TRect {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  bool operator==(const TRect& o) const {
    return Left == o.Left && Top == o.Top && Width == o.Width && Height == o.Height;
  }
};

struct TLayoutInput {
  int ScreenWidth = 0, ScreenHeight = 0;
  int WidthPercent = 45, TopPercent = 10, BottomPercent = 15;
  int SidebarWidth = 270;      // the sidebar's width before the layout
  int OptionsPagesWidth = 270; // the sidebar takes the width of its page control
  int ClockWidth = 60, ClockHeight = 20;
};

struct TLayout {
  TRect RichBox, Sidebar, HintLabel, FileInfoLabel;
  int ClockLeft = 0, ClockTop = 0;
};

TLayout ComputeLayout(const TLayoutInput& in);

// The browser group fills the Open page down to 5 pixels above its bottom.
inline int BrowserGroupHeight(int openPageClientHeight, int groupTop) {
  return openPageClientHeight - groupTop - 5;
}

}  // namespace qv
