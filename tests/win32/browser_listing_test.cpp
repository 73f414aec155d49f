// The browser over the real (wine) file system, and its Win32 pieces that
// need no main window: the row painter and the history popup.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TempFolderTree.h"
#include "browser/BrowserModel.h"
#include "forms/HistoryPopup.h"
#include "history/HistoryDialog.h"
#include "platform/BrowserListing.h"
#include "paths/PathStrings.h"
#include "platform/FileServices.h"
#include "widgets/BrowserRowPainter.h"
#include "widgets/Controls.h"
#include "widgets/Form.h"

namespace qv {
namespace {

using qv::testing::TempTree;

struct BrowserListing : ::testing::Test {
  win::TBrowserListing listing;
  THistoryDialog history;
  TBrowserModel model{listing, history};

  void Load(const std::string& path) {
    model.LoadBrowserContent(path, {model.Selected(), 0, 20});
  }
  std::vector<std::string> Rows() const {
    std::vector<std::string> rows;
    for (const TBrowserItem& item : model.Items())
      rows.push_back(std::string(TBrowserModel::TypeText(item)) + " " + item.Caption());
    return rows;
  }
  std::string SelectedText() const {
    return model.Selected() < 0 ? "" : model.Items()[static_cast<size_t>(model.Selected())].Text;
  }
};

TEST_F(BrowserListing, ShowsVisibleFoldersThenBooksInOrder) {
  TempTree tree;
  tree.Folder("zeta");
  tree.Folder("Alpha");
  tree.Folder("x.rtf");
  tree.Folder("Hidden", FILE_ATTRIBUTE_HIDDEN);
  tree.Folder("System", FILE_ATTRIBUTE_SYSTEM);
  for (const char* name : {"b.txt", "A.RTF", "c.TXT", "notes.doc", "readme", "t.txt.bak"}) tree.File(name);
  tree.File("secret.txt", FILE_ATTRIBUTE_HIDDEN);
  tree.File("boot.txt", FILE_ATTRIBUTE_SYSTEM);
  tree.File("kept.txt", FILE_ATTRIBUTE_READONLY);
  tree.File("old.rtf", FILE_ATTRIBUTE_ARCHIVE);
  ASSERT_NE(GetFileAttributesA((tree.Root() + "secret.txt").c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
  ASSERT_NE(GetFileAttributesA((tree.Root() + "System").c_str()) & FILE_ATTRIBUTE_SYSTEM, 0u);

  Load(tree.Root());
  EXPECT_EQ(model.BrowserDir(), tree.Root());
  EXPECT_EQ(Rows(), (std::vector<std::string>{"Dir Alpha", "Dir x.rtf", "Dir zeta", "Form A.RTF",
                                              "Plain b.txt", "Plain c.TXT", "Plain kept.txt",
                                              "Form old.rtf"}));
  EXPECT_EQ(model.Selected(), 0);
}

TEST_F(BrowserListing, GoneFoldersAndDrivesFallBack) {
  TempTree tree;
  const std::string gone = tree.Folder("gone");
  tree.Folder("gone\\deeper");
  tree.File("kept.txt");
  history.Add(gone + "old.txt", 3);
  history.Add(tree.Root() + "kept.txt", 0);
  history.Add(gone + "deeper\\d.txt", 1);
  TempTree::Remove(gone);

  Load(gone + "deeper\\x.txt");
  EXPECT_EQ(model.BrowserDir(), tree.Root());
  EXPECT_EQ(SelectedText(), "kept.txt");
  std::vector<std::string> paths;
  for (int i = 0; i < history.Count(); ++i) paths.push_back(history.Path(i));
  EXPECT_EQ(paths, (std::vector<std::string>{tree.Root() + "kept.txt", gone + "deeper\\x.txt"}));

  // A deleted folder right below a drive root shows the root.
  const std::string belowRoot = "C:\\qv-gone-" + std::to_string(GetCurrentProcessId()) + "\\";
  RemoveDirectoryA(belowRoot.c_str());
  Load(belowRoot);
  EXPECT_EQ(model.BrowserDir(), "C:\\");

  // Up from the root, and a drive that has gone, show the partitions.
  Load(model.BrowseUpPath());
  EXPECT_FALSE(model.ShowsFolder());
  EXPECT_EQ(SelectedText(), "C:");
  EXPECT_EQ(model.Items()[static_cast<size_t>(model.Selected())].Caption().rfind("C: (Fixed: \"", 0), 0u);
  Load("Q:\\Books\\Tale.txt");
  EXPECT_EQ(model.BrowserDir(), "Q:");
  EXPECT_FALSE(model.Items().empty());
  for (const TBrowserItem& item : model.Items()) EXPECT_TRUE(item.Folder && IsDriveOnly(item.Text)) << item.Text;
}

// The pixels of a 32-bit DIB as COLORREF values.
class RowCanvas {
 public:
  RowCanvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    SelectObject(dc_, bitmap_);
    font_ = CreateFontA(-10, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0,
                        "DejaVu Sans");
    SelectObject(dc_, font_);
  }
  ~RowCanvas() {
    DeleteDC(dc_);
    DeleteObject(bitmap_);
    DeleteObject(font_);
  }
  HDC Dc() const { return dc_; }
  COLORREF At(int x, int y) const {
    const DWORD p = bits_[y * width_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  // Pixels of color inside [left, right) x [top, bottom).
  int Count(COLORREF color, int left, int top, int right, int bottom) const {
    int n = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) n += At(x, y) == color;
    return n;
  }

 private:
  int width_, height_;
  HDC dc_;
  HBITMAP bitmap_;
  HFONT font_;
  DWORD* bits_ = nullptr;
};

TEST(BrowserRowPainter, CellsLinesAndClippedTexts) {
  win::TBrowserRowColors colors;
  colors.Window = RGB(250, 250, 240);
  colors.Font = RGB(10, 20, 30);
  colors.DirTypeBack = RGB(200, 230, 200);
  colors.DirTypeFore = RGB(0, 100, 0);
  colors.FocusBack = RGB(0, 0, 160);
  colors.FocusFore = RGB(255, 255, 0);
  const int w = 120, h = 13;
  RowCanvas canvas(w, h);
  // The type column holds its longest word whole: wider than the layout's
  // 22 pixels (1.7 rows) in this font.
  const int split = win::BrowserTypeCellWidth(canvas.Dc(), h, kDesignDpi);
  SIZE plain{};
  GetTextExtentPoint32A(canvas.Dc(), "Plain", 5, &plain);
  EXPECT_GE(split, plain.cx + 6);
  EXPECT_GT(split, 22);
  const TBrowserItem folder{"Books and more books than this row can show", true, ""};
  win::PaintBrowserRow(canvas.Dc(), {0, 0, w, h}, folder, true, false, colors, kDesignDpi);

  EXPECT_EQ(canvas.At(0, 0), colors.DirTypeBack);
  EXPECT_GT(canvas.Count(colors.DirTypeFore, 3, 2, split - 3, h - 3), 0);  // "Dir"
  EXPECT_EQ(canvas.Count(colors.Font, split, 0, split + 1, h), h);        // the column line
  EXPECT_EQ(canvas.Count(colors.Font, 0, h - 1, w, h), w);                // the bottom line
  EXPECT_EQ(canvas.At(split + 1, 0), colors.FocusBack);
  EXPECT_GT(canvas.Count(colors.FocusFore, split + 4, 2, w - 3, h - 3), 0);
  // The long name stops 3 pixels short of the right edge and 2 below the top.
  EXPECT_EQ(canvas.Count(colors.FocusBack, w - 3, 0, w, h - 1), 3 * (h - 1));
  EXPECT_EQ(canvas.Count(colors.FocusBack, split + 1, 0, w, 2), 2 * (w - split - 1));

  const TBrowserItem book{"Tale.txt", false, ""};
  win::PaintBrowserRow(canvas.Dc(), {0, 0, w, h}, book, false, false, colors, kDesignDpi);
  EXPECT_EQ(canvas.At(0, 0), colors.Window);
  EXPECT_EQ(canvas.At(w - 1, 0), colors.Window);
  EXPECT_GT(canvas.Count(colors.Font, 3, 2, split - 3, h - 3), 0);  // "Plain"
}

TEST(BrowserVirtualList, DrawsRowsFromTheTopIndexAndFindsTheRowUnderAPoint) {
  win::TForm form("VirtualListOwner", "Owner", 300, 300, {});
  win::TVirtualListBox list(&form, "BrowserListBox", 0, 0, 200, 200);
  list.SetItemHeight(13);
  std::vector<int> drawn;
  list.OnDrawItem = [&](HDC, int index, const RECT&, bool, bool) { drawn.push_back(index); };
  ShowWindow(form.Handle(), SW_SHOWNORMAL);
  list.SetCount(100);
  list.SetItemIndex(45);
  list.SetTopIndex(40);
  drawn.clear();
  InvalidateRect(list.Handle(), nullptr, TRUE);
  UpdateWindow(list.Handle());
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(*std::min_element(drawn.begin(), drawn.end()), 40);
  EXPECT_EQ(list.ItemIndex(), 45);
  EXPECT_EQ(list.VisibleCount(), list.ClientHeight() / 13);
  EXPECT_EQ(list.ItemAt(5, 2 * 13 + 1), 42);
  list.SetCount(3);
  EXPECT_EQ(list.ItemCount(), 3);
  EXPECT_EQ(list.ItemAt(5, 13 * 5), -1);  // below the last row
  EXPECT_EQ(list.ItemAt(5, 1), 0);
}

TEST(BrowserHistoryPopup, TitleCountsEveryEntryAndChoosingGivesTheStoredPath) {
  THistoryDialog history;
  for (int i = 0; i < 24; ++i) history.Add("C:\\D" + std::to_string(i) + "\\f.txt", 0);
  history.Add("C:\\Tom & Jerry\\cat.txt", 0);
  std::string chosen;
  history.OnSelect = [&](const std::string& path) { chosen = path; };

  win::TForm form("HistoryOwner", "Owner", 300, 200, {});
  win::TButton button(&form, "BrowserHistoryButton", "History", 10, 50, 80, 20);
  win::THistoryPopup popup(history);
  win::TPopupMenu* shown = nullptr;
  POINT at{};
  popup.ShowMenu = [&](win::TPopupMenu& menu, HWND, POINT point) {
    shown = &menu;
    at = point;
  };
  ASSERT_TRUE(popup.DialogButton(button, "Browser history"));
  ASSERT_EQ(shown, popup.Menu());
  ASSERT_EQ(shown->Count(), 21);
  EXPECT_EQ(shown->Caption(0), "Browser history (25 items)");
  EXPECT_EQ(GetMenuDefaultItem(shown->Handle(), TRUE, 0), 0u);
  char text[64] = "";
  GetMenuStringA(shown->Handle(), 1, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "C:\\Tom && Jerry\\");  // shown with its "&", not as an accelerator
  RECT bounds{};
  GetWindowRect(button.Handle(), &bounds);
  EXPECT_EQ(at.y, bounds.bottom);

  shown->Choose(0);
  EXPECT_EQ(chosen, "");
  shown->Choose(1);
  EXPECT_EQ(chosen, "C:\\Tom & Jerry\\cat.txt");
  shown->Choose(2);
  EXPECT_EQ(chosen, "C:\\D23\\f.txt");
}

}  // namespace
}  // namespace qv
