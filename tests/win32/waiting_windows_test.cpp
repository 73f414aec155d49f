// Controls whose windows wait (made when their container is first shown): what
// is set on them meanwhile reads back the same before and after, and the
// windows, once made, show it as the controls' own messages answer it.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "WineTestSupport.h"
#include "platform/WideText.h"
#include "widgets/Controls.h"
#include "widgets/Form.h"

namespace qv::testing {
namespace {

using namespace qv::win;

std::string WindowText(HWND h) {
  wchar_t text[256] = L"";
  GetWindowTextW(h, text, 256);
  return FromWide(text);
}

RECT PlaceInParent(HWND h) {
  RECT r{};
  GetWindowRect(h, &r);
  MapWindowPoints(nullptr, GetParent(h), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

struct TWaitingControls {
  TForm form{"WaitingOwner", "Owner", 400, 400, {}};
  TPanel panel{&form, "Panel", 10, 10, 300, 360, TWindowTime::WhenShown};
  TCheckBox check{&panel, "Check", "Check", 5, 5, 100, 17};
  TComboBox list{&panel, "List", 5, 30, 100, false};
  TComboBox typed{&panel, "Typed", 5, 60, 100, true};
  TComboBox outOfRange{&panel, "OutOfRange", 5, 90, 100, false};
  TEdit edit{&panel, "Edit", 5, 120, 100, 21};
  TLabel label{&panel, "Label", "", 120, 5, 100, 15};
  TButton button{&panel, "Button", "Go", 120, 30, 75, 25};
  TListBox rows{&panel, "Rows", 120, 60, 100, 60};
  TVirtualListBox many{&panel, "Many", 120, 130, 100, 60};
  TPageControl pages{&panel, "Pages", 5, 200, 280, 150};
  TTabSheet* first = pages.AddPage("First", "First");
  TTabSheet* second = pages.AddPage("Second", "Second");
  TTabSheet* third = pages.AddPage("Third", "Third");
  TCheckBox onSecond{second, "OnSecond", "On the second page", 5, 5, 150, 17};

  // What a reader and the program set while the windows wait.
  void SetState() {
    check.SetChecked(true);
    list.SetItems({"one", "two", "three"});
    list.SetText("two");
    typed.SetItems({"10", "20"});
    typed.SetText("33 %");
    outOfRange.SetItems({"a"});
    outOfRange.SetItemIndex(4);
    edit.SetText(u8"caf\u00E9 \u0416");
    edit.SetReadOnly(true);
    label.SetCaption("Caption");
    label.SetEnabled(false);
    button.SetDefault(true);
    button.SetVisible(false);
    rows.SetItems({"x", "y", "z"});
    rows.SetItemIndex(2);
    many.SetCount(50);
    many.SetItemIndex(7);
    pages.SetActivePage(third);
    onSecond.SetBounds(20, 30, 160, 19);
  }

  // The state as the objects answer it, before and after the windows are made.
  void ExpectObjectsAnswerTheState() const {
    EXPECT_TRUE(check.Checked());
    EXPECT_EQ(list.ItemIndex(), 1);
    EXPECT_EQ(list.Text(), "two");
    EXPECT_EQ(typed.ItemIndex(), -1);
    EXPECT_EQ(typed.Text(), "33 %");
    EXPECT_EQ(outOfRange.ItemIndex(), -1);
    EXPECT_EQ(edit.Text(), u8"caf\u00E9 \u0416");
    EXPECT_EQ(label.Caption(), "Caption");
    EXPECT_FALSE(label.Enabled());
    EXPECT_FALSE(button.Visible());
    EXPECT_EQ(rows.ItemCount(), 3);
    EXPECT_EQ(rows.Item(2), "z");
    EXPECT_EQ(rows.ItemIndex(), 2);
    EXPECT_EQ(many.ItemCount(), 50);
    EXPECT_EQ(many.ItemIndex(), 7);
    EXPECT_EQ(pages.ActivePage(), third);
    EXPECT_TRUE(third->Visible());
    EXPECT_FALSE(first->Visible());
    const RECT r = onSecond.Bounds();
    EXPECT_EQ(r.left, 20);
    EXPECT_EQ(r.right - r.left, 160);
  }
};

TEST(WaitingWindows, WhatIsSetWhileTheWindowsWaitIsWhatTheirWindowsShowOnceMade) {
  TWaitingControls c;
  c.SetState();
  int descendants = 0;
  c.panel.ForEachDescendant([&](TControl&) { ++descendants; });
  EXPECT_EQ(descendants, 14);  // the waiting ones too: the options and the DPI reach them
  EXPECT_EQ(c.check.Handle(), nullptr);
  EXPECT_EQ(c.third->Handle(), nullptr);
  c.ExpectObjectsAnswerTheState();

  ShowWindow(c.form.Handle(), SW_SHOWNORMAL);
  c.panel.SetVisible(true);  // the first showing makes them
  ASSERT_NE(c.onSecond.Handle(), nullptr);
  EXPECT_TRUE(IsWindowVisible(c.panel.Handle()));
  c.ExpectObjectsAnswerTheState();

  EXPECT_EQ(SendMessageW(c.check.Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(c.list.Handle(), CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(SendMessageW(c.list.Handle(), CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(WindowText(c.typed.Handle()), "33 %");
  EXPECT_EQ(SendMessageW(c.outOfRange.Handle(), CB_GETCURSEL, 0, 0), CB_ERR);
  EXPECT_EQ(WindowText(c.edit.Handle()), u8"caf\u00E9 \u0416");
  EXPECT_NE(GetWindowLongW(c.edit.Handle(), GWL_STYLE) & ES_READONLY, 0);
  EXPECT_EQ(WindowText(c.label.Handle()), "Caption");
  EXPECT_FALSE(IsWindowEnabled(c.label.Handle()));
  EXPECT_FALSE(IsWindowVisible(c.button.Handle()));
  EXPECT_EQ(GetWindowLongW(c.button.Handle(), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_EQ(SendMessageW(c.rows.Handle(), LB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(c.rows.Handle(), LB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(SendMessageW(c.many.Handle(), LB_GETCOUNT, 0, 0), 50);
  EXPECT_EQ(SendMessageW(c.many.Handle(), LB_GETCURSEL, 0, 0), 7);
  EXPECT_EQ(TabCtrl_GetItemCount(c.pages.Handle()), 3);
  EXPECT_EQ(TabCtrl_GetCurSel(c.pages.Handle()), 2);
  EXPECT_TRUE(IsWindowVisible(c.third->Handle()));
  EXPECT_FALSE(IsWindowVisible(c.first->Handle()));
  // The pages fill the tabs' area once the tabs exist; the page's control keeps the place it was moved to.
  const RECT page = PlaceInParent(c.third->Handle());
  EXPECT_GT(page.top, 0);
  EXPECT_GT(page.right - page.left, 250);
  const RECT moved = PlaceInParent(c.onSecond.Handle());
  EXPECT_EQ(moved.left, 20);
  EXPECT_EQ(moved.top, 30);
  EXPECT_EQ(moved.right - moved.left, 160);
  // Made in the order they were made in: a dialog's Tab goes through them in that order.
  EXPECT_EQ(GetWindow(c.check.Handle(), GW_HWNDNEXT), c.list.Handle());
}

TEST(WaitingWindows, WaitingControlsTakeTheDpiOfTheirWindowAndFillTheirParent) {
  TWaitingControls c;
  c.pages.FillParent(4);
  c.form.ChangeDpi(144, nullptr);
  EXPECT_EQ(c.check.Bounds().right, ScaleToDpi(5, 144) + ScaleToDpi(100, 144));
  c.panel.MakeWindows();
  ASSERT_NE(c.check.Handle(), nullptr);
  const RECT check = PlaceInParent(c.check.Handle());
  EXPECT_EQ(check.left, ScaleToDpi(5, 144));
  EXPECT_EQ(check.right - check.left, ScaleToDpi(100, 144));
  const RECT pages = PlaceInParent(c.pages.Handle());
  EXPECT_EQ(pages.left, ScaleToDpi(4, 144));
  EXPECT_EQ(pages.right - pages.left, ScaleToDpi(300, 144) - 2 * ScaleToDpi(4, 144));
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(c.edit.Handle(), WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_EQ(-font.lfHeight, ScaleToDpi(c.edit.Font().Height, 144));
}

}  // namespace
}  // namespace qv::testing
