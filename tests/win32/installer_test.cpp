// The release's Install.exe in processes of its own, run from a copy of
// build/dist/Quenvalis/ into a temporary "Program Files" folder: its window is
// found by caption, its buttons pressed with messages, and its questions
// answered through the real message boxes' buttons, as a person would. These
// run with wine's administrator rights: an installation for all users.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <set>

#include "OtherProcess.h"
#include "ProgramVersion.h"
#include "ScreenCapture.h"
#include "WineTestSupport.h"
#include "app/install/RunOrder.h"
#include "install/UninstallPlan.h"
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
const char* const kAllUsers = "Install for &all users";
const char* const kMeOnly = "Install for &me only";
const char* const kKeepData = "&Keep my options, bookshelf and profiles";
constexpr TInstallScope kMachine = TInstallScope::AllUsers;

// The full path of the executable of a process.
std::string ExecutableOf(DWORD pid) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
  MODULEENTRY32 module{};
  module.dwSize = sizeof module;
  const bool found = snapshot != INVALID_HANDLE_VALUE && Module32First(snapshot, &module);
  if (snapshot != INVALID_HANDLE_VALUE) CloseHandle(snapshot);
  return found ? win::FromWide(module.szExePath) : "";
}

// Keys typed into the foreground window, as a person types them.
void Type(std::initializer_list<WORD> held, WORD key) {
  std::vector<INPUT> inputs;
  auto add = [&](WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(in);
  };
  for (WORD h : held) add(h, false);
  add(key, false);
  add(key, true);
  for (WORD h : held) add(h, true);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  Sleep(300);
}

std::string FocusedText(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus ? TextOf(info.hwndFocus) : "(no focus)";
}

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
    for (TInstallScope scope : {TInstallScope::AllUsers, TInstallScope::CurrentUser})
      win::DeleteUninstallerRegistry(scope, "Quenvalis");
    for (int desktop : {CSIDL_DESKTOPDIRECTORY, CSIDL_COMMON_DESKTOPDIRECTORY})
      DeleteFileA((ShellFolder(desktop) + "Quenvalis.lnk").c_str());
    for (int programs : {CSIDL_PROGRAMS, CSIDL_COMMON_PROGRAMS})
      win::DeleteDirectoryNoErrors(ShellFolder(programs) + "Quenvalis");
  }

  // Closes the installed reader through its own close path, if one runs.
  static bool CloseReader() {
    HWND reader = WaitForWindow(0, "Quenvalis", 0);
    return !reader || CloseProgram(reader);
  }

  // The installer's window (for all users unless another choice is clicked),
  // with its directory set to parent (read back before anything is pressed).
  HWND OpenInstaller(const TChild& installer, const std::string& parent, const char* scope = nullptr) {
    HWND window = WaitForWindow(installer.Id(), kInstallCaption);
    if (!window) return nullptr;
    if (scope) Click(window, scope);
    SendMessageA(EditChild(window, false), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(parent.c_str()));
    return TextOf(EditChild(window, false)) == parent ? window : nullptr;
  }

  // Installs through the window, answering the question with Yes; gives the question.
  std::string InstallThroughWindow(const std::string& setup, const char* scope = nullptr) {
    TChild installer(setup + "Install.exe", "");
    HWND window = OpenInstaller(installer, programFiles_, scope);
    if (!window) return "(no installer window)";
    Press(window, "&Install");
    const std::string question = Answer(installer.Id(), "Query", IDYES);
    return installer.Ended(20000) ? question : "(installer did not end)";
  }
  std::string InstallThroughWindow() { return InstallThroughWindow(setup_); }

  // Uninstalls target through its window, keeping the reader's data or not;
  // gives the closing message's caption and text.
  std::string UninstallThroughWindow(const std::string& target, bool keepData, const char* closing) {
    TChild uninstaller(target + "Quenvalis.exe", "/Uninstall");
    HWND window = WaitForWindow(uninstaller.Id(), "Uninstall Quenvalis");
    if (!window) return "(no uninstaller window)";
    if (!keepData) Click(window, kKeepData);
    Press(window, "Un&install");
    Answer(uninstaller.Id(), "Query", IDYES);
    const std::string text = Answer(uninstaller.Id(), closing, IDOK);
    return uninstaller.Ended(15000) ? text : "(uninstaller did not end)";
  }

  const std::string root_ = win::ProgramDirectory() + "installer-test\\";
  const std::string dist_ = win::ProgramDirectory() + "..\\..\\dist\\Quenvalis\\";
  const std::string setup_ = root_ + "Setup\\Quenvalis\\";
  const std::string programFiles_ = root_ + "Program Files\\";
  const std::string target_ = programFiles_ + "Quenvalis\\";
};

