// The book document's rules that need no window: sizes and pieces, the end
// marker, the save name, and the texts of the book information.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "encoding/TextEncoding.h"

namespace qv {

constexpr int64_t LargestBookSize = 20000000;
constexpr int64_t OnePieceWarningSize = 500000;
constexpr int32_t PieceOverlap = 20;  // bytes repeated before each piece's nominal start

extern const char* const EndOfBookMarker;  // "***** End of Book *****"

// A book is rich text when its extension is ".rtf", without regard to case.
bool IsRichTextName(const std::string& fileName);

// Pieces of a file of size bytes: size / pieceSize rounded up (0 for an empty file).
int32_t PieceCount(int64_t size, int32_t pieceSize);

struct TByteRange {
  int64_t Start = 0;
  int64_t Length = 0;
};
// Piece k (1-based): from (k - 1) * P - 20, not before 0, P + 20 bytes or to the end of the file.
TByteRange PieceRange(int32_t piece, int32_t pieceSize, int64_t fileSize);

// A piece never splits a character: each end of PieceRange that is not an end
// of the file moves back to the start of the character it falls in (at most
// three bytes), so the overlap of 20 bytes still holds in bytes, give or take
// those three. In UTF-8 that is the lead byte of the sequence, in UTF-16 the
// first unit of a surrogate pair (and an even offset); in a single-byte code
// page every byte is a character of its own, so its ends stay where they are. Finding the character needs a few bytes on each side of both
// ends: read PieceReadRange, then take AlignedPieceRange of what was read
// (read holds the file's bytes from readStart).
constexpr int64_t PieceReadMargin = 4;
TByteRange PieceReadRange(int32_t piece, int32_t pieceSize, int64_t fileSize);
TByteRange AlignedPieceRange(std::string_view read, int64_t readStart, int32_t piece, int32_t pieceSize,
                             int64_t fileSize, TTextEncoding encoding);
// The bytes of AlignedPieceRange within read.
std::string_view PieceBytes(std::string_view read, int64_t readStart, int32_t piece, int32_t pieceSize,
                            int64_t fileSize, TTextEncoding encoding);

enum class TSizeDecision { Open, Refuse, AskOnePiece };
// Above the largest size a book is refused; a plain-text book above the
// one-piece threshold opened whole asks first.
TSizeDecision DecideBookSize(int64_t size, bool openInPieces, bool richText);

// Drops trailing blank lines and old end markers (never the first line), then
// appends an empty line and the end marker of the piece.
void AppendEndMarker(std::vector<std::string>& lines, int32_t piece, int32_t pieceEntries);

// The bytes of a rich-box text (UTF-8, breaks "\r\n") that are the book's
// own: when its last line is the end marker (behind a paragraph prefix, if
// any), the marker, the empty line AppendEndMarker put before it and anything
// after it are not; the text keeps the break of its last line. Otherwise the
// whole text.
size_t BookTextLength(std::string_view text);

struct TSaveTarget {
  std::string FileName;
  bool RichText = false;
};
// A name ending in ".rtf" (any case) is written as rich text under that name;
// any other name is written as plain text with the extension ".txt".
TSaveTarget SaveTargetFor(const std::string& chosenName);

// "\"Moby.txt\" in \"Books\"": the file name and its folder (the drive for a root).
std::string BookInfoHead(const std::string& bookFileName);
// The same, followed by ", " and its encoding's caption ("\"Moby.txt\" in
// \"Books\", UTF-8", "... , Windows-1251 (Cyrillic)").
std::string BookInfoHead(const std::string& bookFileName, TTextEncoding encoding);
// "Top line N (M lines)", or while a long book's text still arrives (a
// loaded percentage of 0 or more) "Top line N (loading: P %)"; numbers grouped
// with the separator. linesWord: "lines" or "total lines".
std::string TopLineInfo(int32_t firstVisibleLine, int32_t lineCount, int loadedPercent, const std::string& separator,
                        const char* linesWord);
// The line information: the top line as above, then "; piece k (n pieces)"
// (piece numbers plain).
std::string BookLineInfo(int32_t firstVisibleLine, int32_t lineCount, int32_t piece, int32_t pieces,
                         const std::string& separator, int loadedPercent = -1);

}  // namespace qv
