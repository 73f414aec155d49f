// Fuzz target: any bytes as a book in each encoding. Detection and decoding
// never crash; the decoded text is well-formed UTF-8 no longer than the input
// allows; encoding it again and decoding gives it back (code page bytes come
// back exactly); and the core's reading of the raw bytes agrees with itself:
// lengths, unit offsets, the last character and the UTF-16 form.
#include <cstdint>
#include <string>

#include "FuzzInput.h"
#include "encoding/TextEncoding.h"
#include "encoding/Utf8.h"

using namespace qv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const TTextEncoding encoding = AllTextEncodings()[data[0] % AllTextEncodings().size()];
  const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  DetectTextEncoding(bytes);

  const std::string text = DecodeText(bytes, encoding);
  fuzz::Check(fuzz::WellFormed(text));
  const bool utf16 = encoding == TTextEncoding::Utf16Le || encoding == TTextEncoding::Utf16Be;
  fuzz::Check(size_t(Utf16Length(text)) <= (utf16 ? bytes.size() / 2 : bytes.size()));
  const std::string again = EncodeText(text, encoding);
  fuzz::Check(DecodeText(again, encoding) == text);
  if (IsCodePage(encoding)) fuzz::Check(again == bytes);

  // The raw bytes as the core reads any text.
  const std::u16string units = ToUtf16(bytes);
  fuzz::Check(size_t(Utf16Length(bytes)) == units.size());
  const std::string normal = FromUtf16(units);
  fuzz::Check(fuzz::WellFormed(normal) && ToUtf16(normal) == units);
  fuzz::Check(EncodeText(bytes, TTextEncoding::Utf8) == normal);
  char32_t last = 0;
  int32_t unit = 0;  // before the character at i
  for (size_t i = 0, count = 0; i < bytes.size(); ++count) {
    const size_t at = i;
    last = ReadChar(bytes, i);
    fuzz::Check(i > at && i - at <= 4);
    // Every unit of a character maps back to its first byte (looked at for a sample of characters).
    if (count < 256 || count % 97 == 0) {
      fuzz::Check(ByteOffsetOfUnit(bytes, unit) == at);
      if (UnitsOf(last) == 2) fuzz::Check(ByteOffsetOfUnit(bytes, unit + 1) == at);
    }
    unit += UnitsOf(last);
  }
  fuzz::Check(size_t(unit) == units.size());
  fuzz::Check(LastChar(bytes) == last);
  fuzz::Check(ByteOffsetOfUnit(bytes, int32_t(units.size())) == bytes.size());
  return 0;
}
