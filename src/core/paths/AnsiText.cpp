#include "paths/AnsiText.h"

namespace qv {

char AnsiUpperChar(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  if (u >= 'a' && u <= 'z') return static_cast<char>(u - 32);
  // à..þ except the division sign (0xF7) pair with À..Þ.
  if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 32);
  switch (u) {
    case 0x9A: return static_cast<char>(0x8A);  // š Š
    case 0x9C: return static_cast<char>(0x8C);  // œ Œ
    case 0x9E: return static_cast<char>(0x8E);  // ž Ž
    case 0xFF: return static_cast<char>(0x9F);  // ÿ Ÿ
    default: return c;
  }
}

std::string AnsiUpperCase(const std::string& text) {
  std::string out(text);
  for (char& c : out) c = AnsiUpperChar(c);
  return out;
}

bool AnsiSameText(const std::string& a, const std::string& b) {
  return a.size() == b.size() && AnsiStartsText(a, b);
}

bool AnsiStartsText(const std::string& prefix, const std::string& text) {
  if (prefix.size() > text.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (AnsiUpperChar(prefix[i]) != AnsiUpperChar(text[i])) return false;
  return true;
}

}  // namespace qv
