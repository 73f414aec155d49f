// The buttons that open a dialog, pressed and released with the real mouse
// under wine while the dialog is up: none is left pressed or holding the
// mouse, and a later click elsewhere opens nothing.
#include <gtest/gtest.h>

#include <functional>

#include "BookTestSupport.h"
#include "ReaderBooks.h"

namespace qv::testing {
namespace {

using namespace qv::win;

void SendButton(DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  SendInput(1, &in, sizeof in);
}

// Dialogs that stay up, as a person's would, until the mouse button is released.
class TWaitingDialogs : public IFileDialogs {
 public:
  int shown = 0;
  TWaitingDialogs() { SetFileDialogs(this); }
  ~TWaitingDialogs() override { SetFileDialogs(nullptr); }
  bool Open(TFileDialogRequest&) override { return Wait(); }
  bool Save(TFileDialogRequest&) override { return Wait(); }

 private:
  bool Wait() {
    ++shown;
    PumpUntil([] { return GetAsyncKeyState(VK_LBUTTON) >= 0; }, 2000);
    PumpFor(50);
    return false;  // cancelled
  }
};

// A press and release of the left button at a screen point, the release
// coming while whatever the press opened is up.
void ClickAt(POINT p) {
  SetCursorPos(p.x, p.y);
  PumpFor(30);
  AfterDelay(80, [] { SendButton(MOUSEEVENTF_LEFTUP); });
  SendButton(MOUSEEVENTF_LEFTDOWN);
  PumpFor(200);
}

POINT CentreOf(HWND h) {
  RECT r{};
  GetWindowRect(h, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

TEST(DialogButtons, NoButtonIsLeftPressedByTheDialogItOpened) {
  TBookForms forms;
  app::TQuenvalisForm& f = forms.F();
  ASSERT_TRUE(f.Book.OpenBook(WriteTestFile("buttons.txt", ProseBook(2000)), true));
  app::TSidebar& s = f.Sidebar;
  TWaitingDialogs dialogs;
  forms.boxes.answers = {IDYES, IDYES, IDYES};  // the save's questions
  const struct {
    TButton* button;
    TTabSheet* outer;
    TPageControl* inner;
    TTabSheet* page;
  } buttons[] = {
      {&f.Persistence.Controls.LoadProfileButton, s.ProfileOptionsTabSheet, &s.ProfilePageControl, s.ProfileGeneralTabSheet},
      {&f.Persistence.Controls.SaveProfileButton, s.ProfileOptionsTabSheet, &s.ProfilePageControl, s.ProfileGeneralTabSheet},
      {&f.Persistence.Controls.DeleteProfileButton, s.ProfileOptionsTabSheet, &s.ProfilePageControl, s.ProfileGeneralTabSheet},
      {&f.Images.Controls.ScreenImage.Change, s.ProfileOptionsTabSheet, &s.ProfilePageControl, s.ProfileGeneralTabSheet},
      {&f.Images.Controls.RichImage.Change, s.ProfileOptionsTabSheet, &s.ProfilePageControl, s.ProfileGeneralTabSheet},
      {&f.Sound.Controls.ChangeBackSoundButton, s.ProfileOptionsTabSheet, &s.ProfilePageControl, s.ProfileMiscTabSheet},
      {&f.Book.Controls.OpenBookButton, s.ProgramOptionsTabSheet, &s.ProgramPageControl, s.ProgramOpenTabSheet},
      {&f.Book.Controls.SaveBookButton, s.ProgramOptionsTabSheet, &s.ProgramPageControl, s.ProgramOpenTabSheet},
  };
  for (const auto& b : buttons) {
    f.Screen.SkipNextSidebarChange = false;
    f.Screen.HideSidebar(false);
    s.Container_OptionsPageControl.SetActivePage(b.outer);
    b.inner->SetActivePage(b.page);
    PumpFor(50);
    const HWND h = b.button->Handle();
    const int before = dialogs.shown;
    ClickAt(CentreOf(h));
    EXPECT_EQ(dialogs.shown, before + 1) << b.button->Name();
    EXPECT_NE(GetCapture(), h) << b.button->Name() << " holds the mouse";
    EXPECT_FALSE(SendMessageA(h, BM_GETSTATE, 0, 0) & BST_PUSHED) << b.button->Name() << " stays pressed";
    // A click on the page beside the buttons opens nothing.
    RECT page{};
    GetWindowRect(b.page->Handle(), &page);
    ClickAt({page.left + 3, page.bottom - 3});
    EXPECT_EQ(dialogs.shown, before + 1) << "a click elsewhere after " << b.button->Name();
  }
  // Space presses such a button too.
  const int before = dialogs.shown;
  const HWND load = f.Persistence.Controls.LoadProfileButton.Handle();
  f.Persistence.Controls.LoadProfileButton.SetFocus();
  SendMessageA(load, WM_KEYDOWN, VK_SPACE, 0x00390001);
  SendMessageA(load, WM_KEYUP, VK_SPACE, 0xC0390001);
  EXPECT_EQ(dialogs.shown, before + 1);
}

}  // namespace
}  // namespace qv::testing
