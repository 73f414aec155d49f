#include <gtest/gtest.h>

#include <string>

#include "store/DataFolder.h"
#include "store/MemoryFileSystem.h"

namespace qv {
namespace {

const std::string kProgram = "C:\\Program Files\\Quenvalis\\";
const std::string kUser = "C:\\Users\\Ann\\AppData\\Roaming\\Quenvalis\\";

TEST(DataFolder, AWritableProgramFolderKeepsTheFilesItHas) {
  TMemoryFileSystem fs;
  fs.AddFolder(kProgram);
  fs.PutFile(kProgram + "Quenvalis.ini", "shelf");
  const TDataFolder data = ChooseDataFolder(fs, kProgram, kUser);
  EXPECT_EQ(kProgram, data.Folder);
  EXPECT_TRUE(data.InProgramFolder);
  EXPECT_FALSE(fs.IsFolder(kUser));
  EXPECT_EQ(1u, fs.FileCount()) << "the write test left a file behind";
  // Without a user folder of the system's, the program folder is all there is.
  fs.DenyWritesIn(kProgram);
  EXPECT_EQ(kProgram, ChooseDataFolder(fs, kProgram, "").Folder);
}

TEST(DataFolder, AReadOnlyProgramFolderSendsTheFilesToTheUsersFolderWithACopyOnFirstUse) {
  TMemoryFileSystem fs;
  fs.DenyWritesIn(kProgram);
  fs.PutFile(kProgram + "Quenvalis.ini", "[Quenvalis_Bookshelf_Main]\r\nCount=1\r\n");
  fs.PutFile(kProgram + "QuenvalisProfile.fsp", "profile");
  fs.PutFile(kProgram + "Errors.log", "log");
  fs.AddFolder("C:\\Users\\Ann\\AppData\\Roaming");

  TDataFolder data = ChooseDataFolder(fs, kProgram, kUser);
  EXPECT_EQ(kUser, data.Folder);
  EXPECT_FALSE(data.InProgramFolder);
  EXPECT_TRUE(fs.IsFolder(kUser));
  EXPECT_EQ((std::vector<std::string>{"Quenvalis.ini", "QuenvalisProfile.fsp"}), data.Copied);
  EXPECT_EQ(fs.Content(kProgram + "Quenvalis.ini"), fs.Content(kUser + "Quenvalis.ini"));
  EXPECT_EQ("profile", fs.Content(kUser + "QuenvalisProfile.fsp"));
  EXPECT_FALSE(fs.HasFile(kUser + "Errors.log"));

  // Later starts keep the reader's own files: nothing is copied over them.
  fs.PutFile(kUser + "Quenvalis.ini", "the reader's shelf");
  data = ChooseDataFolder(fs, kProgram, kUser);
  EXPECT_TRUE(data.Copied.empty());
  EXPECT_EQ("the reader's shelf", fs.Content(kUser + "Quenvalis.ini"));
}

TEST(DataFolder, FailuresAreToldNotHidden) {
  TMemoryFileSystem fs;
  fs.DenyWritesIn(kProgram);
  fs.PutFile(kProgram + "Quenvalis.ini", "shelf");
  fs.FailReads = true;
  TDataFolder data = ChooseDataFolder(fs, kProgram, kUser);
  ASSERT_EQ(1u, data.FailedCopies.size());
  EXPECT_EQ(kProgram + "Quenvalis.ini", data.FailedCopies[0].Source);
  EXPECT_EQ(kUser + "Quenvalis.ini", data.FailedCopies[0].Target);
  EXPECT_EQ(TMemoryFileSystem::ErrorAccessDenied, data.FailedCopies[0].Reason.SystemErrorCode);

  TMemoryFileSystem locked;
  locked.DenyWritesIn(kProgram);
  locked.DenyWritesIn("C:\\Users\\Ann\\AppData\\Roaming");
  data = ChooseDataFolder(locked, kProgram, kUser);
  EXPECT_EQ(kUser, data.Folder);
  EXPECT_FALSE(data.FolderFailure.IsOk());
}

}  // namespace
}  // namespace qv
