// Fuzz target: the piece rule over any file. The first byte picks the
// encoding, the second the piece size (1 to 256 bytes); the rest is the file.
// Every piece's ends move back at most three bytes and never past the other
// end, pieces still overlap and cover the file, and when the whole file reads
// without damage (no U+FFFD), every piece does and is part of its text.
#include <algorithm>
#include <cstdint>
#include <string>

#include "FuzzInput.h"
#include "book/BookRules.h"
#include "encoding/TextEncoding.h"

using namespace qv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const TTextEncoding encoding = AllTextEncodings()[data[0] % AllTextEncodings().size()];
  const int32_t pieceSize = int32_t(data[1]) + 1;
  const std::string file(reinterpret_cast<const char*>(data + 2), size - 2);
  const int64_t fileSize = int64_t(file.size());
  const std::string whole = DecodeText(file, encoding);
  const bool sound = whole.find("\xEF\xBF\xBD") == std::string::npos;
  int64_t previousEnd = 0;
  for (int32_t piece = 1; piece <= PieceCount(fileSize, pieceSize); ++piece) {
    const TByteRange read = PieceReadRange(piece, pieceSize, fileSize);
    fuzz::Check(read.Start >= 0 && read.Length >= 0 && read.Start + read.Length <= fileSize);
    const std::string_view bytes = std::string_view(file).substr(size_t(read.Start), size_t(read.Length));
    const TByteRange nominal = PieceRange(piece, pieceSize, fileSize);
    const TByteRange r = AlignedPieceRange(bytes, read.Start, piece, pieceSize, fileSize, encoding);
    const int64_t end = r.Start + r.Length, nominalEnd = nominal.Start + nominal.Length;
    fuzz::Check(r.Start <= nominal.Start && nominal.Start - r.Start <= 3);
    fuzz::Check(end <= nominalEnd && nominalEnd - end <= 3);
    fuzz::Check(r.Length >= 0 && r.Start >= read.Start && end <= read.Start + read.Length);
    fuzz::Check(piece == 1 ? r.Start == 0 : r.Start <= previousEnd);
    if (piece == PieceCount(fileSize, pieceSize)) fuzz::Check(end == fileSize);
    if (sound) {
      const std::string text = DecodeText(PieceBytes(bytes, read.Start, piece, pieceSize, fileSize, encoding), encoding);
      fuzz::Check(text.find("\xEF\xBF\xBD") == std::string::npos);
      fuzz::Check(whole.find(text) != std::string::npos);
      // A code page piece is exactly its nominal bytes: every byte is a character.
      if (IsCodePage(encoding)) fuzz::Check(r.Start == nominal.Start && r.Length == nominal.Length);
    }
    previousEnd = end;
  }
  return 0;
}
