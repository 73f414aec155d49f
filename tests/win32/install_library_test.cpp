// The installer's library functions on real files, the folders the uninstaller
// refuses, Browse's folder text, and the release exe's manifest and version.
#include <gtest/gtest.h>

#include <set>

#include "ProgramVersion.h"
#include "OtherProcess.h"
#include "WineTestSupport.h"
#include "app/install/InstallForm.h"
#include "install/UninstallPlan.h"
#include "platform/DirectoryCopy.h"
#include "platform/FolderBrowser.h"
#include "platform/Win32Platform.h"

namespace qv::testing {
namespace {

// A file of the test folder, with attributes.
void Put(const std::string& path, const std::string& bytes, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  WriteTestFile("put.tmp", bytes);
  MoveFileExA((TestDirectory() + "put.tmp").c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
  SetFileAttributesA(path.c_str(), attributes);
}

class InstallLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    win::DeleteDirectoryNoErrors(root_);
    CreateDirectoryA(root_.c_str(), nullptr);
  }
  void TearDown() override { win::DeleteDirectoryNoErrors(root_); }
  const std::string root_ = TestDirectory() + "install-library\\";
};

TEST_F(InstallLibrary, CopySkipsHiddenAndSystemFilesAndOverwritesReadOnlyOnes) {
  const std::string source = root_ + "Source\\", target = root_ + "Target\\";
  CreateDirectoryA(source.c_str(), nullptr);
  CreateDirectoryA((source + "Sub").c_str(), nullptr);
  CreateDirectoryA((source + "HiddenSub").c_str(), nullptr);
  SetFileAttributesA((source + "HiddenSub").c_str(), FILE_ATTRIBUTE_HIDDEN);
  Put(source + "normal.txt", "new normal");
  Put(source + "readonly.txt", "new read-only", FILE_ATTRIBUTE_READONLY);
  Put(source + "archive.txt", "archive", FILE_ATTRIBUTE_ARCHIVE);
  Put(source + "hidden.txt", "hidden", FILE_ATTRIBUTE_HIDDEN);
  Put(source + "system.txt", "system", FILE_ATTRIBUTE_SYSTEM);
  Put(source + "Sub\\inner.txt", "inner");
  CreateDirectoryA(target.c_str(), nullptr);
  Put(target + "normal.txt", "old normal", FILE_ATTRIBUTE_READONLY);
  Put(target + "Quenvalis.ini", "the user's options");

  ASSERT_TRUE(win::CopyDeleteDirectory(source, target, false)) << FunStatContext.Description;
  struct Case { const char* name; const char* content; } present[] = {
      {"normal.txt", "new normal"}, {"readonly.txt", "new read-only"}, {"archive.txt", "archive"},
      {"Sub\\inner.txt", "inner"}, {"Quenvalis.ini", "the user's options"}};
  for (const Case& c : present) EXPECT_EQ(ReadWholeFile(target + c.name), c.content) << c.name;
  for (const char* name : {"hidden.txt", "system.txt", "HiddenSub"})
    EXPECT_FALSE(Exists(target + name)) << name;
  EXPECT_TRUE(Exists(source + "normal.txt")) << "a copy keeps its source";

  // A move leaves only what it does not take: the hidden and system entries.
  const std::string moved = root_ + "Moved\\";
  ASSERT_TRUE(win::CopyDeleteDirectory(source, moved, true)) << FunStatContext.Description;
  EXPECT_EQ(ReadWholeFile(moved + "Sub\\inner.txt"), "inner");
  for (const char* name : {"normal.txt", "readonly.txt", "Sub"}) EXPECT_FALSE(Exists(source + name)) << name;
  EXPECT_TRUE(Exists(source + "hidden.txt"));
}

TEST_F(InstallLibrary, CopyFailuresNameTheirCause) {
  const std::string source = root_ + "Source\\";
  CreateDirectoryA(source.c_str(), nullptr);
  Put(source + "a.txt", "a");
  Put(root_ + "AFile", "in the way");
  struct Case { std::string target; const char* description; } cases[] = {
      {"", "Empty destination name."},
      {source + "Inside", "Failed to copy a directory into itself."},
      {source, "Failed to copy a directory into itself."},
      {root_ + "AFile", "Failed to create directory."},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(win::CopyDeleteDirectory(source, c.target, false)) << c.target;
    EXPECT_EQ(FunStatContext.Status, Error) << c.target;
    EXPECT_EQ(FunStatContext.Description, c.description) << c.target;
  }
  EXPECT_FALSE(Exists(source + "Inside"));
  EXPECT_FALSE(win::CopyDeleteDirectory(root_ + "Missing", root_ + "Out", false));
  EXPECT_EQ(FunStatContext.Description, "Failed to find first file.");
  FunStatContext.Reset(Perfect);
}

TEST_F(InstallLibrary, RenameReplacesAReadOnlyFileAndNeedsANewName) {
  Put(root_ + "Install.exe", "new program");
  Put(root_ + "Quenvalis.exe", "old program", FILE_ATTRIBUTE_READONLY);
  ASSERT_TRUE(win::MyRenameFile(root_ + "Install.exe", root_ + "Quenvalis.exe"));
  EXPECT_EQ(ReadWholeFile(root_ + "Quenvalis.exe"), "new program");
  EXPECT_FALSE(Exists(root_ + "Install.exe"));
  EXPECT_FALSE(win::MyRenameFile(root_ + "Quenvalis.exe", ""));
  EXPECT_EQ(FunStatContext.Description, "Empty destination name.");
  EXPECT_FALSE(win::MyRenameFile(root_ + "Missing.exe", root_ + "Other.exe"));
  EXPECT_EQ(FunStatContext.Description, "Failed to rename.");
  FunStatContext.Reset(Perfect);
}

TEST_F(InstallLibrary, DeleteGoesPastAFileInUseAndRemovesTheRest) {
  const std::string dir = root_ + "Installed\\";
  CreateDirectoryA(dir.c_str(), nullptr);
  CreateDirectoryA((dir + "BackSounds").c_str(), nullptr);
  Put(dir + "readonly.txt", "r", FILE_ATTRIBUTE_READONLY);
  Put(dir + "hidden.txt", "h", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  Put(dir + "BackSounds\\a.wav", "w");
  Put(dir + "inuse.txt", "u");
  HANDLE inUse = CreateFileA((dir + "inuse.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                             OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(inUse, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(win::DeleteDirectoryNoErrors(dir));
  EXPECT_EQ(FunStatContext.Status, Warning);
  for (const char* name : {"readonly.txt", "hidden.txt", "BackSounds"}) EXPECT_FALSE(Exists(dir + name)) << name;
  EXPECT_TRUE(Exists(dir + "inuse.txt"));
  CloseHandle(inUse);
  EXPECT_TRUE(win::DeleteDirectoryNoErrors(dir));
  EXPECT_FALSE(Exists(dir));
  FunStatContext.Reset(Perfect);
}

TEST(InstallForm, TheUninstallerNeverDeletesASystemFolderOrOneAboveIt) {
  const std::vector<std::string> system = {"C:\\Windows\\", "C:\\Program Files\\", "C:\\Users\\Ann"};
  struct Case { const char* folder; bool refused; } cases[] = {
      {"C:\\", true},
      {"D:\\", true},
      {"C:\\Windows", true},
      {"c:\\program files\\", true},
      {"C:\\Users\\", true},
      {"C:\\Users\\Ann\\", true},
      {"C:\\Program Files\\..\\", true},
      {"C:\\Program Files\\Quenvalis\\", false},
      {"C:\\Users\\Ann\\Apps\\Quenvalis", false},
      {"C:\\Windowsless\\", false},
      {"\\\\server\\share\\", true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(app::IsSystemFolderOrAbove(c.folder, system), c.refused) << c.folder;
}

class ChosenFolder : public win::IFolderBrowser {
 public:
  std::string Answer;
  bool Chooses = true;
  std::string Started;
  bool Browse(HWND, const std::string&, std::string& folder) override {
    Started = folder;
    if (Chooses) folder = Answer;
    return Chooses;
  }
};

TEST(InstallForm, BrowseShowsTheChosenFolderWithATrailingBackslash) {
  ChosenFolder browser;
  win::SetFolderBrowser(&browser);
  app::TInstallForm form;
  // Only the browser changes the folder: the edit is read-only.
  EXPECT_TRUE(GetWindowLongA(form.InstallToEdit.Handle(), GWL_STYLE) & ES_READONLY);
  struct Case { const char* answer; bool chooses; const char* shown; } cases[] = {
      {"C:\\Books", true, "C:\\Books\\"},
      {"D:\\", true, "D:\\"},
      {"E:\\Apps", false, "D:\\"},  // cancelled: the folder stays
  };
  for (const Case& c : cases) {
    browser.Answer = c.answer;
    browser.Chooses = c.chooses;
    form.BrowseButton.Click();
    EXPECT_EQ(form.InstallToEdit.Text(), c.shown) << c.answer;
  }
  EXPECT_EQ(browser.Started, "D:\\") << "the browser starts at the folder shown";
  win::SetFolderBrowser(nullptr);
}

// The uninstaller removes the release's files by name: the release holds
// exactly those, the program and its folders.
TEST(ReleaseFolder, HoldsExactlyWhatTheUninstallerKnows) {
  const std::set<std::string> names = ListTree(win::ProgramDirectory() + "..\\..\\dist\\Quenvalis\\");
  std::set<std::string> expected(ReleaseFiles().begin(), ReleaseFiles().end());
  expected.insert(ReleaseFolders().begin(), ReleaseFolders().end());
  expected.insert("Install.exe");
  EXPECT_EQ(names, expected);
}

// The release exe's resources, loaded as data.
TEST(ReleaseResources, ManifestAndVersionReadBack) {
  const std::string exe = win::ProgramDirectory() + "..\\..\\dist\\Quenvalis\\Install.exe";
  HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr) << "no release exe at " << exe << ": run scripts/dist";
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  ASSERT_NE(found, nullptr);
  const std::string manifest(static_cast<const char*>(LockResource(LoadResource(module, found))),
                             SizeofResource(module, found));
  FreeLibrary(module);
  for (const char* part :
       {"name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
        "level=\"asInvoker\"", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}" /* 7 */,
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}" /* 8 */, "{1f676c76-80e1-4239-95bb-83d0f6d0da78}" /* 8.1 */,
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}" /* 10 and 11 */,
        // Drawn at each screen's DPI: per-monitor v2, per-monitor and system awareness.
        "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</dpiAware>",
        "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">PerMonitorV2, PerMonitor</dpiAwareness>",
        "name=\"Quenvalis\" version=\"" QV_VERSION_DOTTED ".0\""})
    EXPECT_NE(manifest.find(part), std::string::npos) << part;

  DWORD ignored = 0;
  std::string info(GetFileVersionInfoSizeA(exe.c_str(), &ignored), '\0');
  ASSERT_FALSE(info.empty());
  ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, static_cast<DWORD>(info.size()), &info[0]));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, static_cast<DWORD>(QV_VERSION_MAJOR << 16 | QV_VERSION_MINOR));
  EXPECT_EQ(fixed->dwFileVersionLS, static_cast<DWORD>(QV_VERSION_PATCH << 16));
  struct Value { const char* name; std::string expected; } values[] = {
      {"Comments", ProgramVersionText}, {"ProductVersion", QV_VERSION_DOTTED},
      {"OriginalFilename", "Quenvalis.exe"}, {"ProductName", ProgramName}};
  for (const Value& v : values) {
    char* text = nullptr;
    const std::string key = std::string("\\StringFileInfo\\040904E4\\") + v.name;
    ASSERT_TRUE(VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void**>(&text), &length)) << v.name;
    EXPECT_EQ(std::string(text), v.expected) << v.name;
  }
}

}  // namespace
}  // namespace qv::testing
