#include "richedit/RichEditCodec.h"

#include "encoding/Utf8.h"

namespace qv::win {

std::wstring WidenText(std::string_view text) {
  const std::u16string units = ToUtf16(text);
  return std::wstring(units.begin(), units.end());
}

std::string NarrowText(const wchar_t* text, size_t length) {
  return FromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text), length));
}

std::wstring WidenAnsi(const std::string& text) { return WidenText(AnsiToUtf8(text)); }

std::string NarrowAnsi(const wchar_t* text, size_t length) { return Utf8ToAnsi(NarrowText(text, length)); }

}  // namespace qv::win
