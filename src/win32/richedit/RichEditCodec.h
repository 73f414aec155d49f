// Talking to the Unicode control: its messages, and code-page 1252 text to and
// from its wide strings.
#pragma once
#include <windows.h>

#include <string>

namespace qv::win {

// The code page that asks the control for its own UTF-16 text.
constexpr UINT kCodePageUtf16 = 1200;

// One message to the control, through the wide entry point its class expects.
inline LRESULT SendRich(HWND h, UINT m, WPARAM w = 0, LPARAM l = 0) {
  return SendMessageW(h, m, w, l);
}

std::wstring WidenText(const std::string& text);
std::string NarrowText(const wchar_t* text, size_t length);
inline std::string NarrowText(const std::wstring& text) { return NarrowText(text.data(), text.size()); }

}  // namespace qv::win
