#include "encoding/SystemCodePage.h"

namespace qv {

namespace {

class TWesternCodePage : public ISystemCodePage {
 public:
  uint32_t AnsiCodePage() override { return 1252; }
};

ISystemCodePage* installed = nullptr;

}  // namespace

ISystemCodePage& SystemCodePage() {
  static TWesternCodePage western;
  return installed ? *installed : western;
}

void SetSystemCodePage(ISystemCodePage* codePage) { installed = codePage; }

}  // namespace qv
