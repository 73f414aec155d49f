// Fuzz target: lines beginning with '^' are parsed and executed as formatting
// commands, other lines are added as paragraphs, so every command's format
// reaches the box. Invariants: depths stay within the stacks, TextPos follows
// the box's length, and a failing colour argument is the only exception.
#include <cstdint>
#include <stdexcept>
#include <string>

#include "FuzzInput.h"
#include "richbox/MemoryRichBox.h"
#include "text/EnhancedRichEdit.h"

using namespace qv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::InstallQuietEnvironment();
  if (size == 0) return 0;
  TMemoryRichBox box;
  TEnhancedRichEdit enhancer(box, (data[0] & 1) != 0);
  enhancer.ForceRichEdit3 = (data[0] & 2) != 0;
  enhancer.ApplyCharFormat(true, 0);
  enhancer.ApplyParaFormat(true, 0);
  std::string text;
  for (const std::string& line : fuzz::InputLines(data + 1, size - 1, 400)) {
    text = line;
    if (!text.empty() && text[0] == '^') {
      try {
        enhancer.ParseCommandLine(text);
      } catch (const std::runtime_error&) {
        continue;  // a colour argument that is neither a name nor a number
      }
    } else {
      enhancer.AddParagraph(text);
      fuzz::Check(text.empty());
    }
    for (int p = 0; p < FormatPropertyCount; ++p) {
      fuzz::Check(enhancer.Format.Depth(p) >= 0 && enhancer.Format.Depth(p) < FormatStackLevels);
    }
    fuzz::Check(enhancer.TextPos == box.GetTextLength());
  }
  enhancer.PopSingleUse();
  fuzz::Check(enhancer.TextPos == box.GetTextLength());
  return 0;
}
