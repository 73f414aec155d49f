// Tests on single lines of a plain-text book, used to rebuild its paragraphs.
// Text is UTF-8; the classes below are of characters, so a book reads the
// same in any encoding. Letters are those of every script (Unicode's letter
// classes): Cyrillic, Greek and accented Latin letters are capitals or small
// letters as the ASCII ones are.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "encoding/UnicodeText.h"

namespace qv {

// Character classes of the enhancer.
inline bool IsCapital(char32_t c) { return c < 0x80 ? c >= 'A' && c <= 'Z' : IsUpperLetter(c); }
inline bool IsLowercase(char32_t c) { return c < 0x80 ? c >= 'a' && c <= 'z' : IsLowerLetter(c); }
inline bool IsLetterOrDigit(char32_t c) {
  return c < 0x80 ? (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') : IsLetter(c);
}
// " « » “ ” „
inline bool IsDoubleQuote(char32_t c) {
  return c == 0x22 || c == 0xAB || c == 0xBB || c == 0x201C || c == 0x201D || c == 0x201E;
}
// ' ` and the low single quote ‚ that opens a passage (German, Polish, Czech)
inline bool IsSingleQuote(char32_t c) { return c == '\'' || c == '`' || c == 0x201A; }
// ‘ closes a passage that ‚ opened (‚so‘); elsewhere it is no quote.
constexpr char32_t LowSingleQuote = 0x201A, HighSingleQuote = 0x2018;
inline bool IsSentenceEnd(char32_t c) {
  return c == '.' || c == '?' || c == '!' || c == ')' || IsDoubleQuote(c) || IsSingleQuote(c);
}
inline bool IsParagraphOpener(char32_t c) { return IsCapital(c) || IsDoubleQuote(c) || IsSingleQuote(c); }
// * · - =
inline bool IsBulletChar(char32_t c) { return c == '*' || c == 0xB7 || c == '-' || c == '='; }
// # §
inline bool IsHeadingMark(char32_t c) { return c == '#' || c == 0xA7; }
constexpr char CommandMark = '^';

// Removes every character with a code from 0 to 32 from both ends.
std::string_view TrimLine(std::string_view s);

// Begins with a tab, or with a blank followed by a blank or a tab.
bool IsIndentedLine(std::string_view s);
// The words that open a chapter heading, each with its blank ("Chapter ",
// "Глава ", "Kapitel " ...), one table for every language.
const std::vector<std::string>& ChapterWords();
// A heading mark first, or a capital first letter and one of the chapter
// words, compared without regard to case or accents ("CHAPTER IV",
// "ГЛАВА ПЕРВАЯ", "CAPITULO 2").
bool IsHeadingLine(std::string_view s);
// c alone, cc, or three c at the start (counted in characters).
bool StartsWithRun(std::string_view s, char32_t c);
// StartsWithRun with *, ·, -, = in turn.
bool IsSeparatorLine(std::string_view s);

// Appends line to the paragraph text current, undoing a line-end hyphenation
// between two lowercase letters, else with one blank between.
void JoinLinesInPlace(std::string& current, std::string_view line);
std::string JoinLines(const std::string& current, const std::string& line);

}  // namespace qv
