// The stock-colour dialog and the colour panels under wine, without the main window.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "WineTestSupport.h"
#include "colors/Colors.h"
#include "forms/ColorForm.h"
#include "platform/Clipboard.h"
#include "widgets/ColorPanel.h"

namespace qv::testing {
namespace {

using win::ColorForm;
using win::ColorFormDialog;

constexpr uint32_t kOchre = 0x196EB9, kWhite = 0xFFFFFF, kBlack = 0x000000;
const char* const kOchreHint = "Ochre (RGB 185-110-25; Decimal = 12152345; Hexadecimal = 0xB96E19)";

// Posts a mouse-up of the button's message on a cell of the open dialog.
void ClickCell(int cell, UINT message) {
  ASSERT_NE(ColorForm, nullptr);
  PostMessageA(ColorForm->Cell(cell).Handle(), message, 0, MAKELPARAM(3, 3));
}

void PressEscape() {
  ASSERT_NE(ColorForm, nullptr);
  PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
}

TEST(StockColorDialog, CellSizesMarkTheSelection) {
  win::TColorForm black(nullptr, kBlack, nullptr);
  ASSERT_EQ(black.ColorsPanel.ClientWidth(), 400);
  ASSERT_EQ(black.ColorsPanel.ClientHeight(), 350);
  ASSERT_EQ(black.CellCount(), 144);
  for (int k = 0; k < 144; ++k) {
    const bool small = k == 0 || k >= 133;  // Black, and the 11 cells that repeat it
    const RECT r = black.Cell(k).Bounds();
    EXPECT_EQ(r.left, 5 + (k % 12) * 32) << k;
    EXPECT_EQ(r.top, 5 + (k / 12) * 28) << k;
    EXPECT_EQ(r.right - r.left, small ? 22 : 30) << k;
    EXPECT_EQ(r.bottom - r.top, small ? 19 : 26) << k;
  }
  win::TColorForm none(nullptr, 0x010203, nullptr);
  for (int k = 0; k < 144; ++k) EXPECT_EQ(none.Cell(k).Width(), 30) << k;

  // The tooltip of a cell shows its hint.
  char text[256] = "";
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.hwnd = black.Handle();
  tool.uId = reinterpret_cast<UINT_PTR>(black.Cell(87).Handle());
  tool.lpszText = text;
  SendMessageA(black.ToolTips(), TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
  EXPECT_STREQ(text, kOchreHint);
}

TEST(StockColorDialog, LeftClickSelectsAndCloses) {
  uint32_t color = kWhite;
  AfterDelay(100, [] { ClickCell(87, WM_LBUTTONUP); });
  EXPECT_TRUE(ColorFormDialog(color));
  EXPECT_EQ(color, kOchre);
  EXPECT_EQ(ColorForm, nullptr);
}

TEST(StockColorDialog, TheGridIsUsedFromTheKeyboard) {
  // Tab reaches the grid at the selected colour; the arrows move over the
  // grid; Enter takes the colour and closes the dialog.
  const auto key = [](WORD k) { PostMessageA(GetFocus(), WM_KEYDOWN, k, 0); };
  HWND atTab = nullptr, atArrows = nullptr;
  AfterDelay(100, [&] { key(VK_TAB); });
  AfterDelay(200, [&] {
    atTab = GetFocus();
    key(VK_RIGHT);
  });
  AfterDelay(250, [&] { key(VK_DOWN); });
  AfterDelay(300, [&] {
    atArrows = GetFocus();
    key(VK_RETURN);
  });
  uint32_t color = kOchre;
  HWND ochre = nullptr, below = nullptr;
  AfterDelay(50, [&] {
    ochre = ColorForm->Cell(87).Handle();
    below = ColorForm->Cell(100).Handle();
  });
  EXPECT_TRUE(ColorFormDialog(color));
  EXPECT_EQ(atTab, ochre);
  EXPECT_EQ(atArrows, below);
  EXPECT_EQ(color, CStockColors[100].Color);
}

TEST(StockColorDialog, EscapeAndCancelChangeNothing) {
  uint32_t color = kOchre;
  AfterDelay(100, [] { PressEscape(); });
  EXPECT_FALSE(ColorFormDialog(color));
  EXPECT_EQ(color, kOchre);
  AfterDelay(100, [] { SendMessageA(ColorForm->CancelButton.Handle(), BM_CLICK, 0, 0); });
  EXPECT_FALSE(ColorFormDialog(color));
  EXPECT_EQ(color, kOchre);
}

TEST(StockColorDialog, RightClickWithCallbackKeepsItOpenAndMovesTheMark) {
  std::vector<uint32_t> called;
  bool stillOpen = false;
  int ochreWidth = 0, blackWidth = 0;
  uint32_t color = kBlack;
  AfterDelay(100, [] { ClickCell(87, WM_RBUTTONUP); });
  AfterDelay(400, [&] {
    stillOpen = ColorForm && IsWindowVisible(ColorForm->Handle());
    ochreWidth = ColorForm->Cell(87).Width();
    blackWidth = ColorForm->Cell(0).Width();
    ClickCell(16, WM_LBUTTONUP);
  });
  EXPECT_TRUE(ColorFormDialog(color, [&](uint32_t c) { called.push_back(c); }));
  EXPECT_EQ(called, std::vector<uint32_t>{kOchre});
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(ochreWidth, 22);
  EXPECT_EQ(blackWidth, 30);
  EXPECT_EQ(color, kWhite);

  // Without a callback the right button does nothing.
  color = kBlack;
  AfterDelay(100, [] { ClickCell(87, WM_RBUTTONUP); });
  AfterDelay(300, [&] {
    stillOpen = ColorForm != nullptr;
    PressEscape();
  });
  EXPECT_FALSE(ColorFormDialog(color));
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(color, kBlack);
}

TEST(StockColorDialog, MiddleClickCopiesTheHint) {
  ASSERT_TRUE(win::CopyTextToClipboard("before"));
  uint32_t color = kBlack;
  std::string clipped;
  AfterDelay(100, [] { ClickCell(87, WM_MBUTTONUP); });
  AfterDelay(300, [&] {
    clipped = win::ClipboardText();
    PressEscape();
  });
  EXPECT_FALSE(ColorFormDialog(color));
  EXPECT_EQ(clipped, kOchreHint);
}

// Every edge of a colour panel's bevel shows against the panel's own colour,
// whatever that is (white panels used to lose their bottom and right edges).
TEST(ColorPanelBevel, AllFourEdgesVisible) {
  win::TForm host("BevelHost", "Bevel", 200, 80, {false, true, false});
  win::TColorPanel panel(&host, "Panel", 20, 20);
  ShowWindow(host.Handle(), SW_SHOWNA);
  for (uint32_t color : {kWhite, kBlack, uint32_t(GetSysColor(COLOR_BTNFACE)), kOchre}) {
    panel.SetCurrentColor(color);
    UpdateWindow(panel.Handle());
    PumpFor(30);
    const int w = panel.ClientWidth(), h = panel.ClientHeight();
    ASSERT_EQ(w, 60);
    ASSERT_EQ(h, 14);
    HDC dc = GetDC(panel.Handle());
    const COLORREF inside = GetPixel(dc, w / 2, h / 2);
    const auto edgeShows = [&](int x0, int y0, int x1, int y1) {
      return GetPixel(dc, x0, y0) != inside || GetPixel(dc, x1, y1) != inside;
    };
    EXPECT_EQ(inside, color);
    EXPECT_TRUE(edgeShows(w / 2, 0, w / 2, 1)) << "top of " << std::hex << color;
    EXPECT_TRUE(edgeShows(0, h / 2, 1, h / 2)) << "left of " << std::hex << color;
    EXPECT_TRUE(edgeShows(w / 2, h - 1, w / 2, h - 2)) << "bottom of " << std::hex << color;
    EXPECT_TRUE(edgeShows(w - 1, h / 2, w - 2, h / 2)) << "right of " << std::hex << color;
    ReleaseDC(panel.Handle(), dc);
  }
}

}  // namespace
}  // namespace qv::testing
