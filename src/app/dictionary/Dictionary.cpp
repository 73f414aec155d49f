#include "app/dictionary/Dictionary.h"

#include "app/SidebarPlaces.h"
#include "app/controls/OptionFill.h"
#include "options/OptionSchema.h"

namespace qv::app {

namespace G = ProgramGeneralPage;

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
  Controls.ClipboardForDicCheckBox.OnClick = [this] { richEdit_.SetFocus(); };
}

}  // namespace qv::app
