// Pictures through GDI+'s flat API: the decoders' file patterns, decoding a
// picture file into finished bitmaps of a target size (fitted or stretched,
// faded and gamma-corrected, scaled with high-quality bicubic interpolation),
// and the background pictures built from them, so that painting only copies.
//
// Failures are recorded in the program-wide function-status context (file
// "Include/MyGDIPlus") for the caller's guarded operation; nothing throws.
// GDI+ must be running (TGdiPlusSession).
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>

#include "layout/WindowLayout.h"

namespace qv::win {

// A 32-bit top-down device-independent bitmap; a new one is black.
class TDibBitmap {
 public:
  TDibBitmap() = default;
  ~TDibBitmap() { Reset(); }
  TDibBitmap(TDibBitmap&& other) noexcept { *this = std::move(other); }
  TDibBitmap& operator=(TDibBitmap&& other) noexcept;
  TDibBitmap(const TDibBitmap&) = delete;
  TDibBitmap& operator=(const TDibBitmap&) = delete;

  // Replaces the bitmap with a black one of this size; false (and empty) when it
  // cannot be made or the size is not positive.
  bool Create(int width, int height);
  void Reset();
  bool Empty() const { return handle_ == nullptr; }
  HBITMAP Handle() const { return handle_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Rows top to bottom, pixels 0x00RRGGBB.
  uint32_t* Bits() const { return bits_; }
  // The colour at (x, y) as 0x00BBGGRR.
  COLORREF Pixel(int x, int y) const;
  // The picture's average colour (CLR_INVALID for an empty one).
  COLORREF MeanColor() const;

 private:
  HBITMAP handle_ = nullptr;
  uint32_t* bits_ = nullptr;
  int width_ = 0, height_ = 0;
};

// The file patterns of every picture format GDI+ decodes, lower case, the
// decoders' lists joined by ";" ("*.bmp;*.dib;*.rle;*.jpg;..."); "" on failure.
std::string GetPictureExtensionsAsFilter();

// Opaque GDI+ objects of the flat API.
struct TGpImage;
struct TGpGraphics;

// Draws the picture (pw x ph pixels) scaled into (0, 0, width, height) of the
// surface. Fade 1..100 lowers the picture's opacity to 1 - fade / 100 (over the
// black of a new bitmap it darkens every channel so; 100 gives black); gamma
// 1..1000 other than 100 applies gamma / 100. Other values leave them off. The
// edges are interpolated from the picture's own pixels (mirrored), never from
// the transparency beyond them, so tiles meet without a seam.
bool DrawPictureAdjusted(TGpImage* picture, TGpGraphics* surface, int width, int height, int pw,
                         int ph, int fade, int gamma);

// Decodes the picture file (an ANSI path) into a, and into b unless b is null:
// both of the stretch size (the target) or of the best fit of the picture into
// the target (enlarged to fit exactly when enlarge is set), drawn with the common
// gamma and each its own fade, the same colours as DrawPictureAdjusted gives
// but with the picture scaled only once. The file's header is checked first: an empty,
// unknown, damaged or truncated file, or one that declares more pixels than
// kMaxPicturePixels, is refused before it is decoded. On failure a and b are empty.
bool LoadPictureToBitmap(const std::string& fileName, TDibBitmap& a, int targetWidth,
                         int targetHeight, bool enlarge, bool stretch, int fadeA, int gamma,
                         TDibBitmap* b, int fadeB);

// The picture file drawn over the whole of target with DrawPictureAdjusted:
// GDI+'s own fade and gamma, the way LoadPictureToBitmap's results are matched
// against.
bool DrawPictureFileAdjusted(const std::string& fileName, TDibBitmap& target, int fade, int gamma);

struct TBackImageOptions {
  bool Stretch = false;
  int Fade = 0;     // 0..100
  int Gamma = 100;  // 1..1000
};

// The screen's pictures: Screen covers the window's client area (the fitted
// picture repeated from the top-left corner, or stretched over it); UnderRich is
// the part of the same tiling under the rich-box, drawn with the fade-centre
// darkening, for a transparent rich-box to show at its (0, 0).
struct TScreenBackPictures {
  TDibBitmap Screen;
  TDibBitmap UnderRich;
  TRect RichArea;  // the rich-box's client area in the window's client coordinates
  void Reset() {
    Screen.Reset();
    UnderRich.Reset();
  }
};

// Builds both screen pictures from a picture file; on failure both are empty.
bool BuildScreenBackPictures(const std::string& fileName, const TBackImageOptions& options,
                             int fadeCenter, int screenWidth, int screenHeight,
                             const TRect& richArea, TScreenBackPictures& out);

// Builds the rich-box's picture: the fitted (or stretched) picture repeated over
// the whole client area, so that painting is one copy. On failure out is empty.
bool BuildRichBackPicture(const std::string& fileName, const TBackImageOptions& options,
                          int width, int height, TDibBitmap& out);

// Copies a rectangle of the bitmap (from (sx, sy), w x h) to (x, y) of dc.
bool CopyBitmapRect(HDC dc, int x, int y, const TDibBitmap& from, int sx, int sy, int w, int h);

// Encodes the bitmap into a picture file through the GDI+ encoder of a MIME
// type ("image/png", "image/jpeg", "image/bmp"); for generated test and
// benchmark pictures.
bool SavePictureToFile(const TDibBitmap& bitmap, const std::string& fileName,
                       const char* mimeType);

}  // namespace qv::win
