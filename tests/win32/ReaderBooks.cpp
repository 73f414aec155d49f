#include "ReaderBooks.h"

#include <vector>

namespace qv::testing {
namespace {

const char* const kWords[] = {
    "the", "a", "and", "but", "of", "to", "in", "on", "at", "by", "for", "with", "from", "into", "over",
    "Alice", "rabbit", "garden", "door", "window", "river", "morning", "evening", "little", "curious",
    "walked", "looked", "turned", "said", "asked", "answered", "thought", "remembered", "whispered",
    "queen", "table", "bottle", "letter", "hall", "key", "tiny", "golden", "wonderful", "extraordinary",
    "conversation", "immediately", "particular", "neighbourhood", "understanding", "she", "he", "it"};
const char* const kAccented[] = {"café", "naïve", "señora", "Zoë", "déjà", "fiancée", "über"};

struct TLcg {
  uint32_t state;
  uint32_t Next(uint32_t n) {
    state = state * 1664525u + 1013904223u;
    return (state >> 8) % n;
  }
};

}  // namespace

std::string ProseBook(size_t bytes, bool utf8, uint32_t seed) {
  TLcg rng{seed};
  const std::string open = utf8 ? "\xE2\x80\x9C" : "\"", close = utf8 ? "\xE2\x80\x9D" : "\"";
  std::string book = "Release Date: June 25, 2008\r\n\r\n";
  int chapter = 0;
  while (book.size() < bytes) {
    if (rng.Next(12) == 0 || chapter == 0) {
      book += "\r\nCHAPTER " + std::to_string(++chapter) + "\r\n\r\n";
    }
    // One paragraph: sentences, some of them spoken, hard-wrapped at 70.
    std::string paragraph;
    const uint32_t sentences = 2 + rng.Next(5);
    for (uint32_t s = 0; s < sentences; ++s) {
      std::vector<std::string> words;
      const uint32_t n = 5 + rng.Next(12);
      for (uint32_t w = 0; w < n; ++w)
        words.push_back(utf8 && rng.Next(9) == 0 ? kAccented[rng.Next(7)] : kWords[rng.Next(52)]);
      words[0][0] = char(toupper(words[0][0]));
      const bool spoken = rng.Next(3) == 0;
      std::string sentence = spoken ? open : "";
      for (size_t w = 0; w < words.size(); ++w) sentence += (w ? " " : "") + words[w];
      sentence += spoken ? "," + close + " said Alice." : ".";
      paragraph += (s ? " " : "") + sentence;
    }
    size_t start = 0;
    while (start < paragraph.size()) {
      size_t end = start + 70;
      if (end >= paragraph.size()) {
        end = paragraph.size();
      } else {
        const size_t blank = paragraph.rfind(' ', end);
        end = blank != std::string::npos && blank > start ? blank : end;
      }
      book += paragraph.substr(start, end - start) + "\r\n";
      start = end < paragraph.size() && paragraph[end] == ' ' ? end + 1 : end;
    }
    book += "\r\n";
  }
  return book;
}

}  // namespace qv::testing
