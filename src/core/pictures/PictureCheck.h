// Checks a picture file's header before it is decoded: its format (by its
// signature), the size it declares, and whether the file holds all the data
// the header announces. A picture that declares more pixels than the limit is
// refused before any decoder allocates memory for it.
#pragma once
#include <cstdint>
#include <string>

namespace qv {

// Random access to the bytes of a file.
class IByteSource {
 public:
  virtual ~IByteSource() = default;
  virtual uint64_t Size() = 0;
  // Reads count bytes at offset; false when they are not all there.
  virtual bool ReadAt(uint64_t offset, void* buffer, size_t count) = 0;
};

// Bytes held in memory.
class TMemoryByteSource : public IByteSource {
 public:
  explicit TMemoryByteSource(std::string bytes) : bytes_(std::move(bytes)) {}
  uint64_t Size() override { return bytes_.size(); }
  bool ReadAt(uint64_t offset, void* buffer, size_t count) override;

 private:
  std::string bytes_;
};

enum class TPictureFormat { Unknown, Bmp, Png, Gif, Jpeg, Tiff, Icon, Emf, Wmf };

enum class TPictureFault {
  None,
  Empty,          // a file of no bytes
  UnknownFormat,  // no signature of a picture format the decoders know
  BadHeader,      // a header that cannot describe a picture
  Truncated,      // the file ends before the data its header announces
  TooLarge        // more pixels declared than the limit
};

struct TPictureCheck {
  TPictureFormat Format = TPictureFormat::Unknown;
  int Width = 0, Height = 0;  // as declared; 0 for the metafiles, which scale freely
  TPictureFault Fault = TPictureFault::None;
  bool Ok() const { return Fault == TPictureFault::None; }
};

// 40 million pixels: a decoded picture of at most 160 MB.
constexpr uint64_t kMaxPicturePixels = 40000000;

TPictureCheck CheckPicture(IByteSource& bytes, uint64_t maxPixels = kMaxPicturePixels);

// A short text for a fault, for failure reports ("the file is truncated").
const char* PictureFaultText(TPictureFault fault);

}  // namespace qv
