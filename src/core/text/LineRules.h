// Tests on single lines of a plain-text book, used to rebuild its paragraphs.
// Text is code page 1252; letter tests use the ASCII letters only.
#pragma once
#include <string>
#include <string_view>

namespace qv {

// Character classes of the enhancer.
inline bool IsCapital(char c) { return c >= 'A' && c <= 'Z'; }
inline bool IsLowercase(char c) { return c >= 'a' && c <= 'z'; }
inline bool IsAsciiLetterOrDigit(char c) {
  return IsCapital(c) || IsLowercase(c) || (c >= '0' && c <= '9');
}
// " « » “ ”
inline bool IsDoubleQuote(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  return u == 34 || u == 171 || u == 187 || u == 147 || u == 148;
}
// ' `
inline bool IsSingleQuote(char c) { return c == '\'' || c == '`'; }
inline bool IsSentenceEnd(char c) {
  return c == '.' || c == '?' || c == '!' || c == ')' || IsDoubleQuote(c) || IsSingleQuote(c);
}
inline bool IsParagraphOpener(char c) { return IsCapital(c) || IsDoubleQuote(c) || IsSingleQuote(c); }
// * · - =
inline bool IsBulletChar(char c) {
  return c == '*' || static_cast<unsigned char>(c) == 183 || c == '-' || c == '=';
}
// # §
inline bool IsHeadingMark(char c) { return c == '#' || static_cast<unsigned char>(c) == 167; }
constexpr char CommandMark = '^';

// Removes every character with a code from 0 to 32 from both ends.
std::string_view TrimLine(std::string_view s);

// Begins with a tab, or with a blank followed by a blank or a tab.
bool IsIndentedLine(std::string_view s);
// A heading mark first, or "Chapter ", "Part ", "Section ", "Book " (case-blind)
// after a first letter that is exactly C, P, S or B.
bool IsHeadingLine(std::string_view s);
// c alone, cc, or three c at the start.
bool StartsWithRun(std::string_view s, char c);
// StartsWithRun with *, ·, -, = in turn.
bool IsSeparatorLine(std::string_view s);

// Appends line to the paragraph text current, undoing a line-end hyphenation
// between two lowercase letters, else with one blank between.
void JoinLinesInPlace(std::string& current, std::string_view line);
std::string JoinLines(const std::string& current, const std::string& line);

}  // namespace qv
