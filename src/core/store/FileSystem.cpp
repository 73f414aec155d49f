#include "store/FileSystem.h"

#include "store/StdFileSystem.h"

namespace qv {

TFileResult WriteFileReplacing(IFileSystem& fs, const std::string& path, const std::string& data) {
  const std::string temp = path + ".tmp";
  TFileResult result = fs.WriteWhole(temp, data);
  if (result.IsOk()) result = fs.MoveReplacing(temp, path);
  if (!result.IsOk()) fs.Remove(temp);  // best effort; the old file is what matters
  return result;
}

namespace {
IFileSystem* installedFileSystem = nullptr;
}

IFileSystem& DefaultFileSystem() {
  static TStdFileSystem stdFileSystem;
  return installedFileSystem ? *installedFileSystem : stdFileSystem;
}

void SetDefaultFileSystem(IFileSystem* fs) { installedFileSystem = fs; }

}  // namespace qv
