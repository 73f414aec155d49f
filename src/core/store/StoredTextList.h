// TStoredTextList: an INI file held in memory and bound to a file name, with
// typed reads that keep the caller's value unless the stored one passes its
// checks, typed writes, and OnLoad / OnSave events through which its owner
// fills it and reads it back.
//
// Owner's calling order: construct, set OnLoad and OnSave, Load once; read only
// inside OnLoad; inside OnSave call Clear first and then write every value, so
// the file holds exactly the keys the owner writes.
//
// Load and Save are guarded operations (source "Include/StoredTextList"); their
// failures are shown as "Failed to load file." and "Failed to save file.".
// A save never replaces the file by a partly written one (see FileSystem.h).
// Files are written as UTF-8 with a byte-order mark; a file without one is
// read as DetectStoredTextEncoding says (the system's ANSI code page unless
// it is UTF-8).
//
// What failed to load is never lost: a colour that cannot be read is reported
// and keeps the caller's value while the other keys still load, and a file
// that could not be read, or held such a value, is kept as NAME.bak beside it
// before it is first rewritten (when no copy can be made it is not rewritten).
#pragma once
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "errors/FunStatContext.h"
#include "store/FileSystem.h"
#include "store/IniImage.h"

namespace qv {

class TStoredTextList {
 public:
  using TEvent = std::function<void(TStoredTextList& sender)>;

  // Reads nothing; fs null means DefaultFileSystem() at each use.
  explicit TStoredTextList(std::string fileName, IFileSystem* fs = nullptr);

  const std::string& FileName() const { return fileName_; }
  bool Modified() const { return modified_; }
  bool Loading() const { return loading_; }

  TEvent OnLoad;  // raised inside Load after the file has been read
  TEvent OnSave;  // raised inside Save before the file is written

  // Replaces the image by the file's content (a missing file gives an empty
  // image), raises OnLoad, clears Modified. False on failure (already shown).
  bool Load();
  bool LoadFromFile(const std::string& fileName);
  // Optionally asks before overwriting an existing file, raises OnSave, makes a
  // read-only file normal and writes the whole image. False when declined or failed.
  bool Save(bool askOverwrite);
  // The save the program makes by itself (no question): a file that already
  // holds exactly what would be written is left alone, and a file whose
  // automatic save failed once in this run is not reported again (a profile
  // on a read-only medium). False when it failed.
  bool AutoSave();
  // Takes the new name without reading that file, then saves.
  bool SaveToFile(const std::string& fileName, bool askOverwrite);
  // Binds the store to another file without reading or writing anything (the
  // profile load button names the file that the next load reads).
  void SetFileName(const std::string& fileName) { fileName_ = fileName; }
  // Empties the image; the file is untouched until the next save.
  void Clear();

  // Typed reads: value is the default and changes only when the stored text passes.
  void ReadString(const std::string& section, const std::string& key, std::string& value,
                  bool acceptEmpty, int32_t maxLength) const;
  void ReadBool(const std::string& section, const std::string& key, bool& value) const;
  void ReadInteger(const std::string& section, const std::string& key, int32_t min, int32_t max,
                   int32_t& value) const;
  // A stock colour name, a toolkit identifier or a number. Any other non-empty
  // text keeps value and is noted: the load that reads it reports it as a failure.
  void ReadColor(const std::string& section, const std::string& key, uint32_t& value) const;

  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteBool(const std::string& section, const std::string& key, bool value);
  void WriteInteger(const std::string& section, const std::string& key, int32_t value);
  void WriteColor(const std::string& section, const std::string& key, uint32_t value);

  const TIniImage& Image() const { return image_; }
  // How many loads ran, failed or not (a caller can tell whether a file was read).
  int LoadCount() const { return loadCount_; }

 private:
  IFileSystem& Files() const { return fs_ ? *fs_ : DefaultFileSystem(); }
  bool SaveFile(bool askOverwrite, bool automatic);
  // Keeps the file that did not load whole as NAME.bak before its first rewrite.
  bool KeepFailedFile(TFunStatContext& local);

  std::string fileName_;
  IFileSystem* fs_;
  TIniImage image_;
  bool modified_ = false;
  bool loading_ = false;
  int loadCount_ = 0;
  mutable std::vector<std::string> badValues_;  // "[section] key=value" of this load
  std::string failedFile_;  // the file whose load failed, until it is kept as NAME.bak
  // What the file fileTextOf_ holds, as this store last read or wrote it.
  std::string fileTextOf_, fileText_;
  std::set<std::string> quietFiles_;  // automatic saves that failed and were reported
};

// The name the previous content of a file is kept under: NAME.bak beside it.
std::string BackupFileName(const std::string& fileName);

// The text of the overwrite question for a file name.
std::string OverwriteQuestion(const std::string& fileName);

}  // namespace qv
