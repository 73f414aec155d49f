// Opening a book: LoadFromFile with its checks, limits and quiet update, the
// reading of a piece, the end marker, the load progress and the book information.
#include <algorithm>
#include <sstream>

#include "app/book/BookDocument.h"
#include "book/BookReader.h"
#include "book/BookRules.h"
#include "errors/Dialogs.h"
#include "errors/Guard.h"
#include "platform/FileServices.h"
#include "platform/Win32Platform.h"
#include "richbox/RichOps.h"
#include "util/FlagScope.h"
#include "util/Numbers.h"
#include "widgets/Application.h"

namespace qv::app {

namespace {
const char* const kFile = "QuenvalisDialog";

// The full path of a book name: expanded against the current folder, "~" short
// names in their long form, a bare drive as its root.
std::string FullBookPath(const std::string& name) {
  const bool bareDrive = name.size() == 2 && name[1] == ':';
  return GetFullPath(bareDrive ? name + "\\" : name);
}

// Raises a failed read of the book's file in the operation's context.
void RaiseRead(TFunStatContext& local, const char* function, const TFileResult& read, const std::string& path,
               int line) {
  local.Raise(kFile, function, read.SystemErrorCode, "Failed to load.", path, "", Error, line);
}

}  // namespace

std::string ThousandsSeparator() { return UserLocaleText(LOCALE_STHOUSAND, ","); }
std::string GroupedNumber(int64_t value) { return FormatGrouped(value, ThousandsSeparator()); }

bool TBookDocument::LoadPieceFromFile(const std::string& fileName, std::vector<std::string>& lines, int32_t piece) {
  bool result = false;
  Guarded(QV_OP(kFile, "TQuenvalisForm::LoadPieceFromFile", "Failed to load."), [&](TFunStatContext& local) {
    int64_t size = 0;
    const TFileResult sized = files_.GetSize(fileName, size);
    if (!sized.IsOk()) {
      RaiseRead(local, "TQuenvalisForm::LoadPieceFromFile", sized, fileName, __LINE__);
    } else if (size == 0) {
      local.Raise(kFile, "TQuenvalisForm::LoadPieceFromFile", 0, "Empty file.", fileName, "", Error, __LINE__);
    } else {
      std::string bytes;
      if (EncodingChosen) Encoding = ChosenEncoding;
      const TFileResult read = ReadBookBytes(files_, fileName, size, piece, PieceSize,
                                             Controls.PiecesComboBox.ItemCount(), bytes, Encoding, !EncodingChosen);
      if (!read.IsOk()) {
        RaiseRead(local, "TQuenvalisForm::LoadPieceFromFile", read, fileName, __LINE__);
      } else {
        lines = BookLines(bytes, Encoding);
        result = true;
      }
    }
    if (local.Status >= Error) {
      lines.clear();
      result = false;
    }
  });
  return result;
}

bool TBookDocument::ReadWholeBook(const std::string& fileName, std::string& bytes, TFunStatContext& local) {
  int64_t size = 0;
  TFileResult read = files_.GetSize(fileName, size);
  if (EncodingChosen) Encoding = ChosenEncoding;
  if (read.IsOk()) read = ReadBookBytes(files_, fileName, size, 1, PieceSize, 1, bytes, Encoding, !EncodingChosen);
  if (read.IsOk()) return true;
  RaiseRead(local, "TQuenvalisForm::LoadFromFile", read, fileName, __LINE__);
  return false;
}

void TBookDocument::AppendEndMarker(std::vector<std::string>& lines, int32_t piece) {
  qv::AppendEndMarker(lines, piece, Controls.PiecesComboBox.ItemCount());
}

bool TBookDocument::ShowLoadProgress(int32_t count) {
  if (!PeriodCrono.IsPeriod(1.0)) return StopLoading;
  const std::string text = GroupedNumber(count) + " characters; " +
                           GroupedNumber(int64_t(LoadCrono.ElapsedSeconds())) + " seconds";
  UpdateBookInfo(text, false, true);
  screen_.ShowTitle(text);
  // The window's painting is locked while the text is built: the progress
  // and the clock are painted through it.
  screen_.PaintProgress();
  Application().ProcessMessages();
  return StopLoading;
}

void TBookDocument::UpdateBookInfo(const std::string& text, bool restoreTitle, bool storeText) {
  if (BookFileName.empty()) {
    screen_.ShowBookInfo("No book opened");
    return;
  }
  if (storeText) LoadedInText = text;
  std::string info = BookInfoHead(BookFileName, Encoding);
  if (storeText) {
    if (!text.empty()) info += " (" + text + ")";
    screen_.ShowBookInfo(info);
  } else {
    info += "\n" + BookLineInfo(GetRichFirstVisibleLine(richEdit_), GetRichLineCount(richEdit_),
                                Controls.CurrentPiece(), Controls.PiecesComboBox.ItemCount(), ThousandsSeparator(),
                                LoadedPercent());
    screen_.ShowBookInfo(info);
    Controls.BookLoadedInLabel.SetCaption(LoadedInText);
  }
  if (restoreTitle) screen_.ShowTitle("Quenvalis");
}

// What a load changed and its end steps must undo.
struct TBookDocument::TLoadUndo {
  bool quiet = false, pictureOff = false;
  bool failed = false;  // the load reported a failure
};

bool TBookDocument::LoadFromFile(const std::string& fileName, int32_t piece, bool keepProfile, int32_t caretPos) {
  // A load runs the message loop while it reports progress: nothing started
  // from there may begin a second load inside this one.
  if (loading_) return false;
  const TFlagScope loading(loading_);  // cleared on every way out of the load
  bool result = false;
  bool endSteps = false;
  const bool newBook = !fileName.empty();
  const int32_t callerCaret = caretPos;
  TLoadUndo undo;
  std::vector<std::string> lines;
  undo.failed = !Guarded(QV_OP(kFile, "TQuenvalisForm::LoadFromFile", "Failed to load book."), [&](TFunStatContext& local) {
    // The book is checked first: one that cannot or will not be opened leaves
    // the book on display as it was, with its name, its piece and its place.
    const std::string name = newBook ? FullBookPath(fileName) : BookFileName;
    if (!IsOpenableBook(files_, name)) {
      ShowWarningMessage("The book is not a valid text file, or it doesn't exist.");
      return RefusedBook();
    }
    int64_t size = 0;
    const TFileResult sized = files_.GetSize(name, size);
    if (!sized.IsOk()) {
      local.Raise(kFile, "TQuenvalisForm::LoadFromFile", sized.SystemErrorCode, "Failed to get file size.", name,
                  "", Error, __LINE__);
      return RefusedBook();
    }
    const bool rich = IsRichTextName(name);
    switch (DecideBookSize(size, Controls.OpenInPiecesCheckBox.Checked(), rich)) {
      case TSizeDecision::Refuse:
        ShowWarningMessage("You can't open books bigger than " + GroupedNumber(LargestBookSize) + " characters.");
        return RefusedBook();
      case TSizeDecision::AskOnePiece:
        // The question names its two answers: OK opens the book whole, Cancel does not.
        if (!AskOkCancel("You are trying to open in one piece a book bigger than " +
                         GroupedNumber(OnePieceWarningSize) +
                         " characters.\nThe opening will take quite some time. Continue opening in one "
                         "piece?\n\nIf you are not sure, choose \"Cancel\" then check the \"Open in pieces\"\n"
                         "check-box and open it again."))
          return RefusedBook();
        break;
      case TSizeDecision::Open:
        break;
    }

    if (newBook) {
      QuerySaveModified();
      PieceSize = ReadOption(Controls.PieceSize.Box);
      BookFileName = name;
      EncodingChosen = EncodingOfKey(steps_.EncodingChoice(BookFileName), ChosenEncoding);
      Encoding = EncodingChosen ? ChosenEncoding : SystemAnsiEncoding();  // until the book's bytes are read
      ShowEncodingChoice();
      UpdateBookInfo("", false, true);
      richEdit_.Clear();
      steps_.BookChosen(BookFileName);
    }
    StopLoading = false;
    SetEditing(false);
    text_.DiscardChapters();
    Controls.PiecesComboBox.Clear();
    UpdatePieceControls();
    richEdit_.Clear();
    endSteps = true;

    LoadCrono.Start();
    PeriodCrono.Start();
    screen_.BeginRichBoxUpdate();
    undo.quiet = true;
    // Painted with the first progress report: a load that ends sooner shows its text instead.
    screen_.SetHint(
        "Large books require some time to be opened. If you think it takes too long then read the "
        "\"Dealing with slow opening\" topic from help. If the text is being enhanced you can close the "
        "program at any time (allow up to a second to perform).");
    if (piece < 0) {
      int32_t bookPiece = 0, bookCaret = 0;
      if (steps_.FindAutoBookmark(name, bookPiece, bookCaret)) {
        piece = bookPiece;
        caretPos = bookCaret;
      } else {
        caretPos = -1;
      }
    }
    const int32_t pieces = PieceCount(size, PieceSize);
    if (size == 0) ShowInfoMessage("File is empty.");
    if (piece < 1 || piece > pieces) piece = 1;
    std::vector<std::string> items{"1"};
    if (Controls.OpenInPiecesCheckBox.Checked() && pieces >= 2 && !rich) {
      items.clear();
      for (int32_t i = 1; i <= pieces; ++i) items.push_back(std::to_string(i));
    } else {
      piece = 1;
    }
    Controls.PiecesComboBox.SetItems(items);
    Controls.PiecesComboBox.SetItemIndex(Controls.PiecesComboBox.IndexOf(std::to_string(piece)));
    shownPiece_ = piece;
    UpdatePieceControls();
    if (size == 0) return;

    EnableRichLinks(richEdit_);
    EnableRichAdvancedTypography(richEdit_);
    screen_.SetBusy(true);

    if (newBook) steps_.LoadBookProfile(name, keepProfile);
    steps_.ScreenPictureOff(true);
    undo.pictureOff = true;
    LoadCrono.Start();
    PeriodCrono.Start();
    if (!rich)
      LoadPlainBook(piece, callerCaret < 0 ? -1 : std::max(caretPos, 0), lines, local);
    else
      LoadRichBook(local);
    result = local.Status < Error;
  });

  if (endSteps) {
    try {
      FinishLoad(undo, callerCaret, caretPos, lines);
    } catch (...) {
      // The end steps never stop the program; what they could not do stays undone.
    }
    if (result && newBook) steps_.NewBookOpened();
  }
  return result;
}

void TBookDocument::RefusedBook() {
  // A piece chosen in the list shows the piece still on display again.
  Controls.PiecesComboBox.SetItemIndex(Controls.PiecesComboBox.IndexOf(std::to_string(shownPiece_)));
  UpdatePieceControls();
  richEdit_.SetFocus();
}

void TBookDocument::LoadPlainBook(int32_t piece, int32_t showAt, std::vector<std::string>& lines,
                                  TFunStatContext& local) {
  if (Controls.PiecesComboBox.ItemCount() >= 2) {
    LoadPieceFromFile(BookFileName, lines, piece);
  } else {
    std::string bytes;
    if (!ReadWholeBook(BookFileName, bytes, local)) return;
    lines = BookLines(bytes, Encoding);
  }
  AppendEndMarker(lines, piece);
  const TEnhanceOptions options = text_.ReadEnhanceOptions();
  TEnhancedRichEdit& enhancer = text_.Enhancer;
  // The whole text is built in one burst; the control receives a long text in
  // parts, the place to be shown first, the rest while the reader reads.
  TRichUpdate burst(richEdit_);
  richEdit_.EndBurstInParts(showAt, FirstPartChars);
  text_.ResetFormatDefaults();
  richEdit_.SetSelection(0, RichAllLength);
  enhancer.ApplyCharFormat(true, 0);
  enhancer.ApplyParaFormat(true, 0);
  richEdit_.SetSelection(0, 0);
  if (options.EnhanceText) {
    enhancer.EnhanceText(lines, options.ParagraphPrefix, options.IgnoreEmptyLines, options.PoorlyWritten);
  } else {
    enhancer.ParagraphPrefix.clear();
    enhancer.HasCommands = false;
    for (const std::string& line : lines) richEdit_.AppendLine(line);
  }
  text_.ApplyZoom();
}

void TBookDocument::LoadRichBook(TFunStatContext& local) {
  TEnhancedRichEdit& enhancer = text_.Enhancer;
  enhancer.ParagraphPrefix.clear();
  enhancer.HasCommands = false;
  // A failure of the fix-up file is ignored: it only prepares the control.
  std::string fixBytes;
  files_.ReadWhole(ProgramDirectory() + "ErrorFix.rtf", fixBytes);
  std::istringstream fix(fixBytes);
  richEdit_.LoadRichText(fix);
  std::string bytes;
  if (!ReadWholeBook(BookFileName, bytes, local)) {
    richEdit_.Clear();
    return;
  }
  std::istringstream book(bytes);
  if (richEdit_.LoadRichText(book)) {
    Encoding = SystemAnsiEncoding();
  } else {
    // A book named ".rtf" that holds no rich text is shown as the text it is, in its encoding.
    std::istringstream plain(bytes);
    richEdit_.LoadPlainText(plain);
  }
}

void TBookDocument::ShowEncodingChoice() {
  const std::vector<TTextEncoding>& encodings = ChoosableEncodings();
  const auto at = std::find(encodings.begin(), encodings.end(), ChosenEncoding);
  Controls.EncodingComboBox.SetItemIndex(EncodingChosen && at != encodings.end() ? int(at - encodings.begin()) + 1 : 0);
  Controls.EncodingComboBox.SetEnabled(IsOpen() && !IsRichTextName(BookFileName));
}

void TBookDocument::EncodingComboBoxChange() {
  Guarded(QV_OP(kFile, "TQuenvalisForm::EncodingComboBoxChange", "Failed to change the encoding."),
          [&](TFunStatContext&) {
            const std::vector<TTextEncoding>& encodings = ChoosableEncodings();
            const int index = Controls.EncodingComboBox.ItemIndex();
            const bool chosen = index >= 1 && size_t(index) <= encodings.size();
            const TTextEncoding encoding = chosen ? encodings[size_t(index - 1)] : ChosenEncoding;
            if (loading_ || !IsOpen() || IsRichTextName(BookFileName) ||
                (chosen == EncodingChosen && encoding == ChosenEncoding)) {
              ShowEncodingChoice();
              return;
            }
            QuerySaveModified();
            EncodingChosen = chosen;
            ChosenEncoding = encoding;
            steps_.RememberEncodingChoice(BookFileName, chosen ? EncodingKey(encoding) : "");
            // The same place of the same piece, read again in the new encoding.
            LoadFromFile("", Controls.CurrentPiece(), true, GetRichTopPos(richEdit_));
          });
  richEdit_.SetFocus();
}

void TBookDocument::FinishLoad(const TLoadUndo& undo, int32_t callerCaret, int32_t caretPos,
                               std::vector<std::string>& lines) {
  SetRichTextLimit(richEdit_, 0);
  richEdit_.SetModified(false);
  lines.clear();
  lines.shrink_to_fit();
  if (callerCaret < 0)
    ScrollRichToEnd(richEdit_);
  else
    ShowRichPosAtTop(richEdit_, caretPos);
  if (undo.pictureOff) steps_.ScreenPictureOff(false);
  // The rich-box is shown from the first book on.
  if (undo.quiet) screen_.EndRichBoxUpdate(true);
  screen_.RefreshScreen();
  richEdit_.SetFocus();
  screen_.SetHint("");
  screen_.SetBusy(false);
  steps_.BookShown();
  text_.UpdateChaptersButton();
  ShowEncodingChoice();
  // A load that failed says nothing of an opening.
  const std::string openedIn = "Book opened in " + GroupedNumber(int64_t(LoadCrono.ElapsedSeconds())) + " seconds";
  UpdateBookInfo(undo.failed ? "" : openedIn, true, true);
  RefreshBookStatus();
  Parts.Start();
}

int TBookDocument::LoadedPercent() const {
  return Parts.Pending() ? std::min(int(richEdit_.ShownShare() * 100), 99) : -1;
}

bool TBookDocument::WaitForText(int32_t position) {
  if (!Parts.Pending()) return true;
  // Nothing started from the messages seen meanwhile may load another book.
  if (loading_) return false;
  const TFlagScope waiting(loading_);
  screen_.ShowHint("The rest of the book is being opened. You can close the program at any time.");
  PeriodCrono.Start();
  const bool arrived = Parts.WaitFor(position, [this] {
    if (!PeriodCrono.IsPeriod(1.0)) return StopLoading;
    RefreshLineInfo();
    Application().ProcessMessages();
    return StopLoading;
  });
  if (!StopLoading) screen_.ShowHint("");
  return arrived;
}

void TBookDocument::StopLoad() {
  StopLoading = true;
  Parts.Stop();
}

}  // namespace qv::app
