// The encodings of plain-text books: which one a book is in, its bytes to the
// core's UTF-8 text and back.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

enum class TTextEncoding {
  Ansi,     // code page 1252
  Utf8,     // UTF-8 without a byte-order mark
  Utf8Bom,  // UTF-8 with its mark EF BB BF
  Utf16Le,  // UTF-16 little-endian with its mark FF FE
  Utf16Be,  // UTF-16 big-endian with its mark FE FF
};

// Without a mark, the encoding is judged by at most this many first bytes.
constexpr size_t EncodingSampleSize = 1 << 20;

// The encoding of a book from its first bytes (the whole book when it is
// shorter than the sample): a UTF-8 or UTF-16 mark decides; without one, a
// sample that is well-formed UTF-8 and holds at least one multi-byte character
// is UTF-8 (a character cut off by the end of a full sample does not count
// against it); anything else is code page text.
//
// The rule reads the same bytes however the book is opened, whole or in
// pieces, so positions and bookmarks stay valid. A UTF-8 book whose first
// character outside ASCII lies beyond the sample is therefore code page text:
// those characters show as their code-page bytes ("â€™" for ’), and saving it
// as code page text writes every byte back unchanged.
TTextEncoding DetectTextEncoding(std::string_view head);

// The bytes of a book, or of a piece of it, as UTF-8 text. A leading mark of
// the encoding is not text. Code page bytes each become their character;
// an ill-formed UTF-8 sequence becomes U+FFFD (one for each maximal part that
// begins a sequence); in UTF-16 an odd last byte is dropped and an unpaired
// surrogate becomes U+FFFD. The rest of the text is always kept.
std::string DecodeText(std::string_view bytes, TTextEncoding encoding);

// The text (as the core holds it) in the encoding, with the encoding's mark
// first when it has one. In code page 1252 a character the code page lacks
// becomes '?'.
std::string EncodeText(std::string_view text, TTextEncoding encoding);

// The encoding a book's text is saved in: its own, except that code page text
// holding characters the code page lacks is saved as UTF-8 with a mark, so
// that nothing is lost.
TTextEncoding SaveEncodingFor(TTextEncoding bookEncoding, std::string_view text);

// "ansi", "utf-8", "utf-8-bom", "utf-16le", "utf-16be".
const char* EncodingKey(TTextEncoding encoding);
// The name a reader is shown: empty for code page text, else "UTF-8",
// "UTF-8 with BOM", "UTF-16 LE" or "UTF-16 BE".
const char* EncodingCaption(TTextEncoding encoding);

}  // namespace qv
