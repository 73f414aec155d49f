// The guarded operation: every user-facing operation runs its body through
// Guarded(), which records failures and escaped exceptions in a local context,
// shows failures of status Error or above with the operation's user text, and
// leaves the program-wide context back at Perfect.
#pragma once
#include <exception>
#include <string>
#include <utility>

#include "errors/FunStatContext.h"

namespace qv {

struct TOperation {
  const char* File;      // source file name as reported, e.g. "QuenvalisDialog"
  const char* Function;  // "Class::Method"
  const char* UserText;  // one sentence shown above the report; "" gives "Failed to perform."
  int Line;
};

// A body's own failure; lets deep helpers abort the body with a recorded failure.
struct TRaisedFailure {
  TFunStatContext Context;
};

namespace guard_detail {
void RecordException(TFunStatContext& local, const TOperation& op, const std::string& message,
                     bool typed);
void Finish(TFunStatContext& local, const TOperation& op, bool show);
}  // namespace guard_detail

// Runs body(local) as a guarded operation. Returns true when the body ended
// below Error. When show is false failures are recorded but not shown.
template <class Body>
bool Guarded(const TOperation& op, Body&& body, bool show = true) {
  FunStatContext.BeginFunction(op.File, op.Function, op.Line);
  TFunStatContext local;
  try {
    std::forward<Body>(body)(local);
  } catch (const TRaisedFailure& f) {
    local.Assign(f.Context);
  } catch (const std::exception& e) {
    guard_detail::RecordException(local, op, e.what(), true);
  } catch (...) {
    guard_detail::RecordException(local, op, "", false);
  }
  const bool ok = local.Status < Error;
  guard_detail::Finish(local, op, show);
  return ok;
}

// A silent library function: failures are recorded (usually as Warning) and
// left in the program-wide context for the caller to inspect.
template <class Body>
auto Silent(const TOperation& op, Body&& body) -> decltype(body(std::declval<TFunStatContext&>())) {
  FunStatContext.BeginFunction(op.File, op.Function, op.Line);
  TFunStatContext local;
  struct AssignOnExit {
    TFunStatContext& l;
    ~AssignOnExit() { FunStatContext.Assign(l); }
  } onExit{local};
  try {
    return std::forward<Body>(body)(local);
  } catch (const std::exception& e) {
    guard_detail::RecordException(local, op, e.what(), true);
    local.Status = Warning;
  } catch (...) {
    guard_detail::RecordException(local, op, "", false);
    local.Status = Warning;
  }
  return decltype(body(std::declval<TFunStatContext&>()))();
}

// After a library call that reports through the program-wide context: when it
// holds a status at or above minStatus, copy it into local (raised to raiseTo
// when that is higher) and answer true so the body can stop.
bool TakeFailure(TFunStatContext& local, int32_t minStatus = Warning, int32_t raiseTo = Error);

}  // namespace qv

#define QV_OP(file, function, userText) (::qv::TOperation{file, function, userText, __LINE__})
