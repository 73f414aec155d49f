// Judging the platform's error codes after a system call. The program clears
// the last-error value before each call it judges this way.
#pragma once
#include <cstdint>

namespace qv {

constexpr uint32_t kErrorFileNotFound = 2;
constexpr uint32_t kErrorNotEnoughMemory = 14;
constexpr uint32_t kErrorNoMoreFiles = 18;
constexpr uint32_t kErrorAlreadyExists = 183;
constexpr uint32_t kErrorRequestAborted = 1235;
constexpr uint32_t kHResultCancelled = 0x800704C7u;

// A failure unless the code is 0, 14 (out of memory) or 1235 (request aborted).
inline bool IsLastErrorFailure(uint32_t code) {
  return code != 0 && code != kErrorNotEnoughMemory && code != kErrorRequestAborted;
}
// As above, and 183 (already exists: opening a file that may exist) is no failure either.
inline bool IsLastErrorFailureExceptExists(uint32_t code) {
  return IsLastErrorFailure(code) && code != kErrorAlreadyExists;
}
// True for the codes a file search ends with normally: 0, 2 and 18.
inline bool IsFindErrorHarmless(uint32_t code) {
  return code == 0 || code == kErrorFileNotFound || code == kErrorNoMoreFiles;
}
// A negative result code other than a cancelled operation.
inline bool IsHResultFailure(int32_t hr) {
  return hr < 0 && static_cast<uint32_t>(hr) != kHResultCancelled;
}

}  // namespace qv
