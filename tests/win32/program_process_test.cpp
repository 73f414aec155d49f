// The real Quenvalis.exe in its own process: the instance lock, the install
// mode, and a screenshot of the window showing a book.
#include <gtest/gtest.h>

#include "OtherProcess.h"
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

std::string ReaderExe() { return win::ProgramDirectory() + "Quenvalis.exe"; }

TEST(ProgramProcess, ShowsTheBookThenASecondInstanceExitsAndCloseEndsIt) {
  // A book named in Cyrillic, in Windows-1251, given on the command line.
  const std::string book =
      WriteTestFile(u8"Дымная книга.txt", "The smoke test book.\r\n\r\nIt has two paragraphs.\r\n" +
                                              EncodeText(samples::kRussian + "\r\n", TTextEncoding::Windows1251));
  TChild first(ReaderExe(), "\"" + book + "\"");
  ASSERT_TRUE(first.Started());
  HWND main = WaitForWindow(first.Id(), "Quenvalis", 30000);
  ASSERT_NE(main, nullptr) << "the reader's window never appeared";
  HWND rich = ChildOfClass(main, "RichEdit");
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
  TChild second(ReaderExe(), "\"" + book + "\"");
  ASSERT_TRUE(second.Started());
  ASSERT_TRUE(second.Ended(15000));
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_FALSE(first.Ended(0));

  // Two arguments are not a book: still one instance, still silent.
  TChild third(ReaderExe(), "a.txt b.txt");
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
  TChild installer(ReaderExe(), "/Uninstall");
  ASSERT_TRUE(installer.Started());
  HWND window = WaitForWindow(installer.Id(), "Uninstall Quenvalis", 30000);
  ASSERT_NE(window, nullptr);
  TChild reader(ReaderExe(), "");
  ASSERT_TRUE(reader.Ended(15000));  // the installer holds the instance lock
  EXPECT_EQ(reader.ExitCode(), 0u);
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(installer.Ended(15000));
}

}  // namespace
}  // namespace qv::testing