TEST_F(Installer, InstallForAllUsersCopiesRenamesLinksRegistersAndStartsTheProgram) {
  TChild installer(setup_ + "Install.exe", "");
  ASSERT_TRUE(installer.Started());
  HWND window = WaitForWindow(installer.Id(), kInstallCaption);
  ASSERT_NE(window, nullptr);
  // An administrator (wine's user) is offered the installation for all users, in the program-files folder.
  EXPECT_TRUE(IsChecked(window, kAllUsers));
  EXPECT_FALSE(IsChecked(window, kMeOnly));
  EXPECT_EQ(TextOf(EditChild(window, false)), ShellFolder(CSIDL_PROGRAM_FILES));
  window = OpenInstaller(installer, programFiles_);
  ASSERT_NE(window, nullptr);
  const std::set<std::string> texts = TextsOf(window);
  for (const char* text : {"Welcome to Quenvalis", QV_VERSION_TEXT, QV_DISPLAY_TITLE, "&Install", "&Cancel",
                           "&Browse", kAllUsers, kMeOnly,
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
  const std::string menu = ShellFolder(CSIDL_COMMON_PROGRAMS) + "Quenvalis\\";
  struct Link { std::string path, target, arguments; } links[] = {
      {ShellFolder(CSIDL_COMMON_DESKTOPDIRECTORY) + "Quenvalis.lnk", exe, ""},
      {menu + "Quenvalis.lnk", exe, ""},
      {menu + "Uninstall.lnk", exe, "/Uninstall"},
      {menu + "Readme.lnk", target_ + "Readme.txt", ""},
  };
  for (const Link& link : links) {
    const win::TShortcut read = win::ReadShortcut(link.path);
    EXPECT_TRUE(SameText(read.Target, link.target)) << link.path << " -> " << read.Target;
    EXPECT_EQ(read.Arguments, link.arguments) << link.path;
  }
  EXPECT_FALSE(Exists(ShellFolder(CSIDL_DESKTOPDIRECTORY) + "Quenvalis.lnk")) << "a shortcut of one user only";
  // The entry as Settings > Apps shows other programs: the command quoted, the
  // icon, version, publisher, folder and size.
  struct Value { const char* name; std::string expected; } values[] = {
      {"DisplayName", "Quenvalis"},
      {"UninstallString", "\"" + exe + "\" /Uninstall"},
      {"DisplayIcon", exe},
      {"DisplayVersion", QV_VERSION_DOTTED},
      {"Publisher", "The Quenvalis developers"},
      {"InstallLocation", ExcludeTrailingBackslash(target_)},
  };
  for (const Value& v : values) EXPECT_EQ(win::ReadUninstallRegistry(kMachine, "Quenvalis", v.name), v.expected) << v.name;
  uint32_t size = 0;
  EXPECT_TRUE(win::ReadUninstallRegistryNumber(kMachine, "Quenvalis", "EstimatedSize", size));
  EXPECT_NEAR(size, (win::FolderSize(target_) + 1023) / 1024, 64u);
  EXPECT_EQ(win::ReadUninstallRegistry(TInstallScope::CurrentUser, "Quenvalis", "DisplayName"), "");

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
  EXPECT_FALSE(Exists(ShellFolder(CSIDL_COMMON_DESKTOPDIRECTORY) + "Quenvalis.lnk"));
  EXPECT_EQ(win::ReadUninstallRegistry(kMachine, "Quenvalis", "UninstallString"), "");
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
  EXPECT_EQ(win::ReadUninstallRegistry(kMachine, "Quenvalis", "UninstallString"), "");
  EXPECT_EQ(WaitForWindow(0, "Quenvalis", 1000), nullptr) << "a program was started";
}

// Uninstalling keeps the reader's options and what the reader added, and
// removes the running program file once it has ended.
TEST_F(Installer, LowerCaseUninstallRemovesWhatTheInstallationMadeAndKeepsTheReadersData) {
  InstallThroughWindow();
  ASSERT_NE(WaitForWindow(0, "Quenvalis", 30000), nullptr);
  ASSERT_TRUE(CloseReader());
  ASSERT_TRUE(Exists(target_ + "Quenvalis.ini"));
  WriteTestFile("rain.wav", "RIFF");
  ASSERT_TRUE(win::MyRenameFile(TestDirectory() + "rain.wav", target_ + "BackSounds\\rain.wav"));

  TChild uninstaller(target_ + "Quenvalis.exe", "/uninstall");
  HWND window = WaitForWindow(uninstaller.Id(), "Uninstall Quenvalis");
  ASSERT_NE(window, nullptr) << "lower-case /uninstall did not start the uninstaller";
  const std::set<std::string> texts = TextsOf(window);
  for (const char* text : {"Bye from Quenvalis", "Un&install", "The program will be removed from directory:", kKeepData})
    EXPECT_EQ(texts.count(text), 1u) << text;
  EXPECT_FALSE(IsWindowVisible(ChildWithText(window, kAllUsers)));
  for (const std::string& shown : texts)
    EXPECT_EQ(shown.find("The existing options file will be preserved."), std::string::npos) << shown;
  EXPECT_TRUE(IsChecked(window, kKeepData)) << "the reader's data is kept unless they say otherwise";
  EXPECT_TRUE(SameText(TextOf(EditChild(window, false)), win::GetFullPath(target_)));
  EXPECT_FALSE(IsWindowEnabled(ChildWithText(window, "&Browse")));
  Sleep(300);
  SaveScreenshot(window, "uninstaller");

  Press(window, "Un&install");
  EXPECT_EQ(Answer(uninstaller.Id(), "Query", IDYES),
            "Remove Quenvalis from directory \"" + win::GetFullPath(target_) +
                "\"?\n\nYour options, bookshelf and profiles are kept.");
  const std::string message = Answer(uninstaller.Id(), "Message", IDOK);
  EXPECT_EQ(message.substr(0, 27), "Uninstallation successful.\n") << message;
  EXPECT_NE(message.find("Your options, bookshelf and profiles are kept in \"" + win::GetFullPath(target_) + "\""),
            std::string::npos)
      << message;
  EXPECT_NE(message.find("BackSounds\" was kept"), std::string::npos) << message;
  ASSERT_TRUE(uninstaller.Ended(15000));
  for (const std::string& file : ReleaseFiles()) EXPECT_FALSE(Exists(target_ + file)) << file;
  for (const char* kept : {"Quenvalis.ini", "QuenvalisProfile.fsp", "BackSounds\\rain.wav"})
    EXPECT_TRUE(Exists(target_ + kept)) << kept;
  EXPECT_FALSE(Exists(ShellFolder(CSIDL_COMMON_DESKTOPDIRECTORY) + "Quenvalis.lnk"));
  EXPECT_FALSE(Exists(ShellFolder(CSIDL_COMMON_PROGRAMS) + "Quenvalis"));
  EXPECT_EQ(win::ReadUninstallRegistry(kMachine, "Quenvalis", "DisplayName"), "");
  // The program file goes once the uninstaller has ended.
  EXPECT_TRUE(WaitUntilGone(target_ + "Quenvalis.exe", 20000)) << "the running program was left behind";
}

// What cannot be deleted is counted and named, never called a success.
TEST_F(Installer, UninstallingTellsWhatCouldNotBeDeletedAndRemovesTheRestWithTheReadersData) {
  InstallThroughWindow();
  ASSERT_NE(WaitForWindow(0, "Quenvalis", 30000), nullptr);
  ASSERT_TRUE(CloseReader());
  HANDLE inUse = CreateFileA((target_ + "Help.htm").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                             OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(inUse, INVALID_HANDLE_VALUE);
  const std::string message = UninstallThroughWindow(target_, false, "Warning");
  CloseHandle(inUse);
  EXPECT_EQ(message.substr(0, 68),
            "Uninstallation incomplete: 1 file or folder could not be deleted (in")
      << message;
  EXPECT_NE(message.find(win::GetFullPath(target_) + "Help.htm"), std::string::npos) << message;
  EXPECT_EQ(message.find("are kept in"), std::string::npos) << message;
  for (const char* gone : {"Readme.txt", "Welcome.txt", "Quenvalis.ini", "QuenvalisProfile.fsp", "BackSounds"})
    EXPECT_FALSE(Exists(target_ + gone)) << gone;
  EXPECT_TRUE(WaitUntilGone(target_ + "Quenvalis.exe", 20000));
  EXPECT_TRUE(Exists(target_ + "Help.htm"));
}

// A distribution folder named like a folder of the start menu ("Startup")
// makes a start-menu folder of that name: uninstalling takes out its own
// shortcuts, never what the user keeps there.
TEST_F(Installer, TheStartMenuFolderLosesOnlyOurShortcuts) {
  const std::string setup = root_ + "Setup\\Startup\\";
  ASSERT_TRUE(win::CopyDeleteDirectory(dist_, setup, false));
  const std::string startup = ShellFolder(CSIDL_STARTUP);
  ASSERT_TRUE(win::MyCreateDirectory(startup));
  WriteTestFile("mine.txt", "the user's");
  ASSERT_TRUE(win::MyRenameFile(TestDirectory() + "mine.txt", startup + "mine.txt"));
  ASSERT_TRUE(SameText(startup, ShellFolder(CSIDL_PROGRAMS) + "Startup\\")) << startup;
  InstallThroughWindow(setup, kMeOnly);
  ASSERT_NE(WaitForWindow(0, "Quenvalis", 30000), nullptr);
  ASSERT_TRUE(CloseReader());
  ASSERT_TRUE(Exists(startup + "Uninstall.lnk"));
  UninstallThroughWindow(programFiles_ + "Startup\\", true, "Message");
  EXPECT_EQ(ReadWholeFile(startup + "mine.txt"), "the user's");
  for (const char* ours : {"Quenvalis.lnk", "Uninstall.lnk", "Readme.lnk"}) EXPECT_FALSE(Exists(startup + ours)) << ours;
  DeleteFileA((startup + "mine.txt").c_str());
}

// Only a run that the installer window ordered acts without a window: the
// switches alone, typed by anyone, do nothing.
// The run that deletes an uninstalled program file waits for it to be free;
// a reader started meanwhile (another copy) must still open.
TEST_F(Installer, TheRunThatFinishesAnUninstallationLeavesReadersFree) {
  const std::string folder = root_ + "Removed\\";
  ASSERT_TRUE(win::MyCreateDirectory(folder));
  ASSERT_TRUE(CopyFileA((setup_ + "Install.exe").c_str(), (folder + "Quenvalis.exe").c_str(), FALSE));
  // Held open without the right to delete it, the file keeps the finishing run waiting.
  HANDLE held = CreateFileA((folder + "Quenvalis.exe").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  app::TRunOrder order;
  order.Set("Mode", "Finish");
  order.Set("Program", folder + "Quenvalis.exe");
  order.Set("Folder", folder);
  const std::string orderPath = order.Write();
  ASSERT_FALSE(orderPath.empty());
  TChild finishing(setup_ + "Install.exe", "/Uninstall /Finish \"" + orderPath + "\"");
  EXPECT_FALSE(finishing.Ended(1000)) << "the file is still held";
  const std::string readerFolder = root_ + "Reader\\";
  ASSERT_TRUE(win::CopyDeleteDirectory(dist_, readerFolder, false));
  ASSERT_TRUE(CopyFileA((dist_ + "Install.exe").c_str(), (readerFolder + "Quenvalis.exe").c_str(), FALSE));
  TChild reader(readerFolder + "Quenvalis.exe", "");
  EXPECT_NE(WaitForWindow(reader.Id(), "Quenvalis", 30000), nullptr) << "a reader started while an uninstallation finished";
  EXPECT_TRUE(CloseReader());
  CloseHandle(held);
  EXPECT_TRUE(finishing.Ended(20000));
  EXPECT_FALSE(Exists(folder + "Quenvalis.exe"));
}

TEST_F(Installer, ARaisedRunActsOnlyOnAnOrderOfItsWindowAndOnlyOnce) {
  const std::string parent = ExcludeTrailingBackslash(programFiles_);
  {
    TChild plain(setup_ + "Install.exe", "/Elevated \"" + parent + "\"");
    ASSERT_TRUE(plain.Ended(20000));
    EXPECT_EQ(plain.ExitCode(), static_cast<DWORD>(app::RunRefused));
    TChild forged(setup_ + "Install.exe", "/Elevated \"" + TestDirectory() + "Quenvalis-00000000000000000000000000000000.run\"");
    ASSERT_TRUE(forged.Ended(20000));
    EXPECT_EQ(forged.ExitCode(), static_cast<DWORD>(app::RunRefused));
  }
  EXPECT_FALSE(Exists(target_));
  EXPECT_EQ(win::ReadUninstallRegistry(kMachine, "Quenvalis", "UninstallString"), "");

  app::TRunOrder order;
  order.Set("Mode", "Install");
  order.Set("Parent", parent);
  const std::string orderPath = order.Write();
  ASSERT_FALSE(orderPath.empty());
  TChild raised(setup_ + "Install.exe", "/Elevated \"" + orderPath + "\"");
  ASSERT_TRUE(raised.Ended(20000));
  EXPECT_EQ(raised.ExitCode(), static_cast<DWORD>(app::RunDone));
  EXPECT_FALSE(Exists(orderPath)) << "the order serves once";
  EXPECT_TRUE(Exists(target_ + "Quenvalis.exe"));
  EXPECT_EQ(win::ReadUninstallRegistry(kMachine, "Quenvalis", "UninstallString"),
            "\"" + target_ + "Quenvalis.exe\" /Uninstall");
  EXPECT_TRUE(Exists(ShellFolder(CSIDL_COMMON_DESKTOPDIRECTORY) + "Quenvalis.lnk"));
  EXPECT_EQ(WaitForWindow(0, "Quenvalis", 1000), nullptr) << "the raised run started the program";

  TChild plainUninstall(target_ + "Quenvalis.exe", "/Uninstall /Elevated");
  ASSERT_TRUE(plainUninstall.Ended(20000));
  EXPECT_EQ(plainUninstall.ExitCode(), static_cast<DWORD>(app::RunRefused));
  EXPECT_TRUE(Exists(target_ + "Readme.txt"));
  EXPECT_NE(win::ReadUninstallRegistry(kMachine, "Quenvalis", "UninstallString"), "");
}

TEST(RaisedRun, TheWindowTellsItsEndingsApartByExitCode) {
  const struct {
    unsigned long code;
    const char* start;
  } cases[] = {
      {app::RunDone, ""},
      {app::RunFailed, ""},  // it showed its own report
      {app::RunRefused, "The program run with administrator rights found no instructions"},
      {0, "The program run with administrator rights ended at once"},
      {0xC0000005, "The program run with administrator rights ended unexpectedly (exit code 0xC0000005)"},
  };
  for (const auto& c : cases) EXPECT_EQ(app::RunProblem(c.code).substr(0, std::string(c.start).size()), c.start) << c.code;
}

// Tab, Shift+Tab, Enter and the Alt shortcuts, typed as a person types them.
TEST_F(Installer, TheWindowAnswersTheKeyboard) {
  {
    TChild installer(setup_ + "Install.exe", "");
    HWND window = WaitForWindow(installer.Id(), kInstallCaption);
    ASSERT_NE(window, nullptr);
    SetForegroundWindow(window);
    Sleep(300);
    EXPECT_EQ(FocusedText(window).substr(0, 9), "Quenvalis") << "the readme has the focus at start";
    Type({}, VK_TAB);
    EXPECT_EQ(FocusedText(window), kAllUsers);
    Type({VK_SHIFT}, VK_TAB);
    EXPECT_EQ(FocusedText(window).substr(0, 9), "Quenvalis");
    Type({VK_MENU}, 'M');
    EXPECT_TRUE(IsChecked(window, kMeOnly));
    EXPECT_NE(TextOf(EditChild(window, false)).find("\\Programs\\"), std::string::npos);
    Type({VK_MENU}, 'A');
    EXPECT_TRUE(IsChecked(window, kAllUsers));
    EXPECT_EQ(TextOf(EditChild(window, false)), ShellFolder(CSIDL_PROGRAM_FILES));
    Type({}, VK_RETURN);
    EXPECT_EQ(Answer(installer.Id(), "Query", IDNO).substr(0, 32), "Install the program in directory");
    EXPECT_TRUE(installer.Ended(15000));
  }
  for (WORD key : {'C', 'I'}) {
    TChild installer(setup_ + "Install.exe", "");
    HWND window = WaitForWindow(installer.Id(), kInstallCaption);
    ASSERT_NE(window, nullptr);
    SetForegroundWindow(window);
    Sleep(300);
    Type({VK_MENU}, key);
    if (key == 'I') {
      EXPECT_EQ(Answer(installer.Id(), "Query", IDNO).substr(0, 7), "Install");
    }
    EXPECT_TRUE(installer.Ended(15000)) << "Alt+" << static_cast<char>(key);
  }
}

}  // namespace
}  // namespace qv::testing
