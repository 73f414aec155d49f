// The dictionary look-up of a double-clicked word, decided without the window:
// whether to start the dictionary program, and how the word reaches it.
#pragma once
#include <string>

namespace qv {

// The longest selection handed to the dictionary, blanks included.
constexpr size_t MaxDictionaryWord = 20;

struct TDictionaryLookUp {
  bool Run = false;            // start the dictionary program (a new process each time)
  bool CopySelection = false;  // first copy the selection with the rich-box's own copy
  std::string Parameters;      // RunFile's parameters: the untrimmed selection, or none
};

// Runs only when the selection trimmed of blanks (and control characters) is
// not empty, the dictionary path is not empty, and the untrimmed selection is
// at most 20 characters long. With the clipboard option the word goes through
// the clipboard and there are no parameters; otherwise the parameters are the
// selection exactly as the control made it (a blank after the word included).
TDictionaryLookUp DecideDictionaryLookUp(const std::string& selection,
                                         const std::string& dictionaryPath, bool useClipboard);

}  // namespace qv
