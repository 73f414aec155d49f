// Helpers for tests that drive the real windows under wine.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/QuenvalisForm.h"
#include "errors/ErrorPlatform.h"
#include "forms/AboutForm.h"
#include "forms/ErrorForm.h"
#include "platform/ShellGateway.h"

namespace qv::testing {

// Message boxes answered by the test instead of a person.
class ScriptedMessageBoxes : public IMessageBoxPlatform {
 public:
  struct Shown { std::string caption, text; uint32_t style; };
  std::vector<Shown> shown;
  std::vector<int> answers;  // consumed in order; IDOK when exhausted
  int ShowBox(const std::string& caption, const std::string& text, uint32_t style) override {
    shown.push_back({caption, text, style});
    if (answers.empty()) return IDOK;
    const int a = answers.front();
    answers.erase(answers.begin());
    return a;
  }
  void Beep(bool) override {}
};

// Runs the pending messages for about ms milliseconds.
void PumpFor(int ms);
// Runs messages until done() or the time is up; answers done().
bool PumpUntil(const std::function<bool()>& done, int ms = 5000);
// Calls action once, from the message loop, after delayMs (also inside modal loops).
void AfterDelay(int delayMs, std::function<void()> action);

// The program's forms, created in the entry point's order, with scripted message boxes.
struct ProgramForms {
  ScriptedMessageBoxes boxes;
  std::unique_ptr<app::TQuenvalisForm> main;
  std::unique_ptr<win::TErrorForm> error;
  std::unique_ptr<win::TAboutForm> about;
  // Each run starts without the options file and the default profile, as a
  // first run does, unless keepSettings asks for the files of the last run.
  // With start false, the application's events are held back: no activation, no start-up book.
  // The sidebar's windows are made at once unless makeSidebar is false.
  explicit ProgramForms(bool keepSettings = false, bool start = true, bool makeSidebar = true);
  ~ProgramForms();
  // Closes the main window through its own close path and runs the loop until it is gone.
  void CloseMain();
};

// Runs action and answers the report of the error dialog it showed ("" when none);
// the dialog is closed with its Okay button.
std::string ErrorReportOf(ProgramForms& forms, const std::function<void()>& action);

// The shell as tests see it: every request is recorded, none reaches the system.
class TRecordingShell : public win::TShellGateway {
 public:
  std::vector<win::TShellRequest> requests;
  bool succeed = true;
  // Handed back, once, as the program the shell started, to a request that asks for it.
  HANDLE handler = nullptr;
  TRecordingShell() { win::SetShellGateway(this); }
  ~TRecordingShell() override {
    win::SetShellGateway(nullptr);
    if (handler) CloseHandle(handler);
  }
  bool Execute(const win::TShellRequest& request, uint32_t& error) override {
    requests.push_back(request);
    if (!succeed) error = ERROR_FILE_NOT_FOUND;
    if (succeed && request.Process) {
      *request.Process = handler;
      handler = nullptr;
    }
    return succeed;
  }
};

// Failure reports recorded instead of shown: the user texts and the reports.
class TRecordingErrorDialog : public IErrorDialog {
 public:
  std::vector<std::string> shown, reports;
  TRecordingErrorDialog() : saved_(ErrorEnvironment.ErrorForm) { ErrorEnvironment.ErrorForm = this; }
  ~TRecordingErrorDialog() override { ErrorEnvironment.ErrorForm = saved_; }
  int32_t RecursionCount() const override { return 0; }
  bool Dialog(const std::string&, const std::string& userText, bool*, const std::string& report) override {
    shown.push_back(userText);
    reports.push_back(report);
    return true;
  }

 private:
  IErrorDialog* saved_;
};

// A drop of several files, built as the shell builds it.
HDROP MakeDrop(const std::vector<std::string>& files);

// Writes a file (bytes as given) and answers its path.
std::string WriteTestFile(const std::string& name, const std::string& bytes);
std::string ReadWholeFile(const std::string& path);
std::string TestDirectory();

}  // namespace qv::testing
