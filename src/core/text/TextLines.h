// Splitting a plain-text book into its lines.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "encoding/TextEncoding.h"

namespace qv {

// Lines end at CR LF, LF or CR; a break at the very end adds no empty line.
std::vector<std::string> SplitLines(std::string_view content);

// The lines of a book's (or a piece's) bytes in its encoding, as UTF-8; a NUL
// character ends the text.
std::vector<std::string> BookLines(std::string_view bytes, TTextEncoding encoding);

}  // namespace qv
