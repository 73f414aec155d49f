#include "widgets/Control.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <tuple>

#include "colors/Contrast.h"
#include "encoding/Utf8.h"
#include "platform/WideText.h"
#include "widgets/Accessibility.h"
#include "widgets/Application.h"
#include "widgets/ControlFaces.h"

namespace qv::win {
namespace {
const wchar_t* const kControlProp = L"QvControl";
constexpr UINT_PTR kSubclassId = 0x5156;  // "QV"
}  // namespace

unsigned CurrentShiftState() {
  unsigned s = 0;
  if (GetKeyState(VK_SHIFT) < 0) s |= ssShift;
  if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
  if (GetKeyState(VK_CONTROL) < 0) s |= ssCtrl;
  if (GetKeyState(VK_LBUTTON) < 0) s |= ssLeft;
  if (GetKeyState(VK_RBUTTON) < 0) s |= ssRight;
  if (GetKeyState(VK_MBUTTON) < 0) s |= ssMiddle;
  return s;
}

HFONT GetCachedFont(const TFontStyle& opt, int dpi) {
  using Key = std::tuple<std::string, int, bool, bool, bool>;
  static std::map<Key, HFONT> cache;  // fonts live for the whole run
  const int height = ScaleToDpi(opt.Height, dpi);
  const Key key{opt.Face, height, opt.Bold, opt.Italic, opt.Underline};
  auto it = cache.find(key);
  if (it != cache.end()) return it->second;
  HFONT font = CreateFontW(-height, 0, 0, 0, opt.Bold ? FW_BOLD : FW_NORMAL, opt.Italic,
                           opt.Underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                           ToWide(opt.Face).c_str());
  cache.emplace(key, font);
  return font;
}

TControl::TControl(TControl* parent, const std::string& name) : parent_(parent), name_(name) {
  if (!parent) return;
  font_ = parent->font_;
  dpi_ = parent->dpi_;
  parent->children_.push_back(this);
}

TControl::~TControl() {
  Application().ControlGone(this);
  if (HWND h = DetachHandle()) DestroyWindow(h);
  if (brush_) DeleteObject(brush_);
  for (TControl* child : children_) child->parent_ = nullptr;
  if (parent_) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
}

HWND TControl::ParentHandle() const { return parent_ ? parent_->hwnd_ : nullptr; }

void TControl::CreateHandle(const wchar_t* className, const std::string& text, DWORD style,
                            DWORD exStyle, int x, int y, int w, int h, HWND parentOverride) {
  HWND parent = parentOverride ? parentOverride : ParentHandle();
  const bool waits = waitRequested_ || (parent_ && parent_->waiting_);
  if (parent || waits) style |= WS_CHILD;
  if (parent_) {
    design_ = TRect{x, y, w, h};
    const TRect r = PlacedBounds();
    x = r.Left, y = r.Top, w = r.Width, h = r.Height;
  }
  TWaitingWindow window{className, text, style, exStyle, RECT{x, y, x + w, y + h}};
  if (waits) {
    waiting_.reset(new TWaitingWindow(std::move(window)));
    return;
  }
  MakeWindow(window, parent);
}

void TControl::MakeWindow(const TWaitingWindow& w, HWND parent) {
  const RECT& b = w.Bounds;
  hwnd_ = CreateWindowExW(w.ExStyle, w.ClassName, ToWide(w.Text).c_str(), w.Style, b.left, b.top, b.right - b.left,
                          b.bottom - b.top, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) return;
  SetPropW(hwnd_, kControlProp, this);
  SetWindowSubclass(hwnd_, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), FALSE);
  // A colour given while the window waited (see SetColor).
  if (color_ != kNoColor && (Style() & WS_VSCROLL) && IsDarkColor(Color())) UseDarkTheme(hwnd_, true);
  WindowMade();
}

void TControl::MakeWindows() {
  const bool waited = waiting_ != nullptr;
  if (waiting_) {
    const std::unique_ptr<TWaitingWindow> w = std::move(waiting_);
    MakeWindow(*w, ParentHandle());
  }
  for (TControl* child : children_) child->MakeWindows();
  if (waited && OnWindowsMade) OnWindowsMade();
}

