// A book of 100,000 lines opened whole, read to its end under wine: every way
// of moving through it reaches every part of it, far beyond the 65,535 pixels
// the control's scroll messages can tell.
#include <gtest/gtest.h>

#include "BookTestSupport.h"
#include "ReaderChecks.h"
#include "bookshelf/Bookshelf.h"

namespace qv::testing {
namespace {

constexpr int32_t kLines = 100000;

// The position of the start of book line n (from 1), "L0n " as NumberedLines writes it.
int32_t LinePosition(app::TQuenvalisForm& f, int n) {
  char head[16];
  snprintf(head, sizeof head, "L%05d ", n);
  return int32_t(f.RichEdit.GetText().find(head));
}

TEST(LongBooks, EveryMoveReachesEveryPartOfAHundredThousandLines) {
  TBookForms forms;
  app::TQuenvalisForm& f = forms.F();
  f.Book.Controls.OpenInPiecesCheckBox.SetChecked(false);
  forms.boxes.answers = {IDOK};  // open it whole
  const std::string path = WriteTestFile("hundred-thousand.txt", NumberedLines(kLines, 9));
  ASSERT_TRUE(f.Book.OpenBook(path, true));
  ASSERT_TRUE(f.Book.WaitForText(-1));  // a long book arrives in parts
  ASSERT_GE(GetRichLineCount(f.RichEdit), kLines);
  const HWND h = f.RichEdit.Handle();
  auto top = [&] { return GetRichFirstVisibleLine(f.RichEdit) + 1; };  // as the book numbers lines
  RECT client{};
  GetClientRect(h, &client);
  POINTL second{};
  SendMessageW(h, EM_POSFROMCHAR, WPARAM(&second), SendMessageW(h, EM_LINEINDEX, 1, 0));
  const int page = int(client.bottom / std::max<LONG>(second.y - client.top, 1));  // lines in view

  PressKey(h, VK_END, true);
  const int end = top();
  EXPECT_GE(end, kLines - page) << "Ctrl+End";
  PressKey(h, VK_PRIOR);
  EXPECT_NEAR(top(), end - page, 2) << "Page Up from the end";
  PressKey(h, VK_NEXT);
  EXPECT_EQ(top(), end) << "Page Down near the end";
  PressKey(h, VK_UP);
  PressKey(h, VK_UP);
  EXPECT_NEAR(top(), end - 2, 1) << "the arrows";
  const int beforeWheel = top();
  f.Book.Controls.WheelScrollLines.Box.SetText("3");
  f.Book.RichEditMouseWheel(120);
  EXPECT_EQ(top(), beforeWheel - 3) << "the wheel up";
  f.Book.RichEditMouseWheel(-120);
  EXPECT_EQ(top(), beforeWheel) << "the wheel down";

  // The scroll bar's thumb dragged to nine tenths of its way.
  SCROLLINFO bar{};
  bar.cbSize = sizeof bar;
  bar.fMask = SIF_ALL;
  GetScrollInfo(h, SB_VERT, &bar);
  const int thumb = bar.nMin + (bar.nMax - int(bar.nPage) + 1 - bar.nMin) * 9 / 10;
  SendMessageW(h, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, thumb), 0);
  SendMessageW(h, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, thumb), 0);
  EXPECT_NEAR(top(), (kLines - page) * 9 / 10, kLines / 100) << "the scroll bar";

  f.Book.Controls.GotoLineEdit.SetText("99000");
  f.Book.GotoLine();
  EXPECT_EQ(top(), 99000) << "go to line";
  f.RichEdit.SetSelection(0, 0);
  f.Book.Controls.FindTextEdit.SetText("L97531 ");
  f.Book.FindNext(false);
  const int found = GetRichLineOfChar(f.RichEdit, LinePosition(f, 97531)) + 1;
  EXPECT_LE(top(), found) << "find";
  EXPECT_GE(top() + page, found) << "find";
  f.Text.ChapterMenuItemClick(LinePosition(f, 96000));
  EXPECT_EQ(top(), 96000) << "a chapter";
  f.Bookmarks.Bookshelf.SetBookmark(f.Book.BookFileName, 0, 1, 0);  // on the shelf
  f.Bookmarks.Bookshelf.SetBookmark(f.Book.BookFileName, 3, 1, LinePosition(f, 95000));
  f.Bookmarks.GoToBookmark(3);
  EXPECT_EQ(top(), 95000) << "a bookmark";

  // Reopened, the book comes back at its auto-bookmark.
  f.Bookmarks.Bookshelf.SetBookmark(f.Book.BookFileName, 0, 1, LinePosition(f, 98000));
  forms.boxes.answers = {IDOK};
  ASSERT_TRUE(f.Book.LoadFromFile("", -1, false, 0));
  ASSERT_TRUE(f.Book.WaitForText(-1));  // the view stays on its text while the rest arrives
  EXPECT_EQ(top(), 98000) << "the place restored at opening";
}

}  // namespace
}  // namespace qv::testing
