#include <gtest/gtest.h>

#include "dictionary/DictionaryLookUp.h"

namespace qv {
namespace {

const char* const kAhd = "C:\\Program Files\\The American Heritage Dictionary\\AHD.EXE";

TEST(DictionaryLookUp, RunsForAShortWordWithAProgram) {
  struct Case {
    const char* selection;
    const char* path;
    bool clipboard;
    bool run, copy;
    const char* parameters;
  } cases[] = {
      {"word", kAhd, false, true, false, "word"},
      {"word ", kAhd, false, true, false, "word "},          // untrimmed, as the control selected it
      {"word ", kAhd, true, true, true, ""},                 // through the clipboard: no parameters
      {"twentycharacterword.", kAhd, false, true, false, "twentycharacterword."},
      {"twentycharacterword ", kAhd, true, true, true, ""},  // 20 with the blank
      {"twentyonecharacterss ", kAhd, false, false, false, ""},  // 21 with the blank
      {"twentyonecharacterss!", kAhd, true, false, false, ""},
      {" ", kAhd, false, false, false, ""},                  // white space
      {"\r\n\t", kAhd, true, false, false, ""},
      {"", kAhd, false, false, false, ""},
      {"word", "", false, false, false, ""},                 // no dictionary program
  };
  for (const Case& c : cases) {
    const TDictionaryLookUp l = DecideDictionaryLookUp(c.selection, c.path, c.clipboard);
    EXPECT_EQ(l.Run, c.run) << '"' << c.selection << '"';
    EXPECT_EQ(l.CopySelection, c.copy) << '"' << c.selection << '"';
    EXPECT_EQ(l.Parameters, c.parameters) << '"' << c.selection << '"';
  }
}

}  // namespace
}  // namespace qv
