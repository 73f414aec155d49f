#include "forms/AboutForm.h"

#include "errors/Dialogs.h"
#include "errors/Guard.h"
#include "platform/FileServices.h"
#include "platform/ShellGateway.h"
#include "widgets/Application.h"

namespace qv::win {

TAboutForm* AboutForm = nullptr;

namespace {
void OpenPage(const std::string& address) { OpenSite(address, "Failed to open site."); }
}  // namespace

TAboutForm::TAboutForm(TForm* owner)
    : TForm("AboutForm", "About", 360, 282, TStyle{false, true, false}, owner),
      ProgramNameLabel(this, "ProgramNameLabel", "", 20, 15, 320, 40),
      ProgramVersionLabel(this, "ProgramVersionLabel", "", 20, 60, 320, 20),
      AuthorLabel(this, "AuthorLabel", "Written by the Quenvalis developers.", 20, 90, 320, 20),
      OtherProgramsLabel(this, "OtherProgramsLabel",
                         "Also by us: the Quenvalis measure converter and bookshelf tools.", 20,
                         112, 320, 34, true),
      DataFolderLabel(this, "DataFolderLabel", "Your options, bookshelf and profiles are kept in:", 20, 152,
                      320, 18),
      DataFolderEdit(this, "DataFolderEdit", 20, 172, 226, 24),
      OpenDataFolderButton(this, "OpenDataFolderButton", "Open &folder", 254, 172, 86, 24),
      VisitSiteButton(this, "VisitSiteButton", "Visit my site", 20, 208, 100, 25),
      ContactButton(this, "ContactButton", "Contact me", 130, 208, 100, 25),
      LicenseButton(this, "LicenseButton", "License terms", 240, 208, 100, 25),
      OkayButton(this, "OkayButton", "&Okay", 130, 245, 100, 25) {
  TFontStyle big;
  big.Face = "Arial";
  big.Height = 32;
  big.Bold = true;
  big.Italic = true;
  ProgramNameLabel.SetFont(big);
  VisitSiteButton.OnClick = [] { OpenPage("https://quenvalis.example.org/"); };
  ContactButton.OnClick = [] { OpenPage("mailto:authors@quenvalis.example.org"); };
  LicenseButton.OnClick = [] { OpenPage("https://quenvalis.example.org/license.html"); };
  DataFolderEdit.SetReadOnly(true);
  OpenDataFolderButton.OnClick = [this] {
    Guarded(QV_OP("AboutDialog", "TAboutForm::OpenDataFolderButtonClick", "Failed to open the folder."),
            [this](TFunStatContext& local) {
              TShellRequest request;
              request.File = DataFolderEdit.Text();
              request.Owner = Handle();
              uint32_t error = 0;
              if (!ShellGateway().Execute(request, error))
                local.Raise("AboutDialog", "TAboutForm::OpenDataFolderButtonClick", error, "Failed to run file.",
                            request.File, "", Error, __LINE__);
            });
  };
  OkayButton.OnClick = [this] { SetModalResult(mrOk); };
  SetCancelControl([this] { SetModalResult(mrCancel); });
  SetActiveControl(&OkayButton);
  AboutForm = this;
}

void TAboutForm::ShowDataFolder(const std::string& folder) { DataFolderEdit.SetText(folder); }

void TAboutForm::Dialog() {
  Guarded(QV_OP("AboutDialog", "TAboutForm::Dialog", "Failed to show the \"About\" dialog."),
          [this](TFunStatContext&) {
            CenterOn(Application().MainForm);
            ShowModal();
          });
}

}  // namespace qv::win
