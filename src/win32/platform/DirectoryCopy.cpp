#include "platform/DirectoryCopy.h"

#include <windows.h>

#include <functional>

#include "errors/Guard.h"
#include "paths/PathStrings.h"
#include "platform/FileServices.h"
#include "platform/WideText.h"

namespace qv::win {

namespace {

const char* const kFile = "Include/File";

// A failure inside a tree walk: recorded on the operation's local context,
// which stops the walk.
struct TWalk {
  TFunStatContext& Local;
  const char* Function;
  bool Fail(const std::string& description, const std::string& path1, int line,
            const std::string& path2 = "", DWORD code = GetLastError()) {
    Local.Raise(kFile, Function, code, description, path1, path2, Error, line);
    return false;
  }
};

bool IsDirectoryEntry(const WIN32_FIND_DATAW& found) {
  return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Calls visit(entry) for every entry of folder but "." and ".."; stops when
// visit answers false. Search failures are left to failed(description, code).
bool ForEachEntry(const std::string& folder, const std::function<bool(const WIN32_FIND_DATAW&)>& visit,
                  const std::function<bool(const char*, DWORD)>& failed) {
  WIN32_FIND_DATAW found;
  SetLastError(0);
  HANDLE search = FindFirstFileW(ToWide(CombinePath(folder, "*")).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return failed("Failed to find first file.", GetLastError());
  bool ok = true;
  do {
    const std::wstring_view name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    if (!visit(found)) {
      ok = false;
      break;
    }
    SetLastError(0);
  } while (FindNextFileW(search, &found));
  const DWORD code = GetLastError();
  FindClose(search);
  if (ok && code != ERROR_NO_MORE_FILES && code != 0) return failed("Failed to find next file.", code);
  return ok;
}

bool CopyTree(TWalk& walk, const std::string& source, const std::string& target, bool deleteSource) {
  if (!IsDirectory(target) && !CreateDirectoryW(ToWide(target).c_str(), nullptr))
    return walk.Fail("Failed to create directory.", target, __LINE__);
  const DWORD skipped = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_REPARSE_POINT;
  const bool copied = ForEachEntry(
      source,
      [&](const WIN32_FIND_DATAW& found) {
        if (found.dwFileAttributes & skipped) return true;
        const std::string from = CombinePath(source, FromWide(found.cFileName));
        const std::string to = CombinePath(target, FromWide(found.cFileName));
        if (IsDirectoryEntry(found)) return CopyTree(walk, from, to, deleteSource);
        ClearReadOnly(to);
        if (!CopyFileW(ToWide(from).c_str(), ToWide(to).c_str(), FALSE))
          return walk.Fail("Failed to copy file.", from, __LINE__, to);
        if (deleteSource) {
          ClearReadOnly(from);
          if (!DeleteFileW(ToWide(from).c_str())) return walk.Fail("Failed to delete file.", from, __LINE__);
        }
        return true;
      },
      [&](const char* description, DWORD code) {
        return walk.Fail(description, source, __LINE__, "", code);
      });
  // A moved folder goes when it is empty; one that keeps hidden files stays.
  if (copied && deleteSource) RemoveDirectoryW(ToWide(source).c_str());
  return copied;
}

// Deletes what it can below folder; answers whether everything went.
bool DeleteTree(const std::string& folder) {
  bool all = true;
  ForEachEntry(
      folder,
      [&](const WIN32_FIND_DATAW& found) {
        const std::string path = CombinePath(folder, FromWide(found.cFileName));
        if (found.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
          SetFileAttributesW(ToWide(path).c_str(), found.dwFileAttributes & ~FILE_ATTRIBUTE_READONLY);
        if (!IsDirectoryEntry(found)) {
          all = DeleteFileW(ToWide(path).c_str()) && all;
        } else {
          // A link to another folder is removed itself; what it points to is not touched.
          if (!(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) all = DeleteTree(path) && all;
          all = RemoveDirectoryW(ToWide(path).c_str()) && all;
        }
        return true;
      },
      [&](const char*, DWORD) { return all = false; });
  return all;
}

}  // namespace

bool MyCreateDirectory(const std::string& folder) {
  return Silent(QV_OP(kFile, "MyCreateDirectory", ""), [&](TFunStatContext& local) {
    TWalk walk{local, "MyCreateDirectory"};
    SetLastError(0);
    return IsDirectory(folder) || CreateDirectoryW(ToWide(folder).c_str(), nullptr) ||
           walk.Fail("Failed to create directory.", folder, __LINE__);
  });
}

bool CopyDeleteDirectory(const std::string& source, const std::string& target, bool deleteSource) {
  return Silent(QV_OP(kFile, "CopyDeleteDirectory", ""), [&](TFunStatContext& local) {
    TWalk walk{local, "CopyDeleteDirectory"};
    const std::string from = ExcludeTrailingBackslash(GetFullPath(source));
    const std::string to = ExcludeTrailingBackslash(GetFullPath(target));
    if (target.empty()) return walk.Fail("Empty destination name.", source, __LINE__, "", 0);
    // Copying a folder into itself would copy its own copy again, without end.
    if (IsPathPrefix(from, to))
      return walk.Fail("Failed to copy a directory into itself.", from, __LINE__, to, 0);
    return CopyTree(walk, from, to, deleteSource);
  });
}

bool MyRenameFile(const std::string& oldName, const std::string& newName) {
  return Silent(QV_OP(kFile, "MyRenameFile", ""), [&](TFunStatContext& local) {
    TWalk walk{local, "MyRenameFile"};
    if (newName.empty()) return walk.Fail("Empty destination name.", oldName, __LINE__, "", 0);
    ClearReadOnly(newName);
    SetLastError(0);
    if (MoveFileExW(ToWide(oldName).c_str(), ToWide(newName).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED))
      return true;
    return walk.Fail("Failed to rename.", oldName, __LINE__, newName);
  });
}

bool DeleteDirectoryNoErrors(const std::string& folder) {
  return Silent(QV_OP(kFile, "DeleteDirectoryNoErrors", ""), [&](TFunStatContext& local) {
    const std::string dir = ExcludeTrailingBackslash(folder);
    if (dir.empty() || !IsDirectory(dir)) return true;
    SetLastError(0);
    if (DeleteTree(dir) && RemoveDirectoryW(ToWide(dir).c_str())) return true;
    local.Raise(kFile, "DeleteDirectoryNoErrors", GetLastError(), "Some files could not be deleted.",
                folder, "", Warning, __LINE__);
    return false;
  });
}

uint64_t FolderSize(const std::string& folder) {
  uint64_t total = 0;
  ForEachEntry(
      folder,
      [&](const WIN32_FIND_DATAW& found) {
        if (!IsDirectoryEntry(found))
          total += (static_cast<uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
        else if (!(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
          total += FolderSize(CombinePath(folder, FromWide(found.cFileName)));
        return true;
      },
      [](const char*, DWORD) { return false; });
  return total;
}

}  // namespace qv::win
