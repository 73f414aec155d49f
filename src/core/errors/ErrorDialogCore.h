// The behaviour of the error dialog that does not depend on the window: the
// recursion rule, the memo text, the result mapping and the log record rules.
#pragma once
#include <cstdint>
#include <string>

#include "errors/ErrorPlatform.h"

namespace qv {

// What the dialog window must offer the core.
class IErrorDialogView {
 public:
  enum Result { ResultOk = 1, ResultCancel = 2, ResultYes = 6 };
  virtual ~IErrorDialogView() = default;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetRecursionText(const std::string& text) = 0;
  virtual void SetMemoText(const std::string& text) = 0;
  virtual bool IsShowing() const = 0;
  // Shows the dialog modally and answers how it was closed.
  virtual int ShowModal() = 0;
};

class TErrorDialogCore : public IErrorDialog {
 public:
  explicit TErrorDialogCore(IErrorDialogView& view) : view_(view) {}
  int32_t RecursionCount() const override { return recursionCount_; }
  bool Dialog(const std::string& caption, const std::string& userText, bool* noMoreErrors,
              const std::string& report) override;

 private:
  IErrorDialogView& view_;
  int32_t recursionCount_ = 0;
};

// The memo text for a report: "DESCRIPTION", the user text, then the report.
std::string ErrorMemoText(const std::string& userText, const std::string& report);

// The log keeps growing only up to this size; a larger log is emptied first.
constexpr uint64_t kErrorLogLimit = 10000;
inline bool ShouldEmptyErrorLog(uint64_t size) { return size > kErrorLogLimit; }
// One appended log record for the memo text.
std::string ErrorLogRecord(const std::string& memoText);

}  // namespace qv
