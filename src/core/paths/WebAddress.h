// Which texts may be handed to the shell as web pages. A link in a book is
// opened only when it is a web address; anything else (a file: address, a
// custom protocol, a bare path) could start a program.
#pragma once
#include <string>

namespace qv {

// True for "http://", "https://", "ftp://" and "mailto:" addresses and for
// "www." host names, without regard to case, after leading and trailing
// blanks; a text holding control characters or blanks inside is none.
bool IsWebAddress(const std::string& text);
// The address to give the shell: trimmed, and "www." names as "http://" pages.
std::string WebAddressToOpen(const std::string& text);
// A link of a book's text (UTF-8) in the ASCII a web address is written in:
// every byte outside ASCII as "%XX" ("caf\xC3\xA9" as "caf%C3%A9"), as web
// addresses carry their characters.
std::string AsciiWebAddress(const std::string& utf8);

}  // namespace qv
