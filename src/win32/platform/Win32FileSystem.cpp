#include "platform/Win32FileSystem.h"

#include <windows.h>
#include <shlwapi.h>

#include <algorithm>

#include "platform/ScopedHandle.h"
#include "platform/WideText.h"
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

}  // namespace

bool TWin32FileSystem::FileExists(const std::string& path) {
  return !path.empty() && PathFileExistsW(ToWide(path).c_str()) != FALSE;
}

TFileResult TWin32FileSystem::ReadWhole(const std::string& path, std::string& data) {
  data.clear();
  if (path.empty()) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return LastFailure();
  }
  TScopedHandle file{CreateFileW(ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (file.H == INVALID_HANDLE_VALUE) return LastFailure();
  char buffer[65536];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file.H, buffer, sizeof buffer, &got, nullptr)) return LastFailure();
    if (got == 0) break;
    data.append(buffer, got);
  }
  return TFileResult::Success();
}

TFileResult TWin32FileSystem::WriteWhole(const std::string& path, const std::string& data) {
  TScopedHandle file{CreateFileW(ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (file.H == INVALID_HANDLE_VALUE) return LastFailure();
  size_t done = 0;
  while (done < data.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(data.size() - done, 1u << 20));
    DWORD written = 0;
    if (!WriteFile(file.H, data.data() + done, chunk, &written, nullptr)) return LastFailure();
    if (written == 0) {
      SetLastError(ERROR_WRITE_FAULT);
      return LastFailure();
    }
    done += written;
  }
  if (!FlushFileBuffers(file.H)) return LastFailure();
  return TFileResult::Success();
}

TFileResult TWin32FileSystem::MoveReplacing(const std::string& source, const std::string& target) {
  if (!MoveFileExW(ToWide(source).c_str(), ToWide(target).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return LastFailure();
  return TFileResult::Success();
}

TFileResult TWin32FileSystem::Remove(const std::string& path) {
  if (!DeleteFileW(ToWide(path).c_str())) return LastFailure();
  return TFileResult::Success();
}

bool TWin32FileSystem::IsReadOnly(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(ToWide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

TFileResult TWin32FileSystem::MakeNormal(const std::string& path) {
  if (!SetFileAttributesW(ToWide(path).c_str(), FILE_ATTRIBUTE_NORMAL)) return LastFailure();
  return TFileResult::Success();
}

TFileResult TWin32FileSystem::GetSize(const std::string& path, int64_t& size) {
  WIN32_FILE_ATTRIBUTE_DATA info;
  if (!GetFileAttributesExW(ToWide(path).c_str(), GetFileExInfoStandard, &info)) return LastFailure();
  size = (static_cast<int64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  return TFileResult::Success();
}

TFileResult TWin32FileSystem::ReadRange(const std::string& path, int64_t offset, int64_t count,
                                        std::string& data) {
  data.clear();
  // Books may be open for writing in another program: they are shared both ways.
  TScopedHandle file{CreateFileW(ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr)};
  if (file.H == INVALID_HANDLE_VALUE) return LastFailure();
  LARGE_INTEGER at;
  at.QuadPart = offset;
  if (offset > 0 && !SetFilePointerEx(file.H, at, nullptr, FILE_BEGIN)) return LastFailure();
  data.resize(static_cast<size_t>(std::max<int64_t>(count, 0)));
  size_t done = 0;
  while (done < data.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(data.size() - done, 1u << 24));
    DWORD got = 0;
    if (!ReadFile(file.H, &data[done], chunk, &got, nullptr)) {
      const TFileResult failure = LastFailure();
      data.clear();
      return failure;
    }
    if (got == 0) break;
    done += got;
  }
  data.resize(done);
  return TFileResult::Success();
}

bool TWin32FileSystem::IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(ToWide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

TFileResult TWin32FileSystem::MakeFolder(const std::string& path) {
  if (CreateDirectoryW(ToWide(path).c_str(), nullptr)) return TFileResult::Success();
  const DWORD code = GetLastError();
  if (code == ERROR_ALREADY_EXISTS && IsFolder(path)) return TFileResult::Success();
  SetLastError(code);
  return LastFailure();
}

TWin32FileSystem& Win32FileSystem() {
  static TWin32FileSystem fileSystem;
  return fileSystem;
}

void InstallWin32FileSystem() { SetDefaultFileSystem(&Win32FileSystem()); }

}  // namespace qv::win
