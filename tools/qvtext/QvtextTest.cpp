// Options and JSON output of qvtext.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DocumentJson.h"
#include "ToolOptions.h"
#include "richbox/MemoryRichBox.h"

namespace qv {
namespace {

using Args = std::vector<std::string>;

TEST(QvtextOptions, DefaultsAreTheDefaultProfile) {
  TToolOptions o;
  std::string error;
  ASSERT_TRUE(ParseToolOptions({"enhance", "book.txt"}, o, error)) << error;
  EXPECT_EQ(o.Command, "enhance");
  EXPECT_EQ(o.BookPath, "book.txt");
  EXPECT_EQ(o.Prefix, "None");
  EXPECT_TRUE(o.PoorlyWritten);
  EXPECT_FALSE(o.IgnoreEmptyLines);
  EXPECT_EQ(o.Font, "Times New Roman");
  EXPECT_EQ(o.Size, 16);
  EXPECT_TRUE(o.Justified);
  EXPECT_EQ(o.LineSpacing, 120);
  EXPECT_EQ(o.SpaceAfter, 5);
  EXPECT_EQ(o.Empha, 8519680u);
  EXPECT_EQ(o.SecondEmpha, 5898420u);
  EXPECT_TRUE(o.RichEdit3);
}

TEST(QvtextOptions, EveryOptionTakesItsValue) {
  TToolOptions o;
  std::string error;
  ASSERT_TRUE(ParseToolOptions({"convert", "b.txt", "o.rtf", "--prefix", "\xC2\xB7 ", "--poorly-written=off",
                                "--ignore-empty-lines", "on", "--font", "Arial", "--size", "20", "--bold", "on",
                                "--justified", "off", "--char-spacing", "-10", "--line-spacing", "150",
                                "--space-after", "0", "--first-line-indent", "50", "--fore", "Navy",
                                "--empha", "$FF", "--second-empha", "clRed", "--richedit3", "off",
                                "--encoding", "KOI8-R"},
                               o, error))
      << error;
  EXPECT_EQ(o.OutputPath, "o.rtf");
  EXPECT_EQ(o.Prefix, "\xC2\xB7 ");
  EXPECT_FALSE(o.PoorlyWritten);
  EXPECT_TRUE(o.IgnoreEmptyLines);
  EXPECT_EQ(o.Font, "Arial");
  EXPECT_EQ(o.Size, 20);
  EXPECT_TRUE(o.Bold);
  EXPECT_FALSE(o.Justified);
  EXPECT_EQ(o.CharSpacing, -10);
  EXPECT_EQ(o.LineSpacing, 150);
  EXPECT_EQ(o.SpaceAfter, 0);
  EXPECT_EQ(o.FirstLineIndent, 50);
  EXPECT_EQ(o.Fore, 0x820000u);
  EXPECT_EQ(o.Empha, 0xFFu);
  EXPECT_EQ(o.SecondEmpha, 0x0000FFu);
  EXPECT_FALSE(o.RichEdit3);
  EXPECT_TRUE(o.EncodingForced);
  EXPECT_EQ(o.Encoding, TTextEncoding::Koi8R);
}

TEST(QvtextOptions, BadOptionsAreRefused) {
  const Args cases[] = {
      {},
      {"enhance"},
      {"enhance", "a.txt", "b.txt"},
      {"convert", "a.txt"},
      {"print", "a.txt"},
      {"enhance", "a.txt", "--size", "51"},
      {"enhance", "a.txt", "--size", "x"},
      {"enhance", "a.txt", "--size"},
      {"enhance", "a.txt", "--bold", "yes"},
      {"enhance", "a.txt", "--prefix", "Tabs"},
      {"enhance", "a.txt", "--fore", "reddish"},
      {"enhance", "a.txt", "--font", ""},
      {"enhance", "a.txt", "--font", std::string(32, 'x')},
      {"enhance", "a.txt", "--encoding", "ansi"},
      {"enhance", "a.txt", "--encoding", "cp1251"},
      {"enhance", "a.txt", "--char-spacing", "-11"},
      {"enhance", "a.txt", "--colour", "1"},
  };
  for (const Args& args : cases) {
    TToolOptions o;
    std::string error;
    EXPECT_FALSE(ParseToolOptions(args, o, error)) << (args.empty() ? "" : args.back());
    EXPECT_FALSE(error.empty());
  }
}

TEST(QvtextJson, StringsKeepTheirCharactersAndEscapeControls) {
  std::string out;
  AppendJsonString(out, "a\"b\\c\t\xE2\x80\x9Cq\xE2\x80\x9D \xC3\xA9\xF0\x9F\x98\x80\xC2\x81\x01\x7F");
  EXPECT_EQ(out, "\"a\\\"b\\\\c\\t\xE2\x80\x9Cq\xE2\x80\x9D \xC3\xA9\xF0\x9F\x98\x80\\u0081\\u0001\\u007f\"");
}

TEST(QvtextJson, DocumentShape) {
  TMemoryRichBox box;
  TEnhancedRichEdit enhancer(box, true);
  enhancer.SetDefaults(false, false, 120, 5, 0, 3, 0x5A00B4, 0x820000, 0, 0, 16, "", false);
  box.SetSelection(0, RichAllLength);
  enhancer.ApplyCharFormat(true, 0);
  enhancer.ApplyParaFormat(true, 0);
  enhancer.EnhanceText({"Chapter 1", "", "He said \"go\".", "^Q\xC3\xA9+"}, "None", false, true);
  const std::string json = DocumentJson(enhancer, box.Document(), {"Unrecognized command: Q\xC3\xA9"}, TTextEncoding::Utf8);
  EXPECT_EQ(json.compare(0, 36, "{\"encoding\":\"utf-8\",\n\"paragraphs\":[\n"), 0) << json;
  EXPECT_NE(json.find("{\"start\":0,\"text\":\"Chapter 1\",\"align\":3,\"start_indent\":0,\"offset\":0,"
                      "\"right_indent\":0,\"space_after\":288,\"line_spacing\":24,\"runs\":[{\"start\":0,"
                      "\"length\":9,\"bold\":false,\"italic\":false,\"underline\":true,"
                      "\"face\":\"Times New Roman\",\"size\":16,\"spacing\":0,\"color\":0,\"back\":null}]}"),
            std::string::npos)
      << json;
  EXPECT_NE(json.find("{\"start\":11,\"text\":\"\",\"align\":3,\"start_indent\":0,\"offset\":0,"
                      "\"right_indent\":0,\"space_after\":288,\"line_spacing\":24,\"runs\":[]}"),
            std::string::npos)
      << json;
  EXPECT_NE(json.find("{\"start\":9,\"length\":2,\"bold\":false,\"italic\":false,\"underline\":false,"
                      "\"face\":\"Times New Roman\",\"size\":16,\"spacing\":0,\"color\":8519680,\"back\":null}"),
            std::string::npos)
      << json;
  EXPECT_NE(json.find("\"chapters\":[\n{\"caption\":\"Chapter 1\",\"tag\":0}]"), std::string::npos) << json;
  EXPECT_NE(json.find("\"has_commands\":true,\"warnings\":[\"Unrecognized command: Q\xC3\xA9\"]"), std::string::npos);
  EXPECT_NE(json.find("\"stopped\":false,\"failure\":null}"), std::string::npos) << json;
}

}  // namespace
}  // namespace qv
