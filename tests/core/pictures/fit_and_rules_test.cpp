#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "pictures/BackImageRules.h"
#include "pictures/PictureFit.h"

namespace qv {
namespace {

TEST(GetBestFitSize, FitsWidthFirstNeverEnlarges) {
  struct Case { int w, h, tw, th; bool enlarge; TSize expected; };
  const Case cases[] = {
      {400, 300, 1024, 768, false, {400, 300}},    // smaller: unchanged
      {2000, 500, 1024, 768, false, {1024, 256}},  // too wide
      {500, 2000, 1024, 768, false, {192, 768}},   // too tall after the width fit
      {3000, 2000, 1024, 768, false, {1024, 682}}, // 682.66 truncated
      {1000, 333, 500, 500, false, {500, 166}},
      {1024, 768, 1024, 768, false, {1024, 768}},
      {0, 300, 1024, 768, false, {0, 0}},
      {400, -1, 1024, 768, false, {0, 0}},
      {400, 300, 1024, 768, true, {1024, 768}},    // the enlarging mode fits exactly
      {100, 400, 1024, 768, true, {192, 768}},
      {400, 300, 0, 0, false, {0, 0}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(GetBestFitSize(c.w, c.h, c.tw, c.th, c.enlarge), c.expected)
        << c.w << "x" << c.h << " into " << c.tw << "x" << c.th << (c.enlarge ? " enlarged" : "");
  EXPECT_EQ(PictureDrawSize(400, 300, 1024, 768, true), (TSize{1024, 768}));
  EXPECT_EQ(PictureDrawSize(2000, 500, 1024, 768, false), (TSize{1024, 256}));
}

TEST(PlanTileBlits, ScreenExamples) {
  // 400 x 300 on 1024 x 768: nine copies, the last row and column cut at the edges.
  std::vector<TBlit> expected;
  for (int y : {0, 300, 600})
    for (int x : {0, 400, 800})
      expected.push_back({x, y, x == 800 ? 224 : 400, y == 600 ? 168 : 300, 0, 0});
  EXPECT_EQ(PlanTileBlits({400, 300}, {1024, 768}, {0, 0, 1024, 768}), expected);

  // 2000 x 500 is shrunk to 1024 x 256 and repeated three times down the screen.
  const TSize tile = PictureDrawSize(2000, 500, 1024, 768, false);
  EXPECT_EQ(PlanTileBlits(tile, {1024, 768}, {0, 0, 1024, 768}),
            (std::vector<TBlit>{{0, 0, 1024, 256, 0, 0}, {0, 256, 1024, 256, 0, 0},
                                {0, 512, 1024, 256, 0, 0}}));

  // The part under a rich-box at (282, 76, 460, 576) continues the screen's tiles.
  EXPECT_EQ(PlanTileBlits({400, 300}, {1024, 768}, {282, 76, 460, 576}),
            (std::vector<TBlit>{{0, 0, 118, 224, 282, 76}, {118, 0, 342, 224, 0, 76},
                                {0, 224, 118, 300, 282, 0}, {118, 224, 342, 300, 0, 0},
                                {0, 524, 118, 52, 282, 0}, {118, 524, 342, 52, 0, 0}}));
}

// Every pixel of the view that lies on the plane is covered exactly once, by the
// tile pixel at its plane position modulo the tile; no other pixel is.
TEST(PlanTileBlits, CoversTheViewOnceAlignedWithThePlane) {
  struct Case { TSize tile, plane; TRect view; };
  const Case cases[] = {
      {{5, 7}, {37, 23}, {0, 0, 37, 23}},   {{5, 7}, {37, 23}, {3, 4, 20, 11}},
      {{5, 7}, {37, 23}, {-4, -2, 50, 40}}, {{40, 40}, {37, 23}, {1, 1, 5, 5}},
      {{1, 1}, {6, 4}, {2, 1, 3, 2}},       {{5, 7}, {37, 23}, {37, 0, 5, 5}},
      {{0, 7}, {37, 23}, {0, 0, 37, 23}},
  };
  for (const Case& c : cases) {
    const std::vector<TBlit> blits = PlanTileBlits(c.tile, c.plane, c.view);
    std::vector<int> hits(size_t(c.view.Width * c.view.Height), 0);
    for (const TBlit& b : blits) {
      ASSERT_GT(b.Width, 0);
      ASSERT_GT(b.Height, 0);
      ASSERT_LE(b.SourceLeft + b.Width, c.tile.Width);
      ASSERT_LE(b.SourceTop + b.Height, c.tile.Height);
      for (int y = 0; y < b.Height; ++y)
        for (int x = 0; x < b.Width; ++x) {
          const int vx = b.Left + x, vy = b.Top + y;
          ASSERT_TRUE(vx >= 0 && vy >= 0 && vx < c.view.Width && vy < c.view.Height);
          ++hits[size_t(vy * c.view.Width + vx)];
          EXPECT_EQ((c.view.Left + vx) % c.tile.Width, b.SourceLeft + x);
          EXPECT_EQ((c.view.Top + vy) % c.tile.Height, b.SourceTop + y);
        }
    }
    for (int vy = 0; vy < c.view.Height; ++vy)
      for (int vx = 0; vx < c.view.Width; ++vx) {
        const int px = c.view.Left + vx, py = c.view.Top + vy;
        const bool onPlane = c.tile.Width > 0 && px >= 0 && py >= 0 && px < c.plane.Width &&
                             py < c.plane.Height;
        EXPECT_EQ(hits[size_t(vy * c.view.Width + vx)], onPlane ? 1 : 0)
            << "view pixel " << vx << "," << vy << " of view at " << c.view.Left << ","
            << c.view.Top;
      }
  }
}

const char* const kExtensions =
    "*.bmp;*.dib;*.rle;*.jpg;*.jpeg;*.jpe;*.jfif;*.gif;*.tif;*.tiff;*.png";

TEST(PictureExtensions, JoinedLowerCaseAndMatched) {
  EXPECT_EQ(JoinPictureExtensions({"*.BMP;*.DIB;*.RLE", "*.JPG;*.JPEG;*.JPE;*.JFIF", "*.GIF"}),
            "*.bmp;*.dib;*.rle;*.jpg;*.jpeg;*.jpe;*.jfif;*.gif");
  struct Case { const char* path; const char* list; bool matches; };
  const Case cases[] = {
      {"C:\\Pictures\\Sea.BMP", kExtensions, true},  {"C:\\Pictures\\Sea.jpeg", kExtensions, true},
      {"Sea.png", kExtensions, true},                {"C:\\Pictures\\Sea.txt", kExtensions, false},
      {"C:\\Sea.bmp.txt", kExtensions, false},       {"C:\\Pictures\\bmp", kExtensions, false},
      {"C:\\BackImages\\*", kExtensions, false},     {"anything", "", true},
      {"book.rtf", "*.txt; *.rtf", true},            {"a.b", "?.?", true},
      {"ab.b", "?.?", false},                        {"x.jpg", "*.j*g", true},
      {"x.jpeg", "*.jp?g", true},                    {"x.jpg", ";;*.jpg", true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MatchesPictureExtensions(c.path, c.list), c.matches) << c.path << " / " << c.list;
  EXPECT_EQ(PictureDialogFilter("*.bmp;*.png"), "Images (*.bmp;*.png)|*.bmp;*.png");
}

class FakeFiles : public IFileProbe {
 public:
  std::set<std::string> present;
  bool FileExists(const std::string& path) override { return present.count(path) > 0; }
};

TEST(PictureFileLoads, OnlyAnExistingMatchingFile) {
  FakeFiles files;
  files.present = {"C:\\Q\\BackImages\\DefaultScreen.bmp", "C:\\Q\\notes.txt"};
  EXPECT_TRUE(PictureFileLoads("C:\\Q\\BackImages\\DefaultScreen.bmp", kExtensions, files));
  EXPECT_FALSE(PictureFileLoads("C:\\Q\\notes.txt", kExtensions, files));  // not a picture
  EXPECT_FALSE(PictureFileLoads("C:\\Q\\BackImages\\Gone.bmp", kExtensions, files));
  EXPECT_FALSE(PictureFileLoads("C:\\Q\\BackImages\\*", kExtensions, files));
  EXPECT_FALSE(PictureFileLoads("", "", files));
}

TEST(ImageDialogFileName, ModifierRules) {
  struct Case { TLoadModifiers keys; const char* expected; };
  const Case cases[] = {
      {{false, true, false}, "C:\\Q\\BackImages\\*"},          // exactly [Ctrl]
      {{true, false, false}, "D:\\Books\\*"},                 // exactly [Shift]
      {{true, true, false}, "C:\\Q\\BackImages\\Sea.png"},    // [Ctrl + Shift]: no modifier
      {{false, true, true}, "C:\\Q\\BackImages\\Sea.png"},
      {{true, false, true}, "C:\\Q\\BackImages\\Sea.png"},
      {{false, false, false}, "C:\\Q\\BackImages\\Sea.png"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ImageDialogFileName(c.keys, "C:\\Q\\BackImages", "D:\\Books\\Tale.txt",
                                  "C:\\Q\\BackImages\\Sea.png"),
              c.expected)
        << c.keys.Shift << c.keys.Ctrl << c.keys.Alt;
}

TEST(ChooseRichBackground, TransparencyNeedsTheScreenPicture) {
  using B = TRichBackground;
  struct Case { TRichBackgroundState s; B expected; };
  const Case cases[] = {
      {{true, false, true, true}, B::Color},           // no screen picture: plain colour
      {{true, true, false, false}, B::ScreenThrough},
      {{true, true, true, true}, B::ScreenThrough},    // transparency wins over the own picture
      {{false, true, true, true}, B::Picture},
      {{false, false, true, false}, B::Color},         // loaded but not in use
      {{false, true, false, true}, B::Color},          // in use but not loadable
  };
  for (const Case& c : cases)
    EXPECT_EQ(ChooseRichBackground(c.s), c.expected)
        << c.s.Transparent << c.s.HasScreenPicture << c.s.HasRichPicture << c.s.UseRichPicture;
}

TEST(PictureRules, OnlyPicturesRunAndOnlyTheFilesOwnFaultsAreRemembered) {
  const std::string decoders = "*.bmp;*.dib;*.jpg;*.jpeg;*.png";
  const struct {
    const char* path;
    bool runs;
  } runs[] = {{"C:\\P\\linen.BMP", true}, {"C:\\P\\a.jpeg", true}, {"C:\\P\\tool.exe", false},
              {"C:\\P\\a.png.bat", false}, {"C:\\P\\noext", false}, {"", false}};
  for (const auto& r : runs) EXPECT_EQ(MayRunPicture(r.path, decoders), r.runs) << r.path;
  EXPECT_FALSE(MayRunPicture("C:\\P\\linen.bmp", ""));  // no decoders known: nothing runs
  for (const char* own : {"Failed to decode image.", "Failed to get image size."})
    EXPECT_TRUE(IsPictureFileFault(own)) << own;
  for (const char* passing : {"Failed to create bitmap.", "Failed to open image.", "Failed to draw image."})
    EXPECT_FALSE(IsPictureFileFault(passing)) << passing;
}

}  // namespace
}  // namespace qv
