#include "pictures/PictureCheck.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace qv {

bool TMemoryByteSource::ReadAt(uint64_t offset, void* buffer, size_t count) {
  if (offset > bytes_.size() || count > bytes_.size() - offset) return false;
  std::memcpy(buffer, bytes_.data() + offset, count);
  return true;
}

const char* PictureFaultText(TPictureFault fault) {
  switch (fault) {
    case TPictureFault::None: return "";
    case TPictureFault::Empty: return "the file is empty";
    case TPictureFault::UnknownFormat: return "the file is not a picture of a known format";
    case TPictureFault::BadHeader: return "the picture's header is damaged";
    case TPictureFault::Truncated: return "the file is truncated";
    case TPictureFault::TooLarge: return "the picture has too many pixels";
  }
  return "";
}

namespace {

// Reads through a window of the file, so that walking many small blocks costs
// few reads of the file.
class TReader {
 public:
  explicit TReader(IByteSource& source) : source_(source), size_(source.Size()) {}
  uint64_t Size() const { return size_; }

  bool Bytes(uint64_t at, void* out, size_t n) {
    if (at > size_ || n > size_ - at) return false;
    if (at >= start_ && at + n <= start_ + window_.size()) {
      std::memcpy(out, window_.data() + (at - start_), n);
      return true;
    }
    if (n > kWindow) return source_.ReadAt(at, out, n);
    window_.resize(static_cast<size_t>(std::min<uint64_t>(kWindow, size_ - at)));
    start_ = at;
    if (!source_.ReadAt(at, window_.data(), window_.size())) {
      window_.clear();
      return false;
    }
    std::memcpy(out, window_.data(), n);
    return true;
  }
  // The offset of the first byte equal to value at or after at; false when none is.
  bool Find(uint64_t at, uint8_t value, uint64_t& found) {
    while (at < size_) {
      if (!(at >= start_ && at < start_ + window_.size())) {
        uint8_t probe;
        if (!Bytes(at, &probe, 1)) return false;  // loads the window at at
      }
      const uint8_t* begin = window_.data() + (at - start_);
      const size_t left = window_.size() - static_cast<size_t>(at - start_);
      if (const void* hit = std::memchr(begin, value, left)) {
        found = at + static_cast<uint64_t>(static_cast<const uint8_t*>(hit) - begin);
        return true;
      }
      at += left;
    }
    return false;
  }
  bool Byte(uint64_t at, uint32_t& v) {
    uint8_t b = 0;
    if (!Bytes(at, &b, 1)) return false;
    v = b;
    return true;
  }
  bool U16(uint64_t at, bool bigEndian, uint32_t& v) {
    uint8_t b[2];
    if (!Bytes(at, b, 2)) return false;
    v = bigEndian ? (b[0] << 8 | b[1]) : (b[1] << 8 | b[0]);
    return true;
  }
  bool U32(uint64_t at, bool bigEndian, uint32_t& v) {
    uint8_t b[4];
    if (!Bytes(at, b, 4)) return false;
    v = bigEndian ? (uint32_t(b[0]) << 24 | b[1] << 16 | b[2] << 8 | b[3])
                  : (uint32_t(b[3]) << 24 | b[2] << 16 | b[1] << 8 | b[0]);
    return true;
  }
  bool Matches(uint64_t at, const char* signature, size_t n) {
    char b[16];
    return n <= sizeof b && Bytes(at, b, n) && std::memcmp(b, signature, n) == 0;
  }

 private:
  static constexpr size_t kWindow = 65536;
  IByteSource& source_;
  uint64_t size_;
  uint64_t start_ = 0;
  std::vector<uint8_t> window_;
};

constexpr bool kLE = false, kBE = true;
const char kPngSignature[] = "\x89PNG\r\n\x1a\n";

struct TChecker {
  TReader& r;
  uint64_t maxPixels;
  TPictureCheck result;

  TPictureCheck Fail(TPictureFault fault) {
    result.Fault = fault;
    return result;
  }
  // Records a raster size; false (with the fault set) when it is unusable.
  bool SetSize(uint64_t w, uint64_t h) {
    if (w == 0 || h == 0 || w > 0x7FFFFFFF || h > 0x7FFFFFFF) {
      result.Fault = TPictureFault::BadHeader;
      return false;
    }
    if (w * h > maxPixels) {
      result.Fault = TPictureFault::TooLarge;
      return false;
    }
    result.Width = static_cast<int>(w);
    result.Height = static_cast<int>(h);
    return true;
  }

