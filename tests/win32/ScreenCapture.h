// Reading back what the screen shows: a rectangle of the screen copied into a
// 32-bit picture whose pixels tests read, and saved as a BMP file for people.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace qv::testing {

struct TScreenPixels {
  int Left = 0, Top = 0, Width = 0, Height = 0;  // in screen coordinates
  std::vector<uint32_t> Pixels;                  // 0x00RRGGBB, rows from the top

  // The colour at a screen point (COLORREF, 0x00BBGGRR); kNoPixel outside.
  static constexpr COLORREF kNoPixel = 0xFFFFFFFF;
  COLORREF At(int x, int y) const;
  // True when every pixel of the rectangle (screen coordinates) has one colour.
  bool Uniform(const RECT& r) const;
};

// The screen's pixels in r (screen coordinates); the whole screen for an empty rectangle.
TScreenPixels CaptureScreen(RECT r = RECT{0, 0, 0, 0});
// The pixels under a window, as the screen shows them.
TScreenPixels CaptureWindow(HWND window);
bool SaveBmp(const TScreenPixels& picture, const std::string& path);
// Saves a window's picture as <build>/win32/screens/<name>.bmp; the test script
// turns every one into build/screens/<name>.png.
bool SaveScreenshot(HWND window, const std::string& name);

}  // namespace qv::testing