void TControl::MakeWindowNow() const {
  if (!waiting_) return;
  TControl* outermost = const_cast<TControl*>(this);
  while (outermost->parent_ && outermost->parent_->waiting_) outermost = outermost->parent_;
  outermost->MakeWindows();
}

HWND TControl::DetachHandle() {
  HWND old = hwnd_;
  if (old) {
    RemoveWindowSubclass(old, SubclassProc, kSubclassId);
    RemovePropW(old, kControlProp);
  }
  hwnd_ = nullptr;
  return old;
}

TControl* TControl::FromHandle(HWND hwnd) {
  return hwnd ? static_cast<TControl*>(GetPropW(hwnd, kControlProp)) : nullptr;
}

LRESULT TControl::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) {
  return DefSubclassProc(hwnd_, msg, wp, lp);
}

// Exceptions must not unwind through the system's frames: every message handler
// runs inside this guard, and what escapes goes to the application's handler.
LRESULT CALLBACK TControl::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                        DWORD_PTR ref) {
  try {
    return Dispatch(reinterpret_cast<TControl*>(ref), hwnd, msg, wp, lp);
  } catch (const std::exception& e) {
    Application().HandleException(e.what());
  } catch (...) {
    Application().HandleException("Unhandled generic exception.");
  }
  return 0;
}

