#include "platform/GdiPlusPictures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <vector>

#include "errors/Guard.h"
#include "pictures/BackImageRules.h"
#include "pictures/PictureCheck.h"
#include "pictures/PictureFit.h"
#include "platform/ScopedHandle.h"
#include "platform/WideText.h"

namespace qv::win {

struct TGpImage;
struct TGpGraphics;
struct TGpImageAttributes;

namespace {

// The decoder and encoder records of the flat API.
struct TImageCodecInfo {
  CLSID Clsid;
  GUID FormatID;
  const WCHAR* CodecName;
  const WCHAR* DllName;
  const WCHAR* FormatDescription;
  const WCHAR* FilenameExtension;
  const WCHAR* MimeType;
  DWORD Flags, Version, SigCount, SigSize;
  const BYTE* SigPattern;
  const BYTE* SigMask;
};

struct TColorMatrix {
  float m[5][5];
};

constexpr int kOk = 0;
constexpr int kInterpolationHighQualityBicubic = 7;
constexpr int kUnitPixel = 2;
constexpr int kColorAdjustTypeBitmap = 1;
constexpr int kColorMatrixFlagsDefault = 0;
constexpr int kPixelFormat32bppRGB = 0x00022009;
constexpr int kWrapModeTileFlipXY = 3;

}  // namespace

extern "C" {
int WINAPI GdipGetImageDecodersSize(UINT* count, UINT* size);
int WINAPI GdipGetImageDecoders(UINT count, UINT size, TImageCodecInfo* decoders);
int WINAPI GdipGetImageEncodersSize(UINT* count, UINT* size);
int WINAPI GdipGetImageEncoders(UINT count, UINT size, TImageCodecInfo* encoders);
int WINAPI GdipLoadImageFromFile(const WCHAR* file, TGpImage** image);
int WINAPI GdipGetImageWidth(TGpImage* image, UINT* width);
int WINAPI GdipGetImageHeight(TGpImage* image, UINT* height);
int WINAPI GdipDisposeImage(TGpImage* image);
int WINAPI GdipCreateBitmapFromScan0(INT width, INT height, INT stride, INT format, BYTE* scan0,
                                     TGpImage** bitmap);
int WINAPI GdipSaveImageToFile(TGpImage* image, const WCHAR* file, const CLSID* encoder,
                               const void* parameters);
int WINAPI GdipCreateFromHDC(HDC dc, TGpGraphics** graphics);
int WINAPI GdipDeleteGraphics(TGpGraphics* graphics);
int WINAPI GdipSetInterpolationMode(TGpGraphics* graphics, int mode);
int WINAPI GdipDrawImageRectRectI(TGpGraphics* graphics, TGpImage* image, INT dx, INT dy, INT dw,
                                  INT dh, INT sx, INT sy, INT sw, INT sh, int unit,
                                  const TGpImageAttributes* attributes, void* abort, void* data);
int WINAPI GdipCreateImageAttributes(TGpImageAttributes** attributes);
int WINAPI GdipDisposeImageAttributes(TGpImageAttributes* attributes);
int WINAPI GdipSetImageAttributesColorMatrix(TGpImageAttributes* attributes, int type, BOOL enable,
                                             const TColorMatrix* matrix, const TColorMatrix* gray,
                                             int flags);
int WINAPI GdipSetImageAttributesGamma(TGpImageAttributes* attributes, int type, BOOL enable,
                                       float gamma);
int WINAPI GdipSetImageAttributesWrapMode(TGpImageAttributes* attributes, int wrap, DWORD argb,
                                          BOOL clamp);
}

namespace {

const char* const kFile = "Include/MyGDIPlus";

void RaisePictureFailure(TFunStatContext& local, const char* function,
                         const std::string& description, const std::string& path,
                         const std::string& detail, int line) {
  local.Raise(kFile, function, 0, description, path, detail, Error, line);
}

// Records that a finished bitmap could not be made; answers false.
bool ReportBitmapFailure(const char* function, const std::string& path, int line) {
  const TOperation op{kFile, function, "", line};
  return Silent(op, [&](TFunStatContext& local) {
    RaisePictureFailure(local, function, "Failed to create bitmap.", path, "", line);
    return false;
  });
}

std::string GdiPlusStatusText(int status) { return "GDI+ status " + std::to_string(status); }

// A file read at any offset, for the header check.
class TFileByteSource : public IByteSource {
 public:
  explicit TFileByteSource(const std::wstring& path)
      : file_(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr)) {
    LARGE_INTEGER size{};
    if (Opened() && GetFileSizeEx(file_.H, &size)) size_ = uint64_t(size.QuadPart);
  }
  bool Opened() const { return file_.H != INVALID_HANDLE_VALUE; }
  uint64_t Size() override { return size_; }
  bool ReadAt(uint64_t offset, void* buffer, size_t count) override {
    auto* out = static_cast<char*>(buffer);
    while (count > 0) {
      OVERLAPPED at{};
      at.Offset = DWORD(offset);
      at.OffsetHigh = DWORD(offset >> 32);
      const DWORD chunk = DWORD(std::min<size_t>(count, 1u << 24));
      DWORD got = 0;
      if (!ReadFile(file_.H, out, chunk, &got, &at) || got == 0) return false;
      out += got;
      offset += got;
      count -= got;
    }
    return true;
  }

