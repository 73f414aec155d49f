#include "app/dictionary/Dictionary.h"

#include "app/SidebarPlaces.h"
#include "app/controls/OptionFill.h"
#include "dictionary/DictionaryLookUp.h"
#include "encoding/Utf8.h"
#include "errors/Guard.h"
#include "options/OptionSchema.h"
#include "platform/FileServices.h"
#include "widgets/FileDialogs.h"

namespace qv::app {

namespace {
const char* const kFile = "QuenvalisDialog";
namespace G = ProgramGeneralPage;
}  // namespace

TDictionaryControls::TDictionaryControls(TSidebar& s)
    : DictionaryTitleEdit(&s.DictionaryOptionsGroupBox, G::DictionaryTitleEdit),
      ChangeDictionaryButton(&s.DictionaryOptionsGroupBox, G::ChangeDictionaryButton, "Load"),
      ClipboardForDicCheckBox(&s.DictionaryOptionsGroupBox, G::ClipboardForDicCheckBox,
                              "Use clipboard for dictionary") {
  MakeReadOnlyEdit(DictionaryTitleEdit);
  DictionaryTitleEdit.SetText(OptionOf("DictionaryTitle").Text);
  DictionaryTitleEdit.SetHint("File title of dictionary program");
  ChangeDictionaryButton.SetHint("Change the dictionary program");
  ClipboardForDicCheckBox.SetHint("Use the clipboard to query the dictionary");
  CheckFromOption(ClipboardForDicCheckBox);
}

TDictionary::TDictionary(TSidebar& sidebar, TRichEdit& richEdit) : Controls(sidebar), richEdit_(richEdit) {
  Controls.ClipboardForDicCheckBox.OnClick = [this] { FocusBookAfterOption(richEdit_); };
  Controls.ChangeDictionaryButton.OnClick = [this] { ChangeDictionaryButtonClick(); };
}

void TDictionary::RichEditDoubleClick() {
  Guarded(QV_OP(kFile, "TQuenvalisForm::RichEditMouseDown", "Failed to run file."), [&](TFunStatContext& local) {
    const std::string program = Controls.DictionaryTitleEdit.Text();
    // The word goes to the program on its command line, every character as it is.
    const TDictionaryLookUp lookUp = DecideDictionaryLookUp(richEdit_.GetSelText(), program,
                                                            Controls.ClipboardForDicCheckBox.Checked());
    if (!lookUp.Run) return;
    if (lookUp.CopySelection) richEdit_.CopySelection();
    if (!RunFile(program, lookUp.Parameters, "", false, false)) TakeFailure(local);
  });
}

void TDictionary::ChangeDictionaryButtonClick() {
  Guarded(QV_OP(kFile, "TQuenvalisForm::ChangeDictionaryButtonClick", "Failed to change dictionary."),
          [&](TFunStatContext&) {
            TOpenDialog dialog;
            dialog.Request.Filter = "Programs (*.exe)|*.exe";
            dialog.Request.FileName = Controls.DictionaryTitleEdit.Text();
            if (dialog.Execute()) Controls.DictionaryTitleEdit.SetText(GetFullPath(dialog.FileName()));
          });
  FocusBookAfterOption(richEdit_);
}

}  // namespace qv::app
