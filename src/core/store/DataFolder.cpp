#include "store/DataFolder.h"

#include "paths/PathStrings.h"

namespace qv {

const char* const OptionsFileName = "Quenvalis.ini";
const char* const DefaultProfileFileName = "QuenvalisProfile.fsp";
const char* const ErrorLogFileName = "Errors.log";

namespace {
const char* const kProbeName = "~Quenvalis-write-test.tmp";
}  // namespace

bool CanWriteInFolder(IFileSystem& fs, const std::string& folder) {
  const std::string probe = CombinePath(folder, kProbeName);
  if (!fs.WriteWhole(probe, "").IsOk()) {
    fs.Remove(probe);  // a failed write may still have left the file behind
    return false;
  }
  fs.Remove(probe);
  return true;
}

TDataFolder ChooseDataFolder(IFileSystem& fs, const std::string& programDir, const std::string& userDir) {
  TDataFolder data;
  const std::string program = IncludeTrailingBackslash(programDir);
  if (userDir.empty() || CanWriteInFolder(fs, program)) {
    data.Folder = program;
    data.InProgramFolder = true;
    return data;
  }
  data.Folder = IncludeTrailingBackslash(userDir);
  if (!fs.IsFolder(data.Folder)) {
    data.FolderFailure = fs.MakeFolder(ExcludeTrailingBackslash(data.Folder));
    if (!data.FolderFailure.IsOk()) return data;
  }
  // A file the user's folder lacks comes from the program folder, where an
  // earlier version (or a reader with more rights) kept it.
  for (const char* name : {OptionsFileName, DefaultProfileFileName}) {
    const std::string target = data.Folder + name;
    const std::string source = program + name;
    if (fs.FileExists(target) || !fs.FileExists(source)) continue;
    std::string bytes;
    TFileResult result = fs.ReadWhole(source, bytes);
    if (result.IsOk()) result = WriteFileReplacing(fs, target, bytes);
    if (result.IsOk()) data.Copied.push_back(name);
    else data.FailedCopies.push_back({source, target, result});
  }
  return data;
}

}  // namespace qv
