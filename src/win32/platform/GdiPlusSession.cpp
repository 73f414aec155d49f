#include "platform/GdiPlusSession.h"

#include <windows.h>

namespace qv::win {
namespace {
// The flat start-up record of GDI+ (version 1).
struct TStartupInput {
  UINT32 Version = 1;
  void* DebugEventCallback = nullptr;
  BOOL SuppressBackgroundThread = FALSE;
  BOOL SuppressExternalCodecs = FALSE;
};
}  // namespace

extern "C" {
int WINAPI GdiplusStartup(ULONG_PTR* token, const TStartupInput* input, void* output);
void WINAPI GdiplusShutdown(ULONG_PTR token);
}

TGdiPlusSession::TGdiPlusSession() {
  TStartupInput input;
  ULONG_PTR token = 0;
  if (GdiplusStartup(&token, &input, nullptr) == 0) token_ = token;
}

TGdiPlusSession::~TGdiPlusSession() {
  if (token_) GdiplusShutdown(token_);
}

}  // namespace qv::win
