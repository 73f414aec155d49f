// Single-line tests of the enhancer.
#include "text/LineRules.h"

#include "encoding/Utf8.h"

namespace qv {

std::string_view TrimLine(std::string_view s) {
  size_t begin = 0, end = s.size();
  while (begin < end && static_cast<unsigned char>(s[begin]) <= 32) ++begin;
  while (end > begin && static_cast<unsigned char>(s[end - 1]) <= 32) --end;
  return s.substr(begin, end - begin);
}

bool IsIndentedLine(std::string_view s) {
  if (!s.empty() && s[0] == '\t') return true;
  return s.size() >= 2 && s[0] == ' ' && (s[1] == ' ' || s[1] == '\t');
}

namespace {

bool StartsWithWord(std::string_view s, std::string_view word) {
  if (s.size() < word.size()) return false;
  for (size_t i = 0; i < word.size(); ++i) {
    char a = s[i], b = word[i];
    if (a >= 'A' && a <= 'Z') a = char(a + 32);
    if (b >= 'A' && b <= 'Z') b = char(b + 32);
    if (a != b) return false;
  }
  return true;
}

}  // namespace

bool IsHeadingLine(std::string_view s) {
  if (s.empty()) return false;
  if (IsHeadingMark(FirstChar(s))) return true;
  switch (s[0]) {
    case 'C': return StartsWithWord(s, "Chapter ");
    case 'P': return StartsWithWord(s, "Part ");
    case 'S': return StartsWithWord(s, "Section ");
    case 'B': return StartsWithWord(s, "Book ");
    default: return false;
  }
}

bool StartsWithRun(std::string_view s, char32_t c) {
  // The first three characters, or all of a shorter text, are c.
  size_t i = 0;
  for (int count = 0; count < 3 && i < s.size(); ++count)
    if (ReadChar(s, i) != c) return false;
  return !s.empty();
}

bool IsSeparatorLine(std::string_view s) {
  return StartsWithRun(s, '*') || StartsWithRun(s, 0xB7) || StartsWithRun(s, '-') || StartsWithRun(s, '=');
}

void JoinLinesInPlace(std::string& current, std::string_view line) {
  if (current.empty()) {
    current.assign(line.data(), line.size());
    return;
  }
  if (line.empty()) return;
  const size_t n = current.size();
  if (n >= 2 && current[n - 1] == '-' && IsLowercase(current[n - 2]) && IsLowercase(line[0])) {
    current.pop_back();
  } else {
    current.push_back(' ');
  }
  current.append(line.data(), line.size());
}

std::string JoinLines(const std::string& current, const std::string& line) {
  std::string result = current;
  JoinLinesInPlace(result, line);
  return result;
}

}  // namespace qv
