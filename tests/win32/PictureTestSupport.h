// Pictures the picture tests generate: a test pattern whose every pixel tells
// its position, and damaged picture files of every kind the program must refuse.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "WineTestSupport.h"
#include "platform/GdiPlusPictures.h"

namespace qv::testing {

// Red rises to the right, green downwards, blue alternates in 20-pixel blocks:
// neighbouring pixels differ and every position can be told from the colour.
inline COLORREF TestColor(int x, int y, int w, int h) {
  return RGB(x * 255 / (w - 1), y * 255 / (h - 1), (x / 20 + y / 20) % 2 ? 200 : 60);
}

inline int Channel(COLORREF c, int i) { return i == 0 ? GetRValue(c) : i == 1 ? GetGValue(c) : GetBValue(c); }

// A picture file of w x h pixels of the test pattern, in the test folder (GDI+ must run).
inline std::string MakePicture(int w, int h, const char* mime, const char* name) {
  win::TDibBitmap b;
  EXPECT_TRUE(b.Create(w, h));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const COLORREF c = TestColor(x, y, w, h);
      b.Bits()[y * w + x] = uint32_t(GetRValue(c)) << 16 | GetGValue(c) << 8 | GetBValue(c);
    }
  const std::string path = TestDirectory() + name;
  EXPECT_TRUE(win::SavePictureToFile(b, path, mime)) << path;
  return path;
}

inline std::string Picture400x300() {
  static const std::string path = MakePicture(400, 300, "image/png", "tile400x300.png");
  return path;
}

struct TBadPicture {
  const char* Name;
  std::string Bytes;
};

// Files named as pictures that no picture can be made of: empty, not a
// picture, undecodable, truncated, and declaring 20000 x 20000 pixels.
inline std::vector<TBadPicture> BadPictureFiles() {
  const std::string png = ReadWholeFile(Picture400x300());
  const std::string bmp = ReadWholeFile(MakePicture(64, 48, "image/bmp", "small.bmp"));
  const std::string jpeg = ReadWholeFile(MakePicture(64, 48, "image/jpeg", "small.jpg"));
  EXPECT_GT(png.size(), 100u);
  auto le32 = [](uint32_t v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; };
  // A bitmap header that declares 20000 x 20000 pixels of 32 bits, and no pixels.
  std::string hugeBmp = bmp.substr(0, 54);
  hugeBmp.replace(18, 8, le32(20000) + le32(20000));
  hugeBmp.replace(28, 2, std::string{32, 0});
  std::string hugePng = png;
  hugePng.replace(16, 8, std::string("\0\0\x4E\x20\0\0\x4E\x20", 8));
  // Well formed chunk by chunk, but the compressed pixels are noise.
  std::string noisePng = png;
  for (size_t i = 60; i < noisePng.size() - 20; ++i) noisePng[i] = char(i * 131 + 7);
  return {
      {"empty.png", ""},
      {"text.png", "This is not a picture at all."},
      {"noise.png", noisePng},
      {"cut.png", png.substr(0, png.size() / 2)},
      {"cut.bmp", bmp.substr(0, bmp.size() - 100)},
      {"cut.jpg", jpeg.substr(0, jpeg.size() / 2)},
      {"huge.bmp", hugeBmp},
      {"huge.png", hugePng},
  };
}

}  // namespace qv::testing