  TPictureCheck Bmp() {
    uint32_t offBits, infoSize, w, h, bpp, compression = 0;
    if (!r.U32(10, kLE, offBits) || !r.U32(14, kLE, infoSize)) return Fail(TPictureFault::Truncated);
    int64_t height;
    if (infoSize == 12) {
      if (!r.U16(18, kLE, w) || !r.U16(20, kLE, h) || !r.U16(24, kLE, bpp))
        return Fail(TPictureFault::Truncated);
      height = h;
    } else if (infoSize >= 40) {
      if (!r.U32(18, kLE, w) || !r.U32(22, kLE, h) || !r.U16(28, kLE, bpp) ||
          !r.U32(30, kLE, compression))
        return Fail(TPictureFault::Truncated);
      if (int32_t(w) <= 0) return Fail(TPictureFault::BadHeader);
      height = int32_t(h) < 0 ? -int64_t(int32_t(h)) : int64_t(h);  // top-down rows
    } else {
      return Fail(TPictureFault::BadHeader);
    }
    if (bpp != 1 && bpp != 2 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
      return Fail(TPictureFault::BadHeader);
    if (offBits < 14 + infoSize) return Fail(TPictureFault::BadHeader);
    if (!SetSize(w, uint64_t(height))) return result;
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    const uint64_t rowBytes = (uint64_t(w) * bpp + 31) / 32 * 4;
    const uint64_t end = offBits + (uncompressed ? rowBytes * uint64_t(height) : 1);
    if (end > r.Size()) return Fail(TPictureFault::Truncated);
    return result;
  }

  TPictureCheck Png() {
    uint32_t w, h;
    if (!r.U32(16, kBE, w) || !r.U32(20, kBE, h)) return Fail(TPictureFault::Truncated);
    if (!r.Matches(12, "IHDR", 4)) return Fail(TPictureFault::BadHeader);
    if (!SetSize(w, h)) return result;
    // Every chunk must be whole, up to the closing IEND chunk.
    for (uint64_t at = 8;;) {
      uint32_t length;
      if (!r.U32(at, kBE, length)) return Fail(TPictureFault::Truncated);
      if (length > 0x7FFFFFFF) return Fail(TPictureFault::BadHeader);
      const uint64_t next = at + 12 + length;
      if (next > r.Size()) return Fail(TPictureFault::Truncated);
      if (r.Matches(at + 4, "IEND", 4)) return result;
      at = next;
    }
  }

  // Skips a run of GIF sub-blocks up to its terminator; false when the file ends first.
  bool SkipSubBlocks(uint64_t& at) {
    for (;;) {
      uint32_t n;
      if (!r.Byte(at, n)) return false;
      at += 1 + n;
      if (n == 0) return true;
    }
  }

  TPictureCheck Gif() {
    uint32_t w, h, flags;
    if (!r.U16(6, kLE, w) || !r.U16(8, kLE, h) || !r.Byte(10, flags))
      return Fail(TPictureFault::Truncated);
    if (!SetSize(w, h)) return result;
    uint64_t at = 13;
    if (flags & 0x80) at += 3u << ((flags & 7) + 1);
    bool imageSeen = false;
    for (;;) {
      uint32_t block;
      if (!r.Byte(at, block))
        return imageSeen && at == r.Size() ? result : Fail(TPictureFault::Truncated);
      if (block == 0x3B) return result;  // trailer
      if (block == 0x21) {               // extension: label, then sub-blocks
        at += 2;
        if (!SkipSubBlocks(at)) return Fail(TPictureFault::Truncated);
      } else if (block == 0x2C) {        // image: descriptor, colour table, code size, data
        uint32_t fw, fh, frameFlags;
        if (!r.U16(at + 5, kLE, fw) || !r.U16(at + 7, kLE, fh) || !r.Byte(at + 9, frameFlags))
          return Fail(TPictureFault::Truncated);
        if (uint64_t(fw) * fh > maxPixels) return Fail(TPictureFault::TooLarge);
        at += 10;
        if (frameFlags & 0x80) at += 3u << ((frameFlags & 7) + 1);
        at += 1;
        if (!SkipSubBlocks(at)) return Fail(TPictureFault::Truncated);
        imageSeen = true;
      } else {
        return imageSeen ? result : Fail(TPictureFault::BadHeader);
      }
    }
  }

  TPictureCheck Jpeg() {
    bool frameSeen = false;
    bool inScan = false;
    uint64_t at = 2;
    for (;;) {
      uint32_t b;
      if (inScan) {
        // Entropy-coded data: a marker is 0xFF followed by neither 0x00 (a stuffed
        // byte), a restart marker nor another 0xFF.
        uint64_t ff;
        if (!r.Find(at, 0xFF, ff)) return Fail(TPictureFault::Truncated);
        at = ff + 1;
        uint32_t m;
        do {
          if (!r.Byte(at, m)) return Fail(TPictureFault::Truncated);
          ++at;
        } while (m == 0xFF);
        if (m == 0x00 || (m >= 0xD0 && m <= 0xD7)) continue;
        if (m == 0xD9) return result;
        inScan = false;
        at -= 2;  // back to the marker's 0xFF
        continue;
      }
      if (!r.Byte(at, b)) return Fail(TPictureFault::Truncated);
      if (b != 0xFF) return Fail(TPictureFault::BadHeader);
      uint32_t m;
      do {
        if (!r.Byte(++at, m)) return Fail(TPictureFault::Truncated);
      } while (m == 0xFF);
      ++at;  // past the marker code
      if (m == 0xD8 || m == 0x01 || (m >= 0xD0 && m <= 0xD7)) continue;
      if (m == 0xD9) return frameSeen ? result : Fail(TPictureFault::BadHeader);
      uint32_t length;
      if (!r.U16(at, kBE, length)) return Fail(TPictureFault::Truncated);
      if (length < 2) return Fail(TPictureFault::BadHeader);
      const bool frame = m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
      if (frame && !frameSeen) {
        uint32_t h, w;
        if (!r.U16(at + 3, kBE, h) || !r.U16(at + 5, kBE, w)) return Fail(TPictureFault::Truncated);
        if (!SetSize(w, h)) return result;
        frameSeen = true;
      }
      if (m == 0xDA) {
        if (!frameSeen) return Fail(TPictureFault::BadHeader);
        inScan = true;
      }
      at += length;
      if (at > r.Size()) return Fail(TPictureFault::Truncated);
    }
  }

  // The value of a TIFF entry's i-th element (SHORT or LONG).
  bool TiffValue(uint64_t entry, bool be, uint32_t i, uint32_t& v) {
    uint32_t type, count;
    if (!r.U16(entry + 2, be, type) || !r.U32(entry + 4, be, count)) return false;
    if ((type != 3 && type != 4) || i >= count) return false;
    const uint32_t size = type == 3 ? 2 : 4;
    uint64_t at = entry + 8;
    if (uint64_t(count) * size > 4) {
      uint32_t offset;
      if (!r.U32(entry + 8, be, offset)) return false;
      at = offset;
    }
    at += uint64_t(i) * size;
    return type == 3 ? r.U16(at, be, v) : r.U32(at, be, v);
  }

  TPictureCheck Tiff(bool be) {
    uint32_t ifd, n;
    if (!r.U32(4, be, ifd) || !r.U16(ifd, be, n)) return Fail(TPictureFault::Truncated);
    if (uint64_t(ifd) + 2 + uint64_t(n) * 12 > r.Size()) return Fail(TPictureFault::Truncated);
    uint64_t width = 0, height = 0, offsets = 0, counts = 0;
    for (uint32_t i = 0; i < n; ++i) {
      const uint64_t entry = ifd + 2 + uint64_t(i) * 12;
      uint32_t tag, v = 0;
      if (!r.U16(entry, be, tag)) return Fail(TPictureFault::Truncated);
      if (tag == 256 && TiffValue(entry, be, 0, v)) width = v;
      if (tag == 257 && TiffValue(entry, be, 0, v)) height = v;
      if (tag == 273 || tag == 324) offsets = entry;
      if (tag == 279 || tag == 325) counts = entry;
    }
    if (!SetSize(width, height)) return result;
    if (!offsets || !counts) return Fail(TPictureFault::BadHeader);
    uint32_t parts;
    if (!r.U32(offsets + 4, be, parts)) return Fail(TPictureFault::Truncated);
    if (parts > r.Size()) return Fail(TPictureFault::Truncated);
    // Each strip or tile lies in the file.
    for (uint32_t i = 0; i < parts; ++i) {
      uint32_t offset, count;
      if (!TiffValue(offsets, be, i, offset) || !TiffValue(counts, be, i, count))
        return Fail(TPictureFault::Truncated);
      if (uint64_t(offset) + count > r.Size()) return Fail(TPictureFault::Truncated);
    }
    return result;
  }

  TPictureCheck Icon() {
    uint32_t n;
    if (!r.U16(4, kLE, n)) return Fail(TPictureFault::Truncated);
    if (n == 0) return Fail(TPictureFault::BadHeader);
    for (uint32_t i = 0; i < n; ++i) {
      const uint64_t entry = 6 + uint64_t(i) * 16;
      uint32_t w, h, bytes, offset;
      if (!r.Byte(entry, w) || !r.Byte(entry + 1, h) || !r.U32(entry + 8, kLE, bytes) ||
          !r.U32(entry + 12, kLE, offset))
        return Fail(TPictureFault::Truncated);
      if (uint64_t(offset) + bytes > r.Size()) return Fail(TPictureFault::Truncated);
      uint64_t pw = w ? w : 256, ph = h ? h : 256;
      if (r.Matches(offset, kPngSignature, 8)) {  // an icon image stored as PNG
        uint32_t w32, h32;
        if (!r.U32(offset + 16, kBE, w32) || !r.U32(offset + 20, kBE, h32))
          return Fail(TPictureFault::Truncated);
        pw = w32;
        ph = h32;
      }
      if (pw * ph > maxPixels) return Fail(TPictureFault::TooLarge);
      if (pw * ph > uint64_t(result.Width) * uint64_t(result.Height) && !SetSize(pw, ph))
        return result;
    }
    return result;
  }

  // Metafiles: the whole record stream the header announces must be there.
  TPictureCheck Emf() {
    uint32_t bytes;
    if (!r.U32(48, kLE, bytes)) return Fail(TPictureFault::Truncated);
    return bytes > r.Size() ? Fail(TPictureFault::Truncated) : result;
  }
  TPictureCheck Wmf() {
    uint32_t words;
    if (!r.U32(22 + 6, kLE, words)) return Fail(TPictureFault::Truncated);
    return 22 + uint64_t(words) * 2 > r.Size() ? Fail(TPictureFault::Truncated) : result;
  }

  TPictureCheck Run() {
    if (r.Size() == 0) return Fail(TPictureFault::Empty);
    TPictureFormat& f = result.Format;
    uint32_t emfType = 0, wmfKey = 0;
    if (r.Matches(0, "BM", 2)) f = TPictureFormat::Bmp;
    else if (r.Matches(0, kPngSignature, 8)) f = TPictureFormat::Png;
    else if (r.Matches(0, "GIF87a", 6) || r.Matches(0, "GIF89a", 6)) f = TPictureFormat::Gif;
    else if (r.Matches(0, "\xFF\xD8\xFF", 3)) f = TPictureFormat::Jpeg;
    else if (r.Matches(0, "II*\0", 4) || r.Matches(0, "MM\0*", 4)) f = TPictureFormat::Tiff;
    else if (r.Matches(0, "\0\0\1\0", 4)) f = TPictureFormat::Icon;
    else if (r.U32(0, kLE, emfType) && emfType == 1 && r.Matches(40, " EMF", 4)) f = TPictureFormat::Emf;
    else if (r.U32(0, kLE, wmfKey) && wmfKey == 0x9AC6CDD7) f = TPictureFormat::Wmf;
    switch (f) {
      case TPictureFormat::Bmp: return Bmp();
      case TPictureFormat::Png: return Png();
      case TPictureFormat::Gif: return Gif();
      case TPictureFormat::Jpeg: return Jpeg();
      case TPictureFormat::Tiff: return Tiff(r.Matches(0, "MM", 2));
      case TPictureFormat::Icon: return Icon();
      case TPictureFormat::Emf: return Emf();
      case TPictureFormat::Wmf: return Wmf();
      case TPictureFormat::Unknown: break;
    }
    return Fail(TPictureFault::UnknownFormat);
  }
};

}  // namespace

TPictureCheck CheckPicture(IByteSource& bytes, uint64_t maxPixels) {
  TReader reader(bytes);
  TChecker checker{reader, maxPixels, {}};
  return checker.Run();
}

}  // namespace qv
