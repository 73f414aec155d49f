// GDI+ for the whole life of the main window: started when it is created and
// shut down when it is destroyed.
#pragma once
#include <cstdint>

namespace qv::win {

class TGdiPlusSession {
 public:
  TGdiPlusSession();
  ~TGdiPlusSession();
  TGdiPlusSession(const TGdiPlusSession&) = delete;
  TGdiPlusSession& operator=(const TGdiPlusSession&) = delete;
  bool Started() const { return token_ != 0; }

 private:
  uintptr_t token_ = 0;
};

}  // namespace qv::win
