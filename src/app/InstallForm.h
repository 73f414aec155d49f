// The installer's window. It opens in install mode; installing and uninstalling
// are added to it by the installer work.
#pragma once
#include "widgets/Controls.h"

namespace qv::app {

class TInstallForm : public qv::win::TForm {
 public:
  TInstallForm() : TForm("InstallForm", "Install", 420, 240, TStyle{false, true, false}) {}
};

}  // namespace qv::app
