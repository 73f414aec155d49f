// Single-line tests of the enhancer.
#include "text/LineRules.h"

#include <algorithm>

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

const std::vector<std::string>& ChapterWords() {
  // Add a language's words here; each ends in its blank.
  static const std::vector<std::string> words = {
      "Chapter ", "Part ", "Section ", "Book ",            // English
      u8"Глава ", u8"Часть ", u8"Книга ",                   // Russian
      "Kapitel ", "Teil ", "Buch ",                        // German
      "Chapitre ", "Partie ", "Livre ",                    // French
      u8"Capítulo ", "Parte ", "Libro ",                   // Spanish
      "Capitolo ",                                         // Italian (and "Parte ", "Libro ")
      u8"Rozdział ", u8"Część ", u8"Księga ",               // Polish
      "Kapitola ", u8"Část ",                              // Czech
      u8"Κεφάλαιο ", u8"Μέρος ",                            // Greek
  };
  return words;
}

namespace {

// The chapter words as they compare (FoldedForMatching), and how many
// characters of a line to fold: the longest word's, and two more for marks
// written as characters of their own.
struct TFoldedWords {
  std::vector<std::u32string> Words;
  size_t LineChars = 0;
  TFoldedWords() {
    for (const std::string& word : ChapterWords()) {
      Words.push_back(FoldedForMatching(word, word.size()));
      LineChars = std::max(LineChars, Words.back().size() + 2);
    }
  }
};

}  // namespace

bool IsHeadingLine(std::string_view s) {
  if (s.empty()) return false;
  const char32_t first = FirstChar(s);
  if (IsHeadingMark(first)) return true;
  if (!IsCapital(first)) return false;
  static const TFoldedWords folded;
  const std::u32string line = FoldedForMatching(s, folded.LineChars);
  for (const std::u32string& word : folded.Words)
    if (line.compare(0, word.size(), word) == 0) return true;
  return false;
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
  if (n >= 2 && current[n - 1] == '-' && IsLowercase(LastChar(std::string_view(current).substr(0, n - 1))) &&
      IsLowercase(FirstChar(line))) {
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
