// Encodings of plain-text books: detection, decoding, encoding, and the core's
// reading of UTF-8 text.
#include <gtest/gtest.h>

#include <string>

#include "encoding/TextEncoding.h"
#include "encoding/Utf8.h"

namespace qv {
namespace {

TEST(DetectTextEncoding, MarksThenAWellFormedSampleWithAMultiByteCharacter) {
  const std::string a(EncodingSampleSize, 'a');
  struct Case {
    std::string head;
    TTextEncoding expected;
    const char* what;
  } cases[] = {
      {"", TTextEncoding::Windows1252, "empty"},
      {"Plain ASCII.\r\nOnly.", TTextEncoding::Windows1252, "pure ASCII"},
      {"caf\xE9 au lait", TTextEncoding::Windows1252, "1252 e-acute as one byte"},
      {"\x93Quoted\x94 \xC3", TTextEncoding::Windows1252, "1252 quotes"},
      {"caf\xC3\xA9", TTextEncoding::Utf8, "UTF-8 e-acute"},
      {"Queen\xE2\x80\x99s \xF0\x9F\x98\x80", TTextEncoding::Utf8, "UTF-8 apostrophe and emoji"},
      {"caf\xC3\xA9 then caf\xE9", TTextEncoding::Windows1252, "a later ill-formed byte"},
      {"\xC0\xAF", TTextEncoding::Windows1252, "overlong form"},
      {"\xED\xA0\x80", TTextEncoding::Windows1252, "encoded surrogate"},
      {"caf\xC3\xA9 \xE2\x80", TTextEncoding::Windows1252, "a whole short book cut inside a character"},
      {"\xEF\xBB\xBFplain", TTextEncoding::Utf8Bom, "UTF-8 mark"},
      {"\xFF\xFEH\0", TTextEncoding::Utf16Le, "UTF-16 LE mark"},
      {"\xFE\xFF\0H", TTextEncoding::Utf16Be, "UTF-16 BE mark"},
      {a + "\xE2\x80\x99", TTextEncoding::Windows1252, "first multi-byte character past the sample"},
      {"\xC3\xA9" + a.substr(4) + "\xE2\x80" "\x99", TTextEncoding::Utf8, "a full sample cut inside a character"},
  };
  for (const Case& c : cases) EXPECT_EQ(DetectTextEncoding(c.head), c.expected) << c.what;
}

TEST(DecodeText, BadInputBecomesReplacementCharactersAndTheRestIsKept) {
  const std::string fffd = "\xEF\xBF\xBD";
  struct Case {
    std::string bytes;
    TTextEncoding encoding;
    std::string expected;
  } cases[] = {
      {"\x80\x81\x92\xE9\xFF", TTextEncoding::Windows1252, "\xE2\x82\xAC\xC2\x81\xE2\x80\x99\xC3\xA9\xC3\xBF"},
      {"\xEF\xBB\xBFok", TTextEncoding::Utf8Bom, "ok"},
      {"a\xE2\x80" "b", TTextEncoding::Utf8, "a" + fffd + "b"},
      {"\xC0\xAFz", TTextEncoding::Utf8, fffd + fffd + "z"},
      {"\xED\xA0\x80", TTextEncoding::Utf8, fffd + fffd + fffd},
      {"end\xF0\x9F\x98", TTextEncoding::Utf8, "end" + fffd},
      {"\xC3\xA9\xF0\x9F\x98\x80", TTextEncoding::Utf8, "\xC3\xA9\xF0\x9F\x98\x80"},
      {std::string("\xFF\xFEH\0i\0!", 7), TTextEncoding::Utf16Le, "Hi"},
      {std::string("\xFE\xFF\0H\0i", 6), TTextEncoding::Utf16Be, "Hi"},
      {std::string("\x3D\xD8\x00\xDE", 4), TTextEncoding::Utf16Le, "\xF0\x9F\x98\x80"},
      {std::string("\x3D\xD8x\0\x00\xDE", 6), TTextEncoding::Utf16Le, fffd + "x" + fffd},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeText(c.bytes, c.encoding), c.expected) << EncodingKey(c.encoding);
}

TEST(EncodeText, SavedBytesReadBackAsTheyWere) {
  std::string every1252;
  for (int b = 0; b < 256; ++b) every1252.push_back(char(b));
  struct Case {
    std::string bytes;
    TTextEncoding encoding;
  } cases[] = {
      {every1252, TTextEncoding::Windows1252},
      {"Queen\xE2\x80\x99s \xCE\xA9 \xF0\x9F\x98\x80\r\n", TTextEncoding::Utf8},
      {"\xEF\xBB\xBFQueen\xE2\x80\x99s\r\n", TTextEncoding::Utf8Bom},
      {std::string("\xFF\xFEQ\0\x19\x20\x3D\xD8\x00\xDE\r\0\n\0", 14), TTextEncoding::Utf16Le},
      {std::string("\xFE\xFF\0Q\x20\x19\xD8\x3D\xDE\x00", 10), TTextEncoding::Utf16Be},
  };
  for (const Case& c : cases) {
    const std::string text = DecodeText(c.bytes, c.encoding);
    EXPECT_EQ(EncodeText(text, SaveEncodingFor(c.encoding, text)), c.bytes) << EncodingKey(c.encoding);
  }
  // Code page text that gained a character the code page lacks keeps it, as UTF-8 with a mark.
  const std::string edited = DecodeText("caf\xE9 ", TTextEncoding::Windows1252) + "\xCE\xA9";
  const std::string saved = EncodeText(edited, SaveEncodingFor(TTextEncoding::Windows1252, edited));
  EXPECT_EQ(saved, "\xEF\xBB\xBF" "caf\xC3\xA9 \xCE\xA9");
  EXPECT_EQ(DecodeText(saved, DetectTextEncoding(saved)), edited);
  EXPECT_EQ(EncodeText(edited, TTextEncoding::Windows1252), "caf\xE9 ?");
}

TEST(Utf8Reading, LengthsPositionsAndConversionsAgree) {
  // ASCII, two-, three- and four-byte characters, and stray bytes read as code page 1252.
  const std::string text = "ab\xC3\xA9" "c\xE2\x80\x99\xF0\x9F\x98\x80" "d\x92\xE9\x80" "e";
  const std::u16string wide = u"ab\u00E9c\u2019\U0001F600d\u2019\u00E9\u20ACe";
  EXPECT_EQ(ToUtf16(text), wide);
  EXPECT_EQ(Utf16Length(text), int32_t(wide.size()));
  EXPECT_EQ(FromUtf16(wide), "ab\xC3\xA9" "c\xE2\x80\x99\xF0\x9F\x98\x80" "d\xE2\x80\x99\xC3\xA9\xE2\x82\xAC" "e");
  const size_t offsets[] = {0, 1, 2, 4, 5, 8, 8, 12, 13, 14, 15, 16, 17};
  for (int32_t unit = 0; unit <= int32_t(wide.size()); ++unit)
    EXPECT_EQ(ByteOffsetOfUnit(text, unit), offsets[unit]) << unit;
  EXPECT_EQ(BytesOfChars(text, 6), size_t(12));
  EXPECT_EQ(LastChar("x\xE2\x80\x9D"), U'\u201D');
  EXPECT_EQ(LastChar("x\xE2\x80"), U'\u20AC');  // a cut sequence: its last byte stands alone
  EXPECT_EQ(LastChar("\xC3\xA9\x80"), U'\u20AC');
  EXPECT_EQ(FirstChar("\xC2\xB7 item"), U'\u00B7');
  EXPECT_EQ(FromUtf16(u"a\xD800" "b"), "a\xEF\xBF\xBD" "b");
  EXPECT_EQ(EncodeText("\xE2\x80\x9Cq\xE2\x80\x9D \xCE\xA9 \xE9", TTextEncoding::Windows1252), "\x93q\x94 ? \xE9");
}

}  // namespace
}  // namespace qv
