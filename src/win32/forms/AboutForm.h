// The about box: program name, version, author, and three web pages.
#pragma once
#include "widgets/Controls.h"

namespace qv::win {

class TAboutForm : public TForm {
 public:
  explicit TAboutForm(TForm* owner);
  // Shows the box modally (a guarded operation).
  void Dialog();

  TLabel ProgramNameLabel, ProgramVersionLabel, AuthorLabel, OtherProgramsLabel;
  TButton VisitSiteButton, ContactButton, LicenseButton, OkayButton;
};

extern TAboutForm* AboutForm;

}  // namespace qv::win
