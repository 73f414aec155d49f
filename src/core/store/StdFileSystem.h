// The file system through the C++ standard library and stdio. Paths are handed
// to the library as they are: right for native builds; the Win32 side uses its
// own implementation, because there narrow paths would be taken as UTF-8.
#pragma once
#include "store/FileSystem.h"

namespace qv {

class TStdFileSystem : public IFileSystem {
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

}  // namespace qv