LRESULT TControl::Dispatch(TControl* self, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  switch (msg) {
    case WM_COMMAND:
      if (TControl* child = FromHandle(reinterpret_cast<HWND>(lp)))
        if (child->HandleCommand(HIWORD(wp))) return 0;
      break;
    case WM_NOTIFY: {
      NMHDR* hdr = reinterpret_cast<NMHDR*>(lp);
      if (TControl* child = FromHandle(hdr->hwndFrom))
        if (child->HandleNotify(hdr, result)) return result;
      break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      if (TControl* child = FromHandle(reinterpret_cast<HWND>(lp)))
        if (HBRUSH b = child->HandleCtlColor(reinterpret_cast<HDC>(wp)))
          return reinterpret_cast<LRESULT>(b);
      break;
    case WM_DRAWITEM: {
      auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
      if (TControl* child = FromHandle(dis->hwndItem))
        if (child->HandleDrawItem(dis)) return TRUE;
      break;
    }
    case WM_MEASUREITEM: {
      auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
      HWND item = GetDlgItem(hwnd, static_cast<int>(mis->CtlID));
      if (TControl* child = FromHandle(item))
        if (child->HandleMeasureItem(mis)) return TRUE;
      break;
    }
    case WM_MOUSEMOVE:
      Application().ControlMouseMove(self);
      if (self->OnMouseMove)
        self->OnMouseMove(CurrentShiftState(), GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK: {
      if (!self->OnMouseDown) break;
      const bool dbl = msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
      const TMouseButton button = msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK   ? TMouseButton::Left
                                  : msg == WM_RBUTTONDOWN || msg == WM_RBUTTONDBLCLK ? TMouseButton::Right
                                                                                     : TMouseButton::Middle;
      const unsigned shift = CurrentShiftState() | (dbl ? ssDouble : 0u);
      if (!self->MouseDownAfterControl) {
        self->OnMouseDown(button, shift, GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
        break;
      }
      if (!self->WndProc(msg, wp, lp, result)) result = DefSubclassProc(hwnd, msg, wp, lp);
      if (!self->Handle()) return result;
      self->PressHandled();
      // The control's own handling may run a loop of its own (a drag) in which the handler changes.
      if (self->OnMouseDown) self->OnMouseDown(button, shift, GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
      return result;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      if (self->OnMouseUp)
        self->OnMouseUp(msg == WM_LBUTTONUP   ? TMouseButton::Left
                        : msg == WM_RBUTTONUP ? TMouseButton::Right
                                              : TMouseButton::Middle,
                        CurrentShiftState(), GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
      break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (self->OnKeyDown) {
        WORD key = static_cast<WORD>(wp);
        self->OnKeyDown(key, CurrentShiftState());
        if (key == 0) return 0;
        wp = key;
      }
      break;
    case WM_CHAR:
      if (self->OnKeyPress) {
        // The handler sees an ASCII character, or '?' for any other; one it
        // leaves alone reaches the control as it came.
        const char typed = static_cast<char>(wp < 0x80 ? wp : '?');
        char c = typed;
        self->OnKeyPress(c);
        if (c == 0) return 0;
        if (c != typed) wp = static_cast<unsigned char>(c);
      }
      break;
    case WM_SETFOCUS:
      if (self->OnEnter) self->OnEnter();
      break;
    case WM_KILLFOCUS:
      if (self->OnExit) self->OnExit();
      break;
    case WM_SIZE:
      self->FillChildren();
      break;
    case WM_GETOBJECT:
      if (static_cast<LONG>(lp) == OBJID_CLIENT && self->ServesAccessibility())
        if (const LRESULT answer = AnswerAccessibleObject(*self, wp)) return answer;
      break;
    case WM_NCDESTROY:
      self->DetachHandle();
      return DefSubclassProc(hwnd, msg, wp, lp);
  }
  if (self->WndProc(msg, wp, lp, result)) return result;
  return DefSubclassProc(hwnd, msg, wp, lp);
}

bool TControl::WndProc(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

void TControl::FillParent(int margin) {
  placement_ = TPlacement::Fill;
  fillMargin_ = margin;
  Fill();
}

void TControl::Fill() {
  if (!parent_) return;
  const int m = ScaleToDpi(fillMargin_, dpi_);
  SetBounds(m, m, std::max<int>(parent_->ClientWidth() - 2 * m, 0),
            std::max<int>(parent_->ClientHeight() - 2 * m, 0));
}

void TControl::FillChildren() {
  for (TControl* child : children_)
    if (child->placement_ == TPlacement::Fill) child->Fill();
}

void TControl::ApplyDpi(int dpi) {
  dpi_ = dpi;
  if (waiting_ && placement_ == TPlacement::Design && parent_) {
    const TRect r = PlacedBounds();
    waiting_->Bounds = RECT{r.Left, r.Top, r.Left + r.Width, r.Top + r.Height};
  }
  if (!hwnd_) return;
  if (TakesWidgetFont()) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), FALSE);
  if (placement_ != TPlacement::Design || !parent_) return;
  const TRect r = PlacedBounds();
  SetWindowPos(hwnd_, nullptr, r.Left, r.Top, r.Width, r.Height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TControl::DpiChanged() {
  if (placement_ == TPlacement::Fill) Fill();
}

void TControl::ForEachDescendant(const std::function<void(TControl&)>& action) const {
  for (TControl* child : children_) {
    action(*child);
    child->ForEachDescendant(action);
  }
}

bool TControl::KeyAsClick(UINT msg, WPARAM wp, LPARAM lp) {
  // The key itself was the click: the menu the system would ask for is none of ours.
  if (msg == WM_CONTEXTMENU) return true;
  if (msg == WM_KEYUP && (wp == VK_SPACE || wp == VK_RETURN)) return true;
  if (msg != WM_KEYDOWN && msg != WM_SYSKEYDOWN) return false;
  unsigned shift = CurrentShiftState() & (ssShift | ssAlt | ssCtrl);
  TMouseButton button = TMouseButton::Left;
  if ((wp == VK_SPACE || wp == VK_RETURN) && msg == WM_KEYDOWN) {
    button = TMouseButton::Left;
  } else if (wp == VK_APPS) {
    button = TMouseButton::Right;
  } else if (wp == VK_F10 && (shift & ssShift)) {
    button = TMouseButton::Right;
    shift &= ~unsigned(ssShift);
  } else {
    return false;
  }
  if (lp & (1 << 30)) return true;  // a key held down clicks once
  const int x = ClientWidth() / 2, y = ClientHeight() / 2;
  if (OnMouseDown) OnMouseDown(button, shift, x, y);
  if (OnMouseUp) OnMouseUp(button, shift, x, y);
  return true;
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (!waiting_) {
    MoveWindow(hwnd_, left, top, width, height, TRUE);
    return;
  }
  waiting_->Bounds = RECT{left, top, left + width, top + height};
  FillChildren();  // as a window's WM_SIZE does
}

RECT TControl::Bounds() const {
  if (waiting_) return waiting_->Bounds;
  RECT r{};
  GetWindowRect(hwnd_, &r);
  if (HWND parent = GetParent(hwnd_)) MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

int TControl::Width() const {
  RECT r = Bounds();
  return r.right - r.left;
}

int TControl::Height() const {
  RECT r = Bounds();
  return r.bottom - r.top;
}

namespace {
// The client area of a window not yet made: its bounds less its frame.
RECT WaitingClientRect(const RECT& bounds, DWORD style, DWORD exStyle) {
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  return RECT{0, 0, std::max<LONG>(bounds.right - bounds.left - (frame.right - frame.left), 0),
              std::max<LONG>(bounds.bottom - bounds.top - (frame.bottom - frame.top), 0)};
}
}  // namespace

int TControl::ClientWidth() const {
  RECT r{};
  if (waiting_) r = WaitingClientRect(waiting_->Bounds, waiting_->Style, waiting_->ExStyle);
  else GetClientRect(hwnd_, &r);
  return r.right;
}

int TControl::ClientHeight() const {
  RECT r{};
  if (waiting_) r = WaitingClientRect(waiting_->Bounds, waiting_->Style, waiting_->ExStyle);
  else GetClientRect(hwnd_, &r);
  return r.bottom;
}

POINT TControl::ClientToScreen(POINT p) const {
  MakeWindowNow();
  ::ClientToScreen(hwnd_, &p);
  return p;
}

void TControl::CenterCursor() const {
  const POINT p = ClientToScreen({ClientWidth() / 2, ClientHeight() / 2});
  SetCursorPos(p.x, p.y);
}

DWORD TControl::Style() const {
  return waiting_ ? waiting_->Style : static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_STYLE));
}

void TControl::SetStyle(DWORD style) {
  if (waiting_) waiting_->Style = style;
  else SetWindowLongW(hwnd_, GWL_STYLE, static_cast<LONG>(style));
}

void TControl::SetVisible(bool visible) {
  // The first showing of a control whose window waits makes its windows; one
  // inside another that waits is shown when that is.
  if (waiting_ && visible && !(parent_ && parent_->waiting_)) MakeWindows();
  if (waiting_) {
    waiting_->Style = visible ? waiting_->Style | WS_VISIBLE : waiting_->Style & ~WS_VISIBLE;
    return;
  }
  ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}
bool TControl::Visible() const { return (Style() & WS_VISIBLE) != 0; }
void TControl::SetEnabled(bool enabled) {
  if (waiting_) SetStyle(enabled ? Style() & ~WS_DISABLED : Style() | WS_DISABLED);
  else EnableWindow(hwnd_, enabled);
}
bool TControl::Enabled() const { return waiting_ ? (waiting_->Style & WS_DISABLED) == 0 : IsWindowEnabled(hwnd_) != 0; }
void TControl::SetFocus() {
  MakeWindowNow();
  ::SetFocus(hwnd_);
}
bool TControl::Focused() const { return hwnd_ && GetFocus() == hwnd_; }
void TControl::Invalidate(bool erase) {
  if (hwnd_) InvalidateRect(hwnd_, nullptr, erase);
}
void TControl::InvalidateWithChildren() {
  if (hwnd_) RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}
void TControl::InvalidateFrame() {
  if (hwnd_) RedrawWindow(hwnd_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}
void TControl::Update() {
  if (hwnd_) UpdateWindow(hwnd_);
}
void TControl::LockPainting(const TControl* control) { LockWindowUpdate(control ? control->hwnd_ : nullptr); }
bool TControl::HideCaret() { return hwnd_ && ::HideCaret(hwnd_) != 0; }
void TControl::ShowCaret() {
  if (hwnd_) ::ShowCaret(hwnd_);
}
void TControl::AddStyle(DWORD style) { SetStyle(Style() | style); }
void TControl::AddExStyle(DWORD exStyle) {
  if (waiting_) waiting_->ExStyle |= exStyle;
  else SetWindowLongW(hwnd_, GWL_EXSTYLE, GetWindowLongW(hwnd_, GWL_EXSTYLE) | exStyle);
}
void TControl::RemoveExStyle(DWORD exStyle) {
  if (waiting_) waiting_->ExStyle &= ~exStyle;
  else SetWindowLongW(hwnd_, GWL_EXSTYLE, GetWindowLongW(hwnd_, GWL_EXSTYLE) & ~exStyle);
}

POINT TControl::ClientOriginIn(const TControl& other) const {
  MakeWindowNow();
  other.MakeWindowNow();
  POINT origin{0, 0};
  MapWindowPoints(hwnd_, other.hwnd_, &origin, 1);
  return origin;
}

void TControl::SetText(const std::string& text) {
  if (waiting_) waiting_->Text = text;
  else SetWindowTextW(hwnd_, ToWide(text).c_str());
}

std::string TControl::Text() const {
  if (waiting_) return waiting_->Text;
  std::wstring s(static_cast<size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
  const int got = GetWindowTextW(hwnd_, &s[0], static_cast<int>(s.size()));
  return FromWide(s.data(), static_cast<size_t>(got > 0 ? got : 0));
}

void TControl::SetFont(const TFontStyle& font) {
  font_ = font;
  if (hwnd_) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), TRUE);
}

COLORREF TControl::Color() const {
  if (color_ != kNoColor) return color_;
  return parent_ ? parent_->Color() : GetSysColor(COLOR_BTNFACE);
}

void TControl::SetColor(COLORREF color) {
  color_ = color;
  if (brush_) DeleteObject(brush_);
  brush_ = nullptr;
  // A control with a scroll bar of its own asks for the system's dark one on a dark colour.
  if (hwnd_ && (Style() & WS_VSCROLL)) UseDarkTheme(hwnd_, IsDarkColor(Color()));
  Invalidate();
}

void TControl::PaintBackground(HDC dc) const {
  RECT r;
  GetClientRect(hwnd_, &r);
  HBRUSH b = CreateSolidBrush(Color());
  FillRect(dc, &r, b);
  DeleteObject(b);
}

void TControl::SetFontColor(COLORREF color) {
  fontColor_ = color;
  Invalidate();
}

COLORREF TControl::TextColor() const {
  if (fontColor_ != kNoColor) return fontColor_;
  return parent_ ? parent_->TextColor() : GetSysColor(COLOR_BTNTEXT);
}

void TControl::SetTextBackColor(COLORREF color) {
  textBackColor_ = color;
  Invalidate();
}

COLORREF TControl::TextBackColor() const { return textBackColor_ != kNoColor ? textBackColor_ : Color(); }

COLORREF TControl::DrawnTextColor() const { return qv::ReadableTextColor(TextColor(), TextBackColor()); }

HBRUSH TControl::HandleCtlColor(HDC dc) {
  // The system's own colours while neither this control nor a parent chose any.
  if (Color() == GetSysColor(COLOR_BTNFACE) && TextColor() == GetSysColor(COLOR_BTNTEXT)) return nullptr;
  const COLORREF back = Color();
  if (brush_ && brushColor_ != back) {
    DeleteObject(brush_);
    brush_ = nullptr;
  }
  if (!brush_) {
    brush_ = CreateSolidBrush(back);
    brushColor_ = back;
  }
  SetBkColor(dc, back);
  SetTextColor(dc, DrawnTextColor());
  return brush_;
}

std::string TControl::EffectiveHint() const {
  for (const TControl* c = this; c; c = c->parent_)
    if (!c->hint_.empty()) return c->hint_;
  return std::string();
}

TControlDC::TControlDC(const TControl& control)
    : window_(control.Handle()), dc_(GetDC(window_)), oldFont_(SelectObject(dc_, control.FontHandle())) {}

TControlDC::~TControlDC() {
  SelectObject(dc_, oldFont_);
  ReleaseDC(window_, dc_);
}

int TControlDC::LineHeight() const {
  TEXTMETRICW tm{};
  GetTextMetricsW(dc_, &tm);
  return tm.tmHeight;
}

SIZE TControlDC::TextExtent(const std::string& text) const {
  SIZE size{};
  const std::wstring wide = ToWide(text);
  GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
  return size;
}

}  // namespace qv::win
