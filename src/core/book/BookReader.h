// Reading a book from its file through the file system interface: which names
// are books, the bytes of the whole book or of one piece with the book's
// encoding, and its lines.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "encoding/TextEncoding.h"
#include "store/FileSystem.h"

namespace qv {

// A book is a "*.txt" or "*.rtf" file (extension without regard to case).
bool IsBookFileName(const std::string& name);
// The checks before a book is opened: a book's name (not empty, no folder, no
// bare drive) of a file that exists.
bool IsOpenableBook(IFileSystem& fs, const std::string& fullName);

// The bytes a load reads from a file of size bytes: the whole file when pieces
// is below 2, else piece (1-based, with the overlap before it) with both ends
// at the start of a character. encoding is the book's, judged from the file's
// first bytes, which are the same bytes whether the book is read whole or in
// pieces, so every piece of a book reads alike; when detect is false it is
// the reader's choice instead and is kept (a chosen UTF-8 of a book with the
// UTF-8 mark becomes UTF-8 with BOM, so that a save keeps the mark). A failed
// read answers its failure and leaves bytes empty; it is never taken for an
// empty book.
TFileResult ReadBookBytes(IFileSystem& fs, const std::string& path, int64_t size, int32_t piece,
                          int32_t pieceSize, int32_t pieces, std::string& bytes, TTextEncoding& encoding,
                          bool detect = true);

// The lines of a book's (or a piece's) bytes in its encoding, as UTF-8: a
// leading mark is no text, a NUL character ends the text, lines end at CR LF,
// LF or CR.
std::vector<std::string> BookLines(std::string_view bytes, TTextEncoding encoding);

}  // namespace qv
