#include "widgets/RichEdit.h"

#include <richedit.h>

#include <string>

namespace qv::win {
namespace {

struct TRichClass {
  const char* name;
  bool version3;
};

// Loads the newest Rich Edit library present: msftedit (4.1) or riched20 (2 or 3).
TRichClass LoadRichClass() {
  static const TRichClass found = [] {
    if (LoadLibraryA("Msftedit.dll")) return TRichClass{"RICHEDIT50W", true};
    if (HMODULE h = LoadLibraryA("Riched20.dll")) {
      // riched20 of version 3 knows EM_SETTYPOGRAPHYOPTIONS; version 2 does not export it,
      // so the version is read from the library's file version.
      char path[MAX_PATH] = "";
      GetModuleFileNameA(h, path, MAX_PATH);
      DWORD dummy = 0;
      const DWORD n = GetFileVersionInfoSizeA(path, &dummy);
      bool v3 = false;
      if (n) {
        std::string data(n, '\0');
        VS_FIXEDFILEINFO* info = nullptr;
        UINT len = 0;
        if (GetFileVersionInfoA(path, 0, n, &data[0]) &&
            VerQueryValueA(&data[0], "\\", reinterpret_cast<void**>(&info), &len) && info)
          v3 = HIWORD(info->dwFileVersionMS) >= 5 && LOWORD(info->dwFileVersionMS) >= 30;
      }
      return TRichClass{RICHEDIT_CLASSA, v3};
    }
    return TRichClass{"RICHEDIT", false};
  }();
  return found;
}

struct TStreamSource {
  const std::string* text;
  size_t pos;
};

DWORD CALLBACK ReadFromString(DWORD_PTR cookie, LPBYTE buf, LONG cb, LONG* pcb) {
  auto* src = reinterpret_cast<TStreamSource*>(cookie);
  const size_t n = std::min(static_cast<size_t>(cb), src->text->size() - src->pos);
  memcpy(buf, src->text->data() + src->pos, n);
  src->pos += n;
  *pcb = static_cast<LONG>(n);
  return 0;
}

}  // namespace

TRichEdit::TRichEdit(TControl* parent, const std::string& name, int x, int y, int w, int h)
    : TControl(parent, name) {
  const TRichClass cls = LoadRichClass();
  className_ = cls.name;
  version3_ = cls.version3;
  CreateHandle(cls.name, "",
               WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY | ES_NOHIDESEL |
                   ES_DISABLENOSCROLL | ES_AUTOVSCROLL | WS_CLIPSIBLINGS,
               0, x, y, w, h);
  SendMessageA(hwnd_, EM_EXLIMITTEXT, 0, 0x7FFFFFFF);
}

void TRichEdit::SetReadOnly(bool readOnly) { SendMessageA(hwnd_, EM_SETREADONLY, readOnly, 0); }
bool TRichEdit::ReadOnly() const { return (GetWindowLongA(hwnd_, GWL_STYLE) & ES_READONLY) != 0; }
bool TRichEdit::Modified() const { return SendMessageA(hwnd_, EM_GETMODIFY, 0, 0) != 0; }
void TRichEdit::SetModified(bool modified) { SendMessageA(hwnd_, EM_SETMODIFY, modified, 0); }

void TRichEdit::SetPlainText(const std::string& text) {
  SETTEXTEX st{ST_DEFAULT, 1252};
  SendMessageA(hwnd_, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&st),
               reinterpret_cast<LPARAM>(text.c_str()));
}

void TRichEdit::SetRtf(const std::string& rtf) {
  TStreamSource src{&rtf, 0};
  EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&src), 0, ReadFromString};
  SendMessageA(hwnd_, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&es));
}

std::string TRichEdit::PlainText() const {
  GETTEXTLENGTHEX gl{GTL_USECRLF | GTL_NUMCHARS, 1252};
  const LRESULT n = SendMessageA(hwnd_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&gl), 0);
  std::string s(static_cast<size_t>(n > 0 ? n : 0) * 2 + 2, '\0');
  GETTEXTEX gt{};
  gt.cb = static_cast<DWORD>(s.size());
  gt.flags = GT_USECRLF;
  gt.codepage = 1252;
  const LRESULT got = SendMessageA(hwnd_, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&gt),
                                   reinterpret_cast<LPARAM>(&s[0]));
  s.resize(static_cast<size_t>(got > 0 ? got : 0));
  return s;
}

}  // namespace qv::win
