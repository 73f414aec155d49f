#include <gtest/gtest.h>

#include <string>

#include "pictures/PictureCheck.h"

namespace qv {
namespace {

std::string LE16(uint32_t v) { return {char(v & 0xFF), char(v >> 8 & 0xFF)}; }
std::string LE32(uint32_t v) { return LE16(v & 0xFFFF) + LE16(v >> 16); }
std::string BE16(uint32_t v) { return {char(v >> 8 & 0xFF), char(v & 0xFF)}; }
std::string BE32(uint32_t v) { return BE16(v >> 16) + BE16(v & 0xFFFF); }

// A 24-bit bitmap with all its rows (each padded to 4 bytes).
std::string Bmp(uint32_t w, int32_t h, size_t dataBytes = std::string::npos) {
  const uint32_t rows = uint32_t(h < 0 ? -h : h);
  if (dataBytes == std::string::npos) dataBytes = size_t((w * 3 + 3) / 4 * 4) * rows;
  std::string info = LE32(40) + LE32(w) + LE32(uint32_t(h)) + LE16(1) + LE16(24) + LE32(0) +
                     LE32(0) + LE32(2835) + LE32(2835) + LE32(0) + LE32(0);
  return "BM" + LE32(uint32_t(54 + dataBytes)) + LE32(0) + LE32(54) + info +
         std::string(dataBytes, '\x7F');
}

std::string PngChunk(const char* type, const std::string& data) {
  return BE32(uint32_t(data.size())) + type + data + BE32(0);
}
std::string Png(uint32_t w, uint32_t h) {
  return std::string("\x89PNG\r\n\x1a\n", 8) +
         PngChunk("IHDR", BE32(w) + BE32(h) + std::string("\x08\x02\0\0\0", 5)) +
         PngChunk("IDAT", std::string(40, 'x')) + PngChunk("IEND", "");
}

std::string Gif(uint32_t w, uint32_t h) {
  return "GIF89a" + LE16(w) + LE16(h) + std::string("\x80\0\0", 3) + std::string(6, '\0') +
         std::string("\x21\xF9\x04\0\0\0\0\0", 8) +                       // graphic control
         "\x2C" + LE16(0) + LE16(0) + LE16(w) + LE16(h) + std::string(1, '\0') +
         "\x02" + std::string("\x03\x44\x01\x05", 4) + std::string(1, '\0') + "\x3B";
}

std::string Jpeg(uint32_t w, uint32_t h) {
  const std::string app0 = "\xFF\xE0" + BE16(16) + std::string("JFIF\0\1\1\0\0\1\0\1\0\0", 14);
  const std::string sof = "\xFF\xC0" + BE16(11) + "\x08" + BE16(h) + BE16(w) + std::string("\x01\x01\x11\x00", 4);
  const std::string sos = "\xFF\xDA" + BE16(8) + std::string("\x01\x01\x00\x00\x3F\x00", 6);
  // Scan data with a stuffed 0xFF and a restart marker, then the end marker.
  const std::string scan = std::string("\x12\xFF\x00\x34\xFF\xD0\x56\x78", 8);
  return std::string("\xFF\xD8", 2) + app0 + sof + sos + scan + "\xFF\xD9";
}

std::string Tiff(uint32_t w, uint32_t h) {
  auto entry = [](uint32_t tag, uint32_t type, uint32_t value) {
    return LE16(tag) + LE16(type) + LE32(1) + LE32(value);
  };
  const uint32_t strip = 8 + 2 + 4 * 12 + 4;
  return std::string("II*\0", 4) + LE32(8) + LE16(4) + entry(256, 4, w) + entry(257, 4, h) +
         entry(273, 4, strip) + entry(279, 4, 10) + LE32(0) + std::string(10, 'p');
}

std::string Icon(uint32_t pngW, uint32_t pngH) {
  const std::string png = Png(pngW, pngH);
  return std::string("\0\0\1\0", 4) + LE16(1) + std::string("\0\0\0\0", 4) + LE16(1) + LE16(32) +
         LE32(uint32_t(png.size())) + LE32(22) + png;
}

TPictureCheck Check(const std::string& bytes) {
  TMemoryByteSource source(bytes);
  return CheckPicture(source);
}

TEST(CheckPicture, GoodHeadersGiveFormatAndSize) {
  struct Case { std::string bytes; TPictureFormat format; int w, h; };
  const Case cases[] = {
      {Bmp(400, 300), TPictureFormat::Bmp, 400, 300},
      {Bmp(7, -5), TPictureFormat::Bmp, 7, 5},  // top-down rows
      {Png(4000, 3000), TPictureFormat::Png, 4000, 3000},
      {Gif(320, 200), TPictureFormat::Gif, 320, 200},
      {Jpeg(640, 480), TPictureFormat::Jpeg, 640, 480},
      {Tiff(33, 44), TPictureFormat::Tiff, 33, 44},
      {Icon(48, 48), TPictureFormat::Icon, 48, 48},
  };
  for (const Case& c : cases) {
    const TPictureCheck r = Check(c.bytes);
    EXPECT_TRUE(r.Ok()) << int(c.format) << ": " << PictureFaultText(r.Fault);
    EXPECT_EQ(r.Format, c.format);
    EXPECT_EQ(r.Width, c.w) << int(c.format);
    EXPECT_EQ(r.Height, c.h) << int(c.format);
  }
}

TEST(CheckPicture, BadFilesAreRefusedBeforeDecoding) {
  using F = TPictureFault;
  struct Case { const char* what; std::string bytes; F fault; };
  const Case cases[] = {
      {"zero bytes", "", F::Empty},
      {"text", "Just a text file, no picture.", F::UnknownFormat},
      {"bitmap 20000 x 20000", Bmp(20000, 20000, 16), F::TooLarge},
      {"png 20000 x 20000", Png(20000, 20000), F::TooLarge},
      {"gif 65535 x 65535", Gif(65535, 65535), F::TooLarge},
      {"jpeg 20000 x 20000", Jpeg(20000, 20000), F::TooLarge},
      {"tiff 20000 x 20000", Tiff(20000, 20000), F::TooLarge},
      {"icon holding a huge png", Icon(20000, 20000), F::TooLarge},
      {"bitmap missing rows", Bmp(400, 300, 1000), F::Truncated},
      {"bitmap of width 0", Bmp(0, 10), F::BadHeader},
      {"png without IHDR", std::string("\x89PNG\r\n\x1a\n", 8) + PngChunk("IDAT", std::string(13, 'x')), F::BadHeader},
      {"jpeg without a frame", std::string("\xFF\xD8\xFF\xD9", 4), F::BadHeader},
  };
  for (const Case& c : cases) EXPECT_EQ(Check(c.bytes).Fault, c.fault) << c.what;
}

// A file cut anywhere is refused: no prefix of a good picture passes (a GIF
// that lost only its closing byte still holds its whole image and does).
TEST(CheckPicture, EveryCutFileIsRefused) {
  const std::string pictures[] = {Bmp(9, 4), Png(12, 8), Gif(6, 6), Jpeg(16, 16), Tiff(5, 2), Icon(16, 16)};
  for (const std::string& whole : pictures) {
    ASSERT_TRUE(Check(whole).Ok());
    const size_t keep = whole.compare(0, 3, "GIF") == 0 ? whole.size() - 1 : whole.size();
    for (size_t n = 1; n < keep; ++n)
      EXPECT_FALSE(Check(whole.substr(0, n)).Ok()) << whole.substr(0, 3) << " cut to " << n;
  }
}

}  // namespace
}  // namespace qv
