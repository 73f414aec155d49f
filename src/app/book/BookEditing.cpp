// Editing, saving, running and printing the book.
#include <sstream>

#include "app/book/BookDocument.h"
#include "book/BookRules.h"
#include "encoding/TextEncoding.h"
#include "encoding/Utf8.h"
#include "errors/Dialogs.h"
#include "errors/Guard.h"
#include "encoding/UnicodeText.h"
#include "paths/PathStrings.h"
#include "platform/FileServices.h"
#include "richbox/RichOps.h"

namespace qv::app {

namespace {
const char* const kFile = "QuenvalisDialog";
}  // namespace

void TBookDocument::SetEditing(bool editing) {
  // Editing needs the whole text in the rich-box.
  if (editing && !WaitForText(-1)) editing = false;
  richEdit_.SetReadOnly(!editing);
  Controls.AllowEditingCheckBox.SetChecked(editing);
}

void TBookDocument::QuerySaveModified() {
  if (richEdit_.GetModified() && AskQuery("Text has been edited. Save it?")) SaveFile();
}

bool TBookDocument::CheckOnePiece() {
  if (BookFileName.empty() || IsRichTextEmpty(richEdit_)) {
    ShowInfoMessage("There is no text to process.");
    return false;
  }
  if (Controls.PiecesComboBox.ItemCount() >= 2) {
    ShowWarningMessage("The book must be loaded in one piece.");
    return false;
  }
  // A long book still arriving in the rich-box is saved or printed whole.
  return WaitForText(-1);
}

bool TBookDocument::SaveFile() {
  bool saved = false;
  Guarded(QV_OP(kFile, "TQuenvalisForm::SaveFile", "Failed to save."), [&](TFunStatContext& local) {
    if (!CheckOnePiece()) return;
    SaveDialog.Request.FileName = ChangeFileExt(BookFileName, "");
    if (!SaveDialog.Execute()) return;
    const TSaveTarget target = SaveTargetFor(SaveDialog.FileName());
    const TEnhancedRichEdit& enhancer = text_.Enhancer;
    if (!target.RichText && enhancer.ParagraphPrefix.empty() &&
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
    if (!target.RichText && enhancer.HasCommands &&
        !AskQuery("This book contains manual formatting commands. If you save it\n"
                  "then the new book will not contain them.\n\n"
                  "Do you want to save it without manual formatting commands?"))
      return;
    if (files_.FileExists(target.FileName) && !AskQuery("Book already exists. Overwrite it?")) return;
    if (SameText(target.FileName, BookFileName) &&
        !AskQuery("You are trying to overwrite the opened book. Continue?"))
      return;
    // The book's own text: the end marker the load added is not the book's.
    std::string text = richEdit_.GetText();
    text.resize(BookTextLength(text));
    std::string content;
    TTextEncoding saveAs = Encoding;
    if (target.RichText) {
      std::ostringstream rich;
      richEdit_.SaveRichText(rich, Utf16Length(text));
      content = rich.str();
    } else {
      // Plain text goes back in the book's encoding; a code page book that
      // gained characters the code page lacks becomes UTF-8 with a mark.
      saveAs = SaveEncodingFor(Encoding, text);
      content = EncodeText(text, saveAs);
    }
    // The old file is replaced only by a file written whole.
    const TFileResult written = WriteFileReplacing(files_, target.FileName, content);
    if (!written.IsOk()) {
      local.Raise(kFile, "TQuenvalisForm::SaveFile", written.SystemErrorCode, "Failed to write file.",
                  target.FileName, "", Error, __LINE__);
      return;
    }
    richEdit_.SetModified(false);
    if (!target.RichText && SameText(target.FileName, BookFileName)) Encoding = saveAs;
    saved = true;
    ShowInfoMessage("The book was saved.");
  });
  return saved;
}

void TBookDocument::RunBookButtonClick() {
  Guarded(QV_OP(kFile, "TQuenvalisForm::RunBookButtonClick", "Failed to run book."), [&](TFunStatContext& local) {
    if (!RunFile(BookFileName, "", "", false)) TakeFailure(local);
  });
  richEdit_.SetFocus();
}

void TBookDocument::PrintBookButtonClick() {
  Guarded(QV_OP(kFile, "TQuenvalisForm::PrintBookButtonClick", "Failed to print."), [&](TFunStatContext& local) {
    if (!CheckOnePiece() || !AskQuery("Print text?")) return;
    SetLastError(0);
    if (richEdit_.Print(BookFileName)) return;
    const DWORD code = GetLastError();
    // Without a printer the last error is whatever an earlier call left ("File not found."): no reason to show.
    if (!TRichEdit::DefaultPrinterExists())
      local.Raise(kFile, "TQuenvalisForm::PrintBookButtonClick", 0, "No printer was found.", BookFileName, "",
                  Error, __LINE__);
    else
      local.Raise(kFile, "TQuenvalisForm::PrintBookButtonClick", code, "The default printer did not print.",
                  BookFileName, "", Error, __LINE__);
  });
}

void TBookDocument::OpenBookButtonClick() {
  Guarded(QV_OP(kFile, "TQuenvalisForm::OpenBookButtonClick", "Failed to open book."), [&](TFunStatContext&) {
    if (!BookFileName.empty()) OpenDialog.Request.FileName = BookFileName;
    if (OpenDialog.Execute()) OpenBook(OpenDialog.FileName(), true);
  });
}

}  // namespace qv::app
