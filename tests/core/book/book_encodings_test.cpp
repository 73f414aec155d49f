// One book in code page 1252 and in UTF-8 comes out of the enhancer the same:
// paragraphs, positions, headings, hyphens and quote emphasis.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "book/BookReader.h"
#include "encoding/Utf8.h"
#include "errors/ErrorFakes.h"
#include "richbox/MemoryRichBox.h"
#include "text/EnhancedRichEdit.h"
#include "text/TextLines.h"

namespace qv {
namespace {

struct TEnhancedBook {
  TMemoryRichBox box;
  TEnhancedRichEdit enhancer{box, true};
  explicit TEnhancedBook(const std::vector<std::string>& lines) {
    enhancer.SetDefaults(false, false, 120, 5, 0, 3, 0x00FF00, 0x0000FF, 0, 0, 16, "", false);
    enhancer.ApplyCharFormat(true, 0);
    enhancer.ApplyParaFormat(true, 0);
    enhancer.EnhanceText(lines, "- ", false, false);
  }
  // Every paragraph with its start and its runs: start, length, colour, underline.
  std::string Describe() const {
    const TRichDocument& doc = box.Document();
    std::string out;
    for (int32_t p = 0; p < doc.ParagraphCount(); ++p) {
      out += std::to_string(doc.ParagraphStart(p)) + " " + std::string(doc.ParagraphText(p)) + " |";
      for (const TRichDocument::TRunView& run : doc.Runs(p))
        out += " " + std::to_string(run.Start) + "+" + std::to_string(run.Length) + ":" +
               std::to_string(run.Format->TextColor) + (run.Format->Effects & CharEffect::Underline ? "u" : "");
      out += "\n";
    }
    for (const TChapterItem& item : enhancer.ChaptersMenu->Items) out += item.Caption + " @" + std::to_string(item.Tag) + "\n";
    return out;
  }
};

TEST(BookEncodings, CodePageAndUtf8FormsOfOneBookEnhanceAlike) {
  testing::ScopedErrorEnvironment env;
  const std::string utf8 =
      "\xC2\xA7 1 The Queen\xE2\x80\x99s garden\r\n"
      "\xE2\x80\x9C" "Come here,\xE2\x80\x9D she said\xE2\x80\xA6 and\xE2\x80\x94\r\n"
      "then \xE2\x80\x98now\xE2\x80\x99 \xE2\x80\x93 it was late.\xE2\x80\x9D\r\n"
      "  \xE2\x80\x9CThe door opened.\xE2\x80\x9D\r\n"
      "\xC2\xB7 first item\r\n"
      "continued\xC2\xA0text, a gentle-\r\n"
      "man with \xC2\xAB" "quoted\xC2\xBB 'words'.\r\n"
      "Chapter 2\r\n";
  const std::string ansi = EncodeText(DecodeText(utf8, TTextEncoding::Utf8), TTextEncoding::Windows1252);
  ASSERT_EQ(DetectTextEncoding(ansi), TTextEncoding::Windows1252);
  ASSERT_EQ(ansi.find('?'), std::string::npos);  // every character has its code page byte
  const TEnhancedBook fromUtf8(BookLines(utf8, DetectTextEncoding(utf8)));
  const TEnhancedBook fromAnsi(BookLines(ansi, DetectTextEncoding(ansi)));
  // The code page bytes themselves, one character each, classified by the code page marks.
  const TEnhancedBook fromBytes(SplitLines(ansi));
  EXPECT_EQ(fromUtf8.Describe(), fromAnsi.Describe());
  EXPECT_EQ(fromUtf8.Describe(), DecodeText(fromBytes.Describe(), TTextEncoding::Windows1252));
  EXPECT_EQ(fromUtf8.enhancer.TextPos, fromBytes.enhancer.TextPos);
  // And what they agree on is the enhancement itself.
  const TRichDocument& doc = fromUtf8.box.Document();
  ASSERT_EQ(doc.ParagraphCount(), 6);
  EXPECT_EQ(doc.ParagraphText(1), "- \xE2\x80\x9C" "Come here,\xE2\x80\x9D she said\xE2\x80\xA6 and\xE2\x80\x94 then "
                                  "\xE2\x80\x98now\xE2\x80\x99 \xE2\x80\x93 it was late.\xE2\x80\x9D");
  EXPECT_EQ(doc.ParagraphText(3), "- \xC2\xB7 first item continued\xC2\xA0text, a gentleman with \xC2\xAB"
                                  "quoted\xC2\xBB 'words'.");
  EXPECT_EQ(doc.ParagraphStart(1), 22 + 2);  // the heading: 22 characters
  EXPECT_EQ(doc.FormatAt(doc.ParagraphStart(1) + 3).TextColor, 0x0000FFu);  // inside “Come here,”
  ASSERT_EQ(fromUtf8.enhancer.ChapterCount, 2);
  EXPECT_EQ(fromUtf8.enhancer.ChaptersMenu->Items[0].Caption, "\xC2\xA7 1 The Queen\xE2\x80\x99s garden");
}

TEST(BookEncodings, ASavedBookReopensByteIdenticalAndKeepsNewCharacters) {
  const std::string text = "The Queen\xE2\x80\x99s caf\xC3\xA9\r\n\r\n\xE2\x80\x9CYes.\xE2\x80\x9D\r\n";
  for (TTextEncoding encoding : {TTextEncoding::Windows1252, TTextEncoding::Utf8, TTextEncoding::Utf8Bom,
                                 TTextEncoding::Utf16Le, TTextEncoding::Utf16Be}) {
    const std::string bytes = EncodeText(text, encoding);
    ASSERT_EQ(DetectTextEncoding(bytes), encoding);
    TMemoryRichBox box;
    for (const std::string& line : BookLines(bytes, encoding)) box.AppendLine(line);
    const std::string shown = box.GetText();
    EXPECT_EQ(EncodeText(shown, SaveEncodingFor(encoding, shown)), bytes) << EncodingKey(encoding);
    box.AppendLine("\xCE\xA9 \xF0\x9F\x98\x80");  // an edit with characters code page 1252 lacks
    const std::string edited = box.GetText();
    const TTextEncoding saveAs = SaveEncodingFor(encoding, edited);
    EXPECT_EQ(saveAs, encoding == TTextEncoding::Windows1252 ? TTextEncoding::Utf8Bom : encoding);
    const std::string saved = EncodeText(edited, saveAs);
    EXPECT_EQ(DecodeText(saved, DetectTextEncoding(saved)), edited) << EncodingKey(encoding);
  }
}

}  // namespace
}  // namespace qv
