// Times rebuilding both background pictures (the screen's two and the
// rich-box's) for a 1280 x 800 window, with the default pictures and with a
// generated 4000 x 3000 photograph-like JPEG, with the default profile's
// settings (no fade, gamma 100) and with fade 20, gamma 150 and fade centre 40.
// The floor is the least of that work: each file decoded and drawn once at its
// fitted size, with no fade, gamma, tiling or second bitmap.
//
// Then the painting of one full screen of the rich-box, in a window of the
// screen's size, with its background picture (drawn from the built bitmap,
// the text laid over it) and without (the control painting itself, the floor).
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "layout/WindowLayout.h"
#include "pictures/PictureFit.h"
#include "platform/GdiPlusPictures.h"
#include "platform/GdiPlusSession.h"
#include "platform/Win32Platform.h"
#include "widgets/Application.h"
#include "widgets/Form.h"
#include "widgets/RichEdit.h"

using namespace qv;

namespace {

double Milliseconds(const std::function<void()>& work, int runs) {
  std::vector<double> times;
  LARGE_INTEGER f, a, b;
  QueryPerformanceFrequency(&f);
  for (int i = 0; i < runs; ++i) {
    QueryPerformanceCounter(&a);
    work();
    QueryPerformanceCounter(&b);
    times.push_back(1000.0 * double(b.QuadPart - a.QuadPart) / double(f.QuadPart));
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];  // the median
}

// A landscape: a sky graded to the horizon, a sun, rolling hills and grain, so
// that the JPEG encoder meets the smooth areas and fine detail of a photograph.
std::string MakePhoto(const std::string& path) {
  const int w = 4000, h = 3000;
  win::TDibBitmap b;
  if (!b.Create(w, h)) return "";
  unsigned seed = 2024;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      seed = seed * 1664525u + 1013904223u;
      const double grain = double(seed >> 24) / 255.0 * 12.0 - 6.0;
      const double hill = h * 0.62 + 140 * std::sin(x * 0.0021) + 60 * std::sin(x * 0.0107 + 1.3);
      double r, g, bl;
      if (y < hill) {
        const double t = double(y) / hill;
        const double sun = std::max(0.0, 1.0 - std::hypot(x - 2900.0, y - 700.0) / 260.0);
        r = 90 + 120 * t + 160 * sun;
        g = 140 + 80 * t + 140 * sun;
        bl = 220 - 40 * t + 60 * sun;
      } else {
        const double t = (y - hill) / (h - hill);
        const double field = 0.5 + 0.5 * std::sin(x * 0.05 + y * 0.02);
        r = 60 + 50 * t + 30 * field;
        g = 110 + 40 * t + 40 * field;
        bl = 40 + 20 * t;
      }
      auto c = [&](double v) { return uint32_t(std::min(255.0, std::max(0.0, v + grain))); };
      b.Bits()[size_t(y) * w + x] = c(r) << 16 | c(g) << 8 | c(bl);
    }
  return win::SavePictureToFile(b, path, "image/jpeg") ? path : "";
}

// The floor: the file decoded and drawn once at its fitted size, plainly.
void DecodeAndDraw(const std::string& path, int tw, int th, TSize pictureSize) {
  const TSize size = GetBestFitSize(pictureSize.Width, pictureSize.Height, tw, th);
  win::TDibBitmap target;
  if (target.Create(size.Width, size.Height)) win::DrawPictureFileAdjusted(path, target, 0, 100);
}

// A window of w x h with the rich-box where the layout puts it, holding more
// text than it shows.
struct TPaintWindow {
  win::TForm form;
  win::TRichEdit rich;
  TPaintWindow(int w, int h, const TRect& at)
      : form("BenchPaintForm", "Paint", w, h, win::TForm::TStyle{true, false, false}),
        rich(&form, "RichEdit", at.Left, at.Top, at.Width, at.Height) {
    SetWindowLongA(rich.Handle(), GWL_EXSTYLE, GetWindowLongA(rich.Handle(), GWL_EXSTYLE) | WS_EX_TRANSPARENT);
    win::TFontStyle font;
    font.Face = "Tahoma";
    font.Height = 16;
    rich.SetFont(font);
    for (int i = 0; i < 80; ++i)
      rich.AppendLine("Line " + std::to_string(i) +
                      " of the reader's page, long enough to be wrapped by the rich-box once or twice "
                      "as a paragraph of a book would be \"with a quotation\" in it.");
    SetWindowPos(form.Handle(), HWND_TOP, 0, 0, w, h, SWP_SHOWWINDOW);
    win::Application().ProcessMessages();
  }
  // The median time of painting the whole client area of the rich-box.
  double PaintMilliseconds(int runs) {
    return Milliseconds([&] {
      RedrawWindow(rich.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
      GdiFlush();
    }, runs);
  }
};

}  // namespace

