// Smaller things a reader meets under wine: the file dialogs over the window,
// the keyboard focus after a size change, a picture that failed for a passing
// reason tried again, and the Run buttons, which hand the shell nothing but a
// picture or a wave sound.
#include <gtest/gtest.h>

#include <functional>

#include "BookTestSupport.h"
#include "PictureTestSupport.h"
#include "options/MediaTitles.h"

namespace qv::testing {
namespace {

struct TDialogSearch {
  HWND main, found;
};

BOOL CALLBACK FindDialog(HWND h, LPARAM data) {
  auto* search = reinterpret_cast<TDialogSearch*>(data);
  char cls[16] = "";
  GetClassNameA(h, cls, sizeof cls);
  if (h == search->main || !IsWindowVisible(h) || std::string(cls) != "#32770") return TRUE;
  search->found = h;
  return FALSE;
}

// The first visible dialog of this program other than the main window, or null.
HWND ShownDialog(HWND main) {
  TDialogSearch search{main, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), FindDialog, LPARAM(&search));
  return search.found;
}

// Waits (from the message loop the dialog runs) for the dialog, tells what it
// saw, and cancels it.
void WhenDialogShows(HWND main, std::function<void(HWND)> seen, int triesLeft = 100) {
  AfterDelay(50, [main, seen, triesLeft] {
    if (HWND dialog = ShownDialog(main)) {
      seen(dialog);
      PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    } else if (triesLeft > 0) {
      WhenDialogShows(main, seen, triesLeft - 1);
    }
  });
}

TEST(WindowDetails, TheOpenAndSaveDialogsStandOverTheWindowItOwns) {
  TBookForms forms;
  app::TQuenvalisForm& f = forms.F();
  ASSERT_TRUE(f.Book.OpenBook(WriteTestFile("dialogs.txt", "A line.\r\n"), true));
  forms.boxes.answers = {IDYES};
  RECT window{};
  GetWindowRect(f.Handle(), &window);
  for (win::TButton* button : {&f.Book.Controls.OpenBookButton, &f.Book.Controls.SaveBookButton}) {
    RECT at{};
    HWND owner = nullptr;
    WhenDialogShows(f.Handle(), [&](HWND dialog) {
      GetWindowRect(dialog, &at);
      owner = GetWindow(dialog, GW_OWNER);
    });
    button->Click();
    EXPECT_EQ(owner, f.Handle()) << button->Name();
    EXPECT_NEAR((at.left + at.right) / 2, (window.left + window.right) / 2, 2) << button->Name();
    EXPECT_NEAR((at.top + at.bottom) / 2, (window.top + window.bottom) / 2, 2) << button->Name();
  }
}

TEST(WindowDetails, ASizeChangeGivesTheFocusBackToTheRichBox) {
  TBookForms forms;
  app::TQuenvalisForm& f = forms.F();
  for (win::TComboBox* box : {&f.Sidebar.RichBoxWidthPercentComboBox, &f.Sidebar.RichBoxTopPercentComboBox,
                              &f.Sidebar.RichBoxBottomPercentComboBox}) {
    box->SetFocus();
    box->SetItemIndex(box->ItemIndex() + 1);
    box->OnChange();
    EXPECT_TRUE(f.RichEdit.Focused()) << box->Name();
  }
}

TEST(WindowDetails, APictureThatFailedForAPassingReasonIsTriedAgain) {
  TBookForms forms;
  app::TQuenvalisForm& f = forms.F();
  ASSERT_TRUE(f.Book.OpenBook(WriteTestFile("busy.txt", "A line.\r\n"), true));
  TRecordingErrorDialog errors;
  const std::string busy = WriteTestFile("busy.png", ReadWholeFile(Picture400x300()));
  // Another program holds the picture open and shares nothing.
  HANDLE holder = CreateFileA(busy.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  f.Images.SetScreenBackImageTitle(busy);
  EXPECT_TRUE(f.Images.ScreenBack.Screen.Empty());
  EXPECT_EQ(errors.shown, std::vector<std::string>{"Failed to load image."});
  CloseHandle(holder);
  f.FormResize();  // the next build
  EXPECT_FALSE(f.Images.ScreenBack.Screen.Empty());
}

TEST(WindowDetails, RunHandsTheShellOnlyPicturesAndWaveSounds) {
  TBookForms forms;
  app::TQuenvalisForm& f = forms.F();
  ASSERT_TRUE(f.Book.OpenBook(WriteTestFile("run.txt", "A line.\r\n"), true));
  TRecordingShell shell;
  TRecordingErrorDialog errors;
  const std::string tool = WriteTestFile("tool.exe", "MZ");
  const std::string sound = WriteTestFile("chime.wav", "RIFF");
  const struct {
    win::TEdit& title;
    win::TButton& run;
    std::string allowed;
  } runs[] = {
      {f.Images.Controls.ScreenImage.Title, f.Images.Controls.ScreenImage.Run, Picture400x300()},
      {f.Images.Controls.RichImage.Title, f.Images.Controls.RichImage.Run, Picture400x300()},
      {f.Sound.Controls.TitleBackSoundEdit, f.Sound.Controls.RunBackSoundButton, sound},
  };
  for (const auto& r : runs) {
    shell.requests.clear();
    errors.shown.clear();
    r.title.SetText(tool);  // as a profile beside a book could name it
    r.run.Click();
    EXPECT_TRUE(shell.requests.empty()) << r.run.Name() << " ran " << tool;
    EXPECT_EQ(errors.shown.size(), 1u) << r.run.Name();
    r.title.SetText(r.allowed);
    r.run.Click();
    ASSERT_EQ(shell.requests.size(), 1u) << r.run.Name();
    EXPECT_EQ(shell.requests[0].File, r.allowed);
  }
}

}  // namespace
}  // namespace qv::testing
