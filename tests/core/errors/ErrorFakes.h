// In-memory stand-ins for the platform behind the error framework.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "errors/ErrorDialogCore.h"
#include "errors/ErrorPlatform.h"

namespace qv::testing {

class FakeErrorPlatform : public IErrorPlatform {
 public:
  std::string SystemErrorText(uint32_t code) override {
    if (code == 193) return "Bad EXE format for %1.";  // a text with an insert, as wine words it
    return "System text " + std::to_string(code);
  }
  std::string LocalTimeText() override { return "Tuesday, 8 December 2026 (342) | 20:35:00 (742)"; }
  std::string ProgramPath() override { return "C:\\Quenvalis\\Quenvalis.exe"; }
  uint32_t LastError() override { return lastError; }
  uint32_t lastError = 0;
};

class FakeMessageBoxes : public IMessageBoxPlatform {
 public:
  struct Shown { std::string caption, text; uint32_t style; };
  std::vector<Shown> shown;
  std::vector<int> answers;  // consumed in order; 1 (OK) when exhausted
  int beeps = 0, exclamations = 0;
  int ShowBox(const std::string& caption, const std::string& text, uint32_t style) override {
    shown.push_back({caption, text, style});
    if (answers.empty()) return 1;
    const int a = answers.front();
    answers.erase(answers.begin());
    return a;
  }
  void Beep(bool exclamation) override { exclamation ? ++exclamations : ++beeps; }
};

// A dialog window that records what it was given and closes with a set result.
// onShow runs inside the "modal loop", like a timer firing while the dialog is open.
class FakeErrorDialogView : public IErrorDialogView {
 public:
  std::string caption, recursionText, memo;
  int result = ResultOk;
  int shows = 0;
  bool showing = false;
  std::function<void()> onShow;
  void SetCaption(const std::string& c) override { caption = c; }
  void SetRecursionText(const std::string& t) override { recursionText = t; }
  void SetMemoText(const std::string& t) override { memo = t; }
  bool IsShowing() const override { return showing; }
  int ShowModal() override {
    ++shows;
    showing = true;
    if (onShow) onShow();
    showing = false;
    return result;
  }
};

// Installs the fakes for one test and restores an empty environment after it.
struct ScopedErrorEnvironment {
  FakeErrorPlatform platform;
  FakeMessageBoxes boxes;
  FakeErrorDialogView view;
  TErrorDialogCore form{view};
  explicit ScopedErrorEnvironment(bool withForm = true) {
    ErrorEnvironment.Platform = &platform;
    ErrorEnvironment.MessageBoxes = &boxes;
    ErrorEnvironment.ErrorForm = withForm ? &form : nullptr;
  }
  ~ScopedErrorEnvironment() { ErrorEnvironment = TErrorEnvironment{}; }
};

}  // namespace qv::testing
