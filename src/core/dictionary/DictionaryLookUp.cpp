#include "dictionary/DictionaryLookUp.h"

#include <algorithm>

namespace qv {

TDictionaryLookUp DecideDictionaryLookUp(const std::string& selection,
                                         const std::string& dictionaryPath, bool useClipboard) {
  TDictionaryLookUp lookUp;
  const bool blank = std::all_of(selection.begin(), selection.end(),
                                 [](char c) { return static_cast<unsigned char>(c) <= ' '; });
  if (blank || dictionaryPath.empty() || selection.size() > MaxDictionaryWord) return lookUp;
  lookUp.Run = true;
  lookUp.CopySelection = useClipboard;
  if (!useClipboard) lookUp.Parameters = selection;
  return lookUp;
}

}  // namespace qv
