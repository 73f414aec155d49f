// Reading a book from its file through the file system interface: which names
// are books, the bytes of the whole book or of one piece, and its lines.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "store/FileSystem.h"

namespace qv {

// A book is a "*.txt" or "*.rtf" file (extension without regard to case).
bool IsBookFileName(const std::string& name);
// The checks before a book is opened: a book's name (not empty, no folder, no
// bare drive) of a file that exists.
bool IsOpenableBook(IFileSystem& fs, const std::string& fullName);

// The bytes of piece (1-based, with the overlap before it) of a file of size
// bytes, or of the whole file when pieces is below 2. A failed read answers its
// failure and leaves bytes empty; it is never taken for an empty book.
TFileResult ReadBookBytes(IFileSystem& fs, const std::string& path, int64_t size, int32_t piece,
                          int32_t pieceSize, int32_t pieces, std::string& bytes);

// The lines of a book's bytes: a NUL byte ends the text; lines end at CR LF, LF or CR.
std::vector<std::string> BookLines(const std::string& bytes);

}  // namespace qv
