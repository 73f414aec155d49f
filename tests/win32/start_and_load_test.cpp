// The start-up book, a book whose read fails, loads that must not run inside
// one another, layout while a profile loads, Esc over an open list, and the
// report of exceptions that escape a handler.
#include <algorithm>
#include <gtest/gtest.h>

#include "BookTestSupport.h"
#include "widgets/Application.h"

namespace qv::testing {
namespace {

using namespace qv::win;

TEST(StartAndLoad, ABookThatCannotBeOpenedAtStartLeavesTheReaderOnTheWelcomeBook) {
  const std::string empty = WriteTestFile("empty.txt", "");
  const std::string notABook = WriteTestFile("notes.doc", "Not a book.\r\n");
  for (const std::string& argument : {TestDirectory() + "missing.txt", empty, notABook}) {
    ProgramForms forms(false, false);
    app::TQuenvalisForm& f = *forms.main;
    f.StartArguments = {argument};
    Application().StartEvents();
    PumpUntil([&] { return f.Book.BookFileName.find("Welcome.txt") != std::string::npos; }, 5000);
    EXPECT_NE(f.Book.BookFileName.find("Welcome.txt"), std::string::npos) << argument;
    EXPECT_NE(f.RichEdit.GetText().find("Welcome to Quenvalis"), std::string::npos) << argument;
  }
}

TEST(StartAndLoad, ABookWhoseReadFailsIsReportedAndNotShownAsOpened) {
  TBookForms forms;
  app::TQuenvalisForm& f = forms.F();
  for (const char* name : {"locked.txt", "locked.rtf"}) {
    const std::string path = WriteTestFile(name, "{\\rtf1 A book held by another program.\\par}\r\n");
    // Another program holds the file and shares nothing: its size can be read, its bytes cannot.
    HANDLE holder = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    bool opened = true;
    const std::string report = ErrorReportOf(forms, [&] { opened = f.Book.OpenBook(path, true); });
    CloseHandle(holder);
    EXPECT_FALSE(opened) << name;
    EXPECT_EQ(report.rfind("DESCRIPTION\r\nFailed to load book.", 0), 0u) << report;
    EXPECT_NE(report.find("* Description: \"Failed to load.\""), std::string::npos) << report;
    EXPECT_NE(report.find(path), std::string::npos) << report;
    EXPECT_EQ(f.Book.LoadedInText, "") << name;
    EXPECT_EQ(f.RichEdit.GetText().find("held by another"), std::string::npos) << name;
  }
}

TEST(StartAndLoad, NothingStartsASecondLoadWhileABookLoads) {
  TBookForms forms;
  app::TQuenvalisForm& f = forms.F();
  forms.UseFolderProfile("");  // enhanced: the load reports progress and runs the message loop
  std::string book;
  for (int i = 0; i < 300; ++i) book += "Paragraph " + std::to_string(i) + " of a long book.\r\n\r\n";
  const std::string path = WriteTestFile("long.txt", book);
  const std::string other = WriteTestFile("other.txt", "Another book entirely.\r\n");
  TAnsweringFileDialogs dialogs;
  dialogs.answer = other;
  TSteppingClock clock;
  clock.step = 1100;  // every progress report finds a second gone and runs the message loop
  SetSystemClock(&clock);
  // What a reader does meanwhile: F5 (the open dialog), Alt+1, Ctrl+F5 and a dropped book.
  PostMessageA(f.Handle(), WM_KEYDOWN, VK_F5, 0);
  PostMessageA(f.Handle(), WM_SYSKEYDOWN, '1', 1 << 29);
  PostMessageA(f.Handle(), WM_DROPFILES, WPARAM(MakeDrop({other})), 0);
  const bool opened = f.Book.OpenBook(path, true);
  SetSystemClock(nullptr);
  PumpFor(50);
  EXPECT_TRUE(opened);
  EXPECT_EQ(f.Book.BookFileName, path);
  EXPECT_TRUE(dialogs.proposed.empty()) << "the open dialog was shown during the load";
  const std::string text = f.RichEdit.GetText();
  EXPECT_NE(text.find("Paragraph 299 of a long book."), std::string::npos);
  EXPECT_EQ(text.find("Another book"), std::string::npos);
}

// Runs a check while a profile is being put into the controls.
class TDuringLoad : public app::IOptionListener {
 public:
  explicit TDuringLoad(std::function<void()> check) : check_(std::move(check)) {}
  void OptionLoaded(const TOptionEntry& opt) override {
    if (std::string(opt.Key) == "FontSize") check_();
  }

 private:
  std::function<void()> check_;
};

TEST(StartAndLoad, TheLayoutWaitsWhileAProfileIsBeingLoaded) {
  ProgramForms forms;
  app::TQuenvalisForm& f = *forms.main;
  const int before = f.RichEdit.Width();
  int during = -1;
  TDuringLoad check([&] {
    f.Sidebar.RichBoxWidthPercentComboBox.SetText("95");
    f.FormResize();
    during = f.RichEdit.Width();
  });
  f.Persistence.OptionValues.AddListener(check);
  f.Persistence.ProfileStore->Load();
  EXPECT_EQ(during, before);
  f.FormResize();  // once the profile is in, the layout follows the sizes again
  EXPECT_GT(f.RichEdit.Width(), before);
}

TEST(StartAndLoad, EscOverAnOpenListClosesTheListAndAltF4StillEndsTheProgram) {
  ProgramForms forms;
  app::TQuenvalisForm& f = *forms.main;
  f.Screen.ShowOpenPage();
  f.Sidebar.ProgramPageControl.SetActivePage(f.Sidebar.ProgramGeneralTabSheet);
  TComboBox& list = f.Sidebar.RichBoxTopPercentComboBox;
  list.SetFocus();
  SendMessageA(list.Handle(), CB_SHOWDROPDOWN, TRUE, 0);
  ASSERT_TRUE(list.DroppedDown());
  // The dropped list has its full height, not the closed box's.
  COMBOBOXINFO info{sizeof info};
  ASSERT_TRUE(GetComboBoxInfo(list.Handle(), &info));
  RECT dropped{};
  GetWindowRect(info.hwndList, &dropped);
  const int itemHeight = int(SendMessageA(list.Handle(), CB_GETITEMHEIGHT, 0, 0));
  EXPECT_GE((dropped.bottom - dropped.top) / itemHeight, std::min(list.ItemCount(), 10));
  PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
  PumpFor(100);
  EXPECT_FALSE(IsIconic(f.Handle()));
  EXPECT_FALSE(list.DroppedDown());

  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_MENU] = 0x80;
  SetKeyboardState(keys);
  PostMessageA(GetFocus(), WM_SYSKEYDOWN, VK_F4, 1 << 29);
  PumpUntil([&] { return f.Handle() == nullptr; }, 3000);
  keys[VK_MENU] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(forms.main->Handle(), nullptr);
  Application().ClearTermination();
}

TEST(StartAndLoad, TheErrorDialogReportsExceptionsThatEscapeAHandler) {
  ProgramForms forms;
  Application().OnException = nullptr;
  {
    TErrorForm dialog(forms.main.get());  // as in install mode, where no main window installs one
    EXPECT_TRUE(bool(Application().OnException));
  }
  forms.error = std::make_unique<TErrorForm>(forms.main.get());
  const std::string report =
      ErrorReportOf(forms, [] { Application().HandleException("a handler failed"); });
  EXPECT_NE(report.find("a handler failed"), std::string::npos) << report;
}

}  // namespace
}  // namespace qv::testing
