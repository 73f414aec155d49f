#include "widgets/Form.h"

#include "widgets/Application.h"

namespace qv::win {

const char* ContainerClassName() {
  static const char* const name = [] {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hIcon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
    wc.lpszClassName = "QuenvalisWindow";
    RegisterClassExA(&wc);
    return "QuenvalisWindow";
  }();
  return name;
}

TForm::TForm(const std::string& name, const std::string& caption, int clientWidth,
             int clientHeight, TStyle style, TForm* owner)
    : TControl(nullptr, name) {
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
  RECT r{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&r, ws, FALSE, ex);
  CreateHandle(ContainerClassName(), caption, ws, ex, CW_USEDEFAULT, CW_USEDEFAULT,
               r.right - r.left, r.bottom - r.top, owner ? owner->Handle() : nullptr);
}

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

void TForm::CenterOn(TControl* other) {
  RECT area{};
  if (other && other->Handle() && IsWindowVisible(other->Handle())) {
    GetWindowRect(other->Handle(), &area);
  } else {
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  }
  const int w = Width(), h = Height();
  SetWindowPos(hwnd_, nullptr, area.left + (area.right - area.left - w) / 2,
               area.top + (area.bottom - area.top - h) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

// Without a window manager a maximised popup keeps its old size, so it is also
// sized to its monitor explicitly.
void TForm::ShowMaximizedOnMonitor() {
  MONITORINFO mi{};
  mi.cbSize = sizeof mi;
  if (GetMonitorInfoA(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &mi)) {
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
      if (wp != SIZE_MINIMIZED && OnResize) OnResize();
      return false;
    case WM_ACTIVATEAPP:
      if (isMain) Application().NotifyActivate(wp != 0);
      return false;
    case WM_ACTIVATE:
      if (LOWORD(wp) != WA_INACTIVE) {
        if (activeControl_ && activeControl_->Handle()) activeControl_->SetFocus();
        if (OnActivateForm) OnActivateForm();
      }
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

TPanel::TPanel(TControl* parent, const std::string& name, int x, int y, int w, int h)
    : TControl(parent, name) {
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
