// Draws the program's default background pictures, BackImages\DefaultScreen.bmp
// (woven linen, for the screen) and BackImages\DefaultRich.bmp (a paper grain,
// for the rich-box), as 8-bit indexed bitmaps of a few shades. The textures
// repeat without seams, since the pictures are tiled, and stay light enough
// for black text. Deterministic: the same bytes on every run and machine.
//
//   make_back_images OUTPUT_FOLDER
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// A hash of lattice coordinates to [0, 1).
double Hash(uint32_t x, uint32_t y, uint32_t seed) {
  uint32_t h = x * 0x8DA6B343u ^ y * 0xD8163841u ^ seed * 0xCB1AB31Fu;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return (h & 0xFFFFFF) / double(0x1000000);
}

double Smooth(double t) { return t * t * (3 - 2 * t); }

// Value noise over cells of `cell` pixels that repeats every `period` pixels
// (period a multiple of cell).
double Noise(double x, double y, int cell, int period, uint32_t seed) {
  const int cells = period / cell;
  const double fx = x / cell, fy = y / cell;
  const int x0 = int(std::floor(fx)), y0 = int(std::floor(fy));
  const double tx = Smooth(fx - x0), ty = Smooth(fy - y0);
  auto at = [&](int i, int j) {
    return Hash(uint32_t(((i % cells) + cells) % cells), uint32_t(((j % cells) + cells) % cells), seed);
  };
  const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * tx;
  const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * tx;
  return top + (bottom - top) * ty;
}

struct TColor { double r, g, b; };

// A picture of values in [0, 1], written with a palette of `levels` shades
// running from dark to light.
struct TPicture {
  int Width, Height;
  std::vector<double> Values;
  TPicture(int w, int h) : Width(w), Height(h), Values(size_t(w) * size_t(h)) {}
  double& At(int x, int y) { return Values[size_t(y) * size_t(Width) + size_t(x)]; }
};

void Put16(std::string& s, uint32_t v) { s += char(v & 0xFF); s += char(v >> 8 & 0xFF); }
void Put32(std::string& s, uint32_t v) { Put16(s, v & 0xFFFF); Put16(s, v >> 16); }

bool WriteBmp(const std::string& path, TPicture& p, TColor dark, TColor light, int levels) {
  const uint32_t rowBytes = (uint32_t(p.Width) + 3) / 4 * 4;
  const uint32_t paletteBytes = 256 * 4;
  const uint32_t offset = 14 + 40 + paletteBytes;
  const uint32_t dataBytes = rowBytes * uint32_t(p.Height);
  std::string s;
  s += "BM";
  Put32(s, offset + dataBytes);
  Put32(s, 0);
  Put32(s, offset);
  Put32(s, 40);
  Put32(s, uint32_t(p.Width));
  Put32(s, uint32_t(p.Height));
  Put16(s, 1);
  Put16(s, 8);
  Put32(s, 0);
  Put32(s, dataBytes);
  Put32(s, 2835);
  Put32(s, 2835);
  Put32(s, uint32_t(levels));
  Put32(s, uint32_t(levels));
  for (int i = 0; i < 256; ++i) {
    const double t = i < levels ? double(i) / (levels - 1) : 1.0;
    auto channel = [&](double a, double b) { return char(int(std::lround(a + (b - a) * t))); };
    s += channel(dark.b, light.b);
    s += channel(dark.g, light.g);
    s += channel(dark.r, light.r);
    s += '\0';
  }
  for (int y = p.Height - 1; y >= 0; --y) {  // bottom-up rows
    for (int x = 0; x < p.Width; ++x) {
      const double v = std::fmin(std::fmax(p.At(x, y), 0.0), 1.0);
      s += char(int(std::lround(v * (levels - 1))));
    }
    s.append(rowBytes - uint32_t(p.Width), '\0');
  }
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(s.data(), 1, s.size(), f) == s.size();
  return std::fclose(f) == 0 && ok;
}

// Linen: threads four pixels apart each way, woven over and under; every
// thread has its own shade and slubs (thicker, lighter stretches) along it.
TPicture Linen(int side) {
  const int pitch = 4;
  const double pi = 3.14159265358979;
  TPicture p(side, side);
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      const int column = x / pitch, row = y / pitch;
      const bool warpOnTop = (column + row) % 2 == 0;
      // Across a thread its surface curves: lighter in the middle, darker at the edges.
      const double across = warpOnTop ? (x % pitch + 0.5) / pitch : (y % pitch + 0.5) / pitch;
      const double profile = std::sin(across * pi);
      const int thread = warpOnTop ? column : row;
      const double along = warpOnTop ? y : x;
      const uint32_t seed = warpOnTop ? 11 : 23;
      const double shade = Hash(uint32_t(thread), 0, seed) - 0.5;
      const double slub = Noise(along, thread * 7.0, 16, side, seed + 1) - 0.5;
      const double cloud = Noise(x, y, 40, side, 5) - 0.5;
      p.At(x, y) = 0.58 + 0.30 * profile - 0.12 + 0.16 * shade + 0.22 * slub + 0.18 * cloud;
    }
  return p;
}

// Paper: a soft cloudiness with a fine grain and faint fibres.
TPicture Paper(int side) {
  TPicture p(side, side);
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      const double cloud = Noise(x, y, 32, side, 3) * 0.6 + Noise(x, y, 16, side, 4) * 0.4 - 0.5;
      const double grain = Hash(uint32_t(x), uint32_t(y), 9) - 0.5;
      // Fibres: thin streaks, where a stretched noise comes close to its middle value.
      const double stretched = Noise(x * 1.0, y * 4.0, 32, side * 4, 7);
      const double fibre = std::fmax(0.0, 1.0 - std::fabs(stretched - 0.5) * 40.0);
      p.At(x, y) = 0.62 + 0.55 * cloud + 0.22 * grain - 0.25 * fibre;
    }
  return p;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_back_images OUTPUT_FOLDER\n");
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  TPicture linen = Linen(320);
  TPicture paper = Paper(256);
  const bool ok =
      WriteBmp(folder + "DefaultScreen.bmp", linen, {176, 164, 140}, {236, 228, 210}, 48) &&
      WriteBmp(folder + "DefaultRich.bmp", paper, {226, 218, 198}, {250, 246, 236}, 32);
  if (!ok) std::fprintf(stderr, "make_back_images: cannot write into %s\n", argv[1]);
  return ok ? 0 : 1;
}