 private:
  TScopedHandle file_;
  uint64_t size_ = 0;
};

struct TImageDeleter {
  void operator()(TGpImage* image) const { GdipDisposeImage(image); }
};
using TImagePtr = std::unique_ptr<TGpImage, TImageDeleter>;

// A memory device context with a bitmap selected into it, for the time of a drawing.
class TBitmapDC {
 public:
  explicit TBitmapDC(const TDibBitmap& bitmap) : dc_(CreateCompatibleDC(nullptr)) {
    if (dc_) old_ = SelectObject(dc_, bitmap.Handle());
  }
  ~TBitmapDC() {
    if (!dc_) return;
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  HDC Handle() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_ = nullptr;
};

// Draws the picture over the whole bitmap through a GDI+ surface on its DC.
int DrawIntoBitmap(TGpImage* picture, int pw, int ph, const TDibBitmap& target, int fade,
                   int gamma) {
  TBitmapDC dc(target);
  if (!dc.Handle()) return -1;
  TGpGraphics* graphics = nullptr;
  int status = GdipCreateFromHDC(dc.Handle(), &graphics);
  if (status != kOk) return status;
  status = GdipSetInterpolationMode(graphics, kInterpolationHighQualityBicubic);
  if (status == kOk &&
      !DrawPictureAdjusted(picture, graphics, target.Width(), target.Height(), pw, ph, fade, gamma))
    status = -1;
  GdipDeleteGraphics(graphics);
  return status;
}

// Copies the tile over the area of target that view covers in the plane.
void TileInto(const TDibBitmap& tile, TSize plane, const TRect& view, const TDibBitmap& target) {
  TBitmapDC from(tile), to(target);
  for (const TBlit& b : PlanTileBlits({tile.Width(), tile.Height()}, plane, view))
    BitBlt(to.Handle(), b.Left, b.Top, b.Width, b.Height, from.Handle(), b.SourceLeft, b.SourceTop,
           SRCCOPY);
}

}  // namespace

TDibBitmap& TDibBitmap::operator=(TDibBitmap&& other) noexcept {
  if (this != &other) {
    Reset();
    std::swap(handle_, other.handle_);
    std::swap(bits_, other.bits_);
    std::swap(width_, other.width_);
    std::swap(height_, other.height_);
  }
  return *this;
}

bool TDibBitmap::Create(int width, int height) {
  Reset();
  if (width < 1 || height < 1) return false;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  handle_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!handle_) return false;
  bits_ = static_cast<uint32_t*>(bits);  // the system clears a new section: black
  width_ = width;
  height_ = height;
  return true;
}

void TDibBitmap::Reset() {
  if (handle_) DeleteObject(handle_);
  handle_ = nullptr;
  bits_ = nullptr;
  width_ = height_ = 0;
}

COLORREF TDibBitmap::Pixel(int x, int y) const {
  if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  GdiFlush();
  const uint32_t p = bits_[size_t(y) * size_t(width_) + size_t(x)];
  return RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF);
}

