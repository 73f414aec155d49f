// A kernel handle closed on every way out of a scope; a null or invalid handle
// (what a failed open answers) is left alone.
#pragma once
#include <windows.h>

namespace qv::win {

struct TScopedHandle {
  HANDLE H = nullptr;
  TScopedHandle() = default;
  explicit TScopedHandle(HANDLE h) : H(h) {}
  ~TScopedHandle() {
    if (H && H != INVALID_HANDLE_VALUE) CloseHandle(H);
  }
  TScopedHandle(const TScopedHandle&) = delete;
  TScopedHandle& operator=(const TScopedHandle&) = delete;
};

}  // namespace qv::win
