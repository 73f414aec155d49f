#include "book/BookReader.h"

#include <algorithm>

#include "book/BookRules.h"
#include "paths/PathStrings.h"
#include "text/TextLines.h"
#include "util/AsciiText.h"

namespace qv {

bool IsBookFileName(const std::string& name) {
  const std::string ext = ExtractFileExt(name);
  return SameTextAscii(ext, ".txt") || SameTextAscii(ext, ".rtf");
}

bool IsOpenableBook(IFileSystem& fs, const std::string& fullName) {
  // A book's name has its extension: no empty name or bare drive gets past the first test.
  return IsBookFileName(fullName) && fs.FileExists(fullName) && !fs.IsFolder(fullName);
}

namespace {

TTextEncoding EncodingOfBook(std::string_view head, TTextEncoding chosen, bool detect) {
  if (detect) return DetectTextEncoding(head);
  const bool marked = DetectTextEncoding(head.substr(0, 3)) == TTextEncoding::Utf8Bom;
  return chosen == TTextEncoding::Utf8 && marked ? TTextEncoding::Utf8Bom : chosen;
}

}  // namespace

TFileResult ReadBookBytes(IFileSystem& fs, const std::string& path, int64_t size, int32_t piece,
                          int32_t pieceSize, int32_t pieces, std::string& bytes, TTextEncoding& encoding,
                          bool detect) {
  TFileResult read;
  if (pieces < 2) {
    read = fs.ReadRange(path, 0, size, bytes);
    if (read.IsOk()) encoding = EncodingOfBook(bytes, encoding, detect);
  } else {
    std::string head;
    read = fs.ReadRange(path, 0, std::min<int64_t>(size, EncodingSampleSize), head);
    if (read.IsOk()) {
      encoding = EncodingOfBook(head, encoding, detect);
      // A few bytes beyond each end show where the characters there begin;
      // a piece within the sample is taken from it without a second read.
      const TByteRange range = PieceReadRange(piece, pieceSize, size);
      if (range.Start + range.Length <= int64_t(head.size())) {
        bytes = std::string(PieceBytes(head, 0, piece, pieceSize, size, encoding));
      } else {
        std::string around;
        read = fs.ReadRange(path, range.Start, range.Length, around);
        if (read.IsOk()) bytes = std::string(PieceBytes(around, range.Start, piece, pieceSize, size, encoding));
      }
    }
  }
  if (!read.IsOk()) bytes.clear();
  return read;
}

std::vector<std::string> BookLines(std::string_view bytes, TTextEncoding encoding) {
  const std::string text = DecodeText(bytes, encoding);
  return SplitLines(std::string_view(text).substr(0, text.find('\0')));
}

}  // namespace qv
