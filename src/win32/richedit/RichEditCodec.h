// Talking to the Unicode control: its messages, and the core's strings to and
// from its wide strings: book text is UTF-8, face names code page 1252.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace qv::win {

// The code page that asks the control for its own UTF-16 text.
constexpr UINT kCodePageUtf16 = 1200;

// One message to the control, through the wide entry point its class expects.
inline LRESULT SendRich(HWND h, UINT m, WPARAM w = 0, LPARAM l = 0) {
  return SendMessageW(h, m, w, l);
}

// Book text (UTF-8, read as encoding/Utf8.h says) to and from the control's UTF-16.
std::wstring WidenText(std::string_view text);
std::string NarrowText(const wchar_t* text, size_t length);
inline std::string NarrowText(const std::wstring& text) { return NarrowText(text.data(), text.size()); }
inline std::u16string_view AsUnits(const std::wstring& text) {
  return std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size());
}

// Face names, code page 1252 as the program's font options.
std::wstring WidenAnsi(const std::string& text);
std::string NarrowAnsi(const wchar_t* text, size_t length);

}  // namespace qv::win
