#include "widgets/FocusOrder.h"

#include <algorithm>
#include <string>

#include "widgets/Controls.h"

namespace qv::win {

namespace {

struct TPlaced {
  TControl* Control;
  RECT Bounds;
};

// A closed combo box's window may be as tall as its dropped list: its row is
// that of its box, at most this high (at 96 DPI).
constexpr int kRowHeight = 30;

// The shown children of a window that are our controls, in reading order: by
// rows, a row being the controls whose tops lie in the upper half of its
// first (highest) control; each row from the left.
std::vector<TControl*> ChildrenInReadingOrder(HWND parent) {
  std::vector<TPlaced> placed;
  for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
    if (TControl* c = TControl::FromHandle(h); c && (GetWindowLongW(h, GWL_STYLE) & WS_VISIBLE))
      placed.push_back({c, c->Bounds()});
  std::stable_sort(placed.begin(), placed.end(), [](const TPlaced& a, const TPlaced& b) {
    return a.Bounds.top < b.Bounds.top;
  });
  std::vector<TControl*> ordered;
  for (size_t first = 0; first < placed.size();) {
    const RECT& head = placed[first].Bounds;
    const int rowHeight = ScaleToDpi(kRowHeight, placed[first].Control->Dpi());
    const int reach = head.top + std::min<int>(head.bottom - head.top, rowHeight) / 2;
    size_t end = first + 1;
    while (end < placed.size() && placed[end].Bounds.top < reach) ++end;
    std::stable_sort(placed.begin() + long(first), placed.begin() + long(end),
                     [](const TPlaced& a, const TPlaced& b) { return a.Bounds.left < b.Bounds.left; });
    for (size_t i = first; i < end; ++i) ordered.push_back(placed[i].Control);
    first = end;
  }
  return ordered;
}

void CollectStops(HWND parent, std::vector<TControl*>& stops) {
  for (TControl* c : ChildrenInReadingOrder(parent)) {
    HWND h = c->Handle();
    if (!IsWindowEnabled(h)) continue;  // nothing inside a disabled container takes the focus either
    if (GetWindowLongW(h, GWL_STYLE) & WS_TABSTOP) stops.push_back(c);
    CollectStops(h, stops);
  }
}

TPageControl* FirstPageControl(HWND parent) {
  for (TControl* c : ChildrenInReadingOrder(parent)) {
    if (auto* pages = dynamic_cast<TPageControl*>(c)) return pages;
    if (TPageControl* inner = FirstPageControl(c->Handle())) return inner;
  }
  return nullptr;
}

}  // namespace

std::vector<TControl*> TabStops(const TControl& root) {
  std::vector<TControl*> stops;
  CollectStops(root.Handle(), stops);
  return stops;
}

TControl* FocusedStop(const std::vector<TControl*>& stops) {
  for (HWND h = GetFocus(); h; h = GetParent(h))
    for (TControl* c : stops)
      if (c->Handle() == h) return c;
  return nullptr;
}

bool MoveFocus(const TControl& root, bool forward) {
  const std::vector<TControl*> stops = TabStops(root);
  if (stops.empty()) return false;
  const auto at = std::find(stops.begin(), stops.end(), FocusedStop(stops));
  const size_t n = stops.size();
  size_t next = forward ? 0 : n - 1;
  if (at != stops.end()) next = (size_t(at - stops.begin()) + (forward ? 1 : n - 1)) % n;
  HWND target = stops[next]->Handle();
  ::SetFocus(target);
  // As in a dialog, an edit reached by Tab has its text selected, ready to be typed over.
  if (SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(target, EM_SETSEL, 0, -1);
  ShowFocusCues(*stops[next]);
  return true;
}

TPageControl* PageControlAt(const TControl& root) {
  for (HWND h = GetFocus(); h && h != root.Handle(); h = GetParent(h))
    if (auto* pages = dynamic_cast<TPageControl*>(TControl::FromHandle(h))) return pages;
  return FirstPageControl(root.Handle());
}

bool AltGrTypesText(WORD key, unsigned shift) {
  if (!(shift & ssCtrl) || !(shift & ssAlt) || MapVirtualKeyW(key, MAPVK_VK_TO_CHAR) == 0) return false;
  HWND focus = GetFocus();
  wchar_t name[64] = L"";
  if (!focus || !GetClassNameW(focus, name, 64)) return false;
  CharLowerW(name);
  return std::wstring(name).find(L"edit") != std::wstring::npos &&
         !(GetWindowLongW(focus, GWL_STYLE) & ES_READONLY) && IsWindowEnabled(focus);
}

bool HoldsFocus(const TControl& control) {
  HWND focus = GetFocus();
  return focus && (focus == control.Handle() || IsChild(control.Handle(), focus));
}

void PaintKeyboardFocus(const TControl& control, HDC dc, RECT r) {
  HWND h = control.Handle();
  if (GetFocus() != h || (SendMessageW(h, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) return;
  if (r.right <= r.left || r.bottom <= r.top) return;
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  DrawFocusRect(dc, &r);
}

void ShowFocusCues(const TControl& control) {
  if (HWND top = GetAncestor(control.Handle(), GA_ROOT))
    SendMessageW(top, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

}  // namespace qv::win
