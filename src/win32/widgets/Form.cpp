#include "widgets/Form.h"

#include <shellapi.h>
#include <algorithm>

#include "widgets/Application.h"
#include "widgets/WindowDpi.h"

namespace qv::win {

const wchar_t* ContainerClassName() {
  static const wchar_t* const name = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
    wc.lpszClassName = L"QuenvalisWindow";
    RegisterClassExW(&wc);
    return L"QuenvalisWindow";
  }();
  return name;
}

TForm::TForm(const std::string& name, const std::string& caption, int clientWidth,
             int clientHeight, TStyle style, TForm* owner)
    : TControl(nullptr, name), designClientWidth_(clientWidth), designClientHeight_(clientHeight) {
  // Made at the DPI of the screen it is likely to show on; the window's own
  // DPI, known once it exists, is taken below.
  dpi_ = owner ? owner->Dpi() : SystemDpi();
  DWORD ws = WS_CLIPCHILDREN;
  DWORD ex = WS_EX_CONTROLPARENT;
  if (style.Borderless) {
    ws |= WS_POPUP;
  } else if (style.Dialog) {
    ws |= WS_POPUP | WS_CAPTION | WS_SYSMENU;
    ex |= WS_EX_DLGMODALFRAME;
  } else {
    ws |= WS_OVERLAPPEDWINDOW;
  }
  const SIZE size = WindowSizeForClient(ScaleToDpi(clientWidth, dpi_), ScaleToDpi(clientHeight, dpi_), ws, ex, dpi_);
  CreateHandle(ContainerClassName(), caption, ws, ex, CW_USEDEFAULT, CW_USEDEFAULT, size.cx, size.cy,
               owner ? owner->Handle() : nullptr);
  if (hwnd_ && WindowDpi(hwnd_) != dpi_) ChangeDpi(WindowDpi(hwnd_), nullptr);
}

void TForm::ChangeDpi(int dpi, const RECT* suggested) {
  // A message without a DPI, or with the one the form has, moves the form
  // only: laying it out again would repaint the window under its rich-box.
  const bool changed = dpi > 0 && dpi != dpi_;
  if (changed) {
    dpi_ = dpi;
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), FALSE);
    ForEachDescendant([dpi](TControl& c) { c.ApplyDpi(dpi); });
    ForEachDescendant([](TControl& c) { c.DpiChanged(); });
  }
  RECT r{};
  GetWindowRect(hwnd_, &r);
  if (suggested) r = *suggested;
  const LONG style = GetWindowLongW(hwnd_, GWL_STYLE);
  if (!IsZoomed(hwnd_) && (style & WS_CAPTION)) {
    // A dialog keeps its own client size; the system's suggestion gives its place.
    const SIZE size = WindowSizeForClient(ScaleToDpi(designClientWidth_, dpi_), ScaleToDpi(designClientHeight_, dpi_),
                                          static_cast<DWORD>(style), GetWindowLongW(hwnd_, GWL_EXSTYLE), dpi_);
    r.right = r.left + size.cx;
    r.bottom = r.top + size.cy;
  }
  changingDpi_ = changed;  // a move only is laid out as any other resize
  SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  changingDpi_ = false;
  if (!changed) return;
  if (OnDpiChanged) OnDpiChanged();
  else if (OnResize) OnResize();
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TForm::BringToFront() { SetForegroundWindow(hwnd_); }
void TForm::AcceptDroppedFiles(bool accept) { DragAcceptFiles(hwnd_, accept); }
void TForm::PostClose() { PostMessageW(hwnd_, WM_CLOSE, 0, 0); }

void TForm::Close() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(canClose);
  if (!canClose) return;
  if (modal_) {
    if (modalResult_ == mrNone) modalResult_ = mrCancel;
    return;
  }
  if (Application().MainForm == this) {
    DestroyWindow(hwnd_);
  } else {
    ShowWindow(hwnd_, SW_HIDE);
  }
}

int TForm::ShowModal() {
  HWND owner = GetWindow(hwnd_, GW_OWNER);
  const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  modal_ = true;
  modalResult_ = mrNone;
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  if (activeControl_) activeControl_->SetFocus();
  if (OnShow) OnShow();
  Application().ModalLoop(
      [this] { return modalResult_ != mrNone || !hwnd_ || !IsWindowVisible(hwnd_); }, hwnd_);
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
  if (owner) SetActiveWindow(owner);
  modal_ = false;
  const int result = modalResult_ == mrNone ? mrCancel : modalResult_;
  return result;
}

