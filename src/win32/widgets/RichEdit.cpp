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

}  // namespace

TRichEdit::TRichEdit(TControl* parent, const std::string& name, int x, int y, int w, int h)
    : TControl(parent, name) {
  const TRichClass cls = LoadRichClass();
  className_ = cls.name;
  version3_ = cls.version3;
  CreateHandle(cls.name, "",
               WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_NOHIDESEL |
                   ES_DISABLENOSCROLL | ES_AUTOVSCROLL | WS_CLIPSIBLINGS,
               0, x, y, w, h);
  SendMessageA(hwnd_, EM_EXLIMITTEXT, 0, 0x7FFFFFFF);
  // Every change of the text is reported: the break index follows it.
  SendMessageA(hwnd_, EM_SETEVENTMASK, 0, ENM_CHANGE);
  index_.Rebuild(std::string_view());
}

TRichEdit::~TRichEdit() {
  if (textBitmap_) DeleteObject(textBitmap_);
  if (composedBitmap_) DeleteObject(composedBitmap_);
}

// Not every Rich Edit leaves its background unpainted (wine's fills it whatever
// the window's style), so the text is printed off the screen on the control's
// own background colour and laid over the background picture, leaving out the
// pixels of that colour; the result reaches the screen in one copy, so nothing
// flickers.
void TRichEdit::PaintOverBackground() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT client;
  GetClientRect(hwnd_, &client);
  const RECT& r = ps.rcPaint;
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (client.right > 0 && client.bottom > 0 && w > 0 && h > 0) {
    if (paintSize_.cx != client.right || paintSize_.cy != client.bottom) {
      if (textBitmap_) DeleteObject(textBitmap_);
      if (composedBitmap_) DeleteObject(composedBitmap_);
      textBitmap_ = CreateCompatibleBitmap(dc, client.right, client.bottom);
      composedBitmap_ = CreateCompatibleBitmap(dc, client.right, client.bottom);
      paintSize_ = {client.right, client.bottom};
    }
    HDC text = CreateCompatibleDC(dc), composed = CreateCompatibleDC(dc);
    if (textBitmap_ && composedBitmap_ && text && composed) {
      HGDIOBJ oldText = SelectObject(text, textBitmap_);
      HGDIOBJ oldComposed = SelectObject(composed, composedBitmap_);
      IntersectClipRect(text, r.left, r.top, r.right, r.bottom);
      IntersectClipRect(composed, r.left, r.top, r.right, r.bottom);
      HBRUSH back = CreateSolidBrush(backColor_);
      FillRect(text, &r, back);
      DeleteObject(back);
      DefaultProc(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(text), PRF_CLIENT);
      OnPaintBackground(composed);
      TransparentBlt(composed, r.left, r.top, w, h, text, r.left, r.top, w, h, backColor_);
      BitBlt(dc, r.left, r.top, w, h, composed, r.left, r.top, SRCCOPY);
      SelectObject(text, oldText);
      SelectObject(composed, oldComposed);
    }
    if (text) DeleteDC(text);
    if (composed) DeleteDC(composed);
  }
  EndPaint(hwnd_, &ps);
}

bool TRichEdit::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_MOUSEWHEEL:
      if (!OnMouseWheel) return false;
      OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wp), CurrentShiftState());
      result = 0;
      return true;
    case WM_NCPAINT:
      result = 0;
      return true;
    case WM_ERASEBKGND:
      if (!HasCustomBackground || !HasCustomBackground()) return false;
      result = 1;
      return true;
    case WM_PAINT:
      if (OnPaintBackground && HasCustomBackground && HasCustomBackground()) {
        PaintOverBackground();
        result = 0;
        if (GetReadOnly()) HideCaret(hwnd_);
        return true;
      }
      break;
    case WM_SETFOCUS:
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
      break;
    default:
      return false;
  }
  // The control handles the message first; then a read-only text hides its caret.
  result = DefaultProc(msg, wp, lp);
  if (GetReadOnly()) HideCaret(hwnd_);
  return true;
}

bool TRichEdit::HandleNotify(NMHDR* hdr, LRESULT&) {
  if (hdr->code != EN_LINK || !OnLinkClick) return false;
  const auto* link = reinterpret_cast<const ENLINK*>(hdr);
  if (link->msg == WM_LBUTTONDOWN) OnLinkClick(Wide(link->chrg.cpMin), Wide(link->chrg.cpMax));
  return false;  // the parent sees the notification too
}

}  // namespace qv::win
