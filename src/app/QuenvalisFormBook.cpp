// Opening a book: LoadFromFile with its checks, limits and quiet update, the
// reading of a piece, the end marker, the load progress and the book information.
#include <algorithm>
#include <sstream>

#include "app/BookControls.h"
#include "app/QuenvalisForm.h"
#include "book/BookRules.h"
#include "errors/Dialogs.h"
#include "errors/Guard.h"
#include "platform/Win32Platform.h"
#include "richbox/RichOps.h"
#include "text/EnhancedRichEdit.h"
#include "text/TextLines.h"
#include "util/Numbers.h"
#include "widgets/Application.h"

namespace qv::app {

namespace {
const char* const kFile = "QuenvalisDialog";

bool SameNoCase(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

bool IsBookName(const std::string& name) {
  const size_t dot = name.find_last_of('.');
  if (dot == std::string::npos || name.find_first_of("\\/:", dot) != std::string::npos) return false;
  const std::string ext = name.substr(dot);
  return SameNoCase(ext, ".txt") || SameNoCase(ext, ".rtf");
}

// The full path of a book name: expanded against the current folder, "~" short
// names in their long form, a bare drive as its root.
std::string FullBookPath(const std::string& name) {
  std::string path = name;
  if (path.size() == 2 && path[1] == ':') path += '\\';
  char full[MAX_PATH + 1] = "";
  const DWORD n = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
  if (n > 0 && n <= MAX_PATH) path = full;
  if (path.find('~') != std::string::npos) {
    char longName[MAX_PATH + 1] = "";
    const DWORD m = GetLongPathNameA(path.c_str(), longName, MAX_PATH);
    if (m > 0 && m <= MAX_PATH) path = longName;
  }
  return path;
}

bool IsExistingFile(const std::string& path) {
  const DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

// Reads count bytes from offset; false with the system's error code on failure.
bool ReadFileBytes(const std::string& path, int64_t offset, int64_t count, std::string& bytes, DWORD& error) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    error = GetLastError();
    return false;
  }
  bool ok = true;
  LARGE_INTEGER at;
  at.QuadPart = offset;
  bytes.assign(size_t(std::max<int64_t>(count, 0)), '\0');
  DWORD got = 0;
  if (offset > 0 && !SetFilePointerEx(h, at, nullptr, FILE_BEGIN)) ok = false;
  if (ok && count > 0 && !ReadFile(h, &bytes[0], DWORD(count), &got, nullptr)) ok = false;
  if (!ok) error = GetLastError();
  bytes.resize(ok ? got : 0);
  CloseHandle(h);
  return ok;
}

std::string ReadWholeFile(const std::string& path) {
  std::string bytes;
  DWORD error = 0;
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return bytes;
  const int64_t size = (int64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  ReadFileBytes(path, 0, size, bytes, error);
  return bytes;
}

// A NUL byte ends the text.
std::vector<std::string> LinesOf(const std::string& bytes) {
  const size_t nul = bytes.find('\0');
  return SplitLines(std::string_view(bytes).substr(0, nul));
}
}  // namespace

std::string GroupedNumber(int64_t value) {
  char sep[8] = ",";
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, sep, sizeof sep) <= 0) strcpy(sep, ",");
  return FormatGrouped(value, sep);
}

bool TQuenvalisForm::LoadPieceFromFile(const std::string& fileName, std::vector<std::string>& lines, int piece) {
  bool result = false;
  Guarded(QV_OP(kFile, "TQuenvalisForm::LoadPieceFromFile", "Failed to load."), [&](TFunStatContext& local) {
    auto fail = [&](DWORD code, const std::string& description) {
      local.Raise(kFile, "TQuenvalisForm::LoadPieceFromFile", code, description, fileName, "", Error, __LINE__);
    };
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(fileName.c_str(), GetFileExInfoStandard, &data)) {
      fail(GetLastError(), "Failed to load.");
    } else {
      const int64_t size = (int64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
      if (size == 0) {
        fail(0, "Empty file.");
      } else {
        const TByteRange range = PieceRange(piece, PieceSize, size);
        std::string bytes;
        DWORD error = 0;
        if (!ReadFileBytes(fileName, range.Start, range.Length, bytes, error))
          fail(error, "Failed to load.");
        else {
          lines = LinesOf(bytes);
          result = true;
        }
      }
    }
    if (local.Status >= Error) {
      lines.clear();
      result = false;
    }
  });
  return result;
}

void TQuenvalisForm::AppendEndMarker(std::vector<std::string>& lines, int piece) {
  qv::AppendEndMarker(lines, piece, Book->PiecesComboBox.ItemCount());
}

bool TQuenvalisForm::ShowLoadProgress(int32_t count) {
  if (!PeriodCrono.IsPeriod(1.0)) return StopLoading;
  const std::string text = GroupedNumber(count) + " characters; " +
                           GroupedNumber(int64_t(LoadCrono.ElapsedSeconds())) + " seconds";
  UpdateBookInfo(text, false, true);
  Application().Title = text;
  if (Handle()) SetWindowTextA(Handle(), text.c_str());
  Application().ProcessMessages();
  return StopLoading;
}