void CenterWindowOver(HWND window, HWND over) {
  RECT area{}, work{}, r{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  if (over && IsWindowVisible(over)) GetWindowRect(over, &area);
  else area = work;
  GetWindowRect(window, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  int x = area.left + (area.right - area.left - w) / 2, y = area.top + (area.bottom - area.top - h) / 2;
  x = std::max<int>(work.left, std::min<int>(x, work.right - w));
  y = std::max<int>(work.top, std::min<int>(y, work.bottom - h));
  SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::CenterOn(TControl* other) { CenterWindowOver(hwnd_, other ? other->Handle() : nullptr); }

// Without a window manager a maximised popup keeps its old size, so it is also
// sized to its monitor explicitly.
void TForm::ShowMaximizedOnMonitor() {
  MONITORINFO mi{};
  mi.cbSize = sizeof mi;
  if (GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &mi)) {
    const RECT& m = mi.rcMonitor;
    SetWindowPos(hwnd_, nullptr, m.left, m.top, m.right - m.left, m.bottom - m.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ShowWindow(hwnd_, SW_SHOWMAXIMIZED);
}

bool TForm::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (OnMessage && OnMessage(msg, wp, lp, result)) return true;
  const bool isMain = Application().MainForm == this;
  switch (msg) {
    case WM_CLOSE:
      Close();
      result = 0;
      return true;
    case WM_DESTROY:
      if (OnDestroy) OnDestroy();
      if (isMain) PostQuitMessage(0);
      return false;
    case WM_SIZE:
      if (isMain) {
        if (wp == SIZE_MINIMIZED) Application().NotifyMinimized(true);
        else Application().NotifyMinimized(false);
      }
      if (wp != SIZE_MINIMIZED && OnResize && !changingDpi_) OnResize();
      return false;
    case WM_DPICHANGED:
      ChangeDpi(LOWORD(wp), reinterpret_cast<const RECT*>(lp));
      result = 0;
      return true;
    case WM_ACTIVATEAPP:
      if (isMain) Application().NotifyActivate(wp != 0);
      return false;
    case WM_ACTIVATE:
      if (LOWORD(wp) == WA_INACTIVE) {
        // As a dialog does, the window keeps where the keyboard was (a dialog or a
        // message box it opens, another program) and gives it back when it is active again.
        HWND focus = GetFocus();
        lastFocus_ = focus && IsChild(hwnd_, focus) ? focus : nullptr;
        return false;
      }
      if (activeControl_ && activeControl_->Handle()) {
        activeControl_->SetFocus();
      } else if (lastFocus_ && IsChild(hwnd_, lastFocus_) && IsWindowVisible(lastFocus_) && !IsIconic(hwnd_)) {
        ::SetFocus(lastFocus_);
        if (OnActivateForm) OnActivateForm();
        result = 0;
        return true;
      }
      if (OnActivateForm) OnActivateForm();
      return false;
    case WM_ERASEBKGND:
      PaintBackground(reinterpret_cast<HDC>(wp));
      result = 1;
      return true;
    case WM_PAINT:
      if (!OnPaint) return false;
      {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd_, &ps);
        OnPaint(dc);
        EndPaint(hwnd_, &ps);
      }
      result = 0;
      return true;
    case WM_NEXTDLGCTL:
      // The dialog manager's Tab and Shift+Tab (IsDialogMessage sends this to
      // windows that are not dialog boxes too).
      if (LOWORD(lp)) {
        ::SetFocus(reinterpret_cast<HWND>(wp));
      } else if (HWND next = GetNextDlgTabItem(hwnd_, GetFocus(), wp != 0)) {
        ::SetFocus(next);
      }
      result = 0;
      return true;
    case WM_COMMAND:
      if (lp == 0 && LOWORD(wp) == IDCANCEL) {
        if (onCancel_) onCancel_();
        result = 0;
        return true;
      }
      return false;
  }
  return false;
}

TPanel::TPanel(TControl* parent, const std::string& name, int x, int y, int w, int h, TWindowTime windowTime)
    : TControl(parent, name) {
  if (windowTime == TWindowTime::WhenShown) WaitForWindow();
  CreateHandle(ContainerClassName(), "", WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
               WS_EX_CONTROLPARENT, x, y, w, h);
}

bool TPanel::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg == WM_ERASEBKGND) {
    PaintBackground(reinterpret_cast<HDC>(wp));
    result = 1;
    return true;
  }
  return false;
}

}  // namespace qv::win
