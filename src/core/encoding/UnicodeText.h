// Letters and letter case of the whole of Unicode, for text read as
// encoding/Utf8.h reads it: what the enhancer's letter tests ask, and how
// names (files, INI sections and keys) compare without regard to case, the
// way the system compares file names (each character's simple upper case).
#pragma once
#include <string>
#include <string_view>

namespace qv {

// A letter of any script (categories Lu, Ll, Lt, Lm, Lo).
bool IsLetter(char32_t c);
// A capital (Lu, or a title-case letter such as "ǅ").
bool IsUpperLetter(char32_t c);
// A small letter (Ll).
bool IsLowerLetter(char32_t c);
// The simple upper and lower case of a character; itself when it has none.
char32_t UpperChar(char32_t c);
char32_t LowerChar(char32_t c);

// The text with every character in its simple upper case (as UTF-8).
std::string UpperCase(std::string_view text);
// Equal without regard to case.
bool SameText(std::string_view a, std::string_view b);
// True when text begins with prefix, without regard to case.
bool StartsText(std::string_view prefix, std::string_view text);

// The first characters of text (at most count of them) as they compare
// without regard to case or accents: case-folded, decomposed, with the
// combining marks left out ("Capítulo" and "CAPITULO" read alike, and so do
// "Κεφάλαιο" and "ΚΕΦΑΛΑΙΟ").
std::u32string FoldedForMatching(std::string_view text, size_t count);

}  // namespace qv