void TQuenvalisForm::UpdateBookInfo(const std::string& text, bool restoreTitle, bool storeText) {
  if (BookFileName.empty()) {
    CurrentFileInfoLabel.SetCaption("No book opened");
    return;
  }
  if (storeText) LoadedInText = text;
  std::string info = BookInfoHead(BookFileName);
  if (storeText) {
    if (!text.empty()) info += " (" + text + ")";
    CurrentFileInfoLabel.SetCaption(info);
  } else {
    char sep[8] = ",";
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, sep, sizeof sep) <= 0) strcpy(sep, ",");
    info += "\n" + BookLineInfo(GetRichFirstVisibleLine(RichEdit), GetRichLineCount(RichEdit),
                                Book->CurrentPiece(), Book->PiecesComboBox.ItemCount(), sep);
    CurrentFileInfoLabel.SetCaption(info);
    Book->BookLoadedInLabel.SetCaption(LoadedInText);
  }
  if (restoreTitle) {
    Application().Title = "Quenvalis";
    if (Handle()) SetWindowTextA(Handle(), "Quenvalis");
  }
}

// What a load changed and its end steps must undo.
struct TQuenvalisForm::TLoadUndo {
  bool quiet = false, richVisible = true, disabled = false, pictureOff = false;
};

bool TQuenvalisForm::LoadFromFile(const std::string& fileName, int piece, bool keepProfile, int caretPos) {
  bool result = false;
  bool endSteps = false;
  const bool newBook = !fileName.empty();
  const int callerCaret = caretPos;
  TLoadUndo undo;
  std::vector<std::string> lines;
  Guarded(QV_OP(kFile, "TQuenvalisForm::LoadFromFile", "Failed to load book."), [&](TFunStatContext& local) {
    if (newBook) {
      QuerySaveModified();
      PieceSize = ReadPieceSize(Book->PieceSizeComboBox.Text());
      BookFileName = FullBookPath(fileName);
      UpdateBookInfo("", false, true);
      RichEdit.Clear();
      if (BookHooks.StopSounds) BookHooks.StopSounds();
      if (BookHooks.LoadBrowserFor && !(BookHooks.BrowserHasFolder && BookHooks.BrowserHasFolder()))
        BookHooks.LoadBrowserFor(BookFileName);
    }
    StopLoading = false;
    SetEditing(false);
    if (BookHooks.DiscardChapters) BookHooks.DiscardChapters();
    Book->PiecesComboBox.Clear();
    UpdatePieceControls();
    RichEdit.Clear();

    const std::string& name = BookFileName;
    const bool isDrive = name.size() <= 3 && name.size() >= 2 && name[1] == ':';
    if (name.empty() || isDrive || !IsBookName(name) || !IsExistingFile(name)) {
      ShowWarningMessage("The book is not a valid text file, or it doesn't exist.");
      RichEdit.SetFocus();
      return;
    }
    endSteps = true;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(name.c_str(), GetFileExInfoStandard, &data)) {
      local.Raise(kFile, "TQuenvalisForm::LoadFromFile", GetLastError(), "Failed to get file size.", name, "",
                  Error, __LINE__);
      return;
    }
    const int64_t size = (int64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    const bool rich = IsRichTextName(name);
    switch (DecideBookSize(size, Book->OpenInPiecesCheckBox.Checked(), rich)) {
      case TSizeDecision::Refuse:
        endSteps = false;
        ShowWarningMessage("You can't open books bigger than " + GroupedNumber(LargestBookSize) + " characters.");
        RichEdit.SetFocus();
        return;
      case TSizeDecision::AskOnePiece:
        if (!AskQuery("You are trying to open in one piece a book bigger than " +
                      GroupedNumber(OnePieceWarningSize) +
                      " characters.\nThe opening will take quite some time. Continue opening in one "
                      "piece?\n\nIf you are not sure, choose \"Cancel\" then check the \"Open in pieces\"\n"
                      "check-box and open it again.")) {
          endSteps = false;
          RichEdit.SetFocus();
          return;
        }
        break;
      case TSizeDecision::Open:
        break;
    }
    LoadCrono.Start();
    PeriodCrono.Start();
    // The rich-box's own visibility (not its parents'), hidden for the load.
    undo.richVisible = (GetWindowLongA(RichEdit.Handle(), GWL_STYLE) & WS_VISIBLE) != 0;
    BeginRichBoxUpdate();
    undo.quiet = true;
    HintLabel.SetCaption(
        "Large books require some time to be opened. If you think it takes too long then read the "
        "\"Dealing with slow opening\" topic from help. If the text is being enhanced you can close the "
        "program at any time (allow up to a second to perform).");
    UpdateWindow(HintLabel.Handle());
    if (piece < 0) {
      int bookPiece = 0, bookCaret = 0;
      if (BookHooks.FindAutoBookmark && BookHooks.FindAutoBookmark(name, bookPiece, bookCaret)) {
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
    if (Book->OpenInPiecesCheckBox.Checked() && pieces >= 2 && !rich) {
      items.clear();
      for (int i = 1; i <= pieces; ++i) items.push_back(std::to_string(i));
    } else {
      piece = 1;
    }
    Book->PiecesComboBox.SetItems(items);
    Book->PiecesComboBox.SetItemIndex(Book->PiecesComboBox.IndexOf(std::to_string(piece)));
    UpdatePieceControls();
    if (size == 0) return;

    EnableRichLinks(RichEdit);
    EnableRichAdvancedTypography(RichEdit);
    InfoTimer.SetEnabled(false);
    Sidebar.AboutButton.SetEnabled(false);
    Sidebar.Container_OptionsPageControl.SetEnabled(false);
    undo.disabled = true;

    if (newBook && BookHooks.LoadBookProfile) BookHooks.LoadBookProfile(name, keepProfile);
    if (newBook && BookHooks.ReloadBackgrounds) BookHooks.ReloadBackgrounds();

    if (BookHooks.ScreenPictureOff) {
      BookHooks.ScreenPictureOff(true);
      undo.pictureOff = true;
    }
    LoadCrono.Start();
    PeriodCrono.Start();
    if (!rich)
      LoadPlainBook(piece, lines);
    else
      LoadRichBook();
    result = true;
  });

  if (endSteps) {
    try {
      FinishLoad(undo, callerCaret, caretPos, lines);
    } catch (...) {
      // The end steps never stop the program; what they could not do stays undone.
    }
    if (result && newBook && BookHooks.StartSounds) BookHooks.StartSounds();
  }
  return result;
}

void TQuenvalisForm::LoadPlainBook(int piece, std::vector<std::string>& lines) {
  if (Book->PiecesComboBox.ItemCount() >= 2)
    LoadPieceFromFile(BookFileName, lines, piece);
  else
    lines = LinesOf(ReadWholeFile(BookFileName));
  AppendEndMarker(lines, piece);
  const TEnhanceOptions options = ReadEnhanceOptions ? ReadEnhanceOptions() : TEnhanceOptions();
  // The whole text is built in one burst: the control receives it in one stream.
  TRichUpdate burst(RichEdit);
  if (BookHooks.ResetFormatDefaults)
    BookHooks.ResetFormatDefaults();
  else
    Enhancer->ResetStacks();
  RichEdit.SetSelection(0, RichAllLength);
  Enhancer->ApplyCharFormat(true, 0);
  Enhancer->ApplyParaFormat(true, 0);
  RichEdit.SetSelection(0, 0);
  if (options.EnhanceText) {
    Enhancer->EnhanceText(lines, options.ParagraphPrefix, options.IgnoreEmptyLines, options.PoorlyWritten);
  } else {
    Enhancer->ParagraphPrefix.clear();
    Enhancer->HasCommands = false;
    for (const std::string& line : lines) RichEdit.AppendLine(line);
  }
  if (BookHooks.ApplyZoom) BookHooks.ApplyZoom();
}

void TQuenvalisForm::LoadRichBook() {
  // A failure of the fix-up file is ignored: it only prepares the control.
  std::istringstream fix(ReadWholeFile(ProgramDirectory() + "ErrorFix.rtf"));
  RichEdit.LoadRichText(fix);
  const std::string bytes = ReadWholeFile(BookFileName);
  std::istringstream book(bytes);
  if (!RichEdit.LoadRichText(book)) {
    // A book named ".rtf" that holds no rich text is shown as the text it is.
    std::istringstream plain(bytes);
    RichEdit.LoadPlainText(plain);
  }
  Enhancer->ParagraphPrefix.clear();
  Enhancer->HasCommands = false;
}

void TQuenvalisForm::FinishLoad(const TLoadUndo& undo, int callerCaret, int caretPos,
                                std::vector<std::string>& lines) {
  SetRichTextLimit(RichEdit, 0);
  RichEdit.SetModified(false);
  lines.clear();
  lines.shrink_to_fit();
  if (callerCaret < 0)
    ScrollRichToEnd(RichEdit);
  else
    ShowRichPosAtTop(RichEdit, caretPos);
  if (undo.pictureOff && BookHooks.ScreenPictureOff) BookHooks.ScreenPictureOff(false);
  if (undo.quiet) EndRichBoxUpdate(undo.richVisible);
  RefreshScreen();
  if (BookHooks.RefreshRichFrame) BookHooks.RefreshRichFrame();
  RichEdit.SetFocus();
  HintLabel.SetCaption("");
  InfoTimer.SetEnabled(true);
  Sidebar.AboutButton.SetEnabled(true);
  Sidebar.Container_OptionsPageControl.SetEnabled(true);
  if (BookHooks.RefreshBookshelfButtons) BookHooks.RefreshBookshelfButtons();
  if (BookHooks.RefreshChaptersButton) BookHooks.RefreshChaptersButton();
  UpdateBookInfo("Book opened in " + GroupedNumber(int64_t(LoadCrono.ElapsedSeconds())) + " seconds", true, true);
  InfoTimerTimer();
}

}  // namespace qv::app