COLORREF TDibBitmap::MeanColor() const {
  if (!bits_ || width_ <= 0 || height_ <= 0) return CLR_INVALID;
  GdiFlush();
  // A pixel in every 7 x 7 block tells the colour well enough.
  uint64_t sum[3] = {0, 0, 0}, n = 0;
  for (int y = 0; y < height_; y += 7)
    for (int x = 0; x < width_; x += 7, ++n) {
      const uint32_t p = bits_[size_t(y) * size_t(width_) + size_t(x)];
      sum[0] += p >> 16 & 0xFF;
      sum[1] += p >> 8 & 0xFF;
      sum[2] += p & 0xFF;
    }
  return RGB(sum[0] / n, sum[1] / n, sum[2] / n);
}

std::string GetPictureExtensionsAsFilter() {
  return Silent(QV_OP(kFile, "GetPictureExtensionsAsFilter", ""),
                [&](TFunStatContext& local) -> std::string {
    UINT count = 0, size = 0;
    int status = GdipGetImageDecodersSize(&count, &size);
    std::vector<uint8_t> buffer(size);
    if (status == kOk && count > 0 && size >= count * sizeof(TImageCodecInfo))
      status = GdipGetImageDecoders(count, size, reinterpret_cast<TImageCodecInfo*>(buffer.data()));
    else if (status == kOk)
      status = -1;
    if (status != kOk) {
      RaisePictureFailure(local, "GetPictureExtensionsAsFilter", "Failed to get image decoders.",
                          "", GdiPlusStatusText(status), __LINE__);
      return "";
    }
    std::vector<std::string> patterns;
    const auto* decoders = reinterpret_cast<const TImageCodecInfo*>(buffer.data());
    for (UINT i = 0; i < count; ++i) patterns.push_back(FromWide(decoders[i].FilenameExtension));
    return JoinPictureExtensions(patterns);
  });
}

// Interpolation near the picture's edges reads pixels beyond them; without
// attributes those are transparent, which darkens the edges of a scaled picture
// over black and draws a dark line between tiles. Mirroring the picture there
// keeps the edges as they are, so every drawing goes through attributes.
bool DrawPictureAdjusted(TGpImage* picture, TGpGraphics* surface, int width, int height, int pw,
                         int ph, int fade, int gamma) {
  const bool fadeOn = fade >= 1 && fade <= 100;
  const bool gammaOn = gamma >= 1 && gamma <= 1000 && gamma != 100;
  TGpImageAttributes* attributes = nullptr;
  int status = GdipCreateImageAttributes(&attributes);
  if (status != kOk) return false;
  status = GdipSetImageAttributesWrapMode(attributes, kWrapModeTileFlipXY, 0, FALSE);
  if (status == kOk && fadeOn) {
    TColorMatrix matrix{};
    for (int i = 0; i < 5; ++i) matrix.m[i][i] = 1.0f;
    matrix.m[3][3] = 1.0f - float(fade) * 0.01f;
    status = GdipSetImageAttributesColorMatrix(attributes, kColorAdjustTypeBitmap, TRUE, &matrix,
                                               nullptr, kColorMatrixFlagsDefault);
  }
  if (status == kOk && gammaOn)
    status = GdipSetImageAttributesGamma(attributes, kColorAdjustTypeBitmap, TRUE, float(gamma) * 0.01f);
  if (status == kOk)
    status = GdipDrawImageRectRectI(surface, picture, 0, 0, width, height, 0, 0, pw, ph,
                                    kUnitPixel, attributes, nullptr, nullptr);
  GdipDisposeImageAttributes(attributes);
  return status == kOk;
}

