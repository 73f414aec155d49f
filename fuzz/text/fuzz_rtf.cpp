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
  fuzz::Check(second.WholeText() == first.WholeText());
  // The second reading holds exactly what was written: writing it again changes nothing.
  fuzz::Check(DocumentToRtf(second) == written);
  return 0;
}
