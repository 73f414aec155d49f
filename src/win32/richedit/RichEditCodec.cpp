#include "richedit/RichEditCodec.h"

namespace qv::win {

std::wstring WidenText(const std::string& text) {
  if (text.empty()) return std::wstring();
  std::wstring out(text.size(), L'\0');
  const int n = MultiByteToWideChar(1252, 0, text.data(), int(text.size()), &out[0], int(out.size()));
  out.resize(size_t(n > 0 ? n : 0));
  return out;
}

std::string NarrowText(const wchar_t* text, size_t length) {
  if (length == 0) return std::string();
  std::string out(length * 2, '\0');
  const int n = WideCharToMultiByte(1252, 0, text, int(length), &out[0], int(out.size()), "?", nullptr);
  out.resize(size_t(n > 0 ? n : 0));
  return out;
}

}  // namespace qv::win
