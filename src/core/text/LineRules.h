// Tests on single lines of a plain-text book, used to rebuild its paragraphs.
// Text is UTF-8; the classes below are of characters. Those outside ASCII are
// the characters of the code page 1252 marks (« » “ ” · §), so a book reads
// the same in either encoding; letter tests use the ASCII letters only.
#pragma once
#include <string>
#include <string_view>

namespace qv {

// Character classes of the enhancer.
inline bool IsCapital(char32_t c) { return c >= 'A' && c <= 'Z'; }
inline bool IsLowercase(char32_t c) { return c >= 'a' && c <= 'z'; }
inline bool IsAsciiLetterOrDigit(char32_t c) {
  return IsCapital(c) || IsLowercase(c) || (c >= '0' && c <= '9');
}
// " « » “ ”
inline bool IsDoubleQuote(char32_t c) {
  return c == 0x22 || c == 0xAB || c == 0xBB || c == 0x201C || c == 0x201D;
}
// ' `
inline bool IsSingleQuote(char32_t c) { return c == '\'' || c == '`'; }
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
// A heading mark first, or "Chapter ", "Part ", "Section ", "Book " (case-blind)
// after a first letter that is exactly C, P, S or B.
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
