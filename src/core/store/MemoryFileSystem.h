// A file system held in memory that behaves like Windows where the store and
// the path logic can tell: names compare without regard to case, a read-only
// file cannot be replaced or removed, and failures carry Win32 error codes.
// Faults can be injected to test that saves never lose the previous file.
#pragma once
#include <map>
#include <string>

#include "store/FileSystem.h"

namespace qv {

class TMemoryFileSystem : public IFileSystem {
 public:
  // Win32 error codes used in the answers.
  enum : uint32_t { ErrorFileNotFound = 2, ErrorAccessDenied = 5, ErrorDiskFull = 112 };

  // Fault injection. When WriteFailsAfter >= 0, the next writes store only that
  // many bytes and then fail with "disk full". FailMoves makes moves fail.
  int64_t WriteFailsAfter = -1;
  bool FailMoves = false;
  bool FailReads = false;

  void PutFile(const std::string& path, const std::string& data, bool readOnly = false);
  // The file's content, or "" when it does not exist (see HasFile).
  std::string Content(const std::string& path) const;
  bool HasFile(const std::string& path) const;
  void AddFolder(const std::string& path);
  // Files directly in folder can no longer be created, replaced or removed, nor
  // folders made there: a folder the user may read but not write.
  void DenyWritesIn(const std::string& folder);
  size_t FileCount() const { return files_.size(); }
  int WriteCount() const { return writes_; }

  bool FileExists(const std::string& path) override;
  TFileResult ReadWhole(const std::string& path, std::string& data) override;
  TFileResult WriteWhole(const std::string& path, const std::string& data) override;
  TFileResult MoveReplacing(const std::string& source, const std::string& target) override;
  TFileResult Remove(const std::string& path) override;
  bool IsReadOnly(const std::string& path) override;
  TFileResult MakeNormal(const std::string& path) override;
  TFileResult GetSize(const std::string& path, int64_t& size) override;
  TFileResult ReadRange(const std::string& path, int64_t offset, int64_t count, std::string& data) override;
  bool IsFolder(const std::string& path) override;
  TFileResult MakeFolder(const std::string& path) override;

 private:
  struct TFile {
    std::string Data;
    bool ReadOnly = false;
  };
  static std::string Key(const std::string& path);
  const TFile* Find(const std::string& path) const;
  bool WriteDenied(const std::string& path) const;
  std::map<std::string, TFile> files_;
  std::map<std::string, bool> folders_;
  std::map<std::string, bool> denied_;
  int writes_ = 0;
};

}  // namespace qv