int main() {
  win::TGdiPlusSession gdiPlus;
  if (!gdiPlus.Started()) {
    std::printf("GDI+ did not start\n");
    return 1;
  }
  const int W = 1280, H = 800;
  TLayoutInput in;
  in.ScreenWidth = W;
  in.ScreenHeight = H;
  const TRect rich = ComputeLayout(in).RichBox;
  const std::string images = win::ProgramDirectory() + "BackImages\\";
  const std::string photo = MakePhoto(win::ProgramDirectory() + "bench-photo-4000x3000.jpg");
  if (photo.empty()) {
    std::printf("could not write the photograph\n");
    return 1;
  }
  // The pictures' own sizes: the linen is 320 x 320, the paper 256 x 256.
  struct TCase { const char* name; std::string screen, rich; TSize screenSize, richSize; int runs; };
  const TCase cases[] = {
      {"default pictures", images + "DefaultScreen.bmp", images + "DefaultRich.bmp", {320, 320}, {256, 256}, 15},
      {"photo 4000x3000", photo, photo, {4000, 3000}, {4000, 3000}, 5},
  };
  struct TSettings { const char* name; win::TBackImageOptions options; int fadeCenter; };
  const TSettings settings[] = {{"plain", {false, 0, 100}, 0}, {"adjusted", {false, 20, 150}, 40}};
  std::printf("window %dx%d, rich-box %dx%d; median of runs\n", W, H, rich.Width, rich.Height);
  double defaultPlain = 0, photoPlain = 0;
  for (const TCase& c : cases) {
    const auto floorWork = [&] {
      DecodeAndDraw(c.screen, W, H, c.screenSize);
      DecodeAndDraw(c.rich, rich.Width, rich.Height, c.richSize);
    };
    floorWork();  // the first decoding of a file warms the caches for all that follow
    const double floor = Milliseconds(floorWork, c.runs);
    for (const TSettings& s : settings) {
      win::TScreenBackPictures screen;
      win::TDibBitmap richPicture;
      const double rebuild = Milliseconds([&] {
        win::BuildScreenBackPictures(c.screen, s.options, s.fadeCenter, W, H, rich, screen);
        win::BuildRichBackPicture(c.rich, s.options, rich.Width, rich.Height, richPicture);
      }, c.runs);
      std::printf("%-17s %-9s rebuild %8.1f ms  floor %8.1f ms  ratio %.2f  (%s)\n", c.name,
                  s.name, rebuild, floor, rebuild / floor,
                  screen.Screen.Empty() || richPicture.Empty() ? "FAILED" : "built");
      if (&s == &settings[0]) (&c == &cases[0] ? defaultPlain : photoPlain) = rebuild;
    }
  }
  std::printf("rebuild ms default %.1f photo %.1f\n", defaultPlain, photoPlain);

  // Painting: the rich-box's picture as TBackImages paints it, a copy of the
  // part being painted from the built bitmap.
  TPaintWindow window(W, H, rich);
  RECT client;
  GetClientRect(window.rich.Handle(), &client);
  double worst = 0;
  for (const TCase& c : cases) {
    win::TDibBitmap picture;
    win::BuildRichBackPicture(c.rich, {false, 0, 100}, client.right, client.bottom, picture);
    bool withPicture = false;
    window.rich.HasCustomBackground = [&] { return withPicture; };
    window.rich.OnPaintBackground = [&](HDC dc) {
      RECT r;
      GetClipBox(dc, &r);
      win::CopyBitmapRect(dc, r.left, r.top, picture, r.left, r.top, r.right - r.left, r.bottom - r.top);
    };
    window.PaintMilliseconds(3);
    const double plain = window.PaintMilliseconds(25);
    withPicture = true;
    window.PaintMilliseconds(3);
    const double pictured = window.PaintMilliseconds(25);
    std::printf("%-17s paint %dx%d  with picture %6.2f ms  without %6.2f ms  ratio %.2f%s\n", c.name,
                int(client.right), int(client.bottom), pictured, plain, pictured / plain,
                picture.Empty() ? " (FAILED)" : "");
    worst = std::max(worst, pictured / plain);
  }
  std::printf("max paint ratio %.2f\n", worst);
  return 0;
}
