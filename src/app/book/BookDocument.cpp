// The book document's controls, its wiring, and opening a new book.
#include "app/book/BookDocument.h"

#include "app/SidebarPlaces.h"
#include "app/controls/OptionFill.h"
#include "book/BookReader.h"
#include "util/Numbers.h"
#include "widgets/Application.h"

namespace qv::app {

namespace {
namespace O = OpenPage;
namespace G = ProgramGeneralPage;
namespace M = ProgramMiscPage;

// Enter in an edit runs an action (without the beep of an unhandled Enter).
void OnEnter(TEdit& edit, std::function<void()> action) {
  edit.OnKeyDown = [action](WORD& key, unsigned) {
    if (key != VK_RETURN) return;
    key = 0;
    action();
  };
  edit.OnKeyPress = [](char& c) {
    if (c == '\r') c = 0;
  };
}
}  // namespace

TBookControls::TBookControls(TSidebar& s)
    : OpenBookButton(&s.BookGroupBox, O::OpenBookButton, "Open"),
      SaveBookButton(&s.BookGroupBox, O::SaveBookButton, "&Save"),
      RunBookButton(&s.BookGroupBox, O::RunBookButton, "Run"),
      PrintBookButton(&s.BookGroupBox, O::PrintBookButton, "Print"),
      PreviousPieceButton(&s.BookGroupBox, O::PreviousPieceButton, "Prev"),
      PiecesComboBox(&s.BookGroupBox, O::PiecesComboBox, false),
      NextPieceButton(&s.BookGroupBox, O::NextPieceButton, "Next"),
      PiecesLabel(&s.BookGroupBox, O::PiecesLabel, "1 piece"),
      GotoLineEdit(&s.BookGroupBox, O::GotoLineEdit),
      FindTextEdit(&s.BookGroupBox, O::FindTextEdit),
      AllowEditingCheckBox(&s.BookGroupBox, O::AllowEditingCheckBox, "Allow editing"),
      LineNumberLabel(&s.BookGroupBox, O::LineNumberLabel, ""),
      ModifiedLabel(&s.BookGroupBox, O::ModifiedLabel, ""),
      EncodingLabel(&s.BookGroupBox, O::EncodingLabel, "Encoding"),
      EncodingComboBox(&s.BookGroupBox, O::EncodingComboBox, false),
      OpenInPiecesCheckBox(&s.OpenInPiecesGroupBox, G::OpenInPiecesCheckBox, "Open in pieces"),
      PieceSize(&s.OpenInPiecesGroupBox, G::PieceSizeLabel, G::PieceSizeComboBox, "Piece size", true),
      WheelScrollLines(&s.OpenInPiecesGroupBox, G::WheelScrollLinesLabel, G::WheelScrollLinesComboBox,
                       "Mouse wheel scrolls lines"),
      BookLoadedInLabel(&s.OpenInPiecesGroupBox, G::BookLoadedInLabel, ""),
      PrintLeftMargin(&s.PrintGroupBox, M::PrintLeftMarginLabel, M::PrintLeftMarginComboBox, "Left"),
      PrintRightMargin(&s.PrintGroupBox, M::PrintRightMarginLabel, M::PrintRightMarginComboBox, "Right"),
      PrintTopMargin(&s.PrintGroupBox, M::PrintTopMarginLabel, M::PrintTopMarginComboBox, "Top"),
      PrintBottomMargin(&s.PrintGroupBox, M::PrintBottomMarginLabel, M::PrintBottomMarginComboBox, "Bottom") {
  FillFromOption(PieceSize.Box);
  CheckFromOption(OpenInPiecesCheckBox);
  FillFromOption(WheelScrollLines.Box);
  UINT systemLines = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &systemLines, 0);
  // Until the options file says otherwise, the wheel scrolls as the system's setting does.
  WheelScrollLines.Box.SetText(std::to_string(ReadIntOption("WheelScrollLines", std::to_string(systemLines))));

