// The rich-box adapter carries the real characters of UTF-8 and UTF-16 books
// to the control and back; positions count the control's UTF-16 units.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "book/BookReader.h"
#include "encoding/TextEncoding.h"
#include "richbox/RichOps.h"
#include "widgets/Form.h"
#include "widgets/RichEdit.h"

namespace qv::testing {
namespace {

// The adapter on a window of its own.
struct TBareRichBox {
  win::TForm form{"UnicodeBoxForm", "Unicode rich-box", 640, 400, {}};
  win::TRichEdit box{&form, "UnicodeBox", 0, 0, 640, 400};

  // The control's own text, breaks as the single CR it keeps.
  std::u16string ControlText() {
    std::wstring text(4096, L'\0');
    GETTEXTEX gt{};
    gt.cb = DWORD(text.size() * sizeof(wchar_t));
    gt.flags = GT_DEFAULT;
    gt.codepage = 1200;
    const LRESULT got = SendMessageW(box.Handle(), EM_GETTEXTEX, WPARAM(&gt), LPARAM(&text[0]));
    text.resize(size_t(got > 0 ? got : 0));
    return std::u16string(text.begin(), text.end());
  }
};

// Queen’s “garden” Ω 😀 — the apostrophe and quotes are in code page 1252, Ω and 😀 are not.
const std::string kFirstLine = "The Queen\xE2\x80\x99s \xE2\x80\x9Cgarden\xE2\x80\x9D \xCE\xA9 \xF0\x9F\x98\x80 end";
const std::u16string kFirstLineUnits = u"The Queen\u2019s \u201Cgarden\u201D \u03A9 \U0001F600 end";
const std::string kBook = kFirstLine + "\r\nSecond line\r\n";

enum class TWay { Appends, Burst, PlainStream };

TEST(UnicodeRichBox, BooksInEveryEncodingReachTheControlWithTheirCharacters) {
  TBareRichBox bare;
  win::TRichEdit& box = bare.box;
  const std::string expected = kFirstLine + "\r\nSecond line\r\n";
  const int32_t firstLength = int32_t(kFirstLineUnits.size());  // the emoji counts two
  for (TTextEncoding encoding : {TTextEncoding::Utf8Bom, TTextEncoding::Utf8, TTextEncoding::Utf16Le}) {
    const std::string bytes = EncodeText(kBook, encoding);
    ASSERT_EQ(DetectTextEncoding(bytes), encoding);
    for (TWay way : {TWay::Appends, TWay::Burst, TWay::PlainStream}) {
      const std::string where = std::string(EncodingKey(encoding)) + " way " + std::to_string(int(way));
      box.Clear();
      if (way == TWay::PlainStream) {
        std::istringstream in(bytes);
        ASSERT_TRUE(box.LoadPlainText(in));
      } else {
        const bool burst = way == TWay::Burst;
        if (burst) box.BeginUpdate();
        for (const std::string& line : BookLines(bytes, encoding)) box.AppendLine(line);
        if (burst) box.EndUpdate();
      }
      EXPECT_EQ(bare.ControlText().substr(0, kFirstLineUnits.size() + 1), kFirstLineUnits + u"\r") << where;
      EXPECT_EQ(box.GetText().substr(0, expected.size()), expected) << where;
      EXPECT_EQ(box.GetLineText(0), kFirstLine) << where;
      EXPECT_EQ(box.GetLineStart(1), firstLength + 2) << where;
      EXPECT_EQ(box.GetTextRange(21, 26), "\xCE\xA9 \xF0\x9F\x98\x80 ") << where;
      // Search finds the typographic apostrophe and the text after the emoji at their positions.
      box.SetSelection(0, 0);
      EXPECT_EQ(FindRichText(box, "Queen\xE2\x80\x99s", true, false), 4) << where;
      EXPECT_EQ(box.GetSelText(), "Queen\xE2\x80\x99s") << where;
      EXPECT_EQ(FindRichText(box, "END", true, false), 26) << where;
      EXPECT_EQ(FindRichText(box, "second", true, false), firstLength + 2) << where;
    }
  }
}

TEST(UnicodeRichBox, BurstsKeepWhatTheControlHeldAndPlainTextKeepsEveryCharacter) {
  TBareRichBox bare;
  win::TRichEdit& box = bare.box;
  std::istringstream unended("x");  // a final paragraph that holds text is ended first
  ASSERT_TRUE(box.LoadPlainText(unended));
  EXPECT_EQ(box.AppendLine(kFirstLine), int32_t(kFirstLineUnits.size()));
  box.Clear();
  EXPECT_EQ(box.AppendLine(kFirstLine), int32_t(kFirstLineUnits.size()));
  box.SetSelection(21, 4);  // "Ω 😀"
  SetRichSelTextColor(box, 0x0000FF);
  {
    // A burst starts from the control's content, read back from its rich text:
    // the characters and their formats.
    TRichUpdate burst(box);
    EXPECT_EQ(box.GetText(), kFirstLine + "\r\n");
    box.AppendLine("\xC3\xA9t\xC3\xA9");
  }
  EXPECT_EQ(bare.ControlText(), kFirstLineUnits + u"\r\u00E9t\u00E9\r");
  TCharFormat format;
  box.SetSelection(23, 2);
  box.GetCharFormat(format);
  EXPECT_EQ(format.TextColor, 0x0000FFu);
  box.SetSelection(25, 1);
  box.GetCharFormat(format);
  EXPECT_EQ(format.TextColor, 0u);
  std::ostringstream saved;
  ASSERT_TRUE(box.SavePlainText(saved));
  EXPECT_EQ(saved.str(), "\xEF\xBB\xBF" + kFirstLine + "\r\n\xC3\xA9t\xC3\xA9\r\n");
}

}  // namespace
}  // namespace qv::testing
