#include "errors/Guard.h"

namespace qv {
namespace guard_detail {

void RecordException(TFunStatContext& local, const TOperation& op, const std::string& message,
                     bool typed) {
  const std::string description =
      typed ? "Unhandled exception: " + message : std::string("Unhandled generic exception.");
  // The throw site's file and line are not available from a C++ exception.
  local.Raise(op.File, op.Function, 0, description, "", "", Error, op.Line);
}

void Finish(TFunStatContext& local, const TOperation& op, bool show) {
  if (local.Status >= Error && show) {
    local.SetShowContext(op.File, "", op.Line);
    local.Show(op.UserText);
  }
  local.Reset(Perfect);
  FunStatContext.Assign(local);
}

}  // namespace guard_detail

bool TakeFailure(TFunStatContext& local, int32_t minStatus, int32_t raiseTo) {
  const int32_t status = FunStatContext.Status;
  // BeginFunctionError left behind means a callee never finished: count it too.
  if (status < minStatus || status == Perfect) return false;
  local.Assign(FunStatContext);
  if (local.Status < raiseTo) local.Status = raiseTo;
  return true;
}

}  // namespace qv
