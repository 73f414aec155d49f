// The encodings of plain-text books: which one a book is in, its bytes to the
// core's UTF-8 text and back, and their names.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

enum class TTextEncoding : uint8_t {
  Utf8,     // UTF-8 without a byte-order mark
  Utf8Bom,  // UTF-8 with its mark EF BB BF
  Utf16Le,  // UTF-16 little-endian with its mark FF FE
  Utf16Be,  // UTF-16 big-endian with its mark FE FF
  // Single-byte code pages, in the order of CodePageTables.h.
  Windows1252, Windows1250, Windows1251, Windows1253, Windows1254, Windows1257,
  Koi8R, Koi8U, Ibm866,
  Iso8859_2, Iso8859_3, Iso8859_4, Iso8859_5, Iso8859_7, Iso8859_10, Iso8859_13, Iso8859_15, Iso8859_16,
};

// Every encoding, in the order above.
const std::vector<TTextEncoding>& AllTextEncodings();
// A single-byte code page (every byte one character).
bool IsCodePage(TTextEncoding encoding);

// Without a mark, the encoding is judged by at most this many first bytes.
constexpr size_t EncodingSampleSize = 1 << 20;

// The encoding of a book from its first bytes (the whole book when it is
// shorter than the sample):
// - a UTF-8 or UTF-16 mark decides;
// - a sample that is well-formed UTF-8 and holds at least one multi-byte
//   character is UTF-8 (a character cut off by the end of a full sample does
//   not count against it);
// - a sample of ASCII only is in the system's ANSI code page;
// - anything else is code page text: the code page the detector (uchardet)
//   finds in it, else the system's ANSI code page.
//
// The rule reads the same bytes however the book is opened, whole or in
// pieces, so positions and bookmarks stay valid. A UTF-8 book whose first
// character outside ASCII lies beyond the sample is therefore code page text:
// those characters show as their code-page bytes ("â€™" for ’), and saving it
// as code page text writes every byte back unchanged.
TTextEncoding DetectTextEncoding(std::string_view head);
// The code page the detector finds in text that is not UTF-8, else the
// system's ANSI code page.
TTextEncoding DetectCodePage(std::string_view sample);
// The encoding of a file the program stores (the options file, a profile):
// a mark, or UTF-8 as DetectTextEncoding finds it (a file edited in a
// program that saves UTF-8 without a mark), else the system's ANSI code page,
// in which every stored file of earlier versions was written.
TTextEncoding DetectStoredTextEncoding(std::string_view bytes);

// The system's ANSI code page as an encoding (SystemCodePage.h); Windows-1252
// when the system's is not one of the single-byte pages above.
TTextEncoding SystemAnsiEncoding();
// The encoding of a Windows code page number (1251, 20866 ...), if it is one of the above.
bool EncodingOfCodePage(uint32_t number, TTextEncoding& encoding);

// The bytes of a book, or of a piece of it, as UTF-8 text. A leading mark of
// the encoding is not text. Code page bytes each become their character;
// an ill-formed UTF-8 sequence becomes U+FFFD (one for each maximal part that
// begins a sequence); in UTF-16 an odd last byte is dropped and an unpaired
// surrogate becomes U+FFFD. The rest of the text is always kept.
std::string DecodeText(std::string_view bytes, TTextEncoding encoding);

// The text (as the core holds it) in the encoding, with the encoding's mark
// first when it has one. In a code page a character the page lacks becomes '?'.
std::string EncodeText(std::string_view text, TTextEncoding encoding);
// True when every character of the text has a byte in the encoding.
bool CanEncode(std::string_view text, TTextEncoding encoding);

// The encoding a book's text is saved in: its own, except that code page text
// holding characters the code page lacks is saved as UTF-8 with a mark, so
// that nothing is lost.
TTextEncoding SaveEncodingFor(TTextEncoding bookEncoding, std::string_view text);

// The name of the WHATWG encoding standard: "windows-1252", "windows-1251",
// "koi8-r", "ibm866", "iso-8859-2", "utf-8", "utf-16le" ...; "utf-8-bom" for
// UTF-8 with its mark.
const char* EncodingKey(TTextEncoding encoding);
// The encoding of a key (without regard to case), if it names one.
bool EncodingOfKey(std::string_view key, TTextEncoding& encoding);
// The name a reader is shown: "UTF-8", "UTF-8 with BOM", "UTF-16 LE",
// "Windows-1251 (Cyrillic)", "KOI8-R (Cyrillic)", "DOS 866 (Cyrillic)" ...
const char* EncodingCaption(TTextEncoding encoding);

}  // namespace qv
