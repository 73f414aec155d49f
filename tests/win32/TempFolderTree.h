// A folder tree of its own under the temporary folder, for tests that list
// real folders: made empty, filled by the test, removed afterwards. Names are
// UTF-8, as every name of the program.
#pragma once
#include <windows.h>

#include <string>

#include "WineTestSupport.h"
#include "platform/FileServices.h"
#include "platform/WideText.h"

namespace qv::testing {

class TempTree {
 public:
  explicit TempTree(const std::string& name = "qv-browser-")
      : root_(win::GetTempPathA() + name + std::to_string(GetCurrentProcessId()) + "\\") {
    Remove(root_);
    CreateDirectoryW(win::ToWide(root_).c_str(), nullptr);
  }
  ~TempTree() { Remove(root_); }
  const std::string& Root() const { return root_; }
  std::string Folder(const std::string& name, DWORD attributes = 0) const {
    const std::string path = root_ + name;
    CreateDirectoryW(win::ToWide(path).c_str(), nullptr);
    if (attributes) SetFileAttributesW(win::ToWide(path).c_str(), attributes);
    return path + "\\";
  }
  std::string File(const std::string& name, DWORD attributes = 0, const std::string& bytes = "x") const {
    const std::string path = WriteTestFile(root_ + name, bytes);
    if (attributes) SetFileAttributesW(win::ToWide(path).c_str(), attributes);
    return path;
  }
  static void Remove(const std::string& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(win::ToWide(folder + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring path = win::ToWide(folder) + name;
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) Remove(win::FromWide(path) + "\\");
        else DeleteFileW(path.c_str());
      } while (FindNextFileW(search, &found));
      FindClose(search);
    }
    SetFileAttributesW(win::ToWide(folder).c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(win::ToWide(folder).c_str());
  }

 private:
  std::string root_;
};

}  // namespace qv::testing
