// A folder tree of its own under the temporary folder, for tests that list
// real folders: made empty, filled by the test, removed afterwards.
#pragma once
#include <windows.h>

#include <fstream>
#include <string>

#include "platform/FileServices.h"

namespace qv::testing {

class TempTree {
 public:
  explicit TempTree(const std::string& name = "qv-browser-")
      : root_(win::GetTempPathA() + name + std::to_string(GetCurrentProcessId()) + "\\") {
    Remove(root_);
    CreateDirectoryA(root_.c_str(), nullptr);
  }
  ~TempTree() { Remove(root_); }
  const std::string& Root() const { return root_; }
  std::string Folder(const std::string& name, DWORD attributes = 0) const {
    const std::string path = root_ + name;
    CreateDirectoryA(path.c_str(), nullptr);
    if (attributes) SetFileAttributesA(path.c_str(), attributes);
    return path + "\\";
  }
  std::string File(const std::string& name, DWORD attributes = 0, const std::string& bytes = "x") const {
    const std::string path = root_ + name;
    std::ofstream(path, std::ios::binary) << bytes;
    if (attributes) SetFileAttributesA(path.c_str(), attributes);
    return path;
  }
  static void Remove(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        const std::string path = folder + name;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) Remove(path + "\\");
        else DeleteFileA(path.c_str());
      } while (FindNextFileA(search, &found));
      FindClose(search);
    }
    SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryA(folder.c_str());
  }

 private:
  std::string root_;
};

}  // namespace qv::testing
