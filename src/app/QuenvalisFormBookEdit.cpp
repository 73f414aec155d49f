// Editing, saving, running and printing the book.
#include <sstream>

#include "app/BookControls.h"
#include "app/QuenvalisForm.h"
#include "book/BookRules.h"
#include "errors/Dialogs.h"
#include "errors/Guard.h"
#include "paths/PathStrings.h"
#include "richbox/RichOps.h"
#include "text/EnhancedRichEdit.h"

namespace qv::app {

namespace {
const char* const kFile = "QuenvalisDialog";

bool FileExists(const std::string& path) {
  const DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

// Writes bytes to a new file beside the target and puts it in the target's
// place only when it was written whole: a failed write leaves the old file.
DWORD ReplaceFileWith(const std::string& target, const std::string& bytes) {
  std::string dir = GetDirOfPath(target);
  if (dir.empty()) dir = ".\\";
  char temp[MAX_PATH + 1] = "";
  if (!GetTempFileNameA(dir.c_str(), "qvs", 0, temp)) return GetLastError();
  HANDLE h = CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD error = 0;
  if (h == INVALID_HANDLE_VALUE) {
    error = GetLastError();
  } else {
    DWORD written = 0;
    const bool ok = WriteFile(h, bytes.data(), DWORD(bytes.size()), &written, nullptr) && written == bytes.size() &&
                    FlushFileBuffers(h);
    if (!ok) error = GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
    CloseHandle(h);
  }
  if (!error && !MoveFileExA(temp, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    error = GetLastError();
  if (error) DeleteFileA(temp);
  return error;
}
}  // namespace

void TQuenvalisForm::SetEditing(bool editing) {
  RichEdit.SetReadOnly(!editing);
  Book->AllowEditingCheckBox.SetChecked(editing);
}

void TQuenvalisForm::QuerySaveModified() {
  if (RichEdit.GetModified() && AskQuery("Text has been edited. Save it?")) SaveFile();
}

bool TQuenvalisForm::CheckOnePiece() {
  if (BookFileName.empty() || IsRichTextEmpty(RichEdit)) {
    ShowInfoMessage("There is no text to process.");
    return false;
  }
  if (Book->PiecesComboBox.ItemCount() >= 2) {
    ShowWarningMessage("The book must be loaded in one piece.");
    return false;
  }
  return true;
}

bool TQuenvalisForm::SaveFile() {
  bool saved = false;
  Guarded(QV_OP(kFile, "TQuenvalisForm::SaveFile", "Failed to save."), [&](TFunStatContext& local) {
    if (!CheckOnePiece()) return;
    SaveDialog.Request.FileName = ChangeFileExt(BookFileName, "");
    if (!SaveDialog.Execute()) return;
    const TSaveTarget target = SaveTargetFor(SaveDialog.FileName());
    if (!target.RichText && Enhancer->ParagraphPrefix.empty() &&
        !AskQuery("You are trying to save text without a paragraph prefix, to a\n"
                  "plain text file. The beginning of many paragraphs will be lost,\n"
                  "thus creating a single long paragraph (you can recover such\n"
                  "a book if you check the \"Poorly written text\" box and load the\n"
                  "file).\n"
                  "\n"
                  "It is strongly recommended to change the \"Paragraph prefix\"\n"
                  "and reload the book (before you save it), or save it as formatted\n"
                  "text.\n"
                  "\n"
                  "Do you want to save without a paragraph prefix?"))
      return;
    if (!target.RichText && Enhancer->HasCommands &&
        !AskQuery("This book contains manual formatting commands. If you save it\n"
                  "then the new book will not contain them.\n\n"
                  "Do you want to save it without manual formatting commands?"))
      return;
    if (FileExists(target.FileName) && !AskQuery("Book already exists. Overwrite it?")) return;
    if (lstrcmpiA(target.FileName.c_str(), BookFileName.c_str()) == 0 &&
        !AskQuery("You are trying to overwrite the opened book. Continue?"))
      return;
    std::ostringstream content;
    if (target.RichText)
      RichEdit.SaveRichText(content);
    else
      RichEdit.SavePlainText(content);
    if (const DWORD error = ReplaceFileWith(target.FileName, content.str())) {
      local.Raise(kFile, "TQuenvalisForm::SaveFile", error, "Failed to write file.", target.FileName, "", Error,
                  __LINE__);
      return;
    }
    RichEdit.SetModified(false);
    saved = true;
    ShowInfoMessage("The book was saved.");
  });
  return saved;
}

void TQuenvalisForm::RunBookButtonClick() {
  Guarded(QV_OP(kFile, "TQuenvalisForm::RunBookButtonClick", "Failed to run book."), [&](TFunStatContext& local) {
    if (BookFileName.empty()) {
      local.Raise(kFile, "RunFile", 0, "The name of the file is empty.", "", "", Error, __LINE__);
      return;
    }
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.hwnd = Handle();
    info.lpFile = BookFileName.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExA(&info))
      local.Raise(kFile, "RunFile", GetLastError(), "Failed to run file.", BookFileName, "", Error, __LINE__);
  });
  RichEdit.SetFocus();
}

void TQuenvalisForm::PrintBookButtonClick() {
  Guarded(QV_OP(kFile, "TQuenvalisForm::PrintBookButtonClick", "Failed to print."), [&](TFunStatContext& local) {
    if (!CheckOnePiece() || !AskQuery("Print text?")) return;
    if (!RichEdit.Print(BookFileName))
      local.Raise(kFile, "TQuenvalisForm::PrintBookButtonClick", GetLastError(), "The default printer did not print.",
                  BookFileName, "", Error, __LINE__);
  });
}

void TQuenvalisForm::OpenBookButtonClick() {
  Guarded(QV_OP(kFile, "TQuenvalisForm::OpenBookButtonClick", "Failed to open book."), [&](TFunStatContext&) {
    if (!BookFileName.empty()) OpenDialog.Request.FileName = BookFileName;
    if (OpenDialog.Execute()) OpenBook(OpenDialog.FileName(), true);
  });
}

}  // namespace qv::app
