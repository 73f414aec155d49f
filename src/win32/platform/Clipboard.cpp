#include "platform/Clipboard.h"

#include <windows.h>

#include <cstring>

#include "platform/WideText.h"

namespace qv::win {

bool CopyTextToClipboard(const std::string& text) {
  const std::wstring wide = ToWide(text);
  const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) return false;
  if (void* p = GlobalLock(memory)) {
    std::memcpy(p, wide.c_str(), bytes);
    GlobalUnlock(memory);
  }
  bool done = false;
  if (OpenClipboard(nullptr)) {
    done = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
  }
  if (!done) GlobalFree(memory);  // the clipboard owns it only once it took it
  return done;
}

std::string ClipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const wchar_t* p = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = FromWide(p);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

}  // namespace qv::win
