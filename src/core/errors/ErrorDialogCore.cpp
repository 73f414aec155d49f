#include "errors/ErrorDialogCore.h"

namespace qv {

std::string ErrorMemoText(const std::string& userText, const std::string& report) {
  return "DESCRIPTION\r\n" + (userText.empty() ? std::string("Failed to perform.") : userText) +
         "\r\n" + report;
}

std::string ErrorLogRecord(const std::string& memoText) {
  return "**********" + memoText + "\r\n**********\r\n";
}

bool TErrorDialogCore::Dialog(const std::string& caption, const std::string& userText,
                              bool* noMoreErrors, const std::string& report) {
  view_.SetCaption(caption);
  if (recursionCount_ > 0) {
    // A report raised from inside the open dialog's modal loop: count it only.
    ++recursionCount_;
    view_.SetRecursionText("Recursive attempts = " + std::to_string(recursionCount_ - 1));
    return true;
  }
  recursionCount_ = 1;
  view_.SetRecursionText("Recursive attempts = None");
  view_.SetMemoText(ErrorMemoText(userText, report));
  int result = IErrorDialogView::ResultCancel;
  if (!view_.IsShowing()) {
    try {
      result = view_.ShowModal();
    } catch (...) {
      // The reporting path itself must never raise.
    }
  }
  recursionCount_ = 0;
  const bool yes = result == IErrorDialogView::ResultYes;
  if (noMoreErrors) *noMoreErrors = yes;
  return result == IErrorDialogView::ResultOk || yes;
}

}  // namespace qv
