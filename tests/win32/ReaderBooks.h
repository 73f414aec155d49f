// Books shaped as readers' books are: hard-wrapped prose of about 70
// characters a line, paragraphs parted by empty lines, chapter headings and
// quoted speech, made to a size from a fixed seed; and plain numbered lines for
// the longest books.
#pragma once
#include <cstdint>
#include <string>

namespace qv::testing {

// A book of about bytes bytes (CR LF line ends). With utf8 the prose holds
// accented letters and typographic quotes, as a UTF-8 book does.
std::string ProseBook(size_t bytes, bool utf8 = false, uint32_t seed = 7);

}  // namespace qv::testing
