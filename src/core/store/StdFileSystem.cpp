#include "store/StdFileSystem.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace qv {

namespace fs = std::filesystem;

namespace {

TFileResult FromErrno(int code) {
  const bool missing = code == ENOENT || code == ENOTDIR;
  return TFileResult::Failure(missing ? TFileResult::NotFound : TFileResult::Failed,
                              static_cast<uint32_t>(code), std::strerror(code));
}

TFileResult FromErrorCode(const std::error_code& ec) {
  if (!ec) return TFileResult::Success();
  return TFileResult::Failure(TFileResult::Failed, static_cast<uint32_t>(ec.value()), ec.message());
}

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

bool TStdFileSystem::FileExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::exists(fs::path(path), ec);
}

TFileResult TStdFileSystem::ReadWhole(const std::string& path, std::string& data) {
  data.clear();
  if (path.empty()) return FromErrno(ENOENT);
  std::error_code ec;
  if (fs::is_directory(fs::path(path), ec)) return FromErrno(EISDIR);
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return FromErrno(errno);
  char buffer[65536];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) data.append(buffer, got);
  if (std::ferror(file.get())) return FromErrno(errno ? errno : EIO);
  return TFileResult::Success();
}

TFileResult TStdFileSystem::WriteWhole(const std::string& path, const std::string& data) {
  if (path.empty()) return FromErrno(ENOENT);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return FromErrno(errno);
  bool ok = std::fwrite(data.data(), 1, data.size(), file) == data.size();
  ok = ok && std::fflush(file) == 0;
#ifdef _WIN32
  ok = ok && _commit(_fileno(file)) == 0;
#else
  ok = ok && fsync(fileno(file)) == 0;
#endif
  const int code = ok ? 0 : (errno ? errno : EIO);
  if (std::fclose(file) != 0 && ok) return FromErrno(errno ? errno : EIO);
  return ok ? TFileResult::Success() : FromErrno(code);
}

TFileResult TStdFileSystem::MoveReplacing(const std::string& source, const std::string& target) {
  std::error_code ec;
  fs::rename(fs::path(source), fs::path(target), ec);
  return FromErrorCode(ec);
}

TFileResult TStdFileSystem::Remove(const std::string& path) {
  std::error_code ec;
  fs::remove(fs::path(path), ec);
  return FromErrorCode(ec);
}

bool TStdFileSystem::IsReadOnly(const std::string& path) {
  std::error_code ec;
  const fs::file_status status = fs::status(fs::path(path), ec);
  return !ec && fs::exists(status) && (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

TFileResult TStdFileSystem::MakeNormal(const std::string& path) {
  std::error_code ec;
  fs::permissions(fs::path(path), fs::perms::owner_write, fs::perm_options::add, ec);
  return FromErrorCode(ec);
}

TFileResult TStdFileSystem::GetSize(const std::string& path, int64_t& size) {
  std::error_code ec;
  const auto bytes = fs::file_size(fs::path(path), ec);
  if (ec) return FromErrno(ec.value());
  size = static_cast<int64_t>(bytes);
  return TFileResult::Success();
}

TFileResult TStdFileSystem::ReadRange(const std::string& path, int64_t offset, int64_t count,
                                      std::string& data) {
  data.clear();
  if (path.empty()) return FromErrno(ENOENT);
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return FromErrno(errno);
  if (offset > 0 && std::fseek(file.get(), static_cast<long>(offset), SEEK_SET) != 0)
    return FromErrno(errno ? errno : EIO);
  data.resize(static_cast<size_t>(std::max<int64_t>(count, 0)));
  const size_t got = data.empty() ? 0 : std::fread(&data[0], 1, data.size(), file.get());
  if (std::ferror(file.get())) {
    data.clear();
    return FromErrno(errno ? errno : EIO);
  }
  data.resize(got);
  return TFileResult::Success();
}

bool TStdFileSystem::IsFolder(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_directory(fs::path(path), ec);
}

TFileResult TStdFileSystem::MakeFolder(const std::string& path) {
  if (path.empty()) return FromErrno(ENOENT);
  std::error_code ec;
  fs::create_directory(fs::path(path), ec);
  return FromErrorCode(ec);
}

}  // namespace qv
