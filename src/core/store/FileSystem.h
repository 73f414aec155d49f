// The file operations the settings store needs, behind an interface the core
// owns. The Win32 side installs an implementation over the kernel's file
// functions (code-page paths, no UTF-8 conversion); the native build uses the
// stdio one (StdFileSystem.h); tests use the in-memory one (MemoryFileSystem.h).
//
// Method names avoid the names of Win32 function macros (DeleteFile,
// ReplaceFile ...) so that an implementation may include <windows.h>.
#pragma once
#include <cstdint>
#include <string>

#include "paths/FileProbe.h"

namespace qv {

struct TFileResult {
  enum TKind { Ok, NotFound, Failed };
  TKind Kind = Ok;
  uint32_t SystemErrorCode = 0;  // the platform's code (Win32 error, errno natively)
  std::string Message;           // the platform's text for it, for reports

  bool IsOk() const { return Kind == Ok; }
  static TFileResult Success() { return TFileResult{}; }
  static TFileResult Failure(TKind kind, uint32_t code, std::string message) {
    TFileResult r;
    r.Kind = kind;
    r.SystemErrorCode = code;
    r.Message = std::move(message);
    return r;
  }
};

class IFileSystem : public IFileProbe {
 public:
  // Reads the whole file into data. A missing file or folder answers NotFound.
  virtual TFileResult ReadWhole(const std::string& path, std::string& data) = 0;
  // Creates or truncates path, writes data and flushes it to the disk before
  // answering; a failure may leave a partly written file behind.
  virtual TFileResult WriteWhole(const std::string& path, const std::string& data) = 0;
  // Moves source over target, replacing it (one rename where the platform has it;
  // on Win32 MoveFileEx with replace-existing and write-through).
  virtual TFileResult MoveReplacing(const std::string& source, const std::string& target) = 0;
  virtual TFileResult Remove(const std::string& path) = 0;
  virtual bool IsReadOnly(const std::string& path) = 0;
  // Sets the file's attributes to none (a normal file).
  virtual TFileResult MakeNormal(const std::string& path) = 0;
  // The file's size in bytes, with the failure when it cannot be read.
  virtual TFileResult GetSize(const std::string& path, int64_t& size) = 0;
  // The file's size in bytes, or -1 when it cannot be read.
  int64_t SizeOf(const std::string& path) {
    int64_t size = -1;
    return GetSize(path, size).IsOk() ? size : -1;
  }
  // Reads up to count bytes from offset: fewer when the file ends first.
  virtual TFileResult ReadRange(const std::string& path, int64_t offset, int64_t count,
                                std::string& data) = 0;
  // True when path names an existing folder.
  virtual bool IsFolder(const std::string& path) = 0;
  // Creates one folder (its parent must exist); an existing folder is no failure.
  virtual TFileResult MakeFolder(const std::string& path) = 0;
};

// Replaces the file at path by data without ever leaving a half-written file
// there: data goes to a temporary file in the same folder ("<path>.tmp"), which
// replaces path only when it was written and flushed whole. On failure the
// temporary file is removed and path keeps its previous content.
TFileResult WriteFileReplacing(IFileSystem& fs, const std::string& path, const std::string& data);

// The file system stores use when given none. Natively the stdio one; the
// Win32 entry point installs its own at start-up. Null restores the default.
IFileSystem& DefaultFileSystem();
void SetDefaultFileSystem(IFileSystem* fs);

}  // namespace qv
