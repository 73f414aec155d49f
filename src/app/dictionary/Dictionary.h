// The dictionary look-up's options: the dictionary program and the clipboard mode.
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

 private:
  TRichEdit& richEdit_;
};

}  // namespace qv::app
