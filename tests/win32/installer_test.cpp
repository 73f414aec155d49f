// The release's Install.exe in processes of its own, run from a copy of
// build/dist/Quenvalis/ into a temporary "Program Files" folder: its window is
// found by caption, its buttons pressed with messages, and its questions
// answered through the real message boxes' buttons, as a person would.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <set>

#include "ProgramVersion.h"
#include "ScreenCapture.h"
#include "WineTestSupport.h"
#include "encoding/UnicodeText.h"
#include "paths/PathStrings.h"
#include "platform/DirectoryCopy.h"
#include "platform/FileServices.h"
#include "platform/Shortcuts.h"
#include "platform/UninstallRegistry.h"
#include "platform/WideText.h"
#include "platform/Win32Platform.h"

namespace qv::testing {
namespace {

const char* const kInstallCaption = "Install Quenvalis";

class TChild {
 public:
  TChild(const std::string& exe, const std::string& arguments) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + exe + "\" " + arguments;
    started_ = CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &startup, &info_) != FALSE;
  }
  ~TChild() {
    if (!started_) return;
    if (!Ended(0)) TerminateProcess(info_.hProcess, 9);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  bool Started() const { return started_; }
  DWORD Id() const { return info_.dwProcessId; }
  bool Ended(DWORD ms) const { return WaitForSingleObject(info_.hProcess, ms) == WAIT_OBJECT_0; }
  DWORD ExitCode() const {
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
  }

 private:
  PROCESS_INFORMATION info_{};
  bool started_ = false;
};

std::string TextOf(HWND window) {
  char buffer[8192] = "";
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                      SMTO_ABORTIFHUNG, 3000, nullptr);
  return buffer;
}

struct TSearch {
  DWORD Pid;
  const std::string& Caption;
  HWND Found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
  auto* s = reinterpret_cast<TSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  const bool ofProcess = s->Pid ? owner == s->Pid : owner != GetCurrentProcessId();
  if (!ofProcess || !IsWindowVisible(window) || TextOf(window) != s->Caption) return TRUE;
  s->Found = window;
  return FALSE;
}

// The first visible top-level window with this caption, of process pid or,
// when pid is 0, of any process but this one; looked for at least once.
HWND WaitForWindow(DWORD pid, const std::string& caption, int ms = 20000) {
  TSearch search{pid, caption, nullptr};
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  for (;;) {
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    if (search.Found || static_cast<int>(end - GetTickCount()) <= 0) return search.Found;
    Sleep(50);
  }
}

// The full path of the executable of a process.
std::string ExecutableOf(DWORD pid) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
  MODULEENTRY32 module{};
  module.dwSize = sizeof module;
  const bool found = snapshot != INVALID_HANDLE_VALUE && Module32First(snapshot, &module);
  if (snapshot != INVALID_HANDLE_VALUE) CloseHandle(snapshot);
  return found ? win::FromWide(module.szExePath) : "";
}

BOOL CALLBACK AddChild(HWND child, LPARAM data) {
  reinterpret_cast<std::vector<HWND>*>(data)->push_back(child);
  return TRUE;
}

