// The one conversion between the program's strings and the system's: text is
// UTF-8 inside the program (names, options, book text) and UTF-16 at every
// call of a Windows function (the W functions and W window classes).
#pragma once
#include <string>
#include <string_view>

namespace qv::win {

// UTF-8 (read as encoding/Utf8.h reads it) to UTF-16.
std::wstring ToWide(std::string_view text);
// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string FromWide(std::wstring_view text);
// A NUL-terminated wide string; null reads as empty.
inline std::string FromWide(const wchar_t* text) { return text ? FromWide(std::wstring_view(text)) : std::string(); }
inline std::string FromWide(const wchar_t* text, size_t length) { return FromWide(std::wstring_view(text, length)); }

}  // namespace qv::win
