// The settings store's file system over the kernel's ANSI file functions:
// paths are code-page 1252 bytes handed to the system as they are.
#pragma once
#include "store/FileSystem.h"

namespace qv::win {

class TWin32FileSystem : public IFileSystem {
 public:
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
};

// The one instance the program installs as the stores' default file system.
TWin32FileSystem& Win32FileSystem();
void InstallWin32FileSystem();

}  // namespace qv::win
