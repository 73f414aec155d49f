#include "dictionary/DictionaryLookUp.h"

#include <algorithm>

#include "encoding/Utf8.h"

namespace qv {

namespace {

size_t CharCount(const std::string& text) {
  size_t count = 0;
  for (size_t i = 0; i < text.size(); ++count) ReadChar(text, i);
  return count;
}

}  // namespace

TDictionaryLookUp DecideDictionaryLookUp(const std::string& selection,
                                         const std::string& dictionaryPath, bool useClipboard) {
  TDictionaryLookUp lookUp;
  const bool blank = std::all_of(selection.begin(), selection.end(),
                                 [](char c) { return static_cast<unsigned char>(c) <= ' '; });
  if (blank || dictionaryPath.empty() || CharCount(selection) > MaxDictionaryWord) return lookUp;
  lookUp.Run = true;
  lookUp.CopySelection = useClipboard;
  if (!useClipboard) lookUp.Parameters = selection;
  return lookUp;
}

}  // namespace qv
