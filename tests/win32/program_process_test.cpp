// The real Quenvalis.exe in its own process: the instance lock, the install
// mode, and a screenshot of the window showing a book.
#include <gtest/gtest.h>

#include "ScreenCapture.h"
#include "encoding/SampleTexts.h"
#include "encoding/TextEncoding.h"
#include "WineTestSupport.h"
#include "layout/WindowLayout.h"
#include "platform/ProgramInstance.h"
#include "platform/WideText.h"
#include "platform/Win32Platform.h"

namespace qv::testing {
namespace {

struct Process {
  PROCESS_INFORMATION pi{};
  bool started = false;
  Process(const std::string& exe, const std::string& args) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    std::wstring cmd = win::ToWide("\"" + exe + "\" " + args);
    started = CreateProcessW(win::ToWide(exe).c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &si, &pi) != FALSE;
  }
  ~Process() {
    if (!started) return;
    if (WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(pi.hProcess, 9);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
  bool Ended(DWORD ms) { return WaitForSingleObject(pi.hProcess, ms) == WAIT_OBJECT_0; }
  DWORD ExitCode() {
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    return code;
  }
};

struct FindWindowOf {
  DWORD pid;
  const char* text;
  HWND found;
};

BOOL CALLBACK MatchTopWindow(HWND h, LPARAM lp) {
  auto* f = reinterpret_cast<FindWindowOf*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(h, &pid);
  char text[64] = "";
  GetWindowTextA(h, text, sizeof text);
  if (pid == f->pid && IsWindowVisible(h) && lstrcmpA(text, f->text) == 0) {
    f->found = h;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK MatchChildClass(HWND h, LPARAM lp) {
  auto* f = reinterpret_cast<FindWindowOf*>(lp);
  char cls[64] = "";
  GetClassNameA(h, cls, sizeof cls);
  if (_strnicmp(cls, f->text, strlen(f->text)) == 0) {
    f->found = h;
    return FALSE;
  }
  return TRUE;
}

// The visible main window of a process, waiting for it to appear.
HWND WaitForMainWindow(DWORD pid, const char* caption, int ms) {
  FindWindowOf find{pid, caption, nullptr};
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  while (!find.found && static_cast<int>(end - GetTickCount()) > 0) {
    EnumWindows(MatchTopWindow, reinterpret_cast<LPARAM>(&find));
    Sleep(100);
  }
  return find.found;
}

HWND FindChildOfClassPrefix(HWND parent, const char* prefix) {
  FindWindowOf find{0, prefix, nullptr};
  EnumChildWindows(parent, MatchChildClass, reinterpret_cast<LPARAM>(&find));
  return find.found;
}

std::string ReaderExe() { return win::ProgramDirectory() + "Quenvalis.exe"; }

TEST(ProgramProcess, ShowsTheBookThenASecondInstanceExitsAndCloseEndsIt) {
  // A book named in Cyrillic, in Windows-1251, given on the command line.
  const std::string book =
      WriteTestFile(u8"Дымная книга.txt", "The smoke test book.\r\n\r\nIt has two paragraphs.\r\n" +
                                              EncodeText(samples::kRussian + "\r\n", TTextEncoding::Windows1251));
  Process first(ReaderExe(), "\"" + book + "\"");
  ASSERT_TRUE(first.started);
  HWND main = WaitForMainWindow(first.pi.dwProcessId, "Quenvalis", 30000);
  ASSERT_NE(main, nullptr) << "the reader's window never appeared";
  HWND rich = FindChildOfClassPrefix(main, "RichEdit");
  ASSERT_NE(rich, nullptr);
  // Wait for the first activation to open the book.
  std::string text;
  for (int i = 0; i < 100 && text.find("smoke test book") == std::string::npos; ++i) {
    Sleep(100);
    char buf[512] = "";
    SendMessageTimeoutA(rich, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf),
                        SMTO_ABORTIFHUNG, 2000, nullptr);
    text = buf;
  }
  EXPECT_NE(text.find("The smoke test book."), std::string::npos) << text;
  wchar_t wide[512] = L"";
  SendMessageTimeoutW(rich, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(wide), SMTO_ABORTIFHUNG, 2000, nullptr);
  EXPECT_NE(std::wstring(wide).find(L"Глава первая. Всё смешалось"), std::wstring::npos) << win::FromWide(wide);
  EXPECT_TRUE(IsWindowVisible(rich));

  // The rich-box stands where the layout puts it on this screen.
  RECT r;
  GetWindowRect(rich, &r);
  TLayoutInput in;
  in.ScreenWidth = GetSystemMetrics(SM_CXSCREEN);
  in.ScreenHeight = GetSystemMetrics(SM_CYSCREEN);
  const TLayout l = ComputeLayout(in);
  EXPECT_EQ(r.left, l.RichBox.Left);
  EXPECT_EQ(r.top, l.RichBox.Top);
  EXPECT_EQ(r.right - r.left, l.RichBox.Width);
  EXPECT_EQ(r.bottom - r.top, l.RichBox.Height);
  RECT w;
  GetWindowRect(main, &w);
  EXPECT_EQ(w.right - w.left, in.ScreenWidth);
  EXPECT_EQ(GetWindowLongA(main, GWL_STYLE) & WS_CAPTION, 0);

  Sleep(500);  // let the window finish painting
  EXPECT_TRUE(SaveBmp(CaptureScreen(), win::ProgramDirectory() + "..\\smoke-screenshot.bmp"));

  // A second instance ends at once, silently, with exit code 0.
  Process second(ReaderExe(), "\"" + book + "\"");
  ASSERT_TRUE(second.started);
  ASSERT_TRUE(second.Ended(15000));
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_FALSE(first.Ended(0));

  // Two arguments are not a book: still one instance, still silent.
  Process third(ReaderExe(), "a.txt b.txt");
  ASSERT_TRUE(third.Ended(15000));
  EXPECT_EQ(third.ExitCode(), 0u);

  // Closing through the window's own close path ends the program.
  PostMessageA(main, WM_CLOSE, 0, 0);
  ASSERT_TRUE(first.Ended(15000)) << "the reader did not end after closing";
  EXPECT_EQ(first.ExitCode(), 0u);
}

TEST(ProgramInstance, InstallModeByNameOrArgument) {
  struct Case { const char* exe; const char* arg; bool install; } cases[] = {
      {"C:\\Quenvalis\\Quenvalis.exe", "", false},
      {"C:\\Setup\\Install.exe", "", true},
      {"C:\\Setup\\INSTALL.EXE", "", true},
      {"C:\\Quenvalis\\Quenvalis.exe", "/Uninstall", true},
      {"C:\\Quenvalis\\Quenvalis.exe", "/uninstall", true},
      {"C:\\Quenvalis\\Quenvalis.exe", "book.txt", false},
      {"C:\\Quenvalis\\MyInstall.exe", "", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(win::IsInstallModeFor(c.exe, c.arg), c.install) << c.exe << " " << c.arg;
}

TEST(ProgramInstance, InstallModeOpensTheInstallWindowAndHoldsTheLock) {
  Process installer(ReaderExe(), "/Uninstall");
  ASSERT_TRUE(installer.started);
  HWND window = WaitForMainWindow(installer.pi.dwProcessId, "Uninstall Quenvalis", 30000);
  ASSERT_NE(window, nullptr);
  Process reader(ReaderExe(), "");
  ASSERT_TRUE(reader.Ended(15000));  // the installer holds the instance lock
  EXPECT_EQ(reader.ExitCode(), 0u);
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(installer.Ended(15000));
}

}  // namespace
}  // namespace qv::testing
