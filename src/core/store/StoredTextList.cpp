#include "store/StoredTextList.h"

#include <utility>

#include "encoding/TextEncoding.h"
#include "encoding/UnicodeText.h"
#include "encoding/Utf8.h"
#include "errors/Dialogs.h"
#include "errors/Guard.h"
#include "store/IniValues.h"

namespace qv {

namespace {

const char* const kSource = "Include/StoredTextList";
const char* const kLoad = "TStoredTextList::Load";
const char* const kSave = "TStoredTextList::Save";
const char* const kLoadFailed = "Failed to load file.";
const char* const kSaveFailed = "Failed to save file.";

}  // namespace

std::string BackupFileName(const std::string& fileName) { return fileName + ".bak"; }

std::string OverwriteQuestion(const std::string& fileName) {
  return "File \"" + fileName + "\"already exists.\nOverwrite it?";
}

TStoredTextList::TStoredTextList(std::string fileName, IFileSystem* fs)
    : fileName_(std::move(fileName)), fs_(fs) {}

bool TStoredTextList::Load() {
  loading_ = true;
  ++loadCount_;
  badValues_.clear();
  fileTextOf_.clear();
  const bool ok = Guarded(QV_OP(kSource, kLoad, kLoadFailed), [&](TFunStatContext& local) {
    image_.Clear();
    std::string data;
    const TFileResult read = Files().ReadWhole(fileName_, data);
    if (read.Kind == TFileResult::Failed) {
      local.Raise(kSource, kLoad, read.SystemErrorCode, kLoadFailed, fileName_, read.Message, Error,
                  __LINE__);
      return;
    }
    image_.Parse(DecodeText(data, DetectStoredTextEncoding(data)));  // a missing file reads as an empty one
    fileTextOf_ = fileName_;
    fileText_ = image_.Text();
    if (OnLoad) OnLoad(*this);
    if (!badValues_.empty()) {
      std::string values;
      for (const std::string& v : badValues_) values += (values.empty() ? "" : "; ") + v;
      local.Raise(kSource, kLoad, 0, "Invalid colour value.", fileName_, values, Error, __LINE__);
    }
  });
  loading_ = false;
  // What did not load whole is kept until it has been copied aside.
  failedFile_ = ok ? std::string() : fileName_;
  if (!ok) fileTextOf_.clear();
  if (ok) modified_ = false;
  return ok;
}

bool TStoredTextList::LoadFromFile(const std::string& fileName) {
  fileName_ = fileName;
  return Load();
}

bool TStoredTextList::Save(bool askOverwrite) { return SaveFile(askOverwrite, false); }

bool TStoredTextList::AutoSave() { return SaveFile(false, true); }

bool TStoredTextList::KeepFailedFile(TFunStatContext& local) {
  IFileSystem& fs = Files();
  if (failedFile_.empty() || !SameText(failedFile_, fileName_) || !fs.FileExists(fileName_)) return true;
  const std::string backup = BackupFileName(fileName_);
  std::string bytes;
  TFileResult kept = fs.ReadWhole(fileName_, bytes);
  if (kept.IsOk()) {
    if (fs.IsReadOnly(backup)) fs.MakeNormal(backup);
    kept = WriteFileReplacing(fs, backup, bytes);
  } else {
    kept = fs.MoveReplacing(fileName_, backup);  // what cannot be read can still be moved aside whole
  }
  if (!kept.IsOk()) {
    local.Raise(kSource, kSave, kept.SystemErrorCode,
                "The file did not load whole and its copy could not be made: it is not overwritten.",
                fileName_, backup + ": " + kept.Message, Error, __LINE__);
    return false;
  }
  failedFile_.clear();
  return true;
}

bool TStoredTextList::SaveFile(bool askOverwrite, bool automatic) {
  bool declined = false;
  const bool show = !(automatic && quietFiles_.count(UpperCase(fileName_)));
  const bool ok = Guarded(QV_OP(kSource, kSave, kSaveFailed), [&](TFunStatContext& local) {
    IFileSystem& fs = Files();
    if (askOverwrite && fs.FileExists(fileName_) && !AskQuery(OverwriteQuestion(fileName_))) {
      declined = true;
      return;
    }
    if (OnSave) OnSave(*this);
    if (fileName_.empty()) {
      local.Raise(kSource, kSave, 0, kSaveFailed, "The file name is empty.", "", Error, __LINE__);
      return;
    }
    const std::string text = image_.Text();
    // The program's own saves leave a file alone that already holds the same text.
    if (automatic && SameText(fileTextOf_, fileName_) && fileText_ == text && fs.FileExists(fileName_))
      return;
    if (!KeepFailedFile(local)) return;
    if (fs.IsReadOnly(fileName_)) {
      const TFileResult normal = fs.MakeNormal(fileName_);
      if (!normal.IsOk()) {
        local.Raise(kSource, kSave, normal.SystemErrorCode, kSaveFailed, fileName_, normal.Message,
                    Error, __LINE__);
        return;
      }
    }
    const TFileResult written = WriteFileReplacing(fs, fileName_, EncodeText(text, TTextEncoding::Utf8Bom));
    if (!written.IsOk()) {
      local.Raise(kSource, kSave, written.SystemErrorCode, kSaveFailed, fileName_, written.Message,
                  Error, __LINE__);
      return;
    }
    fileTextOf_ = fileName_;
    fileText_ = text;
  }, show);
  if (!ok && automatic) quietFiles_.insert(UpperCase(fileName_));
  if (!ok || declined) return false;
  modified_ = false;
  return true;
}

bool TStoredTextList::SaveToFile(const std::string& fileName, bool askOverwrite) {
  fileName_ = fileName;
  return Save(askOverwrite);
}

void TStoredTextList::Clear() { image_.Clear(); }

void TStoredTextList::ReadString(const std::string& section, const std::string& key,
                                 std::string& value, bool acceptEmpty, int32_t maxLength) const {
  const std::string* stored = image_.Find(section, key);
  if (!stored || (!acceptEmpty && stored->empty())) return;
  // Characters count as the system counts them (UTF-16 units), not bytes.
  if (maxLength < 0 || Utf16Length(*stored) > maxLength) return;
  value = *stored;
}

void TStoredTextList::ReadBool(const std::string& section, const std::string& key, bool& value) const {
  const std::string* stored = image_.Find(section, key);
  if (stored) value = *stored == "TRUE";
}

void TStoredTextList::ReadInteger(const std::string& section, const std::string& key, int32_t min,
                                  int32_t max, int32_t& value) const {
  const std::string* stored = image_.Find(section, key);
  int32_t read = 0;
  if (stored && ParseIniInteger(*stored, read) && read >= min && read <= max) value = read;
}

void TStoredTextList::ReadColor(const std::string& section, const std::string& key,
                                uint32_t& value) const {
  const std::string* stored = image_.Find(section, key);
  // An empty value is treated like a missing one: the caller's colour stays.
  if (!stored || stored->empty() || ParseIniColor(*stored, value)) return;
  badValues_.push_back("[" + section + "] " + key + "=" + *stored);
}

void TStoredTextList::WriteString(const std::string& section, const std::string& key,
                                  const std::string& value) {
  image_.Set(section, key, value);
  modified_ = true;
}

void TStoredTextList::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, value ? "TRUE" : "FALSE");
}

void TStoredTextList::WriteInteger(const std::string& section, const std::string& key, int32_t value) {
  WriteString(section, key, std::to_string(value));
}

void TStoredTextList::WriteColor(const std::string& section, const std::string& key, uint32_t value) {
  // As a signed number, so that system colours (0x80000000 + index) read back.
  WriteString(section, key, std::to_string(static_cast<int32_t>(value)));
}

}  // namespace qv