namespace {

// A picture file checked and decoded, or the reason why it is not.
struct TOpenedPicture {
  TImagePtr Picture;
  UINT Width = 0, Height = 0;
  const char* Failure = nullptr;
  std::string Detail;
  int Line = 0;
};

TOpenedPicture OpenPicture(const std::string& fileName) {
  TOpenedPicture p;
  const auto fail = [&](const char* failure, std::string detail, int line) {
    p.Picture.reset();
    p.Failure = failure;
    p.Detail = std::move(detail);
    p.Line = line;
    return std::move(p);
  };
  const std::wstring wide = ToWide(fileName);
  if (wide.empty() || wide.size() > MAX_PATH) return fail("Invalid image file name.", "", __LINE__);
  {
    TFileByteSource source(wide);
    if (!source.Opened()) return fail("Failed to open image.", "", __LINE__);
    const TPictureCheck check = CheckPicture(source);
    if (!check.Ok()) return fail(PictureDecodeFailure, PictureFaultText(check.Fault), __LINE__);
  }
  TGpImage* loaded = nullptr;
  const int status = GdipLoadImageFromFile(wide.c_str(), &loaded);
  if (status != kOk) return fail(PictureDecodeFailure, GdiPlusStatusText(status), __LINE__);
  p.Picture.reset(loaded);
  if (GdipGetImageWidth(loaded, &p.Width) != kOk) p.Width = 0;
  if (GdipGetImageHeight(loaded, &p.Height) != kOk) p.Height = 0;
  if (p.Width == 0 || p.Height == 0) return fail(PictureSizeFailure, "", __LINE__);
  return p;
}

// The channel values of a fade and a gamma, as GDI+ gives them when it draws
// with a colour matrix scaling the opacity and a gamma over black: each channel
// v becomes 255 (v / 255)^(gamma / 100) (1 - fade / 100).
std::array<uint8_t, 256> AdjustTable(int fade, int gamma) {
  const bool fadeOn = fade >= 1 && fade <= 100;
  const bool gammaOn = gamma >= 1 && gamma <= 1000 && gamma != 100;
  const double opacity = fadeOn ? 1.0 - fade * 0.01 : 1.0;
  std::array<uint8_t, 256> table{};
  for (int v = 0; v < 256; ++v) {
    const double c = gammaOn ? 255.0 * std::pow(v / 255.0, gamma * 0.01) : double(v);
    table[size_t(v)] = uint8_t(std::lround(std::min(255.0, c * opacity)));
  }
  return table;
}

bool IsPlain(int fade, int gamma) {
  return !(fade >= 1 && fade <= 100) && !(gamma >= 1 && gamma <= 1000 && gamma != 100);
}

// to = from with the fade and gamma applied (to may be from).
void ApplyAdjustment(const TDibBitmap& from, const TDibBitmap& to, int fade, int gamma) {
  const std::array<uint8_t, 256> t = AdjustTable(fade, gamma);
  GdiFlush();
  const size_t n = size_t(from.Width()) * size_t(from.Height());
  const uint32_t* in = from.Bits();
  uint32_t* out = to.Bits();
  for (size_t i = 0; i < n; ++i) {
    const uint32_t p = in[i];
    out[i] = uint32_t(t[p >> 16 & 0xFF]) << 16 | uint32_t(t[p >> 8 & 0xFF]) << 8 | t[p & 0xFF];
  }
}

}  // namespace

// The picture is scaled once, which is the costly step; the fades and the gamma
// then go through a table over the fitted pixels (GDI+ applies a gamma to every
// pixel of the source, which for a photograph costs seconds under wine).
bool LoadPictureToBitmap(const std::string& fileName, TDibBitmap& a, int targetWidth,
                         int targetHeight, bool enlarge, bool stretch, int fadeA, int gamma,
                         TDibBitmap* b, int fadeB) {
  a.Reset();
  if (b) b->Reset();
  return Silent(QV_OP(kFile, "LoadPictureToBitmap", ""), [&](TFunStatContext& local) {
    const auto fail = [&](const char* description, const std::string& detail, int line) {
      RaisePictureFailure(local, "LoadPictureToBitmap", description, fileName, detail, line);
      a.Reset();
      if (b) b->Reset();
      return false;
    };
    TOpenedPicture p = OpenPicture(fileName);
    if (p.Failure) return fail(p.Failure, p.Detail, p.Line);
    const TSize size = stretch ? PictureDrawSize(int(p.Width), int(p.Height), targetWidth, targetHeight, true)
                               : GetBestFitSize(int(p.Width), int(p.Height), targetWidth, targetHeight, enlarge);
    if (size.Width < 1 || size.Height < 1) return fail(PictureSizeFailure, "", __LINE__);
    if (!a.Create(size.Width, size.Height) || (b && !b->Create(size.Width, size.Height)))
      return fail("Failed to create bitmap.", "", __LINE__);
    const int drawn = DrawIntoBitmap(p.Picture.get(), int(p.Width), int(p.Height), a, 0, 100);
    if (drawn != kOk) return fail("Failed to draw image.", GdiPlusStatusText(drawn), __LINE__);
    if (b) ApplyAdjustment(a, *b, fadeB, gamma);
    if (!IsPlain(fadeA, gamma)) ApplyAdjustment(a, a, fadeA, gamma);
    return true;
  });
}

