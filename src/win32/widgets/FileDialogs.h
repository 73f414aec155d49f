// The open and save file dialogs, behind an interface that tests answer.
#pragma once
#include <string>

namespace qv::win {

struct TFileDialogRequest {
  std::string Title;
  std::string Filter;       // "Text files (*.txt; *.rtf)|*.txt; *.rtf" — pairs separated by '|'
  int FilterIndex = 1;      // 1-based, as the platform counts
  std::string InitialDir;
  std::string FileName;     // proposed name; receives the chosen one
  std::string DefaultExt;   // without the dot
  bool OverwritePrompt = false;
  bool FileMustExist = false;
};

class IFileDialogs {
 public:
  virtual ~IFileDialogs() = default;
  // True when the user chose a file; request.FileName (and FilterIndex) then hold the choice.
  virtual bool Open(TFileDialogRequest& request) = 0;
  virtual bool Save(TFileDialogRequest& request) = 0;
};

// The dialogs in use: the platform's, unless a test installed its own.
IFileDialogs& FileDialogs();
void SetFileDialogs(IFileDialogs* dialogs);  // null restores the platform's

// A dialog object in the toolkit's style: set its properties, then Execute.
class TOpenDialog {
 public:
  TFileDialogRequest Request;
  bool Execute() { return FileDialogs().Open(Request); }
  const std::string& FileName() const { return Request.FileName; }
};

class TSaveDialog {
 public:
  TFileDialogRequest Request;
  bool Execute() { return FileDialogs().Save(Request); }
  const std::string& FileName() const { return Request.FileName; }
};

}  // namespace qv::win
