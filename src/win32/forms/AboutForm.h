// The about box: program name, version, author, the folder of the reader's
// own files, and three web pages.
#pragma once
#include "widgets/Controls.h"

namespace qv::win {

class TAboutForm : public TForm {
 public:
  explicit TAboutForm(TForm* owner);
  // Shows the box modally (a guarded operation).
  void Dialog();
  // Names the folder of the reader's options, bookshelf and profiles.
  void ShowDataFolder(const std::string& folder);

  TLabel ProgramNameLabel, ProgramVersionLabel, AuthorLabel, OtherProgramsLabel, DataFolderLabel;
  TEdit DataFolderEdit;  // read-only: the folder can be selected and copied
  TButton OpenDataFolderButton;
  TButton VisitSiteButton, ContactButton, LicenseButton, OkayButton;
};

extern TAboutForm* AboutForm;

}  // namespace qv::win
