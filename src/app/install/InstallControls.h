// The control kind the installer window needs beyond the widget layer's.
#pragma once
#include "widgets/Controls.h"

namespace qv::app {

// A raised panel that shows its caption in its middle (the installer's greeting).
class TCaptionPanel : public win::TLabel {
 public:
  TCaptionPanel(win::TControl* parent, const std::string& name, int x, int y, int w, int h);

 protected:
  bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

}  // namespace qv::app
