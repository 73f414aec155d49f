#include "widgets/RichEdit.h"

#include <richedit.h>

#include <string>

#include "widgets/WindowDpi.h"

namespace qv::win {
namespace {

struct TRichClass {
  const wchar_t* name;
  bool version3;
};

// Loads the newest Rich Edit library present: msftedit (4.1) or riched20 (2 or 3).
TRichClass LoadRichClass() {
  static const TRichClass found = [] {
    if (LoadLibraryW(L"Msftedit.dll")) return TRichClass{L"RICHEDIT50W", true};
    if (HMODULE h = LoadLibraryW(L"Riched20.dll")) {
      // riched20 of version 3 knows EM_SETTYPOGRAPHYOPTIONS; version 2 does not export it,
      // so the version is read from the library's file version.
      wchar_t path[MAX_PATH] = L"";
      GetModuleFileNameW(h, path, MAX_PATH);
      DWORD dummy = 0;
      const DWORD n = GetFileVersionInfoSizeW(path, &dummy);
      bool v3 = false;
      if (n) {
        std::string data(n, '\0');
        VS_FIXEDFILEINFO* info = nullptr;
        UINT len = 0;
        if (GetFileVersionInfoW(path, 0, n, &data[0]) &&
            VerQueryValueW(&data[0], L"\\", reinterpret_cast<void**>(&info), &len) && info)
          v3 = HIWORD(info->dwFileVersionMS) >= 5 && LOWORD(info->dwFileVersionMS) >= 30;
      }
      return TRichClass{RICHEDIT_CLASSW, v3};
    }
    return TRichClass{L"RICHEDIT", false};
  }();
  return found;
}

// A 32-bit top-down bitmap whose pixels we read and write; null on failure.
HBITMAP CreateTopDownDib(int width, int height, void*& bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  bits = nullptr;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
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
  SendMessageW(hwnd_, EM_EXLIMITTEXT, 0, 0x7FFFFFFF);
  // Every change of the text is reported: the break index follows it.
  SendMessageW(hwnd_, EM_SETEVENTMASK, 0, ENM_CHANGE);
  HideHorizontalScrollBar();
  if (dpi_ != SystemDpi()) SendZoom();  // made on a screen of another scale than the system's
  FitFormatRect();
  index_.Rebuild(std::string_view());
}

// The lines wrap, so there is nothing to scroll sideways; a control that keeps
// its scroll bars shown would show a disabled horizontal one too.
void TRichEdit::HideHorizontalScrollBar() {
  SendMessageW(hwnd_, EM_SHOWSCROLLBAR, SB_HORZ, FALSE);
  ShowScrollBar(hwnd_, SB_HORZ, FALSE);
}

TRichEdit::~TRichEdit() {
  if (textBitmap_) DeleteObject(textBitmap_);
  if (composedBitmap_) DeleteObject(composedBitmap_);
}

uint32_t TRichEdit::PrintOnColor(HDC dc, const RECT& r, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
  DefaultProc(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  GdiFlush();
  return uint32_t(GetRValue(color)) << 16 | GetGValue(color) << 8 | GetBValue(color);
}

TRichEdit::TPrintMode TRichEdit::PrintMode() {
  if (printMode_ != TPrintMode::Unknown) return printMode_;
  RECT client;
  GetClientRect(hwnd_, &client);
  if (client.right < 1 || client.bottom < 1) return TPrintMode::Direct;
  void* bits = nullptr;
  HBITMAP bitmap = CreateTopDownDib(client.right, client.bottom, bits);
  HDC probe = CreateCompatibleDC(nullptr);
  TPrintMode mode = TPrintMode::Direct;
  if (bitmap && probe) {
    HGDIOBJ old = SelectObject(probe, bitmap);
    const uint32_t mark = PrintOnColor(probe, client, backColor_ ^ 0x00FFFFFF);
    const auto* p = static_cast<const uint32_t*>(bits);
    const size_t width = size_t(client.right), count = width * size_t(client.bottom);
    size_t kept = 0, keptLastRow = 0;
    for (size_t i = 0; i < count; ++i)
      if ((p[i] & 0xFFFFFF) == mark) {
        ++kept;
        if (i >= count - width) ++keptLastRow;
      }
    SelectObject(probe, old);
    if (kept == count) {
      // Nothing printed: a control that cannot print paints on the screen
      // itself; an empty one tells nothing yet.
      if (GetWindowTextLengthW(hwnd_) > 0) printMode_ = TPrintMode::Direct;
      mode = TPrintMode::Direct;
    } else {
      // The last row lies below any short text: our colour kept there means
      // the control drew nothing of its own background.
      mode = printMode_ = keptLastRow * 2 > width ? TPrintMode::OverBackground : TPrintMode::OnOwnColor;
    }
  }
  if (probe) DeleteDC(probe);
  if (bitmap) DeleteObject(bitmap);
  return mode;
}

// A control that cannot print itself: the background is drawn on the screen,
// where the control's own painting then draws the text over it.
void TRichEdit::PaintBackgroundDirectly() {
  HRGN update = CreateRectRgn(0, 0, 0, 0);
  if (update && GetUpdateRgn(hwnd_, update, FALSE) > NULLREGION) {
    HDC dc = GetDC(hwnd_);
    SelectClipRgn(dc, update);
    OnPaintBackground(dc);
    ReleaseDC(hwnd_, dc);
  }
  if (update) DeleteObject(update);
}

// The background is drawn off the screen and the text printed over it, and the
// result reaches the screen in one copy, so nothing flickers. A control that
// fills its own background (wine's, whatever the window's style) prints its
// text on that colour apart, and the text is laid over the background leaving
// out the pixels of that colour: the edges of smoothed letters keep a trace of
// that colour there.
void TRichEdit::PaintOverBackground() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT client;
  GetClientRect(hwnd_, &client);
  // The part being painted, inside the client area the bitmaps cover.
  RECT r;
  IntersectRect(&r, &ps.rcPaint, &client);
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (client.right > 0 && client.bottom > 0 && w > 0 && h > 0) {
    if (paintSize_.cx != client.right || paintSize_.cy != client.bottom) {
      if (textBitmap_) DeleteObject(textBitmap_);
      if (composedBitmap_) DeleteObject(composedBitmap_);
      void* bits = nullptr;
      textBitmap_ = CreateTopDownDib(client.right, client.bottom, bits);
      textBits_ = static_cast<uint32_t*>(bits);
      composedBitmap_ = CreateTopDownDib(client.right, client.bottom, bits);
      composedBits_ = static_cast<uint32_t*>(bits);
      paintSize_ = {client.right, client.bottom};
    }
    HDC text = CreateCompatibleDC(dc), composed = CreateCompatibleDC(dc);
    if (textBitmap_ && composedBitmap_ && text && composed) {
      HGDIOBJ oldText = SelectObject(text, textBitmap_);
      HGDIOBJ oldComposed = SelectObject(composed, composedBitmap_);
      IntersectClipRect(text, r.left, r.top, r.right, r.bottom);
      IntersectClipRect(composed, r.left, r.top, r.right, r.bottom);
      OnPaintBackground(composed);
      if (PrintMode() == TPrintMode::OverBackground) {
        DefaultProc(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(composed), PRF_CLIENT);
      } else {
        const uint32_t key = PrintOnColor(text, r, backColor_);
        for (int y = r.top; y < r.bottom; ++y) {
          const uint32_t* from = textBits_ + size_t(y) * size_t(paintSize_.cx);
          uint32_t* to = composedBits_ + size_t(y) * size_t(paintSize_.cx);
          for (int x = r.left; x < r.right; ++x)
            if ((from[x] & 0xFFFFFF) != key) to[x] = from[x];
        }
      }
      BitBlt(dc, r.left, r.top, w, h, composed, r.left, r.top, SRCCOPY);
      SelectObject(text, oldText);
      SelectObject(composed, oldComposed);
    }
    if (text) DeleteDC(text);
    if (composed) DeleteDC(composed);
  }
  EndPaint(hwnd_, &ps);
}

namespace {
// The messages after which the control may have scrolled its text.
bool MayScroll(UINT msg) {
  switch (msg) {
    case WM_VSCROLL: case WM_KEYDOWN: case WM_CHAR: case WM_LBUTTONDOWN: case WM_LBUTTONUP:
    case EM_SETSCROLLPOS: case EM_LINESCROLL: case EM_SCROLL: case EM_SCROLLCARET: case EM_EXSETSEL:
    case EM_SETSEL: case EM_REPLACESEL:
      return true;
    default:
      return false;
  }
}
}  // namespace

bool TRichEdit::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  // The control scrolls by moving the pixels it shows, and a background of our
  // own would move with the text: after a scroll, all of it is painted again.
  if (!scrolling_ && (MayScroll(msg) || (msg == WM_MOUSEMOVE && GetCapture() == hwnd_)) && HasCustomBackground &&
      HasCustomBackground()) {
    const int32_t before = LineTop(0);
    scrolling_ = true;
    if (!WndProc(msg, wp, lp, result)) result = DefaultProc(msg, wp, lp);
    scrolling_ = false;
    if (hwnd_ && LineTop(0) != before) InvalidateRect(hwnd_, nullptr, FALSE);
    return true;
  }
  switch (msg) {
    case WM_SIZE:
      result = DefaultProc(msg, wp, lp);
      FitFormatRect();
      return true;
    case WM_MOUSEWHEEL:
      if (!OnMouseWheel) return false;
      OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wp), CurrentShiftState());
      result = 0;
      return true;
    case WM_ERASEBKGND:
      if (!HasCustomBackground || !HasCustomBackground()) return false;
      result = 1;
      return true;
    case WM_PAINT:
      if (OnPaintBackground && HasCustomBackground && HasCustomBackground()) {
        if (PrintMode() == TPrintMode::Direct) {
          PaintBackgroundDirectly();
          break;
        }
        PaintOverBackground();
        result = 0;
        if (GetReadOnly()) ::HideCaret(hwnd_);
        return true;
      }
      break;
    case WM_SETFOCUS:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
      break;
    default:
      return false;
  }
  // The control handles the message first; then a read-only text hides its caret,
  // and the keys that move the view by pages or to an end leave a whole line at the top.
  result = DefaultProc(msg, wp, lp);
  if (msg == WM_KEYDOWN && (wp == VK_END || wp == VK_HOME || wp == VK_NEXT || wp == VK_PRIOR)) AlignTopLine();
  if (GetReadOnly()) ::HideCaret(hwnd_);
  return true;
}

bool TRichEdit::HandleNotify(NMHDR* hdr, LRESULT&) {
  if (hdr->code != EN_LINK || !OnLinkClick) return false;
  const auto* link = reinterpret_cast<const ENLINK*>(hdr);
  if (link->msg == WM_LBUTTONDOWN) OnLinkClick(Wide(link->chrg.cpMin), Wide(link->chrg.cpMax));
  return false;  // the parent sees the notification too
}

}  // namespace qv::win
