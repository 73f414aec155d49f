#include "paths/WebAddress.h"

#include "encoding/UnicodeText.h"

namespace qv {

namespace {
std::string Trimmed(const std::string& text) {
  size_t b = 0, e = text.size();
  while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
  while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
  return text.substr(b, e - b);
}
}  // namespace

bool IsWebAddress(const std::string& text) {
  const std::string address = Trimmed(text);
  for (char c : address)
    if (static_cast<unsigned char>(c) <= ' ' || c == 0x7F) return false;
  for (const char* prefix : {"http://", "https://", "ftp://", "mailto:", "www."}) {
    const std::string p = prefix;
    if (address.size() > p.size() && StartsText(p, address)) return true;
  }
  return false;
}

std::string AsciiWebAddress(const std::string& utf8) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (char c : utf8) {
    const unsigned char b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      out += c;
    } else {
      out += '%';
      out += kHex[b >> 4];
      out += kHex[b & 15];
    }
  }
  return out;
}

std::string WebAddressToOpen(const std::string& text) {
  const std::string address = Trimmed(text);
  return StartsText("www.", address) ? "http://" + address : address;
}

}  // namespace qv
