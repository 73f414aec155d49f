#include "errors/Dialogs.h"

#include "errors/ErrorPlatform.h"

namespace qv {

int ShowMessageBox(const std::string& caption, const std::string& text, unsigned style) {
  IMessageBoxPlatform* boxes = ErrorEnvironment.MessageBoxes;
  const int answer = boxes ? boxes->ShowBox(caption, text, style) : 0;
  switch (answer) {
    case 1:  // IDOK
    case 6:  // IDYES
      return 1;
    case 7:  // IDNO
      return 7;
    case 0:
      ExclamationBeep();
      return 2;
    default:
      return 2;
  }
}

void ShowInfoMessage(const std::string& text) {
  ShowMessageBox("Message", text, IMessageBoxPlatform::Ok | IMessageBoxPlatform::IconInformation);
}

void ShowWarningMessage(const std::string& text) {
  ShowMessageBox("Warning", text, IMessageBoxPlatform::Ok | IMessageBoxPlatform::IconExclamation);
}

void ShowErrorMessage(const std::string& text) {
  ShowMessageBox("Error", text, IMessageBoxPlatform::Ok | IMessageBoxPlatform::IconStop);
}

bool AskQuery(const std::string& text) {
  return ShowMessageBox("Query", text,
                        IMessageBoxPlatform::YesNo | IMessageBoxPlatform::IconQuestion) == 1;
}

bool AskOkCancel(const std::string& text) {
  return ShowMessageBox("Query", text,
                        IMessageBoxPlatform::OkCancel | IMessageBoxPlatform::IconQuestion) == 1;
}

void DefaultBeep() {
  if (ErrorEnvironment.MessageBoxes) ErrorEnvironment.MessageBoxes->Beep(false);
}

void ExclamationBeep() {
  if (ErrorEnvironment.MessageBoxes) ErrorEnvironment.MessageBoxes->Beep(true);
}

}  // namespace qv
