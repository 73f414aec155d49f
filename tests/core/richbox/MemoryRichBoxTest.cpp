// The in-memory rich-box: document model, line model, streams.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "richbox/MemoryRichBox.h"
#include "richbox/RichOps.h"
#include "richbox/Rtf.h"

namespace qv {
namespace {

TCharFormat ColorFormat(uint32_t color) {
  TCharFormat f;
  InitCharFormat(f);
  f.Mask = CharMask::Color;
  f.TextColor = color;
  return f;
}

TEST(MemoryRichBox, RunsSplitAndMerge) {
  TMemoryRichBox box;
  box.AppendLine("abcdefgh");
  box.SetSelection(2, 3);
  box.SetCharFormat(ColorFormat(0xFF), TFormatTarget::Selection);
  auto runs = box.Document().Runs(0);
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[1].Start, 2);
  EXPECT_EQ(runs[1].Length, 3);
  EXPECT_EQ(runs[1].Format->TextColor, 0xFFu);
  box.SetSelection(0, 8);
  box.SetCharFormat(ColorFormat(0xFF), TFormatTarget::Selection);
  EXPECT_EQ(box.Document().Runs(0).size(), 1u);
  // The end format was not part of the selection: the next line is black again.
  box.AppendLine("x");
  EXPECT_EQ(box.Document().FormatAt(10).TextColor, 0u);
}

TEST(MemoryRichBox, FormatsSpanParagraphs) {
  TMemoryRichBox box;
  box.AppendLine("ab");
  box.AppendLine("cd");
  box.SetSelection(1, 4);  // "b\r\nc"
  box.SetCharFormat(ColorFormat(0xFF), TFormatTarget::Selection);
  EXPECT_EQ(box.Document().FormatAt(0).TextColor, 0u);
  EXPECT_EQ(box.Document().FormatAt(1).TextColor, 0xFFu);
  EXPECT_EQ(box.Document().FormatAt(4).TextColor, 0xFFu);
  EXPECT_EQ(box.Document().FormatAt(5).TextColor, 0u);
  TParaFormat para;
  InitParaFormat(para);
  para.Mask = ParaMask::Alignment;
  para.Alignment = ParaAlign::Right;
  box.SetParaFormat(para);
  EXPECT_EQ(box.Document().ParaFormat(0).Alignment, ParaAlign::Right);
  EXPECT_EQ(box.Document().ParaFormat(1).Alignment, ParaAlign::Right);
  EXPECT_EQ(box.Document().ParaFormat(2).Alignment, ParaAlign::Left);
}

TEST(MemoryRichBox, AppendTakesEndAndFinalParagraphFormats) {
  TMemoryRichBox box;
  box.SetSelection(0, RichAllLength);
  TParaFormat para;
  InitParaFormat2(para);
  para.Mask = ParaMask::SpaceAfter;
  para.SpaceAfter = 100;
  box.SetParaFormat(para);
  SetRichBold(box, true);
  box.AppendLine("a");
  box.AppendLine("b");
  EXPECT_EQ(box.Document().ParaFormat(1).SpaceAfter, 100);
  EXPECT_TRUE(box.Document().FormatAt(3).Effects & CharEffect::Bold);
  EXPECT_TRUE(box.GetModified());
  box.Clear();
  EXPECT_FALSE(box.GetModified());
  box.AppendLine("c");
  EXPECT_TRUE(box.Document().FormatAt(0).Effects & CharEffect::Bold);  // a cleared box keeps its end format
}

TEST(MemoryRichBox, WrappedLines) {
  TMemoryRichBox box;
  box.SetWrapWidth(4);
  box.AppendLine("abcdefghij");  // 3 lines
  box.AppendLine("");            // 1 line
  box.AppendLine("kl");          // 1 line, then the final one
  EXPECT_EQ(box.GetLineCount(), 6);
  EXPECT_EQ(box.GetLineStart(1), 4);
  EXPECT_EQ(box.GetLineStart(3), 12);
  EXPECT_EQ(box.GetLineStart(4), 14);
  EXPECT_EQ(box.GetLineOfChar(9), 2);
  EXPECT_EQ(box.GetLineOfChar(10), 2);  // the break stays on the paragraph's last line
  EXPECT_EQ(box.GetLineText(2), "ij");
  EXPECT_EQ(box.GetLineText(1), "efgh");
  box.SetSelection(14, 0);
  int32_t x, y;
  ASSERT_TRUE(box.GetCaretPoint(x, y));
  EXPECT_EQ(y, 4 * TMemoryRichBox::LineHeight);
  EXPECT_EQ(box.GetCharAtPoint(2 * TMemoryRichBox::CharWidth, 1 * TMemoryRichBox::LineHeight), 6);
}

TEST(MemoryRichBox, PlainTextStreams) {
  struct Case {
    std::string in, text, saved;
  } cases[] = {
      {"one\r\ntwo\nthree\rfour", "one\r\ntwo\r\nthree\r\nfour", "one\r\ntwo\r\nthree\r\nfour"},
      {"caf\xE9\r\n", "caf\xC3\xA9\r\n", "caf\xE9\r\n"},
      {"\xEF\xBB\xBF\xCE\xA9\nx", "\xCE\xA9\r\nx", "\xEF\xBB\xBF\xCE\xA9\r\nx"},
      {std::string("\xFF\xFEH\0\r\0i\0", 8), "H\r\ni", "H\r\ni"},
  };
  for (const Case& c : cases) {
    TMemoryRichBox box;
    std::istringstream in(c.in);
    ASSERT_TRUE(box.LoadPlainText(in));
    EXPECT_EQ(box.GetText(), c.text);
    std::ostringstream out;
    ASSERT_TRUE(box.SavePlainText(out));
    EXPECT_EQ(out.str(), c.saved);
  }
}

TEST(MemoryRichBox, PositionsCountUtf16UnitsOfUtf8Text) {
  TMemoryRichBox box;
  box.AppendLine("Queen\xE2\x80\x99s caf\xC3\xA9 \xF0\x9F\x98\x80 end");  // 19 units
  box.AppendLine("CAF\xC3\x89");
  EXPECT_EQ(box.GetTextLength(), 19 + 2 + 4 + 2);
  EXPECT_EQ(box.Document().ParagraphStart(1), 21);
  EXPECT_EQ(box.GetTextRange(5, 11), "\xE2\x80\x99s caf");
  EXPECT_EQ(box.GetTextRange(11, 15), "\xC3\xA9 \xF0\x9F\x98\x80");
  EXPECT_EQ(box.GetTextRange(14, 21), "\xF0\x9F\x98\x80 end\r\n");  // from the second unit of the pair: the pair
  EXPECT_EQ(box.SearchText("queen\xE2\x80\x99S", 0, -1, true, false), 0);
  EXPECT_EQ(box.SearchText("caf\xC3\xA9", 1, -1, true, false), 8);
  EXPECT_EQ(box.SearchText("caf\xC3\xA9", 9, -1, true, false), 21);
  EXPECT_EQ(box.SearchText("caf\xC3\xA9", 9, -1, true, true), -1);
  EXPECT_EQ(box.SearchText("end", 0, -1, true, false), 16);
  box.SetSelection(0, 0);
  EXPECT_EQ(FindRichText(box, "caf\xC3\xA9 \xF0\x9F\x98\x80", true, false), 8);
  EXPECT_EQ(box.GetSelText(), "caf\xC3\xA9 \xF0\x9F\x98\x80");
  box.SetWrapWidth(5);
  EXPECT_EQ(box.GetLineText(2), "f\xC3\xA9 \xF0\x9F\x98\x80");
  EXPECT_EQ(box.GetLineStart(3), 15);
}

TEST(MemoryRichBox, RichTextRoundTrip) {
  TMemoryRichBox box;
  SetRichFontName(box, "Courier New");
  box.AppendLine("Plain {braces} \\ and caf\xC3\xA9\ttab \xCE\xA9 \xF0\x9F\x98\x80!");
  box.AppendLine("second");
  SetRichSelTextColor(box, 0);
  box.SetSelection(32, 2);  // the emoji, two units
  SetRichSelTextColor(box, 0xFF);
  box.SetSelection(0, 5);
  TCharFormat f;
  InitCharFormat2(f);
  f.Mask = CharMask::Bold | CharMask::Italic | CharMask::Underline | CharMask::Size | CharMask::Color | CharMask::BackColor | CharMask::Spacing;
  f.Effects = CharEffect::Bold | CharEffect::Underline;
  f.Height = 500;
  f.TextColor = 0x196EB9;
  f.BackColor = 0xFFFFFF;
  f.Spacing = 57;
  box.SetCharFormat(f, TFormatTarget::Selection);
  TParaFormat p;
  InitParaFormat2(p);
  p.Mask = ParaMask::AllUsed;
  p.Alignment = ParaAlign::Justify;
  p.StartIndent = 576;
  p.Offset = -576;
  p.RightIndent = 100;
  p.SpaceAfter = 288;
  p.LineSpacing = 24;
  p.LineSpacingRule = 5;
  p.TabCount = 2;
  p.Tabs[0] = 576;
  p.Tabs[1] = 1440;
  box.SetSelection(30, 0);
  box.SetParaFormat(p);

  std::stringstream rtf;
  ASSERT_TRUE(box.SaveRichText(rtf));
  // Code page 1252 where it has the character, \uN for the rest.
  EXPECT_NE(rtf.str().find("caf\\'e9\\tab tab \\u937? "), std::string::npos) << rtf.str();
  EXPECT_NE(rtf.str().find("\\u-10179?\\u-8704?\\plain"), std::string::npos) << rtf.str();
  TMemoryRichBox copy;
  ASSERT_TRUE(copy.LoadRichText(rtf));
  const TRichDocument& a = box.Document();
  const TRichDocument& b = copy.Document();
  ASSERT_EQ(b.ParagraphCount(), a.ParagraphCount());
  EXPECT_EQ(copy.GetText(), box.GetText());
  for (int32_t i = 0; i < a.ParagraphCount(); ++i) {
    const TParaFormat& pa = a.ParaFormat(i);
    const TParaFormat& pb = b.ParaFormat(i);
    EXPECT_EQ(pb.Alignment, pa.Alignment);
    EXPECT_EQ(pb.StartIndent, pa.StartIndent);
    EXPECT_EQ(pb.Offset, pa.Offset);
    EXPECT_EQ(pb.RightIndent, pa.RightIndent);
    EXPECT_EQ(pb.SpaceAfter, pa.SpaceAfter);
    EXPECT_EQ(pb.LineSpacing, pa.LineSpacing);
    EXPECT_EQ(pb.LineSpacingRule, pa.LineSpacingRule);
    EXPECT_EQ(pb.TabCount, pa.TabCount);
    const auto ra = a.Runs(i);
    const auto rb = b.Runs(i);
    ASSERT_EQ(rb.size(), ra.size()) << i;
    for (size_t r = 0; r < ra.size(); ++r) {
      EXPECT_EQ(rb[r].Start, ra[r].Start);
      EXPECT_EQ(rb[r].Length, ra[r].Length);
      EXPECT_EQ(rb[r].Format->Effects, ra[r].Format->Effects);
      EXPECT_EQ(rb[r].Format->Height, ra[r].Format->Height);
      EXPECT_EQ(rb[r].Format->TextColor, ra[r].Format->TextColor);
      EXPECT_EQ(rb[r].Format->BackColor, ra[r].Format->BackColor);
      EXPECT_EQ(rb[r].Format->Spacing, ra[r].Format->Spacing);
      EXPECT_EQ(rb[r].Format->Face(), ra[r].Format->Face());
    }
  }
}

TEST(MemoryRichBox, ReplacedCharactersKeepTheirFormats) {
  TMemoryRichBox box;
  box.AppendLine("a O b");
  box.SetSelection(2, 1);
  box.SetCharFormat(ColorFormat(0xFF), TFormatTarget::Selection);
  TRichDocument& doc = box.Document();
  EXPECT_FALSE(doc.ReplaceCharacters("a OO b\r\n"));  // a paragraph of another length
  EXPECT_FALSE(doc.ReplaceCharacters("a O b"));         // another number of paragraphs
  EXPECT_EQ(box.GetText(), "a O b\r\n");
  ASSERT_TRUE(doc.ReplaceCharacters("a \xCE\xA9 b\r\n"));
  EXPECT_EQ(box.GetText(), "a \xCE\xA9 b\r\n");
  EXPECT_EQ(doc.FormatAt(2).TextColor, 0xFFu);
  EXPECT_EQ(doc.FormatAt(3).TextColor, 0u);
}

TEST(MemoryRichBox, ReadsForeignRichText) {
  TRichDocument doc;
  const std::string rtf =
      "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1 Courier;}}{\\colortbl;\\red255\\green0\\blue0;}"
      "{\\*\\generator Foo;}{\\info{\\title T}}\\pard\\qc\\f1\\fs30 Hi \\cf1\\b there\\b0\\par "
      "\\u8220?q\\u8221?\\lquote x\\rquote \\'e9\\u-10179?\\u-8704?\\u-10179?z{\\*\\unknown hidden}\\par}";
  ASSERT_TRUE(RtfToDocument(rtf, doc));
  ASSERT_EQ(doc.ParagraphCount(), 3);
  EXPECT_EQ(doc.ParagraphText(0), "Hi there");
  EXPECT_EQ(doc.ParagraphText(1), "\xE2\x80\x9Cq\xE2\x80\x9D\xE2\x80\x98x\xE2\x80\x99\xC3\xA9\xF0\x9F\x98\x80\xEF\xBF\xBDz");
  EXPECT_EQ(doc.ParaFormat(0).Alignment, ParaAlign::Center);
  EXPECT_EQ(doc.FormatAt(0).Face(), "Courier");
  EXPECT_EQ(doc.FormatAt(0).Height, 300);
  EXPECT_EQ(doc.FormatAt(3).TextColor, 0x0000FFu);
  EXPECT_TRUE(doc.FormatAt(3).Effects & CharEffect::Bold);
  EXPECT_FALSE(RtfToDocument("plain text", doc));
}

// Face names of any script: whole characters, at most 31 of them, written and
// read back as they are (a name of 31 Cyrillic letters is 62 bytes).
TEST(MemoryRichBox, FaceNamesOfAnyScriptKeepWholeCharacters) {
  // A name as rich text writes it: \uN for the characters outside ASCII.
  const auto escaped = [](const std::string& name) {
    std::string out;
    for (size_t i = 0; i < name.size();) {
      const char32_t c = ReadChar(name, i);
      out += c < 0x80 ? std::string(1, char(c)) : "\\u" + std::to_string(int16_t(c)) + "?";
    }
    return out;
  };
  std::string thirtyOne, cut;
  for (int i = 0; i < 40; ++i) (i < 31 ? thirtyOne : cut) += u8"Ш";
  const struct {
    std::string written, face;
  } cases[] = {
      {escaped(u8"Шрифт Ωμέγα"), u8"Шрифт Ωμέγα"},
      {escaped(thirtyOne + cut), thirtyOne},
      {"Ari\x92\x92\x92\x92\x92\x92\x92\x92\x92\x92\x92" "al", u8"Ari’’’’’’’’’’’al"},  // code page bytes
      {"A\\'09B", "A\tB"},  // a tab, written as an escaped byte
  };
  for (const auto& c : cases) {
    TRichDocument doc;
    ASSERT_TRUE(RtfToDocument("{\\rtf1\\ansi{\\fonttbl{\\f0 " + c.written + ";}}\\f0 x\\par}", doc));
    EXPECT_EQ(doc.FormatAt(0).Face(), c.face);
    TRichDocument back;
    ASSERT_TRUE(RtfToDocument(DocumentToRtf(doc), back));
    EXPECT_EQ(back.FormatAt(0).Face(), c.face);
  }
}

TEST(MemoryRichBox, OddRichTextIsReadSafely) {
  TRichDocument doc;
  const std::string deep = "{\\rtf1 a" + std::string(100000, '{') + "hidden" + std::string(100000, '}') + "b}";
  ASSERT_TRUE(RtfToDocument(deep, doc));
  EXPECT_EQ(doc.WholeText(), "ab");
  ASSERT_TRUE(RtfToDocument(std::string("{\\rtf1 y}\r\n\0", 12), doc));  // nothing after the document
  EXPECT_EQ(doc.WholeText(), "y");
  ASSERT_TRUE(RtfToDocument("{\\rtf1 x\\'4", doc));  // cut inside an escape
  EXPECT_EQ(doc.WholeText(), "x");
  ASSERT_TRUE(RtfToDocument("{\\rtf1 \\fs99999999999 \\u-99999999?y\\bin999999999 z", doc));
  EXPECT_EQ(doc.ParagraphText(0).substr(0, 3), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace qv
