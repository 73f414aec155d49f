// Fuzz target: the detector's input path and the name conversions. Any bytes,
// with a system code page taken from the first byte, are detected as a book
// (marks, UTF-8, the detector over the evidence it gathers) and as a stored
// file; what is found decodes to well-formed UTF-8 that encodes back. As a
// name, the bytes convert to UTF-16 and back, upper-case to a fixed point that
// compares equal to them, and fold for the chapter-word test.
#include <cstdint>
#include <string>

#include "FuzzInput.h"
#include "encoding/SystemCodePage.h"
#include "encoding/TextEncoding.h"
#include "encoding/UnicodeText.h"
#include "encoding/Utf8.h"
#include "text/LineRules.h"

using namespace qv;

namespace {

const uint32_t kCodePages[] = {1252, 1250, 1251, 1253, 1254, 1257, 866, 20866, 932, 65001};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  TFixedSystemCodePage system(kCodePages[data[0] % (sizeof kCodePages / sizeof kCodePages[0])]);
  const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);

  // The detector's path, for a book and for a stored file.
  for (const TTextEncoding found : {DetectTextEncoding(bytes), DetectCodePage(bytes), DetectStoredTextEncoding(bytes)}) {
    const std::string text = DecodeText(bytes, found);
    fuzz::Check(fuzz::WellFormed(text));
    if (IsCodePage(found)) {
      fuzz::Check(EncodeText(text, found) == bytes);  // every byte is a character of a code page
      fuzz::Check(CanEncode(text, found));
    }
    fuzz::Check(DecodeText(EncodeText(text, SaveEncodingFor(found, text)), SaveEncodingFor(found, text)) == text);
  }

  // The bytes as a name.
  const std::u16string wide = ToUtf16(bytes);
  const std::string name = FromUtf16(wide);
  fuzz::Check(fuzz::WellFormed(name) && ToUtf16(name) == wide);
  const std::string upper = UpperCase(name);
  fuzz::Check(fuzz::WellFormed(upper));
  fuzz::Check(UpperCase(upper) == UpperCase(UpperCase(upper)));
  fuzz::Check(SameText(name, name) && SameText(bytes, name));
  fuzz::Check(StartsText(name.substr(0, BytesOfChars(name, 3)), name));
  FoldedForMatching(bytes, 16);
  IsHeadingLine(bytes);
  return 0;
}
