// The error dialog, the log and the about box, driven through their real windows.
#include <gtest/gtest.h>

#include <stdexcept>

#include "WineTestSupport.h"
#include "errors/Guard.h"
#include "platform/Win32Platform.h"

namespace qv::testing {
namespace {

const std::string kUtf8Mark = "\xEF\xBB\xBF";

bool FailingOperation(const char* description) {
  return Guarded(QV_OP("QuenvalisDialog", "TQuenvalisForm::TestOperation", "Failed to test."),
                 [&](TFunStatContext& local) {
                   local.Raise("QuenvalisDialog", "TQuenvalisForm::TestOperation", 2, description,
                               "book.txt", "", Error, __LINE__);
                 });
}

TEST(ErrorDialog, ShownOnceAndASecondReportIsCounted) {
  ProgramForms forms;
  win::TErrorForm& dlg = *forms.error;
  int shownWhileOpen = 0;
  std::string recursion, caption, memo;
  AfterDelay(100, [&] {
    shownWhileOpen = dlg.Visible();
    caption = dlg.Text();
    memo = dlg.MainMemo.Text();
    FailingOperation("second failure");  // arrives while the dialog is open
    recursion = dlg.RecursionLabel.Caption();
    dlg.OkayButton.Click();
  });
  EXPECT_FALSE(FailingOperation("first failure"));
  EXPECT_TRUE(shownWhileOpen);
  EXPECT_EQ(caption, "Error");
  EXPECT_EQ(recursion, "Recursive attempts = 1");
  EXPECT_EQ(memo.rfind("DESCRIPTION\r\nFailed to test.\r\n\r\nRAISE CONTEXT", 0), 0u) << memo;
  EXPECT_NE(memo.find("* Description: \"first failure\""), std::string::npos);
  EXPECT_NE(memo.find("* System error code: 2\r\n* System error description: \""),
            std::string::npos);
  EXPECT_EQ(memo.find("second failure"), std::string::npos);
  EXPECT_FALSE(dlg.Visible());
  EXPECT_EQ(dlg.RecursionCount(), 0);
  EXPECT_EQ(FunStatContext.Status, Perfect);
}

TEST(ErrorDialog, LogButtonAppendsTheRecordAndKeepsTheDialogOpen) {
  ProgramForms forms;
  win::TErrorForm& dlg = *forms.error;
  const std::string log = win::TErrorForm::LogFileName();
  DeleteFileA(log.c_str());
  bool stillOpen = false;
  std::string memo;
  AfterDelay(100, [&] {
    memo = dlg.MainMemo.Text();
    SendMessageA(dlg.LogButton.Handle(), BM_CLICK, 0, 0);
    SendMessageA(dlg.LogButton.Handle(), BM_CLICK, 0, 0);
    stillOpen = dlg.Visible();
    SendMessageA(dlg.CancelButton.Handle(), BM_CLICK, 0, 0);
  });
  FailingOperation("logged failure");
  EXPECT_TRUE(stillOpen);
  const std::string record = "**********" + memo + "\r\n**********\r\n";
  EXPECT_EQ(ReadWholeFile(log), kUtf8Mark + record + record);
}

TEST(ErrorDialog, TheLogButtonSaysWhereItCouldNotWrite) {
  ProgramForms forms;
  win::TErrorForm& dlg = *forms.error;
  const std::string log = win::TErrorForm::LogFileName();
  DeleteFileA(log.c_str());
  ASSERT_TRUE(CreateDirectoryA(log.c_str(), nullptr));  // a folder stands where the log would be written
  AfterDelay(100, [&] {
    SendMessageA(dlg.LogButton.Handle(), BM_CLICK, 0, 0);
    SendMessageA(dlg.CancelButton.Handle(), BM_CLICK, 0, 0);
  });
  FailingOperation("unlogged failure");
  RemoveDirectoryA(log.c_str());
  ASSERT_EQ(forms.boxes.shown.size(), 1u);
  EXPECT_EQ(forms.boxes.shown[0].caption, "Warning");
  EXPECT_EQ(forms.boxes.shown[0].text.rfind("The report could not be written to \"" + log + "\": ", 0), 0u)
      << forms.boxes.shown[0].text;
}

TEST(ErrorDialog, LogOverTheLimitIsEmptiedFirst) {
  ProgramForms forms;
  win::TErrorForm& dlg = *forms.error;
  const std::string log = win::TErrorForm::LogFileName();
  struct Case { size_t size; bool kept; } cases[] = {{10000, true}, {10001, false}};
  for (const Case& c : cases) {
    WriteTestFile("..\\Errors.log", std::string(c.size, 'x'));
    // A record with a name outside every code page is written as UTF-8 (a new log with its mark).
    dlg.MainMemo.SetText(u8"DESCRIPTION\r\nЖурнал \u4E66.txt");
    ASSERT_TRUE(dlg.SaveLog());
    const std::string text = ReadWholeFile(log);
    const std::string record = u8"**********DESCRIPTION\r\nЖурнал \u4E66.txt\r\n**********\r\n";
    EXPECT_EQ(text, (c.kept ? std::string(c.size, 'x') : kUtf8Mark) + record) << c.size;
  }
}

TEST(ErrorDialog, EscapeCancelsAndAnEscapedExceptionIsReported) {
  ProgramForms forms;
  win::TErrorForm& dlg = *forms.error;
  std::string memo;
  AfterDelay(100, [&] {
    memo = dlg.MainMemo.Text();
    PostMessageA(dlg.OkayButton.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  });
  // An exception escaping a message handler reaches the application's handler.
  forms.main->Sidebar.HelpButton.OnClick = [] { throw std::runtime_error("handler broke"); };
  SendMessageA(forms.main->Sidebar.HelpButton.Handle(), BM_CLICK, 0, 0);
  EXPECT_FALSE(dlg.Visible());
  EXPECT_EQ(memo.rfind("DESCRIPTION\r\nUnhandled error.\r\nhandler broke\r\n", 0), 0u) << memo;
  EXPECT_NE(memo.find("* Function: \"TFunStatContext::OnApplicationException\""),
            std::string::npos);
  EXPECT_EQ(FunStatContext.Status, Perfect);
}

TEST(AboutBox, OpensWithProgramNameAndVersionAndCloses) {
  ProgramForms forms;
  win::TAboutForm& about = *forms.about;
  bool visible = false;
  std::string name, version;
  HWND focus = nullptr;
  AfterDelay(100, [&] {
    visible = about.Visible();
    name = about.ProgramNameLabel.Caption();
    version = about.ProgramVersionLabel.Caption();
    focus = GetFocus();
    about.OkayButton.Click();
  });
  forms.main->Sidebar.AboutButton.Click();
  EXPECT_TRUE(visible);
  EXPECT_EQ(name, "Quenvalis");
  EXPECT_EQ(version, "Version 2.5.3, released on 08.05.2005");
  EXPECT_EQ(focus, about.OkayButton.Handle());
  EXPECT_FALSE(about.Visible());
}

TEST(AboutBox, EachSiteButtonSaysWhenNothingOpenedItsPage) {
  ProgramForms forms;
  win::TAboutForm& about = *forms.about;
  TRecordingShell shell;
  shell.succeed = false;
  std::vector<std::string> reports;
  AfterDelay(100, [&] {
    for (win::TButton* button : {&about.VisitSiteButton, &about.ContactButton, &about.LicenseButton})
      reports.push_back(ErrorReportOf(forms, [&] { button->Click(); }));
    about.OkayButton.Click();
  });
  forms.main->Sidebar.AboutButton.Click();
  ASSERT_EQ(reports.size(), 3u);
  ASSERT_EQ(shell.requests.size(), 3u);
  for (size_t i = 0; i < reports.size(); ++i) {
    EXPECT_EQ(reports[i].rfind("DESCRIPTION\r\nFailed to open site.\r\n", 0), 0u) << reports[i];
    EXPECT_NE(reports[i].find(shell.requests[i].File), std::string::npos) << reports[i];
  }
}

// A program that ends at once with the exit code, as the one the shell starts
// for a page does when there is nothing to show the page in.
HANDLE ProgramEndingWith(int exitCode) {
  STARTUPINFOA start{};
  start.cb = sizeof start;
  PROCESS_INFORMATION started{};
  std::string line = "cmd.exe /c exit " + std::to_string(exitCode);
  if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &start,
                      &started))
    return nullptr;
  CloseHandle(started.hThread);
  return started.hProcess;
}

TEST(AboutBox, APageTheStartedProgramDidNotOpenIsReportedAMomentLater) {
  ProgramForms forms;
  TRecordingShell shell;
  for (int exitCode : {1, 0}) {
    shell.handler = ProgramEndingWith(exitCode);
    ASSERT_NE(shell.handler, nullptr);
    const std::string report = ErrorReportOf(forms, [&] {
      forms.about->VisitSiteButton.Click();
      PumpFor(1500);
    });
    if (exitCode == 0) {
      EXPECT_EQ(report, "") << "a program that ended well opened the page";
      continue;
    }
    EXPECT_EQ(report.rfind("DESCRIPTION\r\nFailed to open site.\r\n", 0), 0u) << report;
    EXPECT_NE(report.find("https://quenvalis.example.org/"), std::string::npos) << report;
    EXPECT_NE(report.find("Exit code 1"), std::string::npos) << report;
  }
}

TEST(HelpButton, MissingHelpFileGivesAMessage) {
  ProgramForms forms;
  const std::string help = win::ProgramDirectory() + "Help.htm";
  const std::string moved = help + ".away";
  MoveFileA(help.c_str(), moved.c_str());
  forms.main->Sidebar.HelpButton.Click();
  MoveFileA(moved.c_str(), help.c_str());
  ASSERT_EQ(forms.boxes.shown.size(), 1u);
  EXPECT_EQ(forms.boxes.shown[0].caption, "Error");
  EXPECT_NE(forms.boxes.shown[0].text.find("Help.htm"), std::string::npos);
}

}  // namespace
}  // namespace qv::testing
