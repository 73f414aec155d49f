// The file, listing and partition services, and the stores' file system, on
// the real (wine) file system.
#include <gtest/gtest.h>

#include <objbase.h>
#include <shlobj.h>

#include <algorithm>

#include "WineTestSupport.h"
#include "errors/FunStatContext.h"
#include "platform/FileServices.h"
#include "platform/Win32FileSystem.h"

namespace qv::testing {
namespace {

using win::TItemList;

std::string MakeTree(const std::string& name) {
  const std::string root = TestDirectory() + name + "\\";
  CreateDirectoryA(root.c_str(), nullptr);
  return root;
}

std::vector<std::string> Texts(const TItemList& items) {
  std::vector<std::string> out;
  for (const auto& i : items) out.push_back(i.Text);
  std::sort(out.begin(), out.end());
  return out;
}

TEST(FileServices, ListsFoldersAndMatchingFilesAndCountsEveryEntry) {
  const std::string root = MakeTree("listing");
  for (const char* d : {"one", "two", "three"}) CreateDirectoryA((root + d).c_str(), nullptr);
  for (const char* f : {"a.txt", "b.RTF", "c.doc", "d.txt.bak", "e"}) WriteTestFile(std::string("listing\\") + f, "x");
  TItemList folders, files;
  int count = -1;
  win::LoadFilesFromDir(root, "*.txt; *.rtf", folders, false, false, -1, count, files);
  EXPECT_EQ(FunStatContext.Status, Perfect);
  EXPECT_EQ(Texts(folders), (std::vector<std::string>{"one", "three", "two"}));
  EXPECT_EQ(Texts(files), (std::vector<std::string>{"a.txt", "b.RTF"}));
  EXPECT_EQ(count, 8);
  for (const auto& f : folders) EXPECT_EQ(f.Kind, win::ItemFolder);
  for (const auto& f : files) EXPECT_EQ(f.Kind, win::ItemFile);

  TItemList fullFolders, fullFiles;
  win::LoadFilesFromDir(root, "*.txt", fullFolders, true, false, 2, count, fullFiles);
  EXPECT_EQ(count, 2);  // the maximum stops the listing
  for (const auto& f : fullFolders) EXPECT_EQ(f.Text.rfind(root, 0), 0u) << f.Text;
}

// A shell shortcut to target, written as the shell writes one.
bool MakeShortcut(const std::string& link, const std::string& target) {
  CoInitialize(nullptr);
  IShellLinkA* shell = nullptr;
  bool ok = false;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&shell)))) {
    shell->SetPath(target.c_str());
    IPersistFile* file = nullptr;
    if (SUCCEEDED(shell->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      wchar_t wide[MAX_PATH * 2] = L"";
      MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, wide, MAX_PATH * 2);
      ok = SUCCEEDED(file->Save(wide, TRUE));
      file->Release();
    }
    shell->Release();
  }
  CoUninitialize();
  return ok;
}

TEST(FileServices, ShortcutsAreListedAsWhatTheyPointTo) {
  const std::string root = MakeTree("shortcuts");
  const std::string books = MakeTree("shortcut-books");
  const std::string book = WriteTestFile("shortcut-books\\far.txt", "x");
  ASSERT_TRUE(MakeShortcut(root + "book.lnk", book));
  ASSERT_TRUE(MakeShortcut(root + "folder.lnk", books.substr(0, books.size() - 1)));
  TItemList folders, files;
  int count = 0;
  win::LoadFilesFromDir(root, "*.txt", folders, true, true, -1, count, files);
  EXPECT_EQ(Texts(files), (std::vector<std::string>{book}));
  EXPECT_EQ(Texts(folders), (std::vector<std::string>{books.substr(0, books.size() - 1)}));
  folders.clear();
  files.clear();
  win::LoadFilesFromDir(root, "*.txt", folders, false, false, -1, count, files);
  EXPECT_TRUE(files.empty());  // unresolved, a shortcut is a file named *.lnk
  EXPECT_EQ(count, 2);
}

TEST(FileServices, AMissingFolderIsAnErrorAndTheNearestParentIsListedInstead) {
  const std::string root = MakeTree("anydir");
  WriteTestFile("anydir\\kept.txt", "x");
  TItemList folders, files;
  int count = 0;
  win::LoadFilesFromDir(root + "gone\\deeper\\", "", folders, false, false, -1, count, files);
  EXPECT_EQ(FunStatContext.Status, Error);
  EXPECT_EQ(FunStatContext.Description, "Failed to load directory.");
  EXPECT_NE(FunStatContext.SystemErrorCode, 0u);

  std::vector<std::string> givenUp;
  folders.clear();
  files.clear();
  const std::string listed = win::LoadFilesFromAnyDir(
      root + "gone\\deeper\\", "*.txt", folders, false, false, -1, count, files,
      [&](const std::string& f) { givenUp.push_back(f); });
  EXPECT_EQ(listed, root.substr(0, root.size() - 1));
  EXPECT_EQ(Texts(files), (std::vector<std::string>{"kept.txt"}));
  EXPECT_EQ(givenUp, (std::vector<std::string>{root + "gone\\deeper\\", root + "gone"}));
  EXPECT_EQ(FunStatContext.Status, Perfect);
}

