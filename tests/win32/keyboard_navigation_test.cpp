// The reader without a mouse: from the book into the sidebar and back, every
// page walked by Tab and Ctrl+Tab alone, and each kind of control used by its
// keys. Keys go through the system's input queue (SendInput), as a person's do.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "BookTestSupport.h"
#include "ScreenCapture.h"
#include "colors/ColorPanels.h"
#include "platform/Win32Platform.h"
#include "widgets/Application.h"
#include "widgets/ColorPanel.h"

namespace qv::testing {
namespace {

using namespace qv::win;

INPUT KeyInput(WORD key, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = key;
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
  const bool extended = key == VK_PRIOR || key == VK_NEXT || key == VK_APPS || key == VK_UP || key == VK_DOWN ||
                        key == VK_LEFT || key == VK_RIGHT;
  in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
  return in;
}

// Presses the keys together (modifiers first) and lets them go in reverse order.
void Press(std::initializer_list<WORD> keys) {
  std::vector<INPUT> in;
  for (WORD k : keys) in.push_back(KeyInput(k, false));
  for (auto k = keys.end(); k != keys.begin();) in.push_back(KeyInput(*--k, true));
  SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
  PumpFor(15);
}

void Type(const std::string& text) {
  for (char c : text) {
    const SHORT scan = VkKeyScanA(c);
    if (scan & 0x100) Press({VK_SHIFT, WORD(scan & 0xFF)});
    else Press({WORD(scan & 0xFF)});
  }
}

// The control that holds the keyboard focus (an editable combo box's edit belongs to its box).
TControl* Focused() {
  for (HWND h = GetFocus(); h; h = GetParent(h))
    if (TControl* c = TControl::FromHandle(h)) return c;
  return nullptr;
}

// Tab until the control has the focus; false when a round passed without it.
bool TabTo(const TControl& control) {
  for (int i = 0; i < 80 && Focused() != &control; ++i) Press({VK_TAB});
  return Focused() == &control;
}

BOOL CALLBACK AddUsable(HWND h, LPARAM out) {
  TControl* c = TControl::FromHandle(h);
  const bool acts = dynamic_cast<TButton*>(c) || dynamic_cast<TCheckBox*>(c) || dynamic_cast<TComboBox*>(c) ||
                    dynamic_cast<TEdit*>(c) || dynamic_cast<TMemo*>(c) || dynamic_cast<TListBoxBase*>(c) ||
                    dynamic_cast<TColorPanel*>(c) || dynamic_cast<TPageControl*>(c);
  bool enabled = true;  // a control in a disabled container cannot be used either
  for (HWND p = h; p && p != GetAncestor(h, GA_ROOT); p = GetParent(p)) enabled = enabled && IsWindowEnabled(p);
  if (acts && enabled && IsWindowVisible(h)) reinterpret_cast<std::set<TControl*>*>(out)->insert(c);
  return TRUE;
}

// The controls a reader uses on the page shown: every shown, enabled control of a kind that acts.
std::set<TControl*> UsableControls(HWND root) {
  std::set<TControl*> found;
  EnumChildWindows(root, AddUsable, reinterpret_cast<LPARAM>(&found));
  return found;
}

// One round of Tab (or Shift+Tab) from the focused control back to it: the controls visited in order.
std::vector<TControl*> TabRound(bool forward = true) {
  std::vector<TControl*> visited{Focused()};
  for (int i = 0; i < 100; ++i) {
    if (forward) Press({VK_TAB});
    else Press({VK_SHIFT, VK_TAB});
    if (Focused() == visited.front()) return visited;
    visited.push_back(Focused());
  }
  ADD_FAILURE() << "Tab did not come back round to " << visited.front()->Name();
  return visited;
}

// Faults of a round's order: each control must follow the one before in
// reading order, on a lower row or further right on the same row.
std::vector<std::string> ReadingOrderFaults(const std::vector<TControl*>& round) {
  std::vector<std::string> faults;
  for (size_t i = 1; i < round.size(); ++i) {
    RECT a, b;
    GetWindowRect(round[i - 1]->Handle(), &a);
    GetWindowRect(round[i]->Handle(), &b);
    const bool sameRow = std::abs(b.top - a.top) <= 8;
    if (sameRow ? b.left <= a.left : b.top < a.top)
      faults.push_back(round[i]->Name() + " comes after " + round[i - 1]->Name());
  }
  return faults;
}

struct TKeyboardForms : TBookForms {
  TKeyboardForms() {
    F().RichEdit.SetFocus();
    PumpFor(20);
  }
  app::TSidebar& S() { return F().Sidebar; }
  bool SidebarShown() { return S().Container_MainPanel.Visible(); }
};

TEST(KeyboardNavigation, EveryPageIsWalkedByTabAndCtrlTabInReadingOrder) {
  TKeyboardForms forms;
  app::TQuenvalisForm& f = forms.F();
  app::TSidebar& s = forms.S();
  ASSERT_TRUE(f.RichEdit.Focused());
  Press({VK_CONTROL, VK_TAB});
  ASSERT_TRUE(forms.SidebarShown());
  ASSERT_EQ(Focused(), &s.Container_OptionsPageControl);

  // The order each page's round took, for people (beside the pages' screenshots).
  const std::string folder = win::ProgramDirectory() + "..\\screens\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  std::ofstream order(folder + "tab-order.txt");
  const struct {
    TTabSheet* outer;
    TPageControl* inner;  // the pages inside it that Ctrl+Tab turns
    int innerPages;
  } outerPages[] = {{s.ProgramOptionsTabSheet, &s.ProgramPageControl, 3},
                    {s.ProfileOptionsTabSheet, &s.ProfilePageControl, 4},
                    {s.ConvertMeasureTabSheet, &f.Converter.Controls.ConvertMeasurePageControl, 7}};
  for (const auto& outer : outerPages) {
    ASSERT_EQ(s.Container_OptionsPageControl.ActivePage(), outer.outer);
    for (int page = 0; page < outer.innerPages; ++page) {
      const std::string title = outer.outer->Text() + " / " + outer.inner->ActivePage()->Text();
      const std::vector<TControl*> round = TabRound();
      // Every control of the page once, in reading order.
      const std::set<TControl*> usable = UsableControls(s.Container_MainPanel.Handle());
      const std::set<TControl*> visited(round.begin(), round.end());
      EXPECT_EQ(visited.size(), round.size()) << title << ": a control was visited twice";
      for (TControl* c : usable)
        EXPECT_TRUE(visited.count(c)) << title << ": Tab never reaches " << c->Name();
      EXPECT_EQ(visited.size(), usable.size()) << title;
      for (const std::string& fault : ReadingOrderFaults(round)) ADD_FAILURE() << title << ": " << fault;
      if (page == 0 && outer.outer == s.ProgramOptionsTabSheet) {
        // Shift+Tab goes the same round the other way.
        std::vector<TControl*> back = TabRound(false);
        std::reverse(back.begin() + 1, back.end());
        EXPECT_EQ(back, round) << title;
      }
      order << title << ":";
      for (TControl* c : round) order << " " << c->Name();
      order << "\n";
      if (page + 1 == outer.innerPages) break;
      // To the inner tabs, the next page, and back to the outer tabs.
      ASSERT_TRUE(TabTo(*outer.inner)) << title;
      Press({VK_CONTROL, VK_TAB});
      ASSERT_EQ(Focused(), outer.inner) << title;
      for (int i = 0; i < 5 && Focused() != &s.Container_OptionsPageControl; ++i) Press({VK_SHIFT, VK_TAB});
      ASSERT_EQ(Focused(), &s.Container_OptionsPageControl) << title;
    }
    Press({VK_CONTROL, VK_TAB});
  }
  // Round the outer pages back to the first.
  EXPECT_EQ(s.Container_OptionsPageControl.ActivePage(), s.ProgramOptionsTabSheet);
  EXPECT_EQ(Focused(), &s.Container_OptionsPageControl);
}

// The focus rectangle: pixels inside the panel's bevel that are not the panel's colour.
bool ShowsFocusRectangle(TColorPanel& panel) {
  const TScreenPixels shot = CaptureWindow(panel.Handle());
  const POINT origin = panel.ClientToScreen({0, 0});
  for (int x = 3; x < panel.ClientWidth() - 3; ++x)
    if (shot.At(origin.x + x, origin.y + 3) != DisplayColor(panel.CurrentColor())) return true;
  return false;
}

TEST(KeyboardNavigation, EachKindOfControlWorksByItsKeys) {
  TKeyboardForms forms;
  app::TQuenvalisForm& f = forms.F();
  app::TSidebar& s = forms.S();

  // Tab from the read-only book: the first control (the tabs); Shift+Tab: the
  // last; Esc gives the book the focus and hides the sidebar; Esc in the book minimises.
  Press({VK_TAB});
  EXPECT_TRUE(forms.SidebarShown());
  EXPECT_EQ(Focused(), &s.Container_OptionsPageControl);
  Press({VK_ESCAPE});
  EXPECT_FALSE(forms.SidebarShown());
  EXPECT_TRUE(f.RichEdit.Focused());
  Press({VK_SHIFT, VK_TAB});
  EXPECT_EQ(Focused(), &s.HideProgramButton);
  Press({VK_ESCAPE});
  EXPECT_TRUE(f.RichEdit.Focused());
  Press({VK_ESCAPE});
  EXPECT_TRUE(IsIconic(f.Handle()));
  ShowWindow(f.Handle(), SW_RESTORE);
  f.ShowMaximizedOnMonitor();
  SetForegroundWindow(f.Handle());
  PumpFor(50);
  f.RichEdit.SetFocus();

  // Tab pages: Ctrl+Page Down and Up, Ctrl+Shift+Tab round from the first to the last.
  Press({VK_CONTROL, VK_TAB});
  ASSERT_EQ(Focused(), &s.Container_OptionsPageControl);
  Press({VK_CONTROL, VK_NEXT});
  EXPECT_EQ(s.Container_OptionsPageControl.ActivePage(), s.ProfileOptionsTabSheet);
  Press({VK_CONTROL, VK_PRIOR});
  EXPECT_EQ(s.Container_OptionsPageControl.ActivePage(), s.ProgramOptionsTabSheet);
  Press({VK_CONTROL, VK_SHIFT, VK_TAB});
  EXPECT_EQ(s.Container_OptionsPageControl.ActivePage(), s.ConvertMeasureTabSheet);
  EXPECT_EQ(Focused(), &s.Container_OptionsPageControl);
  Press({VK_CONTROL, VK_TAB});

  // A combo box: the arrows choose its items; each takes effect and the focus stays.
  Press({VK_TAB});
  Press({VK_CONTROL, VK_TAB});
  ASSERT_EQ(s.ProgramPageControl.ActivePage(), s.ProgramGeneralTabSheet);
  ASSERT_TRUE(TabTo(s.RichBoxWidthPercentComboBox));
  Press({VK_DOWN});
  EXPECT_EQ(s.RichBoxWidthPercentComboBox.Text(), "50");
  EXPECT_EQ(f.RichEdit.Width(), f.Width() / 2);
  Press({VK_UP});
  EXPECT_EQ(s.RichBoxWidthPercentComboBox.Text(), "45");
  EXPECT_EQ(Focused(), &s.RichBoxWidthPercentComboBox);

  // A check box: Space and Enter tick it; the focus stays.
  TCheckBox& clipboard = f.Dictionary.Controls.ClipboardForDicCheckBox;
  const bool ticked = clipboard.Checked();
  ASSERT_TRUE(TabTo(clipboard));
  EXPECT_EQ(f.HintLabel.Caption(), clipboard.Hint());  // the hint line follows the keyboard too
  SaveScreenshot(s.Container_MainPanel.Handle(), "keyboard-focus-check-box");
  Press({VK_SPACE});
  EXPECT_NE(clipboard.Checked(), ticked);
  Press({VK_RETURN});
  EXPECT_EQ(clipboard.Checked(), ticked);
  EXPECT_EQ(Focused(), &clipboard);

  // An edit: typed text (a blank too) lands in it, not in the book; AltGr
  // (Ctrl+Alt) types there and runs no shortcut; Enter finds the text in the book.
  Press({VK_SHIFT, VK_TAB});
  for (int i = 0; i < 5 && Focused() != &s.ProgramPageControl; ++i) Press({VK_SHIFT, VK_TAB});
  Press({VK_CONTROL, VK_SHIFT, VK_TAB});
  ASSERT_EQ(s.ProgramPageControl.ActivePage(), s.ProgramOpenTabSheet);
  TEdit& find = f.Book.Controls.FindTextEdit;
  ASSERT_TRUE(TabTo(find));
  const std::string shelf = f.Bookmarks.Controls.OpenBookshelfButton.Text();
  Press({VK_CONTROL, VK_MENU, 'P'});
  EXPECT_EQ(f.Bookmarks.Controls.OpenBookshelfButton.Text(), shelf);
  Type("to q");
  EXPECT_EQ(find.Text(), "to q");
  Press({VK_RETURN});
  EXPECT_TRUE(f.RichEdit.Focused());
  EXPECT_EQ(f.RichEdit.GetSelText(), "to Q");
  // From the book the same keys are the shortcut again (Alt+P: put the book on the shelf).
  Press({VK_CONTROL, VK_MENU, 'P'});
  EXPECT_NE(f.Bookmarks.Controls.OpenBookshelfButton.Text(), shelf);

  // A button whose actions are on the mouse buttons: Shift+F10 is its right
  // click (set bookmark 1), Ctrl and the context-menu key its Ctrl+right click (clear it).
  Press({VK_CONTROL, VK_TAB});
  TButton& bookmark = f.Bookmarks.Controls.Bookmark1Button;
  ASSERT_TRUE(TabTo(bookmark));
  Press({VK_SHIFT, VK_F10});
  EXPECT_EQ(bookmark.Text(), "&1*");
  Press({VK_CONTROL, VK_TAB});
  ASSERT_TRUE(TabTo(bookmark));
  Press({VK_CONTROL, VK_APPS});
  EXPECT_EQ(bookmark.Text(), "&1");

  // A list: the arrows move its selection; the focus stays.
  Press({VK_CONTROL, VK_TAB});
  ASSERT_TRUE(TabTo(s.BrowserListBox));
  ASSERT_GT(s.BrowserListBox.ItemCount(), 1);
  s.BrowserListBox.SetItemIndex(0);
  Press({VK_DOWN});
  EXPECT_EQ(s.BrowserListBox.ItemIndex(), 1);
  SaveScreenshot(s.Container_MainPanel.Handle(), "keyboard-focus-list");
  EXPECT_EQ(Focused(), &s.BrowserListBox);

  // A colour panel: Space and Enter are its left click (the stock colours),
  // Shift+F10 and the context-menu key its right click (the system's dialog).
  TAnsweringChooser chooser;
  f.Colors.Chooser = &chooser;
  Press({VK_SHIFT, VK_TAB});
  for (int i = 0; i < 30 && Focused() != &s.Container_OptionsPageControl; ++i) Press({VK_SHIFT, VK_TAB});
  Press({VK_CONTROL, VK_TAB});
  Press({VK_TAB});
  Press({VK_CONTROL, VK_TAB});
  ASSERT_EQ(s.ProfilePageControl.ActivePage(), s.ProfileColorsTabSheet);
  TColorPanel& panel = f.Colors.Controls.ScreenBack.Panel;
  ASSERT_TRUE(TabTo(panel));
  PumpFor(50);
  EXPECT_TRUE(ShowsFocusRectangle(panel));
  SaveScreenshot(s.Container_MainPanel.Handle(), "keyboard-focus-color-panel");
  for (WORD key : {WORD(VK_SPACE), WORD(VK_RETURN)}) Press({key});
  Press({VK_SHIFT, VK_F10});
  Press({VK_APPS});
  EXPECT_EQ(chooser.asked, (std::vector<std::string>{"stock", "stock", "system", "system"}));
  EXPECT_EQ(panel.CurrentColor(), chooser.answer);
  EXPECT_EQ(f.Color(), chooser.answer);
  EXPECT_EQ(Focused(), &panel);
  f.Colors.Chooser = nullptr;

  // A button: Space and Enter press it (the colour schemes), and the focus stays.
  ASSERT_TRUE(TabTo(f.Colors.Controls.SetLowLightColorsButton));
  EXPECT_FALSE(ShowsFocusRectangle(panel));
  Press({VK_SPACE});
  EXPECT_EQ(panel.CurrentColor(), CColorSchemes[2].Colors[cpScreenBack]);
  Press({VK_SHIFT, VK_TAB});
  Press({VK_SHIFT, VK_TAB});
  EXPECT_EQ(Focused(), &f.Colors.Controls.SetHighLightColorsButton);
  Press({VK_RETURN});
  EXPECT_EQ(panel.CurrentColor(), CColorSchemes[0].Colors[cpScreenBack]);
  EXPECT_EQ(Focused(), &f.Colors.Controls.SetHighLightColorsButton);

  // A dialog opened and closed from the keyboard gives the focus back where it was.
  ASSERT_TRUE(TabTo(s.AboutButton));
  bool aboutShown = false;
  AfterDelay(150, [&] {
    aboutShown = forms.about->Visible();
    Press({VK_RETURN});  // on its Okay button
  });
  Press({VK_RETURN});
  PumpUntil([&] { return aboutShown && !forms.about->Visible(); }, 3000);
  EXPECT_TRUE(aboutShown);
  EXPECT_EQ(Focused(), &s.AboutButton);
}

}  // namespace
}  // namespace qv::testing
