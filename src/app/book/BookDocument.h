// The book document: opening a book whole or in pieces, moving through it,
// editing, saving, running and printing it, with the controls of the "Book",
// "Open in pieces" and "Print text" groups.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/Sidebar.h"
#include "app/persistence/OptionBinding.h"
#include "app/book/Book.h"
#include "app/book/BookParts.h"
#include "app/screen/Screen.h"
#include "app/text/TextEngine.h"
#include "encoding/TextEncoding.h"
#include "store/FileSystem.h"
#include "util/Clock.h"
#include "widgets/FileDialogs.h"
#include "widgets/RichEdit.h"

namespace qv::app {

struct TBookControls {
  explicit TBookControls(TSidebar& sidebar);

  // "Book"
  TButton OpenBookButton, SaveBookButton, RunBookButton, PrintBookButton;
  TButton PreviousPieceButton;
  TComboBox PiecesComboBox;
  TButton NextPieceButton;
  TLabel PiecesLabel;
  TEdit GotoLineEdit, FindTextEdit;
  TCheckBox AllowEditingCheckBox;
  TLabel LineNumberLabel, ModifiedLabel;
  TLabel EncodingLabel;
  TComboBox EncodingComboBox;  // "Auto" or the encoding the reader chose for the book
  // "Open in pieces"
  TCheckBox OpenInPiecesCheckBox;
  TLabeledCombo PieceSize, WheelScrollLines;
  TLabel BookLoadedInLabel;
  // "Print text"
  TLabeledCombo PrintLeftMargin, PrintRightMargin, PrintTopMargin, PrintBottomMargin;

  // The number of the selected piece: the integer of its text, 0 when it is none.
  int32_t CurrentPiece() const;
};

class TBookDocument : public IBook, public IOptionListener {
 public:
  TBookDocument(TSidebar& sidebar, TRichEdit& richEdit, IScreen& screen, TTextEngine& text,
                IBookLoadSteps& steps, IFileSystem& files);

  TBookControls Controls;
  TOpenDialog OpenDialog;
  TSaveDialog SaveDialog;
  TBookParts Parts;  // the rest of a long book, arriving after its first part

  // The reading state.
  std::string BookFileName;
  // The plain-text book's encoding, found by each load from the file's first
  // bytes unless the reader chose one; a rich-text book's is the code page.
  // A plain save writes it again.
  TTextEncoding Encoding = TTextEncoding::Windows1252;
  // The reader's choice for the open book, its bookshelf entry's: Encoding is
  // then this, not detected.
  bool EncodingChosen = false;
  TTextEncoding ChosenEncoding = TTextEncoding::Windows1252;
  int32_t PieceSize;
  bool StopLoading = false;
  TCrono LoadCrono, PeriodCrono;
  std::string LoadedInText;

  // IBook
  const std::string& FileName() const override { return BookFileName; }
  bool IsOpen() const override;
  int32_t CurrentPiece() const override { return Controls.CurrentPiece(); }
  bool Loading() const override { return loading_; }
  bool OpenBook(const std::string& fileName, bool autoBookmarkFirst) override;
  bool LoadFromFile(const std::string& fileName, int32_t piece, bool keepProfile, int32_t caretPos) override;
  bool WaitForText(int32_t position) override;
  // A close request: a running load stops at its next progress report, and
  // the text still to arrive will not.
  void StopLoad();

  // Loading (BookLoading.cpp).
  bool LoadPieceFromFile(const std::string& fileName, std::vector<std::string>& lines, int32_t piece);
  void AppendEndMarker(std::vector<std::string>& lines, int32_t piece);
  bool ShowLoadProgress(int32_t count);
  void UpdateBookInfo(const std::string& text, bool restoreTitle = false, bool storeText = false);
  void OpenBookButtonClick();
  // The reader chose an encoding (or "Auto"): the book opens again in it at
  // the same place, and the choice is kept for the book.
  void EncodingComboBoxChange();
  // The drop-down shows the open book's choice; only a plain-text book has one.
  void ShowEncodingChoice();

  // Pieces and navigation (BookNavigation.cpp).
  void UpdatePieceControls();
  void NextPieceButtonClick();
  void PreviousPieceButtonClick();
  void GotoLine();
  void FindNext(bool fromKey);
  void RefreshLineInfo();
  void RefreshBookStatus();  // line information and the modified label, once a second
  void RichEditKeyDown(WORD& key, unsigned shift);
  void RichEditMouseWheel(int delta);
  // The book's keys of the main window; true when the key was the book's.
  bool KeyDown(WORD& key, unsigned shift);
  // A click on a web link of the book: opened only when it is a web address.
  void LinkClick(int32_t start, int32_t end);

  // Editing, saving, running and printing (BookEditing.cpp).
  void SetEditing(bool editing);
  void QuerySaveModified();
  bool CheckOnePiece();
  bool SaveFile();
  void RunBookButtonClick();
  void PrintBookButtonClick();

  // A program option was put into its control: the ones that act at once do.
  void OptionLoaded(const TOptionEntry& opt) override;

 private:
  struct TLoadUndo;
  // How much of a long book is in the rich-box, while it is arriving; -1 once it is whole.
  int LoadedPercent() const;
  // A book the load checked and refused: the book on display stays.
  void RefusedBook();
  bool ReadWholeBook(const std::string& fileName, std::string& bytes, TFunStatContext& local);
  // showAt: the position to be shown first (negative: the end).
  void LoadPlainBook(int32_t piece, int32_t showAt, std::vector<std::string>& lines, TFunStatContext& local);
  void LoadRichBook(TFunStatContext& local);
  void FinishLoad(const TLoadUndo& undo, int32_t callerCaret, int32_t caretPos, std::vector<std::string>& lines);

  TRichEdit& richEdit_;
  IScreen& screen_;
  TTextEngine& text_;
  IBookLoadSteps& steps_;
  IFileSystem& files_;
  bool loading_ = false;
  int32_t shownPiece_ = 1;  // the piece on display
};

// A number with the system's digit grouping ("20,000,000"), and the separator itself.
std::string GroupedNumber(int64_t value);
std::string ThousandsSeparator();

}  // namespace qv::app
