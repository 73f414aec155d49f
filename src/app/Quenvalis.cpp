// The entry point: one instance, the forms in their order, the message loop.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <memory>

#include "ProgramVersion.h"
#include "app/install/InstallForm.h"
#include "app/QuenvalisForm.h"
#include "errors/Guard.h"
#include "forms/AboutForm.h"
#include "forms/ErrorForm.h"
#include "platform/ProgramInstance.h"
#include "platform/Win32Platform.h"
#include "widgets/Application.h"

using namespace qv;
using namespace qv::win;

namespace {
// Library start: OLE for the thread, the abort handlers and the platform behind the core.
struct TProgramUnit {
  TProgramUnit() {
    SetLastError(0);
    OleInitialize(nullptr);
    InstallAbortInterception();
    InstallWin32Platform();
  }
  ~TProgramUnit() { OleUninitialize(); }
};
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  TProgramUnit unit;
  FunStatContext.BeginFunction("Quenvalis", "WinMain", __LINE__);
  TFunStatContext local;
  if (!app::TInstallForm::IsFinishRun(CommandLineArguments()) && IsProgramAlreadyRunning("Quenvalis")) {
    // A second instance ends at once and silently.
    local.Reset(Perfect);
    FunStatContext.Assign(local);
    return 0;
  }
  std::unique_ptr<TForm> mainForm;
  std::unique_ptr<TErrorForm> errorForm;
  std::unique_ptr<TAboutForm> aboutForm;
  int exitCode = 0;
  Guarded(QV_OP("Quenvalis", "WinMain", ""), [&](TFunStatContext&) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    Application().Title = "Quenvalis";
    const bool installMode = IsInstallMode();
    if (installMode) mainForm = std::make_unique<app::TInstallForm>();
    else mainForm = std::make_unique<app::TQuenvalisForm>();
    Application().MainForm = mainForm.get();
    errorForm = std::make_unique<TErrorForm>(mainForm.get());
    aboutForm = std::make_unique<TAboutForm>(mainForm.get());
    if (installMode) {
      auto* installer = static_cast<app::TInstallForm*>(mainForm.get());
      installer->SetupInstaller(ProgramName, ProgramDisplayTitle, ProgramVersionText);
      installer->Start();
    } else {
      auto* form = static_cast<app::TQuenvalisForm*>(mainForm.get());
      form->InitializeForm();
      form->ShowMaximizedOnMonitor();
      form->BringToFront();
    }
    Application().Run();
    // A raised run of the installer tells the window that started it how it went.
    if (installMode) exitCode = static_cast<app::TInstallForm*>(mainForm.get())->ExitCode();
  });
  aboutForm.reset();
  errorForm.reset();
  mainForm.reset();
  local.Reset(Perfect);
  ReleaseProgramInstance();
  FunStatContext.Assign(local);
  return exitCode;
}
