// Case-insensitive comparison of single-byte texts in code page 1252 (file
// names, INI section and key names). Letters of the code page are folded to
// upper case, the way the system compares such names; other bytes compare as
// they are.
#pragma once
#include <string>

namespace qv {

char AnsiUpperChar(char c);
std::string AnsiUpperCase(const std::string& text);
bool AnsiSameText(const std::string& a, const std::string& b);
// True when text begins with prefix, without regard to case.
bool AnsiStartsText(const std::string& prefix, const std::string& text);

}  // namespace qv
