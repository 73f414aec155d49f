// The GDI+ wrapper under wine: decoding, fitting, fading, tiling into finished
// bitmaps, and the refusal of bad picture files.
#include <gtest/gtest.h>
#include <shlwapi.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "PictureTestSupport.h"
#include "WineTestSupport.h"
#include "errors/FunStatContext.h"
#include "pictures/BackImageRules.h"
#include "platform/GdiPlusPictures.h"
#include "platform/GdiPlusSession.h"
#include "platform/Win32Platform.h"

namespace qv::testing {
namespace {

using win::TDibBitmap;

class Pictures : public ::testing::Test {
 protected:
  win::TGdiPlusSession gdiPlus;
};

TEST_F(Pictures, FadeZeroGammaHundredKeepsThePictureFadeHundredIsBlack) {
  ASSERT_TRUE(gdiPlus.Started());
  const std::string path = Picture400x300();
  TDibBitmap plain, black;
  ASSERT_TRUE(win::LoadPictureToBitmap(path, plain, 1024, 768, false, false, 0, 100, &black, 100));
  ASSERT_EQ(plain.Width(), 400);
  ASSERT_EQ(plain.Height(), 300);
  ASSERT_EQ(black.Width(), 400);
  for (int y : {0, 1, 150, 298, 299})
    for (int x : {0, 1, 19, 20, 200, 398, 399}) {
      EXPECT_EQ(plain.Pixel(x, y), TestColor(x, y, 400, 300)) << x << "," << y;
      EXPECT_EQ(black.Pixel(x, y), RGB(0, 0, 0)) << x << "," << y;
    }

  // Fade 50 halves every channel (over black).
  TDibBitmap half;
  ASSERT_TRUE(win::LoadPictureToBitmap(path, half, 1024, 768, false, false, 50, 100, nullptr, 0));
  for (int y : {10, 150, 290})
    for (int x : {10, 200, 390})
      for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(Channel(half.Pixel(x, y), i), Channel(plain.Pixel(x, y), i) / 2.0, 1.5)
            << x << "," << y << " channel " << i;
}

// The fades and gammas of the fitted pixels give what GDI+ draws with its colour
// matrix and gamma.
TEST_F(Pictures, FadeAndGammaMatchGdiPlusDrawing) {
  const std::string path = Picture400x300();
  const struct { int fade, gamma; } cases[] = {{30, 170}, {0, 40}, {70, 100}, {0, 1000}, {100, 5}};
  for (const auto& c : cases) {
    TDibBitmap ours, reference;
    ASSERT_TRUE(win::LoadPictureToBitmap(path, ours, 400, 300, false, false, c.fade, c.gamma, nullptr, 0));
    ASSERT_TRUE(reference.Create(400, 300));
    ASSERT_TRUE(win::DrawPictureFileAdjusted(path, reference, c.fade, c.gamma));
    int worst = 0;
    for (int y = 0; y < 300; y += 7)
      for (int x = 0; x < 400; x += 5)
        for (int i = 0; i < 3; ++i)
          worst = std::max(worst, std::abs(Channel(ours.Pixel(x, y), i) - Channel(reference.Pixel(x, y), i)));
    EXPECT_LE(worst, 2) << "fade " << c.fade << " gamma " << c.gamma;
  }
}

TEST_F(Pictures, ScreenTilesAtTheFitAndTheRichAreaContinuesThem) {
  const std::string path = Picture400x300();
  win::TScreenBackPictures screen;
  const TRect rich{282, 76, 460, 576};
  ASSERT_TRUE(win::BuildScreenBackPictures(path, {false, 0, 100}, 50, 1024, 768, rich, screen));
  ASSERT_EQ(screen.Screen.Width(), 1024);
  ASSERT_EQ(screen.Screen.Height(), 768);
  ASSERT_EQ(screen.UnderRich.Width(), 460);
  ASSERT_EQ(screen.UnderRich.Height(), 576);
  // Tiles at x = 0, 400, 800 and y = 0, 300, 600, the last ones cut at the edges.
  for (int y : {0, 299, 300, 599, 600, 767})
    for (int x : {0, 399, 400, 799, 800, 1023})
      EXPECT_EQ(screen.Screen.Pixel(x, y), TestColor(x % 400, y % 300, 400, 300)) << x << "," << y;
  // Under the rich-box: the same tiling, darkened by the fade centre, aligned.
  for (int y : {0, 223, 224, 575})
    for (int x : {0, 117, 118, 459}) {
      const COLORREF around = screen.Screen.Pixel(rich.Left + x, rich.Top + y);
      for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(Channel(screen.UnderRich.Pixel(x, y), i), Channel(around, i) / 2.0, 1.5)
            << x << "," << y;
    }

  // A wide picture is shrunk to the screen's width and repeated down it.
  const std::string wide = MakePicture(2000, 500, "image/png", "wide2000x500.png");
  ASSERT_TRUE(win::BuildScreenBackPictures(wide, {false, 0, 100}, 0, 1024, 768, rich, screen));
  for (int x : {0, 300, 1023}) {
    EXPECT_EQ(screen.Screen.Pixel(x, 0), screen.Screen.Pixel(x, 256)) << x;
    EXPECT_EQ(screen.Screen.Pixel(x, 255), screen.Screen.Pixel(x, 767)) << x;
    EXPECT_NE(screen.Screen.Pixel(x, 0), screen.Screen.Pixel(x, 255)) << x;
  }
  // Stretched: one picture over the whole screen, its edges as bright as the
  // picture's own (no darkening from beyond them).
  ASSERT_TRUE(win::BuildScreenBackPictures(path, {true, 0, 100}, 0, 1024, 768, rich, screen));
  EXPECT_NEAR(GetRValue(screen.Screen.Pixel(1023, 400)), 255, 3);
  EXPECT_NEAR(GetGValue(screen.Screen.Pixel(500, 767)), 255, 3);
}

TEST_F(Pictures, RichPictureCoversTheClientAreaWithTiles) {
  TDibBitmap rich;
  ASSERT_TRUE(win::BuildRichBackPicture(Picture400x300(), {false, 0, 100}, 460, 576, rich));
  ASSERT_EQ(rich.Width(), 460);
  ASSERT_EQ(rich.Height(), 576);
  for (int y : {0, 299, 300, 575})
    for (int x : {0, 399, 400, 459})
      EXPECT_EQ(rich.Pixel(x, y), TestColor(x % 400, y % 300, 400, 300)) << x << "," << y;
}

TEST_F(Pictures, BadFilesFailCleanlyAndTheNextPictureStillLoads) {
  for (const TBadPicture& b : BadPictureFiles()) {
    const std::string path = WriteTestFile(b.Name, b.Bytes);
    FunStatContext.Reset(Perfect);
    TDibBitmap a, c;
    ASSERT_TRUE(a.Create(5, 5));
    EXPECT_FALSE(win::LoadPictureToBitmap(path, a, 1024, 768, false, false, 0, 100, &c, 0)) << b.Name;
    EXPECT_TRUE(a.Empty() && c.Empty()) << b.Name;
    EXPECT_EQ(FunStatContext.Status, Error) << b.Name;
    EXPECT_EQ(FunStatContext.Function, "LoadPictureToBitmap") << b.Name;
    EXPECT_EQ(FunStatContext.Parameter1, path) << b.Name;
  }
  FunStatContext.Reset(Perfect);
  TDibBitmap good;
  EXPECT_TRUE(win::LoadPictureToBitmap(Picture400x300(), good, 800, 600, false, false, 0, 100, nullptr, 0));
  EXPECT_EQ(good.Width(), 400);
}

TEST_F(Pictures, ExtensionsListAndTheShellAgreeOnMatching) {
  const std::string list = win::GetPictureExtensionsAsFilter();
  for (const char* pattern : {"*.bmp", "*.png", "*.jpg", "*.gif"})
    EXPECT_NE(list.find(pattern), std::string::npos) << list;
  EXPECT_EQ(list, JoinPictureExtensions({list}));  // lower case already
  for (const char* path : {"C:\\a\\Sea.PNG", "C:\\a\\Sea.jpeg", "C:\\a\\Sea.txt", "C:\\a\\png",
                           "C:\\BackImages\\*", "Sea.bmp.txt"})
    EXPECT_EQ(MatchesPictureExtensions(path, list), PathMatchSpecA(path, list.c_str()) != FALSE)
        << path;
}

// The default pictures beside the program: decodable, light enough for black
// text, with a texture, and repeating without a seam.
TEST_F(Pictures, DefaultPicturesAreQuietSeamlessTextures) {
  for (const char* name : {"DefaultScreen.bmp", "DefaultRich.bmp"}) {
    const std::string path = win::ProgramDirectory() + "BackImages\\" + name;
    TDibBitmap b;
    ASSERT_TRUE(win::LoadPictureToBitmap(path, b, 4096, 4096, false, false, 0, 100, nullptr, 0))
        << path;
    const int w = b.Width(), h = b.Height();
    double sum = 0, sumSq = 0, inner = 0, seam = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const COLORREF c = b.Pixel(x, y);
        const double l = 0.299 * GetRValue(c) + 0.587 * GetGValue(c) + 0.114 * GetBValue(c);
        sum += l;
        sumSq += l * l;
        auto lum = [&](int px, int py) {
          const COLORREF q = b.Pixel(px, py);
          return 0.299 * GetRValue(q) + 0.587 * GetGValue(q) + 0.114 * GetBValue(q);
        };
        // The step across the picture's right edge (into the next tile) against
        // the steps inside it.
        if (x == w - 1) seam += std::fabs(l - lum(0, y));
        else if (x == w / 2 - 1) inner += std::fabs(l - lum(x + 1, y));
      }
    const double mean = sum / (w * h), spread = std::sqrt(sumSq / (w * h) - mean * mean);
    EXPECT_GT(mean, 185) << name;         // black text stays readable
    EXPECT_GT(spread, 2) << name;         // a texture, not a plain colour
    EXPECT_LT(spread, 25) << name;        // and a quiet one
    EXPECT_LT(seam, inner * 1.5 + h) << name;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ASSERT_TRUE(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data));
    EXPECT_LT(data.nFileSizeLow, 300u * 1024) << name;
  }
}

}  // namespace
}  // namespace qv::testing
