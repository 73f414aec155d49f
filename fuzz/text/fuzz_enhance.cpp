// Fuzz target: EnhanceText over the input's lines, with the options taken from
// the first byte; the lines are raw bytes, read as the core reads any text.
// Invariants: every paragraph is accounted for in TextPos, chapters are at
// most 30 with captions of at most 50 characters and tags that are paragraph
// starts, the whole-text emphasis keeps the text, and the rich text written
// for the result reads back to the same characters.
#include <cstdint>
#include <sstream>
#include <string>

#include "FuzzInput.h"
#include "encoding/Utf8.h"
#include "richbox/MemoryRichBox.h"
#include "richbox/Rtf.h"
#include "text/EnhancedRichEdit.h"

using namespace qv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::InstallQuietEnvironment();
  if (size == 0) return 0;
  static const char* const prefixes[] = {"None", "Tab", "Blanks", "- ", "* ", "\xB7 ", "None", "Tab"};
  const uint8_t options = data[0];
  TMemoryRichBox box;
  TEnhancedRichEdit enhancer(box, (options & 1) != 0);
  enhancer.SetDefaults(false, false, 120, 5, options & 8 ? 10 : 0, options & 16 ? 3 : 0, 0x5A00B4, 0x820000,
                       0, 0, 16, "", false);
  enhancer.ApplyCharFormat(true, 0);
  enhancer.ApplyParaFormat(true, 0);
  int progress = 0;
  if (options & 0x80) enhancer.OnProgress = [&progress](int32_t) { return ++progress == 50; };
  const std::vector<std::string> lines = fuzz::InputLines(data + 1, size - 1, 2000);
  enhancer.EnhanceText(lines, prefixes[(options >> 1) & 3], (options & 32) != 0, (options & 64) != 0);

  if (enhancer.StopRequested) {
    fuzz::Check(box.GetTextLength() == 0);
    return 0;
  }
  if (enhancer.Failure.Status < Error) fuzz::Check(enhancer.TextPos == box.GetTextLength());
  const TRichDocument& doc = box.Document();
  if (enhancer.ChaptersMenu) {
    fuzz::Check(!enhancer.ChaptersMenu->Items.empty() && enhancer.ChaptersMenu->Items.size() <= 30);
    for (const TChapterItem& item : enhancer.ChaptersMenu->Items) {
      fuzz::Check(BytesOfChars(item.Caption, 50) == item.Caption.size());
      const int32_t p = doc.FindParagraph(item.Tag);
      fuzz::Check(doc.ParagraphStart(p) == item.Tag);
    }
  }
  const std::string before = box.GetText();
  enhancer.EmphasizeText(0x0000FF, 0x00FF00);
  fuzz::Check(box.GetText() == before);

  std::stringstream rtf;
  box.SaveRichText(rtf);
  TMemoryRichBox copy;
  fuzz::Check(copy.LoadRichText(rtf));
  fuzz::Check(copy.GetText() == FromUtf16(ToUtf16(before)));
  return 0;
}