bool DrawPictureFileAdjusted(const std::string& fileName, TDibBitmap& target, int fade, int gamma) {
  return Silent(QV_OP(kFile, "DrawPictureFileAdjusted", ""), [&](TFunStatContext& local) {
    TOpenedPicture p = OpenPicture(fileName);
    int drawn = -1;
    if (!p.Failure && !target.Empty())
      drawn = DrawIntoBitmap(p.Picture.get(), int(p.Width), int(p.Height), target, fade, gamma);
    if (drawn == kOk) return true;
    RaisePictureFailure(local, "DrawPictureFileAdjusted", p.Failure ? p.Failure : "Failed to draw image.",
                        fileName, p.Detail, p.Failure ? p.Line : __LINE__);
    return false;
  });
}

bool BuildScreenBackPictures(const std::string& fileName, const TBackImageOptions& options,
                             int fadeCenter, int screenWidth, int screenHeight,
                             const TRect& richArea, TScreenBackPictures& out) {
  out.Reset();
  out.RichArea = richArea;
  TDibBitmap a, b;
  if (!LoadPictureToBitmap(fileName, a, screenWidth, screenHeight, false, options.Stretch,
                           options.Fade, options.Gamma, &b, fadeCenter))
    return false;
  const TSize plane{screenWidth, screenHeight};
  const bool made = out.Screen.Create(screenWidth, screenHeight) &&
                    (richArea.Width < 1 || richArea.Height < 1 ||
                     out.UnderRich.Create(richArea.Width, richArea.Height));
  if (!made) {
    out.Reset();
    return ReportBitmapFailure("BuildScreenBackPictures", fileName, __LINE__);
  }
  TileInto(a, plane, {0, 0, screenWidth, screenHeight}, out.Screen);
  if (!out.UnderRich.Empty()) TileInto(b, plane, richArea, out.UnderRich);
  GdiFlush();
  return true;
}

bool BuildRichBackPicture(const std::string& fileName, const TBackImageOptions& options,
                          int width, int height, TDibBitmap& out) {
  out.Reset();
  TDibBitmap tile;
  if (!LoadPictureToBitmap(fileName, tile, width, height, false, options.Stretch, options.Fade,
                           options.Gamma, nullptr, 0))
    return false;
  if (!out.Create(width, height)) return ReportBitmapFailure("BuildRichBackPicture", fileName, __LINE__);
  TileInto(tile, {width, height}, {0, 0, width, height}, out);
  GdiFlush();
  return true;
}

bool CopyBitmapRect(HDC dc, int x, int y, const TDibBitmap& from, int sx, int sy, int w, int h) {
  if (from.Empty()) return false;
  TBitmapDC source(from);
  return source.Handle() && BitBlt(dc, x, y, w, h, source.Handle(), sx, sy, SRCCOPY);
}

bool SavePictureToFile(const TDibBitmap& bitmap, const std::string& fileName,
                       const char* mimeType) {
  if (bitmap.Empty()) return false;
  UINT count = 0, size = 0;
  if (GdipGetImageEncodersSize(&count, &size) != kOk || count == 0) return false;
  std::vector<uint8_t> buffer(size);
  auto* encoders = reinterpret_cast<TImageCodecInfo*>(buffer.data());
  if (GdipGetImageEncoders(count, size, encoders) != kOk) return false;
  const CLSID* encoder = nullptr;
  for (UINT i = 0; i < count; ++i)
    if (FromWide(encoders[i].MimeType) == mimeType) encoder = &encoders[i].Clsid;
  if (!encoder) return false;
  GdiFlush();
  TGpImage* image = nullptr;
  if (GdipCreateBitmapFromScan0(bitmap.Width(), bitmap.Height(), bitmap.Width() * 4,
                                kPixelFormat32bppRGB, reinterpret_cast<BYTE*>(bitmap.Bits()),
                                &image) != kOk)
    return false;
  TImagePtr owned(image);
  const std::wstring wide = ToWide(fileName);
  return !wide.empty() && GdipSaveImageToFile(image, wide.c_str(), encoder, nullptr) == kOk;
}

}  // namespace qv::win
