// The four message boxes every operation uses for user-level messages.
#pragma once
#include <string>

namespace qv {

// Shows a task-modal message box: OK or Yes -> 1, No -> 7, anything else -> 2.
int ShowMessageBox(const std::string& caption, const std::string& text, unsigned style);
void ShowInfoMessage(const std::string& text);     // "Message", OK, information icon
void ShowWarningMessage(const std::string& text);  // "Warning", OK, exclamation icon
void ShowErrorMessage(const std::string& text);    // "Error", OK, stop icon
bool AskQuery(const std::string& text);            // "Query", Yes/No; true on Yes
bool AskOkCancel(const std::string& text);         // "Query", OK/Cancel; true on OK
void DefaultBeep();
void ExclamationBeep();

}  // namespace qv
