#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "errors/ErrorFakes.h"
#include "store/StdFileSystem.h"
#include "store/StoredTextList.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

class StdFileSystemTest : public ::testing::Test {
 protected:
  testing::ScopedErrorEnvironment env;
  TStdFileSystem files;
  fs::path dir;
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("qv_store_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(dir / "options.ini", fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(dir, ec);
  }
};

TEST_F(StdFileSystemTest, SavesLoadsAndReplacesReadOnlyFiles) {
  const std::string path = (dir / "options.ini").string();
  TStoredTextList store(path, &files);
  EXPECT_TRUE(store.Load());  // missing file
  store.WriteString("Main", "Title", "C:\\Program Files\\AHD.EXE");
  ASSERT_TRUE(store.Save(false));
  EXPECT_EQ(static_cast<int64_t>(store.Image().Text().size() + 3), files.SizeOf(path));  // with the UTF-8 mark

  fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  ASSERT_TRUE(files.IsReadOnly(path));
  store.WriteInteger("Main", "Count", 3);
  ASSERT_TRUE(store.Save(false));
  EXPECT_FALSE(files.IsReadOnly(path));
  EXPECT_FALSE(fs::exists(path + ".tmp"));

  TStoredTextList back(path, &files);
  ASSERT_TRUE(back.Load());
  int32_t count = 0;
  back.ReadInteger("main", "COUNT", 0, 10, count);
  EXPECT_EQ(3, count);
}

TEST_F(StdFileSystemTest, MissingFoldersReadAsMissingAndFailToSave) {
  const std::string path = (dir / "no" / "such" / "options.ini").string();
  std::string data = "x";
  EXPECT_EQ(TFileResult::NotFound, files.ReadWhole(path, data).Kind);
  EXPECT_EQ("", data);
  TStoredTextList store(path, &files);
  EXPECT_TRUE(store.Load());
  store.WriteInteger("S", "K", 1);
  EXPECT_FALSE(store.Save(false));
  EXPECT_EQ(1, env.view.shows);
  EXPECT_EQ(TFileResult::Failed, files.ReadWhole(dir.string(), data).Kind);  // a folder
}

}  // namespace
}  // namespace qv
