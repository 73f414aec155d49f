// Pieces and in-book navigation: the piece controls, go to line, find, the
// rich-box keys, the mouse wheel, the book's keys and the line information.
#include "app/book/BookDocument.h"
#include "errors/Guard.h"
#include "paths/WebAddress.h"
#include "platform/FileServices.h"
#include "platform/Help.h"
#include "platform/Win32Platform.h"
#include "richbox/RichOps.h"
#include "util/Numbers.h"

namespace qv::app {

void TBookDocument::UpdatePieceControls() {
  TBookControls& b = Controls;
  const int count = b.PiecesComboBox.ItemCount();
  b.PiecesLabel.SetCaption(count >= 2 ? std::to_string(count) + " pieces" : "1 piece");
  const bool listEnabled = count > 1 && b.OpenInPiecesCheckBox.Checked();
  b.PiecesComboBox.SetEnabled(listEnabled);
  const int index = b.PiecesComboBox.ItemIndex();
  b.NextPieceButton.SetEnabled(listEnabled && index >= 0 && index < count - 1);
  b.PreviousPieceButton.SetEnabled(listEnabled && index > 0);
  b.AllowEditingCheckBox.SetEnabled(count < 2);
}

void TBookDocument::NextPieceButtonClick() {
  const int index = Controls.PiecesComboBox.ItemIndex();
  if (index >= 0 && index < Controls.PiecesComboBox.ItemCount() - 1)
    LoadFromFile("", Controls.CurrentPiece() + 1, false, 0);
  richEdit_.SetFocus();
}

void TBookDocument::PreviousPieceButtonClick() {
  const int index = Controls.PiecesComboBox.ItemIndex();
  if (index > 0) LoadFromFile("", Controls.CurrentPiece() - 1, false, -1);
  richEdit_.SetFocus();
}

void TBookDocument::GotoLine() {
  richEdit_.SetFocus();
  const int32_t count = GetRichLineCount(richEdit_);
  const int32_t top = GetRichFirstVisibleLine(richEdit_) + 1;
  const int32_t line = count >= 1 ? GetIntFromText(Controls.GotoLineEdit.Text(), 1, count, top) : top;
  ScrollRichLineToTop(richEdit_, line - 1);
  screen_.CenterCursorOnHint();
  richEdit_.SetFocus();
}

void TBookDocument::FindNext(bool fromKey) {
  const std::string text = Controls.FindTextEdit.Text();
  if (text.empty()) {
    if (fromKey) {
      screen_.ShowOpenPage();
      Controls.FindTextEdit.SetFocus();
    }
    return;
  }
  if (FindRichText(richEdit_, text, true, false) >= 0) richEdit_.SetFocus();
}

void TBookDocument::RefreshLineInfo() {
  Controls.LineNumberLabel.SetCaption("Top line " + GroupedNumber(int64_t(GetRichFirstVisibleLine(richEdit_)) + 1) +
                                      " (" + GroupedNumber(GetRichLineCount(richEdit_)) + " total lines)");
  UpdateBookInfo("", false, false);
}

void TBookDocument::RefreshBookStatus() {
  try {
    RefreshLineInfo();
  } catch (...) {
  }
  Controls.ModifiedLabel.SetCaption(richEdit_.GetModified() ? "Text is MODIFIED" : "Text is NOT modified");
}

void TBookDocument::RichEditKeyDown(WORD& key, unsigned shift) {
  const bool readOnly = richEdit_.GetReadOnly();
  const bool plain = (shift & (ssShift | ssAlt | ssCtrl)) == 0;
  if (readOnly && plain) {
    if (key == VK_SPACE) {
      key = VK_NEXT;
      return;
    }
    if (key == VK_UP) ScrollRichLines(richEdit_, -1);
    if (key == VK_DOWN) ScrollRichLines(richEdit_, 1);
  }
  if (shift & ssCtrl) {
    switch (key) {
      case 'Z': case 'X': case 'C': case 'V':
      case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
      case VK_UP: case VK_DOWN: case VK_LEFT: case VK_RIGHT:
      case VK_CONTROL: case VK_SHIFT: case VK_MENU:
        break;
      default:
        key = 0;  // the control's own Ctrl shortcuts never act
    }
  }
}

void TBookDocument::RichEditMouseWheel(int delta) {
  const int lines = GetIntFromText(Controls.WheelScrollLines.Box.Text(), -2147483647, 2147483647, 0);
  if (delta < 0) {
    ScrollRichLines(richEdit_, lines);
    KeepRichCaretVisible(richEdit_, 0);
    if (richEdit_.GetReadOnly()) richEdit_.HideCaret();
  } else if (delta > 0) {
    ScrollRichLines(richEdit_, -lines);
  }
}

bool TBookDocument::KeyDown(WORD& key, unsigned shift) {
  const bool alt = (shift & ssAlt) != 0;
  const bool ctrl = (shift & ssCtrl) != 0;
  const bool none = (shift & (ssAlt | ssCtrl | ssShift)) == 0;
  if (alt && (key == 'F' || key == 'G')) {
    screen_.ShowOpenPage();
    (key == 'F' ? Controls.FindTextEdit : Controls.GotoLineEdit).SetFocus();
  } else if (alt && key == 'S') {
    Controls.SaveBookButton.Click();
  } else if (ctrl && !alt && key == 'T') {
    OpenHelp(HelpKeys);
  } else if (key == VK_F3 && !alt) {
    FindNext(true);
  } else if (key == VK_F5 && none) {
    Controls.OpenBookButton.Click();
  } else if (key == VK_F5 && ctrl && !alt) {
    OpenBook(ProgramDirectory() + "Welcome.txt", true);
  } else if (key == VK_F6 && !alt) {
    Controls.NextPieceButton.Click();
    richEdit_.SetFocus();
  } else if (key == VK_F7 && !alt) {
    Controls.PreviousPieceButton.Click();
    richEdit_.SetFocus();
  } else if (key == VK_F10 && !(shift & ssShift)) {
    // Shift+F10, the context-menu key, goes on to the focused control.
  } else {
    return false;
  }
  key = 0;
  return true;
}

void TBookDocument::LinkClick(int32_t start, int32_t end) {
  Guarded(QV_OP("QuenvalisDialog", "TQuenvalisForm::NewWindowProc", "Failed to open site."),
          [&](TFunStatContext& local) {
            richEdit_.SetSelection(start, end - start);
            const std::string address = AsciiWebAddress(richEdit_.GetSelText());
            richEdit_.SetSelection(start, 0);
            // Only web addresses leave the book: anything else could start a program.
            if (!IsWebAddress(address)) {
              local.Raise("QuenvalisDialog", "TQuenvalisForm::NewWindowProc", 0, "Not a web address.", address, "",
                          Error, __LINE__);
              return;
            }
            if (!OpenWebAddress(address)) TakeFailure(local);
          });
}

}  // namespace qv::app
