#include "book/BookRules.h"

#include <algorithm>

#include "paths/PathStrings.h"
#include "util/AsciiText.h"
#include "util/Numbers.h"

namespace qv {

const char* const EndOfBookMarker = "***** End of Book *****";

namespace {
std::string Trimmed(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
  return s.substr(b, e - b);
}
}  // namespace

bool IsRichTextName(const std::string& fileName) { return SameTextAscii(ExtractFileExt(fileName), ".rtf"); }

int32_t PieceCount(int64_t size, int32_t pieceSize) {
  if (size <= 0 || pieceSize <= 0) return 0;
  return int32_t((size + pieceSize - 1) / pieceSize);
}

TByteRange PieceRange(int32_t piece, int32_t pieceSize, int64_t fileSize) {
  TByteRange r;
  r.Start = std::max<int64_t>(int64_t(piece - 1) * pieceSize - PieceOverlap, 0);
  r.Start = std::min(r.Start, std::max<int64_t>(fileSize, 0));
  r.Length = std::min<int64_t>(int64_t(pieceSize) + PieceOverlap, fileSize - r.Start);
  return r;
}

TSizeDecision DecideBookSize(int64_t size, bool openInPieces, bool richText) {
  if (size > LargestBookSize) return TSizeDecision::Refuse;
  if (!openInPieces && size > OnePieceWarningSize && !richText) return TSizeDecision::AskOnePiece;
  return TSizeDecision::Open;
}

void AppendEndMarker(std::vector<std::string>& lines, int32_t piece, int32_t pieceEntries) {
  while (lines.size() > 1) {
    const std::string t = Trimmed(lines.back());
    if (!t.empty() && t != EndOfBookMarker) break;
    lines.pop_back();
  }
  lines.emplace_back();
  if (pieceEntries <= piece)
    lines.emplace_back(EndOfBookMarker);
  else
    lines.push_back("***** End of Piece " + std::to_string(piece) + " / " + std::to_string(pieceEntries) +
                    " *****");
}

TSaveTarget SaveTargetFor(const std::string& chosenName) {
  TSaveTarget t;
  t.RichText = SameTextAscii(ExtractFileExt(chosenName), ".rtf");
  t.FileName = t.RichText ? chosenName : ChangeFileExt(chosenName, ".txt");
  return t;
}

std::string BookInfoHead(const std::string& bookFileName) {
  const std::string dir = ExcludeTrailingBackslash(GetDirOfPath(bookFileName));
  std::string folder = GetNameOfPath(dir);
  if (folder.empty()) folder = dir;
  return "\"" + GetNameOfPath(bookFileName) + "\" in \"" + folder + "\"";
}

std::string BookLineInfo(int32_t firstVisibleLine, int32_t lineCount, int32_t piece, int32_t pieces,
                         const std::string& separator) {
  return "Top line " + FormatGrouped(int64_t(firstVisibleLine) + 1, separator) + " (" +
         FormatGrouped(lineCount, separator) +
         " lines); piece " + std::to_string(piece) + " (" + std::to_string(pieces) + " pieces)";
}

}  // namespace qv
