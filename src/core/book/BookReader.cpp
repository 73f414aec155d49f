#include "book/BookReader.h"

#include <string_view>

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
  const bool bareDrive = fullName.size() >= 2 && fullName.size() <= 3 && fullName[1] == ':';
  return !fullName.empty() && !bareDrive && IsBookFileName(fullName) && fs.FileExists(fullName) &&
         !fs.IsFolder(fullName);
}

TFileResult ReadBookBytes(IFileSystem& fs, const std::string& path, int64_t size, int32_t piece,
                          int32_t pieceSize, int32_t pieces, std::string& bytes) {
  const TByteRange range = pieces >= 2 ? PieceRange(piece, pieceSize, size) : TByteRange{0, size};
  const TFileResult read = fs.ReadRange(path, range.Start, range.Length, bytes);
  if (!read.IsOk()) bytes.clear();
  return read;
}

std::vector<std::string> BookLines(const std::string& bytes) {
  const size_t nul = bytes.find('\0');
  return SplitLines(std::string_view(bytes).substr(0, nul));
}

}  // namespace qv
