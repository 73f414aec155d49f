// Opening a book into the rich-box and the book information line.
#include <fstream>
#include <sstream>

#include "app/QuenvalisForm.h"
#include "errors/Guard.h"
#include "util/Numbers.h"

namespace qv::app {

namespace {
const char* const kFile = "QuenvalisDialog";

bool EndsWithNoCase(const std::string& s, const std::string& tail) {
  if (s.size() < tail.size()) return false;
  return lstrcmpiA(s.c_str() + s.size() - tail.size(), tail.c_str()) == 0;
}
}  // namespace

bool TQuenvalisForm::LoadFromFile(const std::string& fileName, int piece, bool keepProfile,
                                  int caretPos) {
  return Guarded(QV_OP(kFile, "TQuenvalisForm::LoadFromFile", "Failed to open book."),
                 [&](TFunStatContext& local) {
                   std::ifstream in(fileName, std::ios::binary);
                   if (!in) {
                     local.Raise(kFile, "TQuenvalisForm::LoadFromFile", 0,
                                 "Could not open the file.", fileName, "", Error, __LINE__);
                     return;
                   }
                   std::ostringstream bytes;
                   bytes << in.rdbuf();
                   LoadCrono.Start();
                   const bool visible = BeginRichBoxUpdate();
                   if (EndsWithNoCase(fileName, ".rtf")) RichEdit.SetRtf(bytes.str());
                   else RichEdit.SetPlainText(bytes.str());
                   RichEdit.SetModified(false);
                   EndRichBoxUpdate(true);
                   (void)visible;
                   BookFileName = fileName;
                   LoadedInText = "Book opened in " +
                                  FormatGrouped(static_cast<int64_t>(LoadCrono.ElapsedSeconds())) +
                                  " seconds";
                   HintLabel.SetCaption(LoadedInText);
                   UpdateBookInfo("");
                   RichEdit.SetFocus();
                 });
}

void TQuenvalisForm::UpdateBookInfo(const std::string& text) {
  if (BookFileName.empty()) {
    CurrentFileInfoLabel.SetCaption("No book opened");
    return;
  }
  std::string info = BookFileName;
  if (!text.empty()) info += " | " + text;
  CurrentFileInfoLabel.SetCaption(info);
}

}  // namespace qv::app
