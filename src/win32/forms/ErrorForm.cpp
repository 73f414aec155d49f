#include "forms/ErrorForm.h"

#include <csignal>
#include <exception>

#include "errors/Dialogs.h"
#include "errors/FunStatContext.h"
#include "platform/DataFolder.h"
#include "platform/Help.h"
#include "platform/ScopedHandle.h"
#include "platform/WideText.h"
#include "platform/Win32Platform.h"
#include "widgets/Application.h"

namespace qv::win {

TErrorForm* ErrorForm = nullptr;

namespace {
TFontStyle DialogFont() {
  TFontStyle f;
  f.Face = "Arial";
  f.Height = 12;  // 9 pt
  return f;
}
}  // namespace

TErrorForm::TErrorForm(TForm* owner)
    : TForm("ErrorForm", "Error", 520, 370, TStyle{false, true, false}, owner),
      MainMemo(this, "MainMemo", 10, 10, 500, 260, true),
      OkayButton(this, "OkayButton", "&Okay", 10, 280, 120, 26),
      CancelButton(this, "CancelButton", "&Cancel", 140, 280, 120, 26),
      OkayNoErrorsButton(this, "OkayNoErrorsButton", "O&kay (no errors)", 270, 280, 120, 26),
      TerminateButton(this, "TerminateButton", "&Terminate application immediately", 10, 312,
                      250, 26),
      LogButton(this, "LogButton", "&Log", 270, 312, 120, 26),
      HelpButton(this, "HelpButton", "&Help", 400, 280, 110, 26),
      RecursionLabel(this, "RecursionLabel", "Recursion", 10, 346, 500, 18),
      core_(*this) {
  SetFont(DialogFont());
  for (TControl* c : std::initializer_list<TControl*>{&MainMemo, &OkayButton, &CancelButton,
                                                      &OkayNoErrorsButton, &TerminateButton,
                                                      &LogButton, &HelpButton, &RecursionLabel})
    c->SetFont(DialogFont());
  SendMessageW(MainMemo.Handle(), EM_SETLIMITTEXT, 0, 0);
  OkayButton.OnClick = [this] { SetModalResult(mrOk); };
  CancelButton.OnClick = [this] { SetModalResult(mrCancel); };
  SetCancelControl([this] { SetModalResult(mrCancel); });
  OkayNoErrorsButton.OnClick = [this] { SetModalResult(mrYes); };
  TerminateButton.OnClick = [] { TerminateProcess(GetCurrentProcess(), 1); };
  LogButton.OnClick = [this] {
    uint32_t error = 0;
    if (SaveLog(&error)) {
      MessageBeep(MB_OK);
      return;
    }
    TWin32ErrorPlatform texts;
    ShowWarningMessage("The report could not be written to \"" + LogFileName() + "\": " +
                       texts.SystemErrorText(error));
  };
  HelpButton.OnClick = [] { OpenHelp(HelpErrorReports); };
  SetActiveControl(&OkayButton);
  ErrorForm = this;
  ErrorEnvironment.ErrorForm = &core_;
  // Exceptions that escape any message handler are reported through this dialog,
  // in install mode as well as in the reader.
  Application().OnException = [](const std::string& message) { OnApplicationException(message); };
}

TErrorForm::~TErrorForm() {
  if (ErrorForm == this) ErrorForm = nullptr;
  if (ErrorEnvironment.ErrorForm == &core_) ErrorEnvironment.ErrorForm = nullptr;
}

int TErrorForm::ShowModal() {
  CenterOn(Application().MainForm);
  return TForm::ShowModal();
}

std::string TErrorForm::LogFileName() { return DataDirectory() + ErrorLogFileName; }

bool TErrorForm::SaveLog(uint32_t* error) {
  SetLastError(0);
  TScopedHandle log{CreateFileW(ToWide(LogFileName()).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)};
  bool ok = log.H != INVALID_HANDLE_VALUE;
  LARGE_INTEGER size{};
  ok = ok && GetFileSizeEx(log.H, &size) != 0;
  if (ok && ShouldEmptyErrorLog(static_cast<uint64_t>(size.QuadPart)))
    ok = SetFilePointer(log.H, 0, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER && SetEndOfFile(log.H);
  if (ok) {
    // The log is UTF-8; a new one starts with its mark, so that editors read it so.
    const bool empty = GetFileSizeEx(log.H, &size) && size.QuadPart == 0;
    const std::string record = (empty ? "\xEF\xBB\xBF" : "") + ErrorLogRecord(MainMemo.Text());
    DWORD written = 0;
    ok = SetFilePointer(log.H, 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER &&
         WriteFile(log.H, record.data(), static_cast<DWORD>(record.size()), &written, nullptr) &&
         written == record.size();
  }
  if (!ok && error) *error = GetLastError();
  return ok;
}

void OnApplicationException(const std::string& message) {
  const char* const file = "Error";
  const char* const function = "TFunStatContext::OnApplicationException";
  const uint32_t lastError = GetLastError();
  FunStatContext.Raise(file, function, lastError, "Unhandled error.\r\n" + message, "", "", Error,
                       __LINE__);
  FunStatContext.SetShowContext(file, function, __LINE__);
  FunStatContext.Show("Unhandled error.\r\n" + message);
  FunStatContext.Reset(Perfect);
}

namespace {
[[noreturn]] void TerminateProgramFun() {
  const char* const file = "Program";
  const std::string text = "Abort intercepted.\r\nProgram must be terminated.";
  FunStatContext.Raise(file, "TerminateProgramFun", 0, text, "", "", Error, __LINE__);
  FunStatContext.SetShowContext(file, "TerminateProgramFun", __LINE__);
  FunStatContext.Show(text);
  FunStatContext.Reset(Perfect);
  TerminateProcess(GetCurrentProcess(), 1);
  std::_Exit(1);
}

void OnAbortSignal(int) { TerminateProgramFun(); }
}  // namespace

void InstallAbortInterception() {
  std::set_terminate(TerminateProgramFun);
  std::signal(SIGABRT, OnAbortSignal);
}

}  // namespace qv::win
