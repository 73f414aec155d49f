// The program as a standard Windows user meets it: these run only as an
// ordinary user account (scripts/test runs them so, with the user's own wine
// prefix), against a release installed into a program folder the user cannot
// write (QV_PROGRAM_FOLDER) and a distribution folder the user cannot write
// either (QV_SETUP_FOLDER). As root, which ignores file permissions, they skip.
#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstdlib>
#include <set>

#include "OtherProcess.h"
#include "ProgramVersion.h"
#include "WineTestSupport.h"
#include "install/InstallEntry.h"
#include "encoding/UnicodeText.h"
#include "paths/PathStrings.h"
#include "platform/DirectoryCopy.h"
#include "platform/Shortcuts.h"
#include "platform/UninstallRegistry.h"

namespace qv::testing {
namespace {

std::string Setting(const char* name) {
  const char* value = std::getenv(name);
  return value ? IncludeTrailingBackslash(value) : "";
}

bool CanWriteIn(const std::string& folder) {
  const std::string probe = folder + "probe.tmp";
  HANDLE file = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

// A visible error or warning box of the process: what a reader must not meet.
std::string ShownBox(DWORD pid) {
  for (const char* caption : {"Error", "Warning"}) {
    HWND box = WaitForWindow(pid, caption, 0);
    if (!box) continue;
    const HWND memo = EditChild(box, true);
    return std::string(caption) + ": " + TextOf(memo ? memo : GetDlgItem(box, 0xFFFF));
  }
  return "";
}

bool ShowsText(HWND main, const std::string& text, int ms) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  while (TextOf(ChildOfClass(main, "RichEdit")).find(text) == std::string::npos) {
    if (static_cast<int>(end - GetTickCount()) <= 0) return false;
    Sleep(100);
  }
  return true;
}

// Sets a check box of the reader's window as a click does (the sidebar may be hidden).
void SetCheck(HWND main, const std::string& caption, bool checked) {
  HWND box = ChildWithText(main, caption);
  ASSERT_NE(box, nullptr) << caption;
  SendMessageTimeoutA(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0, SMTO_ABORTIFHUNG, 3000, nullptr);
  PostMessageA(main, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(box));
}

void RightClick(HWND main, const std::string& caption) {
  HWND button = ChildWithText(main, caption);
  ASSERT_NE(button, nullptr) << caption;
  PostMessageA(button, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
  PostMessageA(button, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
}

bool HasChildText(HWND main, const std::string& text, int ms = 5000) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  while (!ChildWithText(main, text)) {
    if (static_cast<int>(end - GetTickCount()) <= 0) return false;
    Sleep(100);
  }
  return true;
}

class StandardUser : public ::testing::Test {
 protected:
  void SetUp() override {
    if (program_.empty() || setup_.empty())
      GTEST_SKIP() << "run by scripts/test as an ordinary user (QV_PROGRAM_FOLDER, QV_SETUP_FOLDER)";
    ASSERT_FALSE(CanWriteIn(program_)) << program_ << " must be read-only for this user";
    ASSERT_FALSE(CanWriteIn(setup_)) << setup_ << " must be read-only for this user";
  }
  const std::string program_ = Setting("QV_PROGRAM_FOLDER");
  const std::string setup_ = Setting("QV_SETUP_FOLDER");
};

// Reading, a book on the shelf, a bookmark, an option and a profile option,
// then a second start that finds them all: no error box on the way.
TEST_F(StandardUser, AReadOnlyProgramFolderKeepsTheShelfTheBookmarkAndTheOptions) {
  const std::string data = ShellFolder(CSIDL_APPDATA) + "Quenvalis\\";
  win::DeleteDirectoryNoErrors(data);  // the reader's first start
  std::string text;
  for (int i = 0; i < 60; ++i) text += "A line of the standard user's book, number " + std::to_string(i) + ".\r\n\r\n";
  const std::string book = WriteTestFile("standard-user-book.txt", text);
  const std::string before = ReadWholeFile(program_ + "Quenvalis.ini");
  {
    TChild reader(program_ + "Quenvalis.exe", "\"" + book + "\"");
    HWND main = WaitForWindow(reader.Id(), "Quenvalis", 30000);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(ShowsText(main, "standard user's book", 20000)) << ShownBox(reader.Id());
    Sleep(1000);
    EXPECT_EQ(ShownBox(reader.Id()), "") << "at the start";
    Press(main, "&Put");
    RightClick(main, "&1");
    SetCheck(main, "Use clipboard for dictionary", false);
    SetCheck(main, "Show rich-box frame", true);
    EXPECT_TRUE(HasChildText(main, "&1*")) << "the bookmark was not set";
    EXPECT_TRUE(HasChildText(main, "&Open (1)"));
    EXPECT_EQ(ShownBox(reader.Id()), "") << "while reading";
    PostMessageA(main, WM_CLOSE, 0, 0);
    const bool ended = reader.Ended(8000);
    EXPECT_EQ(ShownBox(reader.Id()), "") << "at the close";
    ASSERT_TRUE(ended || reader.Ended(8000));
  }
  // The options of the program folder came along on first use; nothing was written there.
  EXPECT_EQ(ReadWholeFile(program_ + "Quenvalis.ini"), before);
  const std::string options = ReadWholeFile(data + "Quenvalis.ini");
  EXPECT_NE(options.find("RichBoxWidthPercent=60"), std::string::npos) << options;
  EXPECT_NE(options.find(book), std::string::npos) << options;
  EXPECT_NE(ReadWholeFile(data + "QuenvalisProfile.fsp").find("ShowRichBoxFrame=TRUE"), std::string::npos);
  {
    TChild reader(program_ + "Quenvalis.exe", "");
    HWND main = WaitForWindow(reader.Id(), "Quenvalis", 30000);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(ShowsText(main, "standard user's book", 20000)) << "the last book did not open " << ShownBox(reader.Id());
    EXPECT_TRUE(HasChildText(main, "&Open (1)"));
    EXPECT_TRUE(HasChildText(main, "&1*"));
    EXPECT_FALSE(IsChecked(main, "Use clipboard for dictionary"));
    EXPECT_TRUE(IsChecked(main, "Show rich-box frame"));
    EXPECT_EQ(ShownBox(reader.Id()), "");
    EXPECT_TRUE(CloseProgram(main));
  }
}

// Installing for oneself needs no administrator: the user's own programs
// folder, shortcuts and uninstall entry; uninstalling removes exactly those.
TEST_F(StandardUser, InstallsForThemselvesAndUninstallingRemovesExactlyThat) {
  const std::string desktop = ShellFolder(CSIDL_DESKTOPDIRECTORY), programs = ShellFolder(CSIDL_PROGRAMS);
  const std::string local = ShellFolder(CSIDL_LOCAL_APPDATA) + "Programs\\";
  const std::string target = local + "Quenvalis\\";
  win::DeleteDirectoryNoErrors(target);
  win::DeleteUninstallerRegistry(TInstallScope::CurrentUser, "Quenvalis");
  // What the user has where an installation for them puts things (wine shows
  // the account's home as the desktop: its top level only).
  const auto snapshot = [&] {
    std::set<std::string> names;
    for (const std::string& name : ListTree(desktop, false)) names.insert(desktop + name);
    for (const std::string& folder : {programs, local, ShellFolder(CSIDL_APPDATA) + "Quenvalis\\"})
      for (const std::string& name : ListTree(folder)) names.insert(folder + name);
    return names;
  };
  const std::set<std::string> before = snapshot();
  const std::string machineEntry = win::ReadUninstallRegistry(TInstallScope::AllUsers, "Quenvalis", "UninstallString");

  TChild installer(setup_ + "Install.exe", "");
  HWND window = WaitForWindow(installer.Id(), "Install Quenvalis");
  ASSERT_NE(window, nullptr);
  Click(window, "Install for &me only");
  EXPECT_TRUE(SameText(TextOf(EditChild(window, false)), local)) << TextOf(EditChild(window, false));
  Press(window, "&Install");
  EXPECT_EQ(Answer(installer.Id(), "Query", IDYES), "Install the program in directory \"" + target.substr(0, target.size() - 1) + "\"?");
  ASSERT_TRUE(installer.Ended(30000));
  EXPECT_EQ(ShownBox(installer.Id()), "");

  const std::string exe = target + "Quenvalis.exe";
  for (const char* file : {"Quenvalis.exe", "Readme.txt", "Welcome.txt", "Help.htm", "BackSounds"})
    EXPECT_TRUE(Exists(target + file)) << file;
  for (const std::string& link : {desktop + "Quenvalis.lnk", programs + "Quenvalis\\Quenvalis.lnk",
                                  programs + "Quenvalis\\Uninstall.lnk"})
    EXPECT_TRUE(SameText(win::ReadShortcut(link).Target, exe)) << link;
  EXPECT_TRUE(SameText(win::ReadShortcut(programs + "Quenvalis\\Readme.lnk").Target, target + "Readme.txt"));
  const std::string command = win::ReadUninstallRegistry(TInstallScope::CurrentUser, "Quenvalis", "UninstallString");
  EXPECT_TRUE(SameText(command, "\"" + exe + "\" /Uninstall")) << command;
  EXPECT_EQ(win::ReadUninstallRegistry(TInstallScope::CurrentUser, "Quenvalis", "DisplayVersion"), QV_VERSION_DOTTED);
  EXPECT_EQ(win::ReadUninstallRegistry(TInstallScope::AllUsers, "Quenvalis", "UninstallString"), machineEntry);

  // The started reader keeps its files in its own, writable folder.
  HWND reader = WaitForWindow(0, "Quenvalis", 30000);
  ASSERT_NE(reader, nullptr);
  Sleep(1500);
  ASSERT_TRUE(CloseProgram(reader));
  EXPECT_TRUE(Exists(target + "Quenvalis.ini"));

  // Uninstalling through the entry's own command, without keeping the data.
  TChild uninstaller(ProgramOfUninstallCommand(command), "/Uninstall");
  window = WaitForWindow(uninstaller.Id(), "Uninstall Quenvalis");
  ASSERT_NE(window, nullptr);
  Click(window, "&Keep my options, bookshelf and profiles");
  Press(window, "Un&install");
  Answer(uninstaller.Id(), "Query", IDYES);
  EXPECT_EQ(Answer(uninstaller.Id(), "Message", IDOK), "Uninstallation successful.");
  ASSERT_TRUE(uninstaller.Ended(15000));
  EXPECT_TRUE(WaitUntilGone(target, 30000)) << "the program's folder stays";
  EXPECT_EQ(win::ReadUninstallRegistry(TInstallScope::CurrentUser, "Quenvalis", "UninstallString"), "");
  EXPECT_EQ(snapshot(), before);
}

}  // namespace
}  // namespace qv::testing
