// The error dialog: shows a failure report, counts reports that arrive while it
// is open, and appends reports to "Errors.log" on request.
#pragma once
#include <memory>

#include "errors/ErrorDialogCore.h"
#include "widgets/Controls.h"

namespace qv::win {

class TErrorForm : public TForm, public IErrorDialogView {
 public:
  explicit TErrorForm(TForm* owner);
  ~TErrorForm() override;

  IErrorDialog& Core() { return core_; }
  int32_t RecursionCount() const { return core_.RecursionCount(); }
  // Appends the memo text to the log in the data folder; false (with the
  // system's error code) when the log could not be opened or written.
  bool SaveLog(uint32_t* error = nullptr);
  static std::string LogFileName();

  TMemo MainMemo;
  TButton OkayButton, CancelButton, OkayNoErrorsButton, TerminateButton, LogButton, HelpButton;
  TLabel RecursionLabel;

  // IErrorDialogView
  void SetCaption(const std::string& caption) override { SetText(caption); }
  void SetRecursionText(const std::string& text) override { RecursionLabel.SetCaption(text); }
  void SetMemoText(const std::string& text) override { MainMemo.SetText(text); }
  bool IsShowing() const override { return Visible(); }
  int ShowModal() override;

 private:
  TErrorDialogCore core_;
};

extern TErrorForm* ErrorForm;

// Reports an exception that escaped every guard, through the program-wide context.
void OnApplicationException(const std::string& message);
// Installs the abnormal-termination handlers (abort, terminate).
void InstallAbortInterception();

}  // namespace qv::win
