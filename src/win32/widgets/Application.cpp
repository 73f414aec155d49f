#include "widgets/Application.h"

#include "widgets/Control.h"
#include "widgets/Form.h"

namespace qv::win {

HWND TApplication::MainWindow() const { return MainForm ? MainForm->Handle() : nullptr; }

TApplication& Application() {
  static TApplication app;
  return app;
}

void TApplication::SetHint(const std::string& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  if (OnHint) OnHint();
}

void TApplication::ControlMouseMove(TControl* control) {
  if (!control) return;
  // The hint is that of what lies under the pointer: a control the pointer
  // enters brings its own (none when it and its parents have none); within a
  // control a hint that is set again as the pointer moves takes its place.
  const std::string hint = control->EffectiveHint();
  const bool entered = control != hintControl_;
  hintControl_ = control;
  if (entered || !hint.empty()) SetHint(hint);
}

void TApplication::ControlGone(TControl* control) {
  if (hintControl_ == control) hintControl_ = nullptr;
}

bool TApplication::Active() const { return active_; }

void TApplication::NotifyActivate(bool active) {
  active_ = active;
  if (active && eventsStarted_ && OnActivate) OnActivate();
}

void TApplication::NotifyMinimized(bool minimized) {
  if (minimized == minimized_) return;
  minimized_ = minimized;
  if (minimized && OnMinimize) OnMinimize();
  if (!minimized && OnRestore) OnRestore();
}

void TApplication::Minimize() {
  if (MainForm && MainForm->Handle()) ShowWindow(MainForm->Handle(), SW_MINIMIZE);
}

void TApplication::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

void TApplication::ClearTermination() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
  terminated_ = false;
  eventsStarted_ = false;
}

// Offers key-down messages to the form that previews keys; a key cleared to 0 is consumed.
bool TApplication::PreviewKey(MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  HWND top = GetAncestor(msg.hwnd, GA_ROOT);
  auto* form = dynamic_cast<TForm*>(TControl::FromHandle(top));
  if (!form || !form->KeyPreview || !form->OnKeyDown) return false;
  WORD key = static_cast<WORD>(msg.wParam);
  form->OnKeyDown(key, CurrentShiftState());
  if (key == 0) return true;
  msg.wParam = key;
  return false;
}

bool TApplication::DispatchOne(MSG& msg, HWND dialog) {
  const UINT m = msg.message;
  if (m >= WM_KEYFIRST && m <= WM_KEYLAST) keyboardInput_ = true;
  else if ((m >= WM_LBUTTONDOWN && m <= WM_MBUTTONDBLCLK) || (m >= WM_NCLBUTTONDOWN && m <= WM_NCMBUTTONDBLCLK))
    keyboardInput_ = false;
  if (PreviewKey(msg)) return true;
  if (dialog && IsDialogMessageW(dialog, &msg)) return true;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
  return true;
}

void TApplication::StartEvents() {
  if (eventsStarted_) return;
  eventsStarted_ = true;
  HWND foreground = GetForegroundWindow();
  DWORD pid = 0;
  GetWindowThreadProcessId(foreground, &pid);
  if (foreground && pid == GetCurrentProcessId()) NotifyActivate(true);
}

void TApplication::Run() {
  terminated_ = false;
  StartEvents();
  MSG msg;
  while (!terminated_ && GetMessageW(&msg, nullptr, 0, 0) > 0)
    DispatchOne(msg, MainForm && MainForm->DialogNavigation ? MainForm->Handle() : nullptr);
  terminated_ = true;
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      terminated_ = true;
      PostQuitMessage(static_cast<int>(msg.wParam));  // leave it for the outer loop
      return;
    }
    DispatchOne(msg, nullptr);
  }
}

void TApplication::ModalLoop(const std::function<bool()>& done, HWND dialog) {
  MSG msg;
  while (!done()) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      terminated_ = true;
      PostQuitMessage(0);
      return;
    }
    DispatchOne(msg, dialog);
  }
}

}  // namespace qv::win
