// The file browser in the window, on a real folder tree made in the temporary
// folder: what the list shows and in which order, the keys, the mouse, the
// hint, the books it opens with their profiles, the remembered selections,
// a deleted folder, the history's menu, and the start-up callers.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "BookTestSupport.h"
#include "ScreenCapture.h"
#include "TempFolderTree.h"
#include "browser/BookSites.h"
#include "encoding/UnicodeText.h"
#include "paths/PathStrings.h"

namespace qv::testing {
namespace {

using namespace qv::win;

struct BrowserForms : TBookForms {
  TempTree tree{"qv-browser-window-"};
  app::TBrowser& B() { return F().Browser; }
  TVirtualListBox& List() { return F().Sidebar.BrowserListBox; }

  BrowserForms() {
    // The tree's books open with its profile: plain lines, no enhancement.
    tree.File("QuenvalisProfile.fsp", 0, "[Profile_Main]\r\nEnhanceText=FALSE\r\n");
    F().Screen.ShowOpenPage();
    PumpFor(30);
  }
  // The rows as the list shows them: the type column, a blank, the name.
  std::vector<std::string> Rows() {
    std::vector<std::string> rows;
    for (const TBrowserItem& item : B().Model().Items())
      rows.push_back(std::string(TBrowserModel::TypeText(item)) + " " + item.Caption());
    EXPECT_EQ(List().ItemCount(), static_cast<int>(rows.size()));
    return rows;
  }
  std::string Selected() {
    const int i = List().ItemIndex();
    return i < 0 ? "" : B().Model().Items()[static_cast<size_t>(i)].Text;
  }
  // A key pressed over the list, through the message loop (the window sees it first).
  void Key(WORD key) {
    PostMessageA(List().Handle(), WM_KEYDOWN, key, 0);
    PostMessageA(List().Handle(), WM_KEYUP, key, 0);
    PumpFor(40);
  }
  void Char(char c) {
    PostMessageA(List().Handle(), WM_CHAR, static_cast<unsigned char>(c), 0);
    PumpFor(40);
  }
  LPARAM PointOfRow(int index) {
    RECT r{};
    SendMessageA(List().Handle(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return MAKELPARAM(r.left + 40, (r.top + r.bottom) / 2);
  }
  // A press of a button on a row; with ctrl, the Ctrl key is held meanwhile.
  void Click(int index, UINT down, bool ctrl = false) {
    BYTE keys[256];
    GetKeyboardState(keys);
    const BYTE ctrlBefore = keys[VK_CONTROL];
    keys[VK_CONTROL] = ctrl ? 0x80 : 0;
    SetKeyboardState(keys);
    SendMessageA(List().Handle(), down, 0, PointOfRow(index));
    SendMessageA(List().Handle(), down == WM_RBUTTONDOWN ? WM_RBUTTONUP : WM_LBUTTONUP, 0, PointOfRow(index));
    keys[VK_CONTROL] = ctrlBefore;
    SetKeyboardState(keys);
    PumpFor(20);
  }
  void DoubleClick(int index) {
    Click(index, WM_LBUTTONDOWN);
    Click(index, WM_LBUTTONDBLCLK);
  }
  int IndexOf(const std::string& text) {
    const std::vector<TBrowserItem>& items = B().Model().Items();
    for (size_t i = 0; i < items.size(); ++i)
      if (items[i].Text == text) return static_cast<int>(i);
    return -1;
  }
};

TEST(BrowserWindow, StartShowsThePartitionsAndAChosenBookShowsItsFolder) {
  BrowserForms forms;
  app::TBrowser& b = forms.B();
  // After the welcome book: the partitions list, the book's drive selected.
  EXPECT_FALSE(b.Model().ShowsFolder());
  EXPECT_TRUE(SameText(forms.Selected(), DriveOfPath(forms.F().Book.BookFileName))) << forms.Selected();

  const std::string tale = forms.tree.File("Tale.txt", 0, "A tale.\r\n");
  forms.tree.File("Another.txt", 0, "Another.\r\n");
  ASSERT_TRUE(forms.F().Book.OpenBook(tale, false));
  EXPECT_EQ(b.BrowserDir(), forms.tree.Root());
  EXPECT_EQ(forms.Selected(), "Tale.txt");

  // The open book is the one highlighted, however it was opened.
  const std::string another = forms.tree.Root() + "Another.txt";
  ASSERT_TRUE(forms.F().Book.OpenBook(another, false));
  EXPECT_EQ(forms.Selected(), "Another.txt");
  // With a folder on display, a book elsewhere leaves the browser where it is,
  // and no book of it highlighted.
  ASSERT_TRUE(forms.F().Book.OpenBook(WriteTestFile("elsewhere.txt", "Elsewhere.\r\n"), false));
  EXPECT_EQ(b.BrowserDir(), forms.tree.Root());
  EXPECT_EQ(forms.Selected(), "");
}

TEST(BrowserWindow, TheKeysWalkTheTreeShownFoldersFirst) {
  BrowserForms forms;
  TempTree& t = forms.tree;
  t.Folder("zeta");
  t.File("zeta\\inner.txt");
  t.Folder("Alpha");
  t.Folder("x.rtf");
  t.Folder("Hidden", FILE_ATTRIBUTE_HIDDEN);
  for (const char* name : {"b.txt", "A.RTF", "notes.doc", "readme"}) t.File(name);
  t.File("secret.txt", FILE_ATTRIBUTE_HIDDEN);
  const std::string gone = t.Folder("gone");
  TempTree::Remove(gone);

  forms.B().LoadBrowserContent(t.Root());
  EXPECT_EQ(forms.Rows(), (std::vector<std::string>{"Dir Alpha", "Dir x.rtf", "Dir zeta", "Form A.RTF",
                                                    "Plain b.txt"}));
  const struct {
    const char* what;
    std::function<void()> press;
    std::string dir;
    std::string selected;
  } steps[] = {
      {"Enter on a folder", [&] {
         forms.List().SetItemIndex(forms.IndexOf("zeta"));
         forms.Key(VK_RETURN);
       }, t.Root() + "zeta\\", "inner.txt"},
      {"Backspace", [&] { forms.Key(VK_BACK); }, t.Root(), "zeta"},
      {"a letter", [&] { forms.Key('A'); }, t.Root(), "zeta"},
      {"a double click on a folder", [&] { forms.DoubleClick(forms.IndexOf("x.rtf")); }, t.Root() + "x.rtf\\", ""},
      {"a deleted folder", [&] { forms.B().LoadBrowserContent(gone + "old.txt"); }, t.Root(), "x.rtf"},
      {"/", [&] { forms.Char('/'); }, "", DriveOfPath(t.Root())},
      {"Backspace in a drive root", [&] {
         forms.B().LoadBrowserContent(DriveOfPath(t.Root()) + "\\");
         forms.Key(VK_BACK);
       }, "", DriveOfPath(t.Root())},
  };
  for (const auto& step : steps) {
    step.press();
    EXPECT_EQ(forms.B().BrowserDir(), step.dir) << step.what;
    EXPECT_TRUE(SameText(forms.Selected(), step.selected)) << step.what << ": " << forms.Selected();
  }
}

TEST(BrowserWindow, EnterOnABookOpensItWithItsProfileAndItsColours) {
  BrowserForms forms;
  forms.tree.Folder("Poe");
  const std::string raven = forms.tree.File("Raven.txt", 0, "Once upon a midnight dreary.\r\n");
  forms.tree.File("Raven.fsp", 0, "[Profile_Main]\r\nEnhanceText=FALSE\r\nFontSize=20\r\nDirTypeBackColor=255\r\n");
  forms.B().LoadBrowserContent(raven);
  ASSERT_EQ(forms.Selected(), "Raven.txt");
  forms.Key(VK_RETURN);
  ASSERT_TRUE(PumpUntil([&] { return forms.F().Book.BookFileName == raven && !forms.F().Book.Loading(); }));
  EXPECT_EQ(forms.F().Text.Controls.FontSize.Box.Text(), "20");

  // The folder's type cell is painted in the profile's directory colour.
  forms.F().Screen.ShowOpenPage();
  PumpFor(100);
  RECT row{};
  SendMessageA(forms.List().Handle(), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
  const POINT typeCell = forms.List().ClientToScreen({row.left + 1, row.top + 1});
  const POINT nameCell = forms.List().ClientToScreen({row.right - 2, row.top + 1});
  const TScreenPixels shown = CaptureWindow(forms.List().Handle());
  EXPECT_EQ(shown.At(typeCell.x, typeCell.y), RGB(255, 0, 0));
  EXPECT_EQ(shown.At(nameCell.x, nameCell.y), forms.F().Color());
}

TEST(BrowserWindow, ReenteringAFolderRestoresItsSelectionAndScroll) {
  BrowserForms forms;
  const std::string many = forms.tree.Folder("many");
  for (int i = 0; i < 80; ++i) forms.tree.File("many\\book" + std::to_string(100 + i) + ".txt");
  forms.B().LoadBrowserContent(many);
  ASSERT_GT(forms.List().VisibleCount(), 10);
  ASSERT_LT(forms.List().VisibleCount(), 60);
  SendMessageA(forms.List().Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 30), 0);
  SendMessageA(forms.List().Handle(), WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
  ASSERT_EQ(forms.List().TopIndex(), 30);
  forms.Click(35, WM_LBUTTONDOWN);
  ASSERT_EQ(forms.Selected(), "book135.txt");
  // Scrolled on a little past the selection: the position to come back to.
  SendMessageA(forms.List().Handle(), WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
  ASSERT_EQ(forms.List().TopIndex(), 31);

  forms.Key(VK_BACK);
  EXPECT_EQ(forms.Selected(), "many");
  forms.Key(VK_RETURN);
  EXPECT_EQ(forms.B().BrowserDir(), many);
  EXPECT_EQ(forms.Selected(), "book135.txt");
  EXPECT_EQ(forms.List().TopIndex(), 31);
}

TEST(BrowserWindow, ADeletedFolderLeavesTheHistoryWhoseMenuCountsEveryEntry) {
  BrowserForms forms;
  app::TBrowser& b = forms.B();
  const std::string deeper = forms.tree.Folder("gone") + "deeper\\";
  CreateDirectoryA(deeper.c_str(), nullptr);
  forms.tree.File("gone\\deeper\\d.txt");
  forms.tree.File("kept.txt");
  b.LoadBrowserContent(deeper);
  b.LoadBrowserContent(forms.tree.Root() + "kept.txt");
  TempTree::Remove(forms.tree.Root() + "gone\\");

  std::vector<std::string> captions;
  b.HistoryPopup.ShowMenu = [&](TPopupMenu& menu, HWND, POINT) {
    for (int i = 0; i < GetMenuItemCount(menu.Handle()); ++i) {
      char text[MAX_PATH] = "";
      GetMenuStringA(menu.Handle(), static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
      captions.push_back(text);
    }
    for (int i = 0; i < menu.Count(); ++i)
      if (menu.Caption(i) == deeper) menu.Choose(i);
  };
  const int entries = b.BrowserHistory.Count();
  forms.F().Browser.Controls.BrowserHistoryButton.Click();
  ASSERT_FALSE(captions.empty());
  EXPECT_EQ(captions[0], "Browser history (" + std::to_string(entries) + " items)");
  EXPECT_EQ(captions[1], forms.tree.Root());
  EXPECT_EQ(captions[2], deeper);

  // The deleted folder gives way to the tree's root; of its entries only the
  // path asked for stays.
  EXPECT_EQ(b.BrowserDir(), forms.tree.Root());
  EXPECT_EQ(forms.Selected(), "kept.txt");
  EXPECT_TRUE(forms.List().Focused());
  std::vector<std::string> ofGone;
  for (int i = 0; i < b.BrowserHistory.Count(); ++i)
    if (b.BrowserHistory.Path(i).rfind(forms.tree.Root() + "gone\\", 0) == 0) ofGone.push_back(b.BrowserHistory.Path(i));
  EXPECT_EQ(ofGone, std::vector<std::string>{deeper + "d.txt"});
}

TEST(BrowserWindow, TheMouseSelectsExploresAndHintsAndTheWebButtonsOpenSites) {
  BrowserForms forms;
  forms.tree.Folder("Poe");
  forms.tree.File("b.txt", 0, std::string(1234, 'x'));
  forms.tree.File("c.txt");
  forms.B().LoadBrowserContent(forms.tree.Root());
  TRecordingShell shell;

  forms.Click(2, WM_RBUTTONDOWN);
  EXPECT_EQ(forms.Selected(), "c.txt");
  forms.Click(1, WM_LBUTTONDOWN, true);
  EXPECT_EQ(forms.Selected(), "b.txt");
  ASSERT_EQ(shell.requests.size(), 1u);
  EXPECT_EQ(shell.requests[0].Verb, "Explore");
  EXPECT_EQ(shell.requests[0].File, forms.tree.Root() + ".");

  const std::string folder = GetNameOfPath(ExcludeTrailingBackslash(forms.tree.Root()));
  const std::string grouped = app::GroupedNumber(1234);
  SendMessageA(forms.List().Handle(), WM_MOUSEMOVE, 0, forms.PointOfRow(1));
  EXPECT_EQ(forms.F().HintLabel.Caption(),
            std::string(BrowserListHint) + " SIZE " + grouped + " characters. NAME \"b.txt\" (IN \"" + folder + "\").");
  SendMessageA(forms.List().Handle(), WM_MOUSEMOVE, 0, forms.PointOfRow(0));
  EXPECT_EQ(forms.F().HintLabel.Caption(), std::string(BrowserListHint) + " NAME \"Poe\" (IN \"" + folder + "\").");
  // The size is the one the folder was listed with: a hint opens no file.
  forms.tree.File("b.txt", 0, "short now");
  SendMessageA(forms.List().Handle(), WM_MOUSEMOVE, 0, forms.PointOfRow(1));
  EXPECT_NE(forms.F().HintLabel.Caption().find(" SIZE " + grouped + " characters."), std::string::npos);
  // Going to a line from the keyboard leaves the pointer on the hint line,
  // which then shows no hint of the list left behind.
  WORD g = 'G';
  forms.F().FormKeyDown(g, ssAlt);
  forms.F().Book.Controls.GotoLineEdit.SetText("1");
  forms.F().Book.GotoLine();
  PumpFor(50);
  EXPECT_EQ(forms.F().HintLabel.Caption().find("SIZE"), std::string::npos) << forms.F().HintLabel.Caption();

  forms.F().Browser.Controls.GutenbergBooksButton.Click();
  forms.F().Browser.Controls.DownloadBooksButton.Click();
  ASSERT_EQ(shell.requests.size(), 3u);
  EXPECT_EQ(shell.requests[1].File, GutenbergSearchAddress);
  EXPECT_EQ(shell.requests[2].File, DownloadBooksAddress);
}

}  // namespace
}  // namespace qv::testing
