// The dictionary look-up: a word double-clicked in the rich-box is handed to
// the dictionary program, on its command line or through the clipboard, with
// the program and the mode as options.
#pragma once
#include "app/Sidebar.h"
#include "widgets/RichEdit.h"

namespace qv::app {

struct TDictionaryControls {
  explicit TDictionaryControls(TSidebar& sidebar);
  TEdit DictionaryTitleEdit;
  TButton ChangeDictionaryButton;
  TCheckBox ClipboardForDicCheckBox;
};

class TDictionary {
 public:
  TDictionary(TSidebar& sidebar, TRichEdit& richEdit);
  TDictionaryControls Controls;

  // A double click with the left button, after the rich-box selected the word:
  // the dictionary program starts anew for a selection of at most 20
  // characters that is not only blanks.
  void RichEditDoubleClick();
  // Chooses the dictionary program with the file-open dialog.
  void ChangeDictionaryButtonClick();

 private:
  TRichEdit& richEdit_;
};

}  // namespace qv::app
