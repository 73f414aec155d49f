// Talking to the Unicode control: its messages, and its wide strings seen as
// the UTF-16 units the core counts.
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

inline std::u16string_view AsUnits(const std::wstring& text) {
  return std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size());
}

}  // namespace qv::win