  OpenBookButton.SetHint(
      "Open a book. If you open a formatted book (a \".rtf\" file), it will not be enhanced but "
      "will be opened faster. [F5]");
  SaveBookButton.SetHint("Save the book as plain text (.txt) or as formatted text (.rtf). [Alt + S]");
  RunBookButton.SetHint("Open the book with its associated program. Save your edits first.");
  PrintBookButton.SetHint("Print the book on the default printer");
  PreviousPieceButton.SetHint("Open the previous piece of the book. [F7]");
  NextPieceButton.SetHint("Open the next piece of the book. [F6]");
  PiecesComboBox.SetHint("Choose the piece of the book to open");
  // The three have no label of their own.
  PiecesComboBox.SetAccessibleName("Piece");
  GotoLineEdit.SetAccessibleName("Go to line");
  FindTextEdit.SetAccessibleName("Find text");
  EncodingComboBox.SetItems(BookEncodingItems());
  EncodingComboBox.SetItemIndex(0);
  EncodingComboBox.SetHint(
      "The encoding the book is read in: \"Auto\" finds it in the text; choose another when the "
      "letters look wrong. The choice is kept for the book.");
  GotoLineEdit.SetHint("Type a line number and press [Enter] to go to it. [Alt + G]");
  FindTextEdit.SetHint("Type a text and press [Enter] to find it; [F3] finds the next one. [Alt + F]");
  AllowEditingCheckBox.SetHint("Allow editing of the text (only for a book opened in one piece)");
  OpenInPiecesCheckBox.SetHint("Open big plain-text books in pieces, so that they open quickly");
  PieceSize.Box.SetHint("The number of characters in one piece");
  WheelScrollLines.Box.SetHint("The number of lines one notch of the mouse wheel scrolls");
  struct TMargin {
    TLabeledCombo& Control;
    const char* Side;
  };
  for (const TMargin& m : {TMargin{PrintLeftMargin, "left"}, TMargin{PrintRightMargin, "right"},
                           TMargin{PrintTopMargin, "top"}, TMargin{PrintBottomMargin, "bottom"}}) {
    FillFromOption(m.Control.Box);
    m.Control.Box.SetHint(std::string("Space between paper ") + m.Side + "-margin and text");
  }
}

int32_t TBookControls::CurrentPiece() const {
  return GetIntFromText(PiecesComboBox.Text(), 0, 2147483647, 0);
}

TBookDocument::TBookDocument(TSidebar& sidebar, TRichEdit& richEdit, IScreen& screen, TTextEngine& text,
                             IBookLoadSteps& steps, IFileSystem& files)
    : Controls(sidebar),
      PieceSize(OptionOf("PieceSize").Default),
      richEdit_(richEdit),
      screen_(screen),
      text_(text),
      steps_(steps),
      files_(files) {
  // Both file dialogs offer the book files.
  OpenDialog.Request.Filter = "Text files (*.txt; *.rtf)|*.txt; *.rtf";
  SaveDialog.Request.Filter = OpenDialog.Request.Filter;
  LoadCrono.Start();
  PeriodCrono.Start();
  text_.Enhancer.OnProgress = [this](int32_t position) { return ShowLoadProgress(position); };

  TBookControls& b = Controls;
  b.OpenBookButton.OnClick = [this] { OpenBookButtonClick(); };
  b.SaveBookButton.OnClick = [this] {
    SaveFile();
    richEdit_.SetFocus();
  };
  b.RunBookButton.OnClick = [this] { RunBookButtonClick(); };
  b.PrintBookButton.OnClick = [this] { PrintBookButtonClick(); };
  b.AllowEditingCheckBox.OnClick = [this] {
    SetEditing(Controls.AllowEditingCheckBox.Checked());
    FocusBookAfterOption(richEdit_);
  };
  b.PiecesComboBox.OnChange = [this] { LoadFromFile("", Controls.CurrentPiece(), false, 0); };
  b.EncodingComboBox.OnChange = [this] { EncodingComboBoxChange(); };
  b.NextPieceButton.OnClick = [this] { NextPieceButtonClick(); };
  b.PreviousPieceButton.OnClick = [this] { PreviousPieceButtonClick(); };
  b.OpenInPiecesCheckBox.OnClick = [this] { UpdatePieceControls(); };
  for (TComboBox* box : {&b.PieceSize.Box, &b.WheelScrollLines.Box, &b.PrintLeftMargin.Box,
                         &b.PrintRightMargin.Box, &b.PrintTopMargin.Box, &b.PrintBottomMargin.Box})
    box->OnChange = [this] { FocusBookAfterOption(richEdit_); };
  OnEnter(b.GotoLineEdit, [this] { GotoLine(); });
  OnEnter(b.FindTextEdit, [this] { FindNext(false); });
  richEdit_.OnKeyDown = [this](WORD& key, unsigned shift) { RichEditKeyDown(key, shift); };
  richEdit_.OnKeyPress = [](char& c) {
    // Control characters typed with Ctrl held would act as the control's own shortcuts.
    const unsigned s = CurrentShiftState();
    if ((s & ssCtrl) && !(s & ssAlt) && static_cast<unsigned char>(c) < 0x20) c = 0;
  };
  richEdit_.OnMouseWheel = [this](int delta, unsigned) { RichEditMouseWheel(delta); };
  richEdit_.OnLinkClick = [this](int32_t start, int32_t end) { LinkClick(start, end); };
  UpdatePieceControls();
}

bool TBookDocument::IsOpen() const {
  return !BookFileName.empty() && !files_.IsFolder(BookFileName) && IsBookFileName(BookFileName);
}

bool TBookDocument::OpenBook(const std::string& fileName, bool autoBookmarkFirst) {
  if (loading_) return false;
  steps_.RecordAutoBookmark(autoBookmarkFirst);
  const bool opened = LoadFromFile(fileName, -1, false, 0);
  steps_.RecordAutoBookmark(true);
  return opened;
}

void TBookDocument::OptionLoaded(const TOptionEntry& opt) {
  if (std::string(opt.Key) == "OpenInPieces") UpdatePieceControls();
}

}  // namespace qv::app
