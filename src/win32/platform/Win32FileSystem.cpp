#include "platform/Win32FileSystem.h"

#include <windows.h>
#include <shlwapi.h>

#include <algorithm>

#include "platform/Win32Platform.h"

namespace qv::win {

namespace {

TFileResult LastFailure() {
  const DWORD code = GetLastError();
  const bool missing = code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND;
  TWin32ErrorPlatform texts;
  return TFileResult::Failure(missing ? TFileResult::NotFound : TFileResult::Failed, code,
                              texts.SystemErrorText(code));
}

struct THandle {
  HANDLE h;
  ~THandle() {
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  }
};

}  // namespace

bool TWin32FileSystem::FileExists(const std::string& path) {
  return !path.empty() && PathFileExistsA(path.c_str()) != FALSE;
}

TFileResult TWin32FileSystem::ReadWhole(const std::string& path, std::string& data) {
  data.clear();
  if (path.empty()) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return LastFailure();
  }
  THandle file{CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (file.h == INVALID_HANDLE_VALUE) return LastFailure();
  char buffer[65536];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file.h, buffer, sizeof buffer, &got, nullptr)) return LastFailure();
    if (got == 0) break;
    data.append(buffer, got);
  }
  return TFileResult::Success();
}

TFileResult TWin32FileSystem::WriteWhole(const std::string& path, const std::string& data) {
  THandle file{CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (file.h == INVALID_HANDLE_VALUE) return LastFailure();
  size_t done = 0;
  while (done < data.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(data.size() - done, 1u << 20));
    DWORD written = 0;
    if (!WriteFile(file.h, data.data() + done, chunk, &written, nullptr)) return LastFailure();
    if (written == 0) {
      SetLastError(ERROR_WRITE_FAULT);
      return LastFailure();
    }
    done += written;
  }
  if (!FlushFileBuffers(file.h)) return LastFailure();
  return TFileResult::Success();
}

TFileResult TWin32FileSystem::MoveReplacing(const std::string& source, const std::string& target) {
  if (!MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return LastFailure();
  return TFileResult::Success();
}

TFileResult TWin32FileSystem::Remove(const std::string& path) {
  if (!DeleteFileA(path.c_str())) return LastFailure();
  return TFileResult::Success();
}

bool TWin32FileSystem::IsReadOnly(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

TFileResult TWin32FileSystem::MakeNormal(const std::string& path) {
  if (!SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL)) return LastFailure();
  return TFileResult::Success();
}

int64_t TWin32FileSystem::SizeOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA info;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &info)) return -1;
  return (static_cast<int64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
}

TWin32FileSystem& Win32FileSystem() {
  static TWin32FileSystem fileSystem;
  return fileSystem;
}

void InstallWin32FileSystem() { SetDefaultFileSystem(&Win32FileSystem()); }

}  // namespace qv::win
