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
#pragma once
#include <cstdint>
#include <functional>
#include <string>

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
  // A stock colour name, a toolkit identifier or a number; any other non-empty
  // text throws TRaisedFailure (inside OnLoad this stops the load as a failure).
  void ReadColor(const std::string& section, const std::string& key, uint32_t& value) const;

  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteBool(const std::string& section, const std::string& key, bool value);
  void WriteInteger(const std::string& section, const std::string& key, int32_t value);
  void WriteColor(const std::string& section, const std::string& key, uint32_t value);

  const TIniImage& Image() const { return image_; }

 private:
  IFileSystem& Files() const { return fs_ ? *fs_ : DefaultFileSystem(); }

  std::string fileName_;
  IFileSystem* fs_;
  TIniImage image_;
  bool modified_ = false;
  bool loading_ = false;
};

// The text of the overwrite question for a file name.
std::string OverwriteQuestion(const std::string& fileName);

}  // namespace qv
