#include "ReaderChecks.h"

#include <richedit.h>

#include <algorithm>

#include "ScreenCapture.h"
#include "WineTestSupport.h"
#include "colors/Contrast.h"

namespace qv::testing {

namespace {

// Paints a window and its children now, as the screen then shows them.
void PaintNow(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  GdiFlush();
  PumpFor(10);
}

std::wstring LineText(HWND rich, LONG start, LONG length) {
  std::wstring text(size_t(length) + 1, L'\0');
  TEXTRANGEW range{{start, start + length}, &text[0]};
  text.resize(size_t(std::max<LRESULT>(SendMessageW(rich, EM_GETTEXTRANGE, 0, LPARAM(&range)), 0)));
  return text;
}

}  // namespace

std::vector<std::string> LinesOutsideBox(win::TRichEdit& rich) {
  std::vector<std::string> faults;
  const HWND h = rich.Handle();
  RECT client{}, text{};
  GetClientRect(h, &client);
  SendMessageW(h, EM_GETRECT, 0, LPARAM(&text));
  if (text.right > client.right)
    faults.push_back("the lines are laid out " + std::to_string(text.right - client.right) +
                     " pixels wider than the box");
  for (LONG line = LONG(SendMessageW(h, EM_GETFIRSTVISIBLELINE, 0, 0));; ++line) {
    const LONG start = LONG(SendMessageW(h, EM_LINEINDEX, line, 0));
    if (start < 0) break;
    const LONG length = LONG(SendMessageW(h, EM_LINELENGTH, start, 0));
    const std::wstring chars = LineText(h, start, length);
    const size_t last = chars.find_last_not_of(L" \t\r\n");
    POINTL p{};
    SendMessageW(h, EM_POSFROMCHAR, WPARAM(&p), start);
    if (p.y >= client.bottom) break;
    if (last == std::wstring::npos) continue;
    SendMessageW(h, EM_POSFROMCHAR, WPARAM(&p), start + LONG(last));
    if (p.x < client.left || p.x >= client.right - 1)
      faults.push_back("line " + std::to_string(line + 1) + " ends at x = " + std::to_string(p.x) +
                       ", outside 0.." + std::to_string(client.right));
  }
  return faults;
}

std::vector<std::string> TextOutsideBox(app::TQuenvalisForm& f) {
  RECT box{};
  GetWindowRect(f.RichEdit.Handle(), &box);
  const int band = 8;
  const RECT around{box.left - band, box.top - band, box.right + band, box.bottom + band};
  PaintNow(f.Handle());
  const TScreenPixels shown = CaptureScreen(around);
  f.RichEdit.SetVisible(false);
  PaintNow(f.Handle());
  const TScreenPixels hidden = CaptureScreen(around);
  f.RichEdit.SetVisible(true);
  PaintNow(f.Handle());
  std::vector<std::string> faults;
  int differing = 0;
  for (int y = around.top; y < around.bottom; ++y)
    for (int x = around.left; x < around.right; ++x) {
      const bool inside = x >= box.left && x < box.right && y >= box.top && y < box.bottom;
      if (!inside && shown.At(x, y) != hidden.At(x, y) && ++differing == 1)
        faults.push_back("drawn outside the box at (" + std::to_string(x) + ", " + std::to_string(y) + ")");
    }
  if (differing > 1) faults.push_back(std::to_string(differing) + " pixels in all");
  return faults;
}

int StalePixels(win::TRichEdit& rich) {
  PumpFor(50);
  // The client area: the text and its background (the scroll bar is the system's).
  RECT client{};
  GetClientRect(rich.Handle(), &client);
  MapWindowPoints(rich.Handle(), nullptr, reinterpret_cast<POINT*>(&client), 2);
  const TScreenPixels shown = CaptureScreen(client);
  PaintNow(rich.Handle());
  const TScreenPixels whole = CaptureScreen(client);
  int differing = 0;
  for (size_t i = 0; i < shown.Pixels.size() && i < whole.Pixels.size(); ++i) differing += shown.Pixels[i] != whole.Pixels[i];
  return differing;
}

int32_t TopLineStart(win::TRichEdit& rich) {
  return rich.GetLineStart(int32_t(SendMessageW(rich.Handle(), EM_GETFIRSTVISIBLELINE, 0, 0)));
}

double PaintedTextContrast(win::TControl& control) {
  const HWND h = control.Handle();
  auto* combo = dynamic_cast<win::TComboBox*>(&control);
  const std::string text = control.Text();
  const int item = combo ? combo->ItemIndex() : -1;
  PaintNow(h);
  const TScreenPixels with = CaptureWindow(h);
  if (combo) combo->SetItemIndex(-1);
  else control.SetText("");
  PaintNow(h);
  const TScreenPixels without = CaptureWindow(h);
  if (combo) combo->SetItemIndex(item);
  else control.SetText(text);
  PaintNow(h);
  double best = 0;
  for (int y = with.Top; y < with.Top + with.Height; ++y)
    for (int x = with.Left; x < with.Left + with.Width; ++x) {
      const COLORREF a = with.At(x, y), b = without.At(x, y);
      if (a != b) best = std::max(best, ContrastRatio(a, b));
    }
  return best;
}

std::string Joined(const std::vector<std::string>& faults) {
  std::string all;
  for (const std::string& f : faults) all += f + "; ";
  return all;
}

void PressKey(HWND window, WORD key, bool ctrl) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = ctrl ? 0x80 : 0;
  SetKeyboardState(keys);
  SendMessageW(window, WM_KEYDOWN, key, 0);
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  PumpFor(10);
}

}  // namespace qv::testing
