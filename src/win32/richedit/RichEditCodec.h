// Code-page 1252 text to and from the wide strings of the Unicode control.
#pragma once
#include <windows.h>

#include <string>

namespace qv::win {

std::wstring WidenText(const std::string& text);
std::string NarrowText(const wchar_t* text, size_t length);
inline std::string NarrowText(const std::wstring& text) { return NarrowText(text.data(), text.size()); }

}  // namespace qv::win
