// Detection of the code page of books without a mark, on real-shaped text:
// each sample paragraph in each page that writes its language.
#include <gtest/gtest.h>

#include <string>

#include "encoding/SampleTexts.h"
#include "encoding/SystemCodePage.h"
#include "encoding/TextEncoding.h"

namespace qv {
namespace {

using E = TTextEncoding;

// One word in each page, with the bytes the page's published table gives it.
TEST(CodePages, KnownWordsEncodeToThePublishedBytes) {
  const struct {
    const char* text;
    E page;
    const char* bytes;
  } cases[] = {
      {u8"Глава", E::Windows1251, "\xC3\xEB\xE0\xE2\xE0"},
      {u8"Глава", E::Koi8R, "\xE7\xCC\xC1\xD7\xC1"},
      {u8"Глава", E::Ibm866, "\x83\xAB\xA0\xA2\xA0"},
      {u8"Глава", E::Iso8859_5, "\xB3\xDB\xD0\xD2\xD0"},
      {u8"Розділ її", E::Koi8U, "\xF2\xCF\xDA\xC4\xA6\xCC \xA7\xA7"},
      {u8"Rozdział śćź", E::Windows1250, "Rozdzia\xB3 \x9C\xE6\x9F"},
      {u8"Rozdział śćź", E::Iso8859_2, "Rozdzia\xB3 \xB6\xE6\xBC"},
      {u8"Κεφάλαιο", E::Windows1253, "\xCA\xE5\xF6\xDC\xEB\xE1\xE9\xEF"},
      {u8"Κεφάλαιο", E::Iso8859_7, "\xCA\xE5\xF6\xDC\xEB\xE1\xE9\xEF"},
      {u8"Bölüm ğış", E::Windows1254, "B\xF6l\xFCm \xF0\xFD\xFE"},
      {u8"Pirmas ąčęėįšųūž", E::Windows1257, "Pirmas \xE0\xE8\xE6\xEB\xE1\xF0\xF8\xFB\xFE"},
      {u8"„€“", E::Windows1252, "\x84\x80\x93"},
      {u8"œ€", E::Iso8859_15, "\xBD\xA4"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EncodeText(c.text, c.page), c.bytes) << EncodingKey(c.page);
    EXPECT_EQ(DecodeText(c.bytes, c.page), c.text) << EncodingKey(c.page);
  }
}

// On a Western and on a Russian system: a book reads as what it was written
// in, named by its page (or, where two pages read every byte of it alike, by
// the system's page or the Windows page of its script).
TEST(DetectTextEncoding, FindsTheCodePageOfRealShapedText) {
  const struct {
    const std::string& text;
    E written;
    E onWestern, onRussian;
  } cases[] = {
      {samples::kRussian, E::Windows1251, E::Windows1251, E::Windows1251},
      {samples::kRussian, E::Koi8R, E::Koi8R, E::Koi8R},
      {samples::kRussian, E::Ibm866, E::Ibm866, E::Ibm866},
      {samples::kRussian, E::Iso8859_5, E::Iso8859_5, E::Iso8859_5},
      {samples::kUkrainian, E::Koi8U, E::Koi8U, E::Koi8U},
      {samples::kUkrainian, E::Windows1251, E::Windows1251, E::Windows1251},
      {samples::kPolish, E::Windows1250, E::Windows1250, E::Windows1250},
      {samples::kPolish, E::Iso8859_2, E::Iso8859_2, E::Iso8859_2},
      {samples::kCzech, E::Windows1250, E::Windows1250, E::Windows1250},
      {samples::kCzech, E::Iso8859_2, E::Iso8859_2, E::Iso8859_2},
      {samples::kGreek, E::Windows1253, E::Windows1253, E::Windows1253},
      {samples::kGreek, E::Iso8859_7, E::Windows1253, E::Windows1253},  // no byte reads otherwise
      {samples::kFrench, E::Windows1252, E::Windows1252, E::Windows1252},
      {samples::kFrench, E::Iso8859_15, E::Windows1252, E::Windows1252},
      {samples::kGerman, E::Windows1252, E::Windows1252, E::Windows1252},
      {samples::kTurkish, E::Windows1254, E::Windows1254, E::Windows1254},
      {samples::kLithuanian, E::Windows1257, E::Windows1257, E::Windows1257},
      {samples::kLithuanian, E::Iso8859_13, E::Windows1257, E::Windows1257},
      {samples::kEstonian, E::Windows1257, E::Windows1252, E::Windows1252},  // õ ä ö ü as in 1252
  };
  for (const auto& c : cases) {
    const std::string bytes = EncodeText(c.text, c.written);
    ASSERT_TRUE(CanEncode(c.text, c.written)) << EncodingKey(c.written);
    for (const uint32_t system : {1252u, 1251u}) {
      TFixedSystemCodePage page(system);
      const E found = DetectTextEncoding(bytes);
      EXPECT_EQ(EncodingKey(found), EncodingKey(system == 1252 ? c.onWestern : c.onRussian))
          << EncodingKey(c.written) << " on " << system << ": " << c.text.substr(0, 40);
      EXPECT_EQ(DecodeText(bytes, found), c.text) << EncodingKey(c.written) << " on " << system;
    }
  }
}

// What the bytes cannot tell is the system's ANSI code page: ASCII, a few
// letters, pages the reader has no table for; a UTF-8 text is never taken
// for a code page.
TEST(DetectTextEncoding, TheSystemCodePageWhereTheBytesTellNothingBetter) {
  const std::string russian = EncodeText(samples::kRussian, E::Windows1251);
  const struct {
    uint32_t system;
    std::string bytes;
    E expected;
    const char* what;
  } cases[] = {
      {1251, "Plain ASCII.\r\n", E::Windows1251, "ASCII on a Russian system"},
      {1250, "Plain ASCII.\r\n", E::Windows1250, "ASCII on a Central European system"},
      {932, "Plain ASCII.\r\n", E::Windows1252, "a multi-byte system page has no table: Windows-1252"},
      {1251, "\xC3\xEB\xE0\xE2\xE0 1", E::Windows1251, "one word on a Russian system"},
      {1252, "\xC3\xEB\xE0\xE2\xE0 1", E::Windows1252, "one word on a Western system"},
      {1252, russian, E::Windows1251, "a Russian book on a Western system"},
      {1253, russian, E::Windows1251, "a Russian book on a Greek system"},
      {1251, samples::kRussian, E::Utf8, "UTF-8 on a Russian system"},
  };
  for (const auto& c : cases) {
    TFixedSystemCodePage page(c.system);
    EXPECT_EQ(EncodingKey(DetectTextEncoding(c.bytes)), EncodingKey(c.expected)) << c.what;
  }
}

TEST(TextEncodingNames, KeysCaptionsAndCodePageNumbersNameEachEncodingOnce) {
  for (const E e : AllTextEncodings()) {
    E back = E::Utf8;
    ASSERT_TRUE(EncodingOfKey(EncodingKey(e), back)) << EncodingKey(e);
    EXPECT_EQ(back, e) << EncodingKey(e);
    EXPECT_NE(std::string(EncodingCaption(e)), "") << EncodingKey(e);
  }
  E e = E::Utf8;
  EXPECT_TRUE(EncodingOfKey("KOI8-R", e));
  EXPECT_EQ(e, E::Koi8R);
  EXPECT_FALSE(EncodingOfKey("ansi", e));
  EXPECT_TRUE(EncodingOfCodePage(20866, e));
  EXPECT_EQ(e, E::Koi8R);
  EXPECT_FALSE(EncodingOfCodePage(65001, e));  // UTF-8 is no system ANSI code page of a book
  EXPECT_FALSE(EncodingOfCodePage(932, e));
}

}  // namespace
}  // namespace qv
