#include "book/BookRules.h"

#include <algorithm>

#include "encoding/Utf8.h"
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

TByteRange PieceReadRange(int32_t piece, int32_t pieceSize, int64_t fileSize) {
  const TByteRange nominal = PieceRange(piece, pieceSize, fileSize);
  TByteRange r;
  r.Start = std::max<int64_t>(nominal.Start - PieceReadMargin, 0);
  r.Length = std::min(nominal.Start + nominal.Length + PieceReadMargin, std::max<int64_t>(fileSize, 0)) - r.Start;
  return r;
}

namespace {

// The start of the character holding file offset 'at', from the bytes read
// around it; an offset whose bytes were not read stays where it is.
class TCharacterFinder {
 public:
  TCharacterFinder(std::string_view read, int64_t readStart, int64_t fileSize)
      : read_(read), readStart_(readStart), fileSize_(fileSize) {}

  int64_t Start(int64_t at, TTextEncoding encoding) const {
    if (at <= 0 || at >= fileSize_) return at;
    switch (encoding) {
      case TTextEncoding::Utf8:
      case TTextEncoding::Utf8Bom: return Utf8Start(at);
      case TTextEncoding::Utf16Le: return Utf16Start(at, false);
      case TTextEncoding::Utf16Be: return Utf16Start(at, true);
      default: return at;
    }
  }

 private:
  int Byte(int64_t at) const {
    return at >= readStart_ && at - readStart_ < int64_t(read_.size()) ? static_cast<unsigned char>(read_[size_t(at - readStart_)])
                                                                       : -1;
  }
  static bool Continuation(int b) { return b >= 0 && (b & 0xC0) == 0x80; }

  // A continuation byte belongs to the well-formed sequence of the nearest
  // lead byte at most three bytes before it, if that sequence reaches it.
  int64_t Utf8Start(int64_t at) const {
    if (!Continuation(Byte(at))) return at;
    int64_t lead = at - 1;
    while (lead > at - 4 && Continuation(Byte(lead))) --lead;
    if (Byte(lead) < 0 || Continuation(Byte(lead))) return at;
    const size_t offset = size_t(lead - readStart_);
    char32_t c = 0;
    int subpart = 0;
    const int length = DecodeUtf8Sequence(reinterpret_cast<const unsigned char*>(read_.data()) + offset,
                                          read_.size() - offset, c, subpart);
    return length > 0 && lead + length > at ? lead : at;
  }

  // Units stand at even offsets (the mark is the first); the second half of a pair belongs to the first.
  int64_t Utf16Start(int64_t at, bool bigEndian) const {
    const int64_t unit = at - (at & 1);
    auto value = [&](int64_t o) {
      const int a = Byte(o), b = Byte(o + 1);
      if (a < 0 || b < 0) return -1;
      return bigEndian ? (a << 8) | b : (b << 8) | a;
    };
    const int here = value(unit), before = unit >= 2 ? value(unit - 2) : -1;
    const bool secondHalf = here >= 0xDC00 && here <= 0xDFFF && before >= 0xD800 && before <= 0xDBFF;
    return secondHalf ? unit - 2 : unit;
  }

  std::string_view read_;
  int64_t readStart_;
  int64_t fileSize_;
};

}  // namespace

TByteRange AlignedPieceRange(std::string_view read, int64_t readStart, int32_t piece, int32_t pieceSize,
                             int64_t fileSize, TTextEncoding encoding) {
  const TByteRange nominal = PieceRange(piece, pieceSize, fileSize);
  const TCharacterFinder finder(read, readStart, fileSize);
  TByteRange r;
  r.Start = finder.Start(nominal.Start, encoding);
  r.Length = finder.Start(nominal.Start + nominal.Length, encoding) - r.Start;
  return r;
}

std::string_view PieceBytes(std::string_view read, int64_t readStart, int32_t piece, int32_t pieceSize,
                            int64_t fileSize, TTextEncoding encoding) {
  const TByteRange r = AlignedPieceRange(read, readStart, piece, pieceSize, fileSize, encoding);
  const int64_t from = std::clamp<int64_t>(r.Start - readStart, 0, int64_t(read.size()));
  return read.substr(size_t(from), size_t(std::clamp<int64_t>(r.Length, 0, int64_t(read.size()) - from)));
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

size_t BookTextLength(std::string_view text) {
  size_t end = text.size();
  while (end >= 2 && text.substr(end - 2, 2) == "\r\n") end -= 2;  // empty final paragraphs
  const size_t lineStart = text.rfind("\r\n", end == 0 ? 0 : end - 1);
  const size_t first = lineStart == std::string_view::npos ? 0 : lineStart + 2;
  std::string_view line = text.substr(first, end - first);
  while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
  const std::string_view marker = EndOfBookMarker;
  if (line.size() < marker.size() || line.substr(line.size() - marker.size()) != marker) return text.size();
  // Only a paragraph prefix may stand before it: blanks, a tab, "-", "*" or "·".
  for (std::string_view rest = line.substr(0, line.size() - marker.size()); !rest.empty();) {
    if (rest.substr(0, 2) == "\xC2\xB7") rest.remove_prefix(2);
    else if (rest[0] == ' ' || rest[0] == '\t' || rest[0] == '-' || rest[0] == '*') rest.remove_prefix(1);
    else return text.size();
  }
  size_t kept = first;
  // The empty line put before the marker goes with it.
  if (kept >= 4 && text.substr(kept - 4, 4) == "\r\n\r\n") kept -= 2;
  return kept;
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

std::string BookInfoHead(const std::string& bookFileName, TTextEncoding encoding) {
  const std::string head = BookInfoHead(bookFileName);
  return head + ", " + EncodingCaption(encoding);
}

std::string TopLineInfo(int32_t firstVisibleLine, int32_t lineCount, int loadedPercent, const std::string& separator,
                        const char* linesWord) {
  const std::string count = loadedPercent >= 0 ? "loading: " + std::to_string(loadedPercent) + " %"
                                               : FormatGrouped(lineCount, separator) + " " + linesWord;
  return "Top line " + FormatGrouped(int64_t(firstVisibleLine) + 1, separator) + " (" + count + ")";
}

std::string BookLineInfo(int32_t firstVisibleLine, int32_t lineCount, int32_t piece, int32_t pieces,
                         const std::string& separator, int loadedPercent) {
  return TopLineInfo(firstVisibleLine, lineCount, loadedPercent, separator, "lines") + "; piece " +
         std::to_string(piece) + " (" + std::to_string(pieces) + " pieces)";
}

}  // namespace qv
