#include "app/BookControls.h"

#include "app/QuenvalisForm.h"
#include "book/BookRules.h"
#include "util/Numbers.h"

namespace qv::app {

TBookControls::TBookControls(TSidebar& s)
    : OpenBookButton(&s.BookGroupBox, "OpenBookButton", "Open", 5, 16, 44, 21),
      SaveBookButton(&s.BookGroupBox, "SaveBookButton", "&Save", 51, 16, 44, 21),
      RunBookButton(&s.BookGroupBox, "RunBookButton", "Run", 97, 16, 40, 21),
      PrintBookButton(&s.BookGroupBox, "PrintBookButton", "Print", 139, 16, 40, 21),
      PreviousPieceButton(&s.BookGroupBox, "PreviousPieceButton", "Prev", 5, 40, 40, 21),
      PiecesComboBox(&s.BookGroupBox, "PiecesComboBox", 47, 40, 62, false),
      NextPieceButton(&s.BookGroupBox, "NextPieceButton", "Next", 111, 40, 40, 21),
      PiecesLabel(&s.BookGroupBox, "PiecesLabel", "1 piece", 155, 43, 90, 16),
      GotoLineEdit(&s.BookGroupBox, "GotoLineEdit", 5, 64, 55, 20),
      FindTextEdit(&s.BookGroupBox, "FindTextEdit", 63, 64, 90, 20),
      AllowEditingCheckBox(&s.BookGroupBox, "AllowEditingCheckBox", "Allow editing", 156, 64, 92, 20),
      LineNumberLabel(&s.BookGroupBox, "LineNumberLabel", "", 5, 88, 241, 16),
      ModifiedLabel(&s.BookGroupBox, "ModifiedLabel", "", 100, 112, 146, 16),
      OpenInPiecesCheckBox(&s.OpenInPiecesGroupBox, "OpenInPiecesCheckBox", "Open in pieces", 8, 18,
                           110, 20),
      PieceSizeLabel(&s.OpenInPiecesGroupBox, "PieceSizeLabel", "Piece size", 120, 21, 50, 16),
      PieceSizeComboBox(&s.OpenInPiecesGroupBox, "PieceSizeComboBox", 172, 18, 70, true),
      WheelScrollLinesLabel(&s.OpenInPiecesGroupBox, "WheelScrollLinesLabel", "Mouse wheel scrolls lines",
                            8, 45, 160, 16),
      WheelScrollLinesComboBox(&s.OpenInPiecesGroupBox, "WheelScrollLinesComboBox", 172, 42, 70, false),
      BookLoadedInLabel(&s.OpenInPiecesGroupBox, "BookLoadedInLabel", "", 8, 68, 235, 16) {
  PieceSizeComboBox.SetItems(PieceSizeItems());
  PieceSizeComboBox.SetText(std::to_string(DefaultPieceSize));
  OpenInPiecesCheckBox.SetChecked(true);
  std::vector<std::string> wheel;
  for (int i = 1; i <= 10; ++i) wheel.push_back(std::to_string(i));
  wheel.push_back("15");
  wheel.push_back("20");
  WheelScrollLinesComboBox.SetItems(wheel);
  UINT systemLines = 3;
  SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &systemLines, 0);
  const int lines = GetIntFromText(std::to_string(systemLines), 1, 20, 3);
  WheelScrollLinesComboBox.SetItemIndex(WheelScrollLinesComboBox.IndexOf(std::to_string(lines)));

  OpenBookButton.SetHint(
      "Open a book. If you open a formatted book (a \".rtf\" file), it will not be enhanced but "
      "will be opened faster. [F5]");
  SaveBookButton.SetHint("Save the book as plain text (.txt) or as formatted text (.rtf). [Alt + S]");
  RunBookButton.SetHint("Open the book with its associated program. Save your edits first.");
  PrintBookButton.SetHint("Print the book on the default printer");
  PreviousPieceButton.SetHint("Open the previous piece of the book. [F7]");
  NextPieceButton.SetHint("Open the next piece of the book. [F6]");
  PiecesComboBox.SetHint("Choose the piece of the book to open");
  GotoLineEdit.SetHint("Type a line number and press [Enter] to go to it. [Alt + G]");
  FindTextEdit.SetHint("Type a text and press [Enter] to find it; [F3] finds the next one. [Alt + F]");
  AllowEditingCheckBox.SetHint("Allow editing of the text (only for a book opened in one piece)");
  OpenInPiecesCheckBox.SetHint("Open big plain-text books in pieces, so that they open quickly");
  PieceSizeComboBox.SetHint("The number of characters in one piece");
  WheelScrollLinesComboBox.SetHint("The number of lines one notch of the mouse wheel scrolls");
}

int TBookControls::CurrentPiece() const { return GetIntFromText(PiecesComboBox.Text(), 0, 2147483647, 0); }

}  // namespace qv::app
