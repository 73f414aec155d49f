// Binding a store to another file (the profile load button names the file
// that the next load reads) touches no file and keeps the image.
#include <gtest/gtest.h>

#include "errors/ErrorFakes.h"
#include "store/MemoryFileSystem.h"
#include "store/StoredTextList.h"

namespace qv {
namespace {


TEST(StoredTextListFileName, SetFileNameReadsAndWritesNothingUntilTheNextLoadOrSave) {
  testing::ScopedErrorEnvironment env;
  TMemoryFileSystem fs;
  fs.PutFile("C:\\P\\Old.fsp", "[Profile_Main]\r\nFontSize=20\r\n");
  fs.PutFile("C:\\P\\New.fsp", "[Profile_Main]\r\nFontSize=30\r\n");
  TStoredTextList store("C:\\P\\Old.fsp", &fs);
  int32_t size = 0;
  store.OnLoad = [&](TStoredTextList& s) { s.ReadInteger("Profile_Main", "FontSize", 8, 50, size); };
  ASSERT_TRUE(store.Load());
  EXPECT_EQ(size, 20);
  const int writes = fs.WriteCount();

  store.SetFileName("C:\\P\\New.fsp");
  EXPECT_EQ(store.FileName(), "C:\\P\\New.fsp");
  EXPECT_EQ(fs.WriteCount(), writes);
  EXPECT_EQ(fs.Content("C:\\P\\New.fsp"), "[Profile_Main]\r\nFontSize=30\r\n");
  std::string kept;
  store.ReadString("Profile_Main", "FontSize", kept, false, 10);
  EXPECT_EQ(kept, "20");  // the image is still the old file's

  ASSERT_TRUE(store.Load());
  EXPECT_EQ(size, 30);
  EXPECT_EQ(env.view.shows, 0);
}

}  // namespace
}  // namespace qv
