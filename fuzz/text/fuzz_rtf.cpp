// Fuzz target: any bytes as rich text for the in-memory box. Reading never
// crashes; what is read, written and read again gives the same text, and
// writing that again gives the same rich text.
#include <cstdint>
#include <string>

#include "FuzzInput.h"
#include "richbox/Rtf.h"

using namespace qv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  TRichDocument first;
  if (!RtfToDocument(input, first)) return 0;
  const std::string written = DocumentToRtf(first);
  TRichDocument second;
  fuzz::Check(RtfToDocument(written, second));
  std::string expected;
  for (int32_t p = 0; p < first.ParagraphCount(); ++p) {
    if (p > 0) expected += "\r\n";
    for (char c : first.ParagraphText(p))
      if (static_cast<unsigned char>(c) >= 32 || c == '\t') expected.push_back(c);
  }
  fuzz::Check(second.WholeText() == expected);
  return 0;
}