std::vector<HWND> ChildrenOf(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(parent, AddChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

std::set<std::string> TextsOf(HWND parent) {
  std::set<std::string> texts;
  for (HWND child : ChildrenOf(parent)) texts.insert(TextOf(child));
  return texts;
}

HWND ChildWithText(HWND parent, const std::string& text) {
  for (HWND child : ChildrenOf(parent))
    if (TextOf(child) == text) return child;
  return nullptr;
}

// An edit child: the one-line read-only one, or the multi-line one.
HWND EditChild(HWND parent, bool multiLine) {
  for (HWND child : ChildrenOf(parent)) {
    char kind[32] = "";
    GetClassNameA(child, kind, sizeof kind);
    const bool isMultiLine = (GetWindowLongA(child, GWL_STYLE) & ES_MULTILINE) != 0;
    if (lstrcmpiA(kind, "Edit") == 0 && isMultiLine == multiLine) return child;
  }
  return nullptr;
}

// Presses a button of a window of another process without waiting for what it starts.
void Press(HWND window, const std::string& caption) {
  HWND button = ChildWithText(window, caption);
  ASSERT_NE(button, nullptr) << caption;
  PostMessageA(window, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

// Waits for a message box of pid, answers it with one of its buttons and gives its text.
std::string Answer(DWORD pid, const std::string& caption, int button) {
  HWND box = WaitForWindow(pid, caption);
  if (!box) return "(no \"" + caption + "\" box)";
  const std::string text = TextOf(GetDlgItem(box, 0xFFFF));
  PostMessageA(box, WM_COMMAND, button, 0);
  return text;
}

std::string ShellFolder(int id) {
  char path[MAX_PATH] = "";
  SHGetFolderPathA(nullptr, id, nullptr, SHGFP_TYPE_CURRENT, path);
  return IncludeTrailingBackslash(path);
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class Installer : public ::testing::Test {
 protected:
  void SetUp() override {
    win::DeleteDirectoryNoErrors(root_);
    ASSERT_TRUE(Exists(dist_ + "Install.exe")) << "no release folder at " << dist_ << ": run scripts/dist";
    ASSERT_TRUE(win::MyCreateDirectory(root_) && win::MyCreateDirectory(root_ + "Setup"));
    ASSERT_TRUE(win::CopyDeleteDirectory(dist_, setup_, false)) << FunStatContext.Description;
    ASSERT_TRUE(win::MyCreateDirectory(programFiles_));
    RemoveInstallationTraces();
  }
  void TearDown() override {
    CloseReader();
    RemoveInstallationTraces();
    win::DeleteDirectoryNoErrors(root_);
  }

  static void RemoveInstallationTraces() {
    win::DeleteUninstallerRegistry("Quenvalis");
    DeleteFileA((ShellFolder(CSIDL_DESKTOPDIRECTORY) + "Quenvalis.lnk").c_str());
    win::DeleteDirectoryNoErrors(ShellFolder(CSIDL_PROGRAMS) + "Quenvalis");
  }

  // Closes the installed reader through its own close path, if one runs.
  static bool CloseReader() {
    HWND reader = WaitForWindow(0, "Quenvalis", 0);
    if (!reader) return true;
    DWORD pid = 0;
    GetWindowThreadProcessId(reader, &pid);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    PostMessageA(reader, WM_CLOSE, 0, 0);
    const bool ended = process && WaitForSingleObject(process, 15000) == WAIT_OBJECT_0;
    if (process) CloseHandle(process);
    return ended;
  }

  // The installer's window, with its directory set to parent (read back before anything is pressed).
  HWND OpenInstaller(const TChild& installer, const std::string& parent) {
    HWND window = WaitForWindow(installer.Id(), kInstallCaption);
    if (!window) return nullptr;
    SendMessageA(EditChild(window, false), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(parent.c_str()));
    return TextOf(EditChild(window, false)) == parent ? window : nullptr;
  }

  // Installs through the window, answering the question with Yes; gives the question.
  std::string InstallThroughWindow() {
    TChild installer(setup_ + "Install.exe", "");
    HWND window = OpenInstaller(installer, programFiles_);
    if (!window) return "(no installer window)";
    Press(window, "&Install");
    const std::string question = Answer(installer.Id(), "Query", IDYES);
    return installer.Ended(20000) ? question : "(installer did not end)";
  }

  const std::string root_ = win::ProgramDirectory() + "installer-test\\";
  const std::string dist_ = win::ProgramDirectory() + "..\\..\\dist\\Quenvalis\\";
  const std::string setup_ = root_ + "Setup\\Quenvalis\\";
  const std::string programFiles_ = root_ + "Program Files\\";
  const std::string target_ = programFiles_ + "Quenvalis\\";
};

TEST_F(Installer, InstallCopiesRenamesLinksRegistersAndStartsTheProgram) {
  TChild installer(setup_ + "Install.exe", "");
  ASSERT_TRUE(installer.Started());
  HWND window = OpenInstaller(installer, programFiles_);
  ASSERT_NE(window, nullptr);
  const std::set<std::string> texts = TextsOf(window);
  for (const char* text : {"Welcome to Quenvalis", QV_VERSION_TEXT, QV_DISPLAY_TITLE, "&Install",
                           "&Cancel", "&Browse",
                           "The program's installation directory will be put in directory:"})
    EXPECT_EQ(texts.count(text), 1u) << text;
  EXPECT_EQ(TextOf(EditChild(window, true)).substr(0, 9), "Quenvalis") << "the readme is not shown";
  Sleep(300);
  SaveScreenshot(window, "installer");

  Press(window, "&Install");
  EXPECT_EQ(Answer(installer.Id(), "Query", IDYES),
            "Install the program in directory \"" + programFiles_ + "Quenvalis\"?");
  ASSERT_TRUE(installer.Ended(20000));

  for (const char* file : {"Quenvalis.exe", "Readme.txt", "Welcome.txt", "ErrorFix.rtf", "Help.htm", "BackSounds"})
    EXPECT_TRUE(Exists(target_ + file)) << file;
  EXPECT_FALSE(Exists(target_ + "Install.exe"));
  const std::string exe = target_ + "Quenvalis.exe";
  const std::string menu = ShellFolder(CSIDL_PROGRAMS) + "Quenvalis\\";
  struct Link { std::string path, target, arguments; } links[] = {
      {ShellFolder(CSIDL_DESKTOPDIRECTORY) + "Quenvalis.lnk", exe, ""},
      {menu + "Quenvalis.lnk", exe, ""},
      {menu + "Uninstall.lnk", exe, "/Uninstall"},
      {menu + "Readme.lnk", target_ + "Readme.txt", ""},
  };
  for (const Link& link : links) {
    const win::TShortcut read = win::ReadShortcut(link.path);
    EXPECT_TRUE(SameText(read.Target, link.target)) << link.path << " -> " << read.Target;
    EXPECT_EQ(read.Arguments, link.arguments) << link.path;
  }
  EXPECT_EQ(win::ReadUninstallRegistry("Quenvalis", "DisplayName"), "Quenvalis");
  EXPECT_EQ(win::ReadUninstallRegistry("Quenvalis", "UninstallString"), exe + " /Uninstall");

  // The installed program runs: the installer let go of the instance lock before starting it.
  HWND reader = WaitForWindow(0, "Quenvalis", 30000);
  ASSERT_NE(reader, nullptr) << "the installed program did not start";
  DWORD pid = 0;
  GetWindowThreadProcessId(reader, &pid);
  const std::string running = ExecutableOf(pid);
  EXPECT_TRUE(SameText(win::GetFullPath(running), win::GetFullPath(exe))) << running;
  EXPECT_TRUE(CloseReader());
}

TEST_F(Installer, ReinstallKeepsTheUsersFilesAndReplacesTheProgramFiles) {
  ASSERT_TRUE(win::MyCreateDirectory(target_));
  const std::string options = "[Quenvalis_Main]\r\nAutoLoadLast=FALSE\r\n";
  WriteTestFile("options.ini", options);
  ASSERT_TRUE(win::MyRenameFile(TestDirectory() + "options.ini", target_ + "Quenvalis.ini"));
  WriteTestFile("old-welcome.txt", "an old welcome");
  ASSERT_TRUE(win::MyRenameFile(TestDirectory() + "old-welcome.txt", target_ + "Welcome.txt"));
  SetFileAttributesA((target_ + "Welcome.txt").c_str(), FILE_ATTRIBUTE_READONLY);

  EXPECT_EQ(InstallThroughWindow().substr(0, 34), "Install the program in directory \"");
  // Read before the started reader closes and rewrites its options.
  EXPECT_EQ(ReadWholeFile(target_ + "Quenvalis.ini"), options);
  EXPECT_EQ(ReadWholeFile(target_ + "Welcome.txt"), ReadWholeFile(dist_ + "Welcome.txt"));
  EXPECT_EQ(ReadWholeFile(target_ + "Quenvalis.exe"), ReadWholeFile(dist_ + "Install.exe"));
  EXPECT_NE(WaitForWindow(0, "Quenvalis", 30000), nullptr);
}

TEST_F(Installer, NoAtTheQuestionChangesNothing) {
  TChild installer(setup_ + "Install.exe", "");
  HWND window = OpenInstaller(installer, programFiles_);
  ASSERT_NE(window, nullptr);
  Press(window, "&Install");
  Answer(installer.Id(), "Query", IDNO);
  ASSERT_TRUE(installer.Ended(15000)) << "the window stays after the question";
  EXPECT_FALSE(Exists(target_));
  EXPECT_FALSE(Exists(ShellFolder(CSIDL_DESKTOPDIRECTORY) + "Quenvalis.lnk"));
  EXPECT_EQ(win::ReadUninstallRegistry("Quenvalis", "UninstallString"), "");
}

TEST_F(Installer, AnEmptyDirectoryIsWarnedAboutAndTheWindowCloses) {
  TChild installer(setup_ + "Install.exe", "");
  HWND window = OpenInstaller(installer, "");
  ASSERT_NE(window, nullptr);
  Press(window, "&Install");
  EXPECT_EQ(Answer(installer.Id(), "Warning", IDOK), "(Un)Installation directory is empty.");
  EXPECT_TRUE(installer.Ended(15000));
}

TEST_F(Installer, AnUnwritableTargetReportsTheFailureAndNothingElse) {
  // A file stands where the program's folder would be created.
  WriteTestFile("in-the-way", "x");
  ASSERT_TRUE(win::MyRenameFile(TestDirectory() + "in-the-way", programFiles_ + "Quenvalis"));
  TChild installer(setup_ + "Install.exe", "");
  HWND window = OpenInstaller(installer, programFiles_);
  ASSERT_NE(window, nullptr);
  Press(window, "&Install");
  Answer(installer.Id(), "Query", IDYES);
  HWND report = WaitForWindow(installer.Id(), "Error");
  ASSERT_NE(report, nullptr) << "no error dialog";
  const std::string memo = TextOf(EditChild(report, true));
  EXPECT_NE(memo.find("Failed to install program. Check to see if you have rights to write in the "
                      "installation directory."),
            std::string::npos)
      << memo;
  EXPECT_NE(memo.find("\"Failed to create directory.\""), std::string::npos) << memo;
  Press(report, "&Okay");
  ASSERT_TRUE(installer.Ended(15000));
  EXPECT_EQ(win::ReadUninstallRegistry("Quenvalis", "UninstallString"), "");
  EXPECT_EQ(WaitForWindow(0, "Quenvalis", 1000), nullptr) << "a program was started";
}

TEST_F(Installer, LowerCaseUninstallRemovesFolderLinksAndKey) {
  InstallThroughWindow();
  ASSERT_NE(WaitForWindow(0, "Quenvalis", 30000), nullptr);
  ASSERT_TRUE(CloseReader());
  ASSERT_TRUE(Exists(ShellFolder(CSIDL_DESKTOPDIRECTORY) + "Quenvalis.lnk"));
  TChild uninstaller(target_ + "Quenvalis.exe", "/uninstall");
  HWND window = WaitForWindow(uninstaller.Id(), "Uninstall Quenvalis");
  ASSERT_NE(window, nullptr) << "lower-case /uninstall did not start the uninstaller";
  const std::set<std::string> texts = TextsOf(window);
  for (const char* text : {"Bye from Quenvalis", "Un&install", "The following directory will be deleted:"})
    EXPECT_EQ(texts.count(text), 1u) << text;
  EXPECT_TRUE(SameText(TextOf(EditChild(window, false)), win::GetFullPath(target_)));
  EXPECT_FALSE(IsWindowEnabled(ChildWithText(window, "&Browse")));

  Press(window, "Un&install");
  EXPECT_EQ(Answer(uninstaller.Id(), "Query", IDYES).substr(0, 18), "Delete directory \"");
  EXPECT_EQ(Answer(uninstaller.Id(), "Message", IDOK),
            "Uninstallation successful. Some files that were in use were not deleted.");
  ASSERT_TRUE(uninstaller.Ended(15000));
  // Only the running program's own file could stay.
  for (const char* file : {"Readme.txt", "Welcome.txt", "Help.htm", "BackSounds", "Quenvalis.ini"})
    EXPECT_FALSE(Exists(target_ + file)) << file;
  EXPECT_FALSE(Exists(ShellFolder(CSIDL_DESKTOPDIRECTORY) + "Quenvalis.lnk"));
  EXPECT_FALSE(Exists(ShellFolder(CSIDL_PROGRAMS) + "Quenvalis"));
  EXPECT_EQ(win::ReadUninstallRegistry("Quenvalis", "DisplayName"), "");
}

TEST_F(Installer, TheRaisedRunCopiesAndRegistersWithoutWindowQuestionOrStart) {
  TChild raised(setup_ + "Install.exe", "/Elevated \"" + ExcludeTrailingBackslash(programFiles_) + "\"");
  ASSERT_TRUE(raised.Ended(20000));
  EXPECT_EQ(raised.ExitCode(), 3u);
  EXPECT_TRUE(Exists(target_ + "Quenvalis.exe"));
  EXPECT_EQ(win::ReadUninstallRegistry("Quenvalis", "UninstallString"), target_ + "Quenvalis.exe /Uninstall");
  // The user's shortcuts and the start of the program are left to the window that asked.
  EXPECT_FALSE(Exists(ShellFolder(CSIDL_DESKTOPDIRECTORY) + "Quenvalis.lnk"));
  EXPECT_EQ(WaitForWindow(0, "Quenvalis", 1000), nullptr);
}

}  // namespace
}  // namespace qv::testing
