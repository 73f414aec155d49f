// The application object: the message loop with key preview, the current hint,
// the title, and the activate, minimise and restore events.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace qv::win {

class TControl;
class TForm;

class TApplication {
 public:
  std::string Title = "Quenvalis";
  TForm* MainForm = nullptr;
  // The main form's window (what owns dialogs, message boxes and what the shell opens), or null.
  HWND MainWindow() const;

  // Runs the message loop until the main form is gone or Terminate is called.
  void Run();
  // Activation events are held back until the program is ready to run; this
  // releases them (Run does it too), reporting an activation that already happened.
  void StartEvents();
  // Pumps the pending messages once (long operations call this to stay responsive).
  void ProcessMessages();
  void Terminate();
  // Forgets a finished run (a pending quit message included), so a new main form can run.
  void ClearTermination();
  bool Terminated() const { return terminated_; }

  // The hint of the control under the mouse; OnHint runs when it changes.
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  std::function<void()> OnHint;
  int HintPause = 400, HintShortPause = 200, HintHidePause = 100000;
  void ControlMouseMove(TControl* control);
  // A control being destroyed is no more the one under the pointer.
  void ControlGone(TControl* control);

  // Activation of the application (one of its windows got the focus), minimise, restore.
  std::function<void()> OnActivate;
  std::function<void()> OnMinimize;
  std::function<void()> OnRestore;
  bool Active() const;
  void Minimize();
  void NotifyActivate(bool active);
  void NotifyMinimized(bool minimized);

  // True when the last thing the person did was a key rather than a mouse
  // click: an option changed from the keyboard leaves the keyboard focus where it is.
  bool KeyboardInput() const { return keyboardInput_; }
  // A new main window starts as if the last input had been the mouse's.
  void ResetKeyboardInput() { keyboardInput_ = false; }

  // A modal form's loop: runs until done() answers true.
  void ModalLoop(const std::function<bool()>& done, HWND dialog);

  // Exceptions that escaped a message handler arrive here.
  std::function<void(const std::string& message)> OnException;
  void HandleException(const std::string& message) {
    if (OnException) OnException(message);
  }

  std::string HelpFile;

 private:
  bool PreviewKey(MSG& msg);
  bool DispatchOne(MSG& msg, HWND dialog);
  std::string hint_;
  TControl* hintControl_ = nullptr;  // the control whose hint is shown
  bool terminated_ = false;
  bool active_ = true;  // the program starts as the active application
  bool minimized_ = false;
  bool eventsStarted_ = false;
  bool keyboardInput_ = false;
};

TApplication& Application();

}  // namespace qv::win
