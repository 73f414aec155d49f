#include "ScreenCapture.h"

#include <algorithm>

#include "platform/Win32Platform.h"

namespace qv::testing {

COLORREF TScreenPixels::At(int x, int y) const {
  const int cx = x - Left, cy = y - Top;
  if (cx < 0 || cy < 0 || cx >= Width || cy >= Height) return kNoPixel;
  const uint32_t p = Pixels[size_t(cy) * size_t(Width) + size_t(cx)];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

bool TScreenPixels::Uniform(const RECT& r) const {
  const COLORREF first = At(r.left, r.top);
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (At(x, y) != first) return false;
  return true;
}

namespace {
// A black picture of the screen's rectangle r.
TScreenPixels BlankPicture(const RECT& r) {
  TScreenPixels out;
  out.Left = r.left;
  out.Top = r.top;
  out.Width = r.right - r.left;
  out.Height = r.bottom - r.top;
  out.Pixels.assign(size_t(out.Width) * size_t(out.Height), 0);
  return out;
}
}  // namespace

TScreenPixels CaptureScreen(RECT r) {
  if (r.right <= r.left || r.bottom <= r.top)
    r = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  TScreenPixels out = BlankPicture(r);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = out.Width;
  info.bmiHeader.biHeight = -out.Height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP picture = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (picture) {
    HGDIOBJ old = SelectObject(memory, picture);
    BitBlt(memory, 0, 0, out.Width, out.Height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    memcpy(out.Pixels.data(), bits, out.Pixels.size() * sizeof(uint32_t));
    // The fourth byte is whatever the drawing left there (GDI+ writes an
    // opaque alpha, text leaves 0); only the colour is the screen's.
    for (uint32_t& p : out.Pixels) p &= 0x00FFFFFF;
    SelectObject(memory, old);
    DeleteObject(picture);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return out;
}

TScreenPixels CaptureWindow(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return CaptureScreen(r);
}

bool SaveBmp(const TScreenPixels& picture, const std::string& path) {
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = picture.Width;
  header.biHeight = -picture.Height;
  header.biPlanes = 1;
  header.biBitCount = 32;
  const DWORD size = DWORD(picture.Pixels.size() * sizeof(uint32_t));
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + size;
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(h, &file, sizeof file, &written, nullptr) && WriteFile(h, &header, sizeof header, &written, nullptr);
  // Opaque pixels: a viewer reads the fourth byte as transparency.
  std::vector<uint32_t> opaque(picture.Pixels);
  for (uint32_t& p : opaque) p |= 0xFF000000;
  ok = ok && WriteFile(h, opaque.data(), size, &written, nullptr) && written == size;
  CloseHandle(h);
  return ok;
}

namespace {
// The window's pixels, also where it reaches beyond the screen (a window of a
// screen of more pixels than the test's): its top-level window is moved left
// and up a screen at a time, each part is captured once painted, and the
// window goes back to its place.
TScreenPixels CaptureWholeWindow(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
  if (r.left >= 0 && r.top >= 0 && r.right <= screenWidth && r.bottom <= screenHeight) return CaptureWindow(window);
  HWND top = GetAncestor(window, GA_ROOT);
  RECT home{};
  GetWindowRect(top, &home);
  TScreenPixels whole = BlankPicture(r);
  for (int dy = 0;;) {
    // The window's rows and columns on the screen once it is moved by (dx, dy).
    const int from = std::max<int>(r.top - dy, 0), to = std::min<int>(r.bottom - dy, screenHeight);
    for (int dx = 0;;) {
      const int left = std::max<int>(r.left - dx, 0), right = std::min<int>(r.right - dx, screenWidth);
      SetWindowPos(top, nullptr, home.left - dx, home.top - dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
      Sleep(100);
      const TScreenPixels part = CaptureScreen({left, from, right, to});
      for (int y = 0; y < part.Height; ++y)
        std::copy_n(&part.Pixels[size_t(y) * size_t(part.Width)], part.Width,
                    &whole.Pixels[size_t(from + dy - r.top + y) * size_t(whole.Width) + size_t(left + dx - r.left)]);
      if (r.right - dx <= screenWidth) break;
      dx += right;  // the first column not yet captured goes to the screen's left
    }
    if (r.bottom - dy <= screenHeight) break;
    dy += to;
  }
  SetWindowPos(top, nullptr, home.left, home.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return whole;
}
}  // namespace

bool SaveScreenshot(HWND window, const std::string& name) {
  // The name may hold folders ("dpi144\\program-open"); each is made.
  std::string path = win::ProgramDirectory() + "..\\screens\\" + name + ".bmp";
  for (size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
    CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
  return SaveBmp(CaptureWholeWindow(window), path);
}

}  // namespace qv::testing