TEST(FileServices, BareDrivesListThePartitions) {
  TItemList folders, files;
  int count = 0;
  win::LoadFilesFromDir("C:", "", folders, false, false, -1, count, files);
  ASSERT_GE(count, 1);
  EXPECT_EQ(static_cast<int>(folders.size()), count);
  EXPECT_TRUE(std::find_if(folders.begin(), folders.end(),
                           [](const win::TListItem& i) { return i.Text == "C:"; }) != folders.end());
  EXPECT_TRUE(files.empty());
  // A drive that does not exist falls back to the partitions too.
  const std::string listed =
      win::LoadFilesFromAnyDir("Q:\\nothing\\", "", folders, false, false, -1, count, files, nullptr);
  EXPECT_EQ(listed, "Q:");
}

TEST(FileServices, PathTestsAndPartitionDescriptions) {
  EXPECT_FALSE(win::FileExists(""));
  EXPECT_TRUE(win::IsDirectory("C:"));
  EXPECT_TRUE(win::IsDirectory(TestDirectory()));
  EXPECT_FALSE(win::IsDirectory(WriteTestFile("plain.txt", "abc")));
  EXPECT_TRUE(win::DriveExists("C:\\no\\such\\folder"));
  EXPECT_EQ(win::GetFullPath("C:\\a\\.\\b\\..\\c.txt"), "C:\\a\\c.txt");
  EXPECT_EQ(win::GetFullPath("C:"), "C:");
  EXPECT_EQ(win::GetFullPath("C:\\a\\b\\..\\"), "C:\\a\\");
  EXPECT_EQ(win::GetPartitionType("C:\\windows"), static_cast<UINT>(DRIVE_FIXED));
  EXPECT_EQ(win::GetPartitionSuffix("C:\\windows"), "");
  EXPECT_EQ(win::GetPartitionSuffix("C:").rfind(" (Fixed: \"", 0), 0u);
  win::TPartitionInfo info;
  EXPECT_TRUE(info.Load("C:\\"));
  EXPECT_FALSE(info.FileSystem.empty());
  EXPECT_FALSE(info.Load("Q:\\"));
  EXPECT_EQ(FunStatContext.Description, "Failed to load partition information.");
  EXPECT_TRUE(info.FileSystem.empty());
  EXPECT_EQ(info.SerialNumber, 0u);
  EXPECT_FALSE(win::GetTempPathA().empty());
  EXPECT_EQ(win::GetTempPathA().back(), '\\');
}

TEST(FileServices, DeletingReadOnlyFiles) {
  const std::string path = WriteTestFile("read-only.txt", std::string(1234, 'x'));
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
  EXPECT_TRUE(win::MyDeleteFile(path));
  EXPECT_FALSE(win::FileExists(path));
  EXPECT_FALSE(win::MyDeleteFile(path));
  EXPECT_EQ(FunStatContext.Status, Error);
  EXPECT_EQ(FunStatContext.Description, "Failed to delete file.");
  EXPECT_EQ(FunStatContext.Parameter1, path);
}

TEST(Win32FileSystem, ReadsWritesAndReplacesCodePagePaths) {
  win::TWin32FileSystem& fs = win::Win32FileSystem();
  // A name with a code-page letter: the bytes go to the system as they are.
  const std::string path = TestDirectory() + "B\xE9" "b\xE9.ini";
  ASSERT_TRUE(fs.WriteWhole(path, "[S]\r\nK=\xE9\r\n").IsOk());
  std::string data;
  ASSERT_TRUE(fs.ReadWhole(path, data).IsOk());
  EXPECT_EQ(data, "[S]\r\nK=\xE9\r\n");
  EXPECT_EQ(fs.SizeOf(path), static_cast<int64_t>(data.size()));
  EXPECT_EQ(fs.ReadWhole(TestDirectory() + "none.ini", data).Kind, TFileResult::NotFound);
  EXPECT_EQ(fs.ReadWhole(TestDirectory() + "nofolder\\none.ini", data).Kind, TFileResult::NotFound);
  EXPECT_EQ(fs.ReadWhole("", data).Kind, TFileResult::NotFound);
  EXPECT_FALSE(fs.FileExists(""));

  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_TRUE(fs.IsReadOnly(path));
  ASSERT_TRUE(fs.MakeNormal(path).IsOk());
  EXPECT_FALSE(fs.IsReadOnly(path));
  ASSERT_TRUE(WriteFileReplacing(fs, path, "new").IsOk());
  EXPECT_EQ(ReadWholeFile(path), "new");
  EXPECT_FALSE(fs.FileExists(path + ".tmp"));
  // A write into a folder that does not exist fails and leaves nothing behind.
  EXPECT_FALSE(WriteFileReplacing(fs, TestDirectory() + "nofolder\\x.ini", "x").IsOk());
  EXPECT_TRUE(fs.Remove(path).IsOk());
}

}  // namespace
}  // namespace qv::testing
