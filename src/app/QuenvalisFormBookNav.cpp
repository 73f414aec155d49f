// Pieces and in-book navigation: the piece controls, go to line, find, the
// rich-box keys, the mouse wheel, the main window's keys and the line information.
#include "app/BookControls.h"
#include "app/QuenvalisForm.h"
#include "errors/Guard.h"
#include "platform/Help.h"
#include "platform/Win32Platform.h"
#include "richbox/RichOps.h"
#include "text/EnhancedRichEdit.h"
#include "util/Numbers.h"

namespace qv::app {

std::string GroupedNumber(int64_t value);

void TQuenvalisForm::CreateBookControls() {
  Book = std::make_unique<TBookControls>(Sidebar);
  Enhancer = std::make_unique<TEnhancedRichEdit>(RichEdit, RichEdit.IsVersion3());
  Enhancer->OnProgress = [this](int32_t position) { return ShowLoadProgress(position); };
  TBookControls& b = *Book;
  b.OpenBookButton.OnClick = [this] { OpenBookButtonClick(); };
  b.SaveBookButton.OnClick = [this] {
    SaveFile();
    RichEdit.SetFocus();
  };
  b.RunBookButton.OnClick = [this] { RunBookButtonClick(); };
  b.PrintBookButton.OnClick = [this] { PrintBookButtonClick(); };
  b.AllowEditingCheckBox.OnClick = [this] {
    SetEditing(Book->AllowEditingCheckBox.Checked());
    RichEdit.SetFocus();
  };
  b.PiecesComboBox.OnChange = [this] {
    LoadFromFile("", Book->CurrentPiece(), false, 0);
  };
  b.NextPieceButton.OnClick = [this] { NextPieceButtonClick(); };
  b.PreviousPieceButton.OnClick = [this] { PreviousPieceButtonClick(); };
  b.OpenInPiecesCheckBox.OnClick = [this] { UpdatePieceControls(); };
  auto onEnter = [](TEdit& edit, std::function<void()> action) {
    edit.OnKeyDown = [action](WORD& key, unsigned) {
      if (key != VK_RETURN) return;
      key = 0;
      action();
    };
    edit.OnKeyPress = [](char& c) {
      if (c == '\r') c = 0;  // no beep for the Enter that was handled
    };
  };
  onEnter(b.GotoLineEdit, [this] { GotoLine(); });
  onEnter(b.FindTextEdit, [this] { FindNext(false); });
  RichEdit.OnKeyDown = [this](WORD& key, unsigned shift) { RichEditKeyDown(key, shift); };
  RichEdit.OnKeyPress = [](char& c) {
    // Control characters typed with Ctrl held would act as the control's own shortcuts.
    const unsigned s = CurrentShiftState();
    if ((s & ssCtrl) && !(s & ssAlt) && static_cast<unsigned char>(c) < 0x20) c = 0;
  };
  RichEdit.OnMouseWheel = [this](int delta, unsigned) { RichEditMouseWheel(delta); };
  UpdatePieceControls();
}

void TQuenvalisForm::UpdatePieceControls() {
  TBookControls& b = *Book;
  const int count = b.PiecesComboBox.ItemCount();
  b.PiecesLabel.SetCaption(count >= 2 ? std::to_string(count) + " pieces" : "1 piece");
  const bool listEnabled = count > 1 && b.OpenInPiecesCheckBox.Checked();
  b.PiecesComboBox.SetEnabled(listEnabled);
  const int index = b.PiecesComboBox.ItemIndex();
  b.NextPieceButton.SetEnabled(listEnabled && index >= 0 && index < count - 1);
  b.PreviousPieceButton.SetEnabled(listEnabled && index > 0);
  b.AllowEditingCheckBox.SetEnabled(count < 2);
}

void TQuenvalisForm::NextPieceButtonClick() {
  const int index = Book->PiecesComboBox.ItemIndex();
  if (index >= 0 && index < Book->PiecesComboBox.ItemCount() - 1)
    LoadFromFile("", Book->CurrentPiece() + 1, false, 0);
  RichEdit.SetFocus();
}

void TQuenvalisForm::PreviousPieceButtonClick() {
  const int index = Book->PiecesComboBox.ItemIndex();
  if (index > 0) LoadFromFile("", Book->CurrentPiece() - 1, false, -1);
  RichEdit.SetFocus();
}

void TQuenvalisForm::GotoLine() {
  RichEdit.SetFocus();
  const int32_t count = GetRichLineCount(RichEdit);
  const int32_t top = GetRichFirstVisibleLine(RichEdit) + 1;
  const int32_t line = count >= 1 ? GetIntFromText(Book->GotoLineEdit.Text(), 1, count, top) : top;
  ScrollRichLineToTop(RichEdit, line - 1);
  CenterCursorOnHint();
  RichEdit.SetFocus();
}

void TQuenvalisForm::FindNext(bool fromKey) {
  const std::string text = Book->FindTextEdit.Text();
  if (text.empty()) {
    if (fromKey) {
      ShowOpenPage();
      Book->FindTextEdit.SetFocus();
    }
    return;
  }
  if (FindRichText(RichEdit, text, true, false) >= 0) RichEdit.SetFocus();
}

void TQuenvalisForm::RefreshLineInfo() {
  Book->LineNumberLabel.SetCaption("Top line " + GroupedNumber(int64_t(GetRichFirstVisibleLine(RichEdit)) + 1) +
                                   " (" + GroupedNumber(GetRichLineCount(RichEdit)) + " total lines)");
  UpdateBookInfo("", false, false);
}

void TQuenvalisForm::RefreshBookStatus() {
  try {
    RefreshLineInfo();
  } catch (...) {
  }
  Book->ModifiedLabel.SetCaption(RichEdit.GetModified() ? "Text is MODIFIED" : "Text is NOT modified");
}

void TQuenvalisForm::RichEditKeyDown(WORD& key, unsigned shift) {
  const bool readOnly = RichEdit.GetReadOnly();
  const bool plain = (shift & (ssShift | ssAlt | ssCtrl)) == 0;
  if (readOnly && plain) {
    if (key == VK_SPACE) {
      key = VK_NEXT;
      return;
    }
    if (key == VK_UP) ScrollRichLines(RichEdit, -1);
    if (key == VK_DOWN) ScrollRichLines(RichEdit, 1);
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

void TQuenvalisForm::RichEditMouseWheel(int delta) {
  const int lines = GetIntFromText(Book->WheelScrollLinesComboBox.Text(), -2147483647, 2147483647, 0);
  if (delta < 0) {
    ScrollRichLines(RichEdit, lines);
    KeepRichCaretVisible(RichEdit, 0);
    if (RichEdit.GetReadOnly()) HideCaret(RichEdit.Handle());
  } else if (delta > 0) {
    ScrollRichLines(RichEdit, -lines);
  }
}

bool TQuenvalisForm::BookKeyDown(WORD& key, unsigned shift) {
  const bool alt = (shift & ssAlt) != 0;
  const bool ctrl = (shift & ssCtrl) != 0;
  const bool none = (shift & (ssAlt | ssCtrl | ssShift)) == 0;
  if (alt && (key == 'F' || key == 'G')) {
    ShowOpenPage();
    (key == 'F' ? Book->FindTextEdit : Book->GotoLineEdit).SetFocus();
  } else if (alt && key == 'S') {
    Book->SaveBookButton.Click();
  } else if (ctrl && !alt && key == 'T') {
    OpenHelp(10000);
  } else if (key == VK_F3 && !alt) {
    FindNext(true);
  } else if (key == VK_F5 && none) {
    Book->OpenBookButton.Click();
  } else if (key == VK_F5 && ctrl && !alt) {
    OpenBook(ProgramDirectory() + "Welcome.txt", true);
  } else if (key == VK_F6 && !alt) {
    Book->NextPieceButton.Click();
    RichEdit.SetFocus();
  } else if (key == VK_F7 && !alt) {
    Book->PreviousPieceButton.Click();
    RichEdit.SetFocus();
  } else if (key == VK_F10) {
  } else {
    return false;
  }
  key = 0;
  return true;
}

}  // namespace qv::app
