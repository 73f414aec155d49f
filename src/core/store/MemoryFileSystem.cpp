#include "store/MemoryFileSystem.h"

#include <algorithm>

#include "encoding/UnicodeText.h"
#include "paths/PathStrings.h"

namespace qv {

namespace {

TFileResult Fail(TFileResult::TKind kind, uint32_t code) {
  const char* text = code == TMemoryFileSystem::ErrorFileNotFound ? "The system cannot find the file specified."
                     : code == TMemoryFileSystem::ErrorAccessDenied ? "Access is denied."
                                                                     : "There is not enough space on the disk.";
  return TFileResult::Failure(kind, code, text);
}

}  // namespace

std::string TMemoryFileSystem::Key(const std::string& path) {
  return UpperCase(ExcludeTrailingBackslash(path));
}

const TMemoryFileSystem::TFile* TMemoryFileSystem::Find(const std::string& path) const {
  const auto it = files_.find(Key(path));
  return it == files_.end() ? nullptr : &it->second;
}

void TMemoryFileSystem::PutFile(const std::string& path, const std::string& data, bool readOnly) {
  files_[Key(path)] = TFile{data, readOnly};
}

std::string TMemoryFileSystem::Content(const std::string& path) const {
  const TFile* file = Find(path);
  return file ? file->Data : std::string();
}

bool TMemoryFileSystem::HasFile(const std::string& path) const { return Find(path) != nullptr; }

void TMemoryFileSystem::AddFolder(const std::string& path) { folders_[Key(path)] = true; }

void TMemoryFileSystem::DenyWritesIn(const std::string& folder) {
  AddFolder(folder);
  denied_[Key(folder)] = true;
}

bool TMemoryFileSystem::WriteDenied(const std::string& path) const {
  return denied_.count(Key(GetDirOfPath(ExcludeTrailingBackslash(path)))) > 0;
}

bool TMemoryFileSystem::FileExists(const std::string& path) {
  return !path.empty() && (Find(path) != nullptr || folders_.count(Key(path)) > 0);
}

TFileResult TMemoryFileSystem::ReadWhole(const std::string& path, std::string& data) {
  data.clear();
  const TFile* file = Find(path);
  if (!file) return Fail(TFileResult::NotFound, ErrorFileNotFound);
  if (FailReads) return Fail(TFileResult::Failed, ErrorAccessDenied);
  data = file->Data;
  return TFileResult::Success();
}

TFileResult TMemoryFileSystem::WriteWhole(const std::string& path, const std::string& data) {
  if (path.empty()) return Fail(TFileResult::NotFound, ErrorFileNotFound);
  const TFile* existing = Find(path);
  if ((existing && existing->ReadOnly) || WriteDenied(path)) return Fail(TFileResult::Failed, ErrorAccessDenied);
  ++writes_;
  TFile& file = files_[Key(path)];
  file.ReadOnly = false;
  if (WriteFailsAfter >= 0 && static_cast<uint64_t>(WriteFailsAfter) < data.size()) {
    file.Data = data.substr(0, static_cast<size_t>(WriteFailsAfter));
    return Fail(TFileResult::Failed, ErrorDiskFull);
  }
  file.Data = data;
  return TFileResult::Success();
}

TFileResult TMemoryFileSystem::MoveReplacing(const std::string& source, const std::string& target) {
  const auto from = files_.find(Key(source));
  if (from == files_.end()) return Fail(TFileResult::NotFound, ErrorFileNotFound);
  const TFile* existing = Find(target);
  if (FailMoves || (existing && existing->ReadOnly) || WriteDenied(source) || WriteDenied(target))
    return Fail(TFileResult::Failed, ErrorAccessDenied);
  TFile moved = from->second;
  files_.erase(from);
  files_[Key(target)] = moved;
  return TFileResult::Success();
}

TFileResult TMemoryFileSystem::Remove(const std::string& path) {
  const auto it = files_.find(Key(path));
  if (it == files_.end()) return Fail(TFileResult::NotFound, ErrorFileNotFound);
  if (it->second.ReadOnly || WriteDenied(path)) return Fail(TFileResult::Failed, ErrorAccessDenied);
  files_.erase(it);
  return TFileResult::Success();
}

bool TMemoryFileSystem::IsReadOnly(const std::string& path) {
  const TFile* file = Find(path);
  return file && file->ReadOnly;
}

TFileResult TMemoryFileSystem::MakeNormal(const std::string& path) {
  const auto it = files_.find(Key(path));
  if (it == files_.end()) return Fail(TFileResult::NotFound, ErrorFileNotFound);
  it->second.ReadOnly = false;
  return TFileResult::Success();
}

TFileResult TMemoryFileSystem::GetSize(const std::string& path, int64_t& size) {
  const TFile* file = Find(path);
  if (!file) return Fail(TFileResult::NotFound, ErrorFileNotFound);
  size = static_cast<int64_t>(file->Data.size());
  return TFileResult::Success();
}

TFileResult TMemoryFileSystem::ReadRange(const std::string& path, int64_t offset, int64_t count,
                                         std::string& data) {
  data.clear();
  const TFile* file = Find(path);
  if (!file) return Fail(TFileResult::NotFound, ErrorFileNotFound);
  if (FailReads) return Fail(TFileResult::Failed, ErrorAccessDenied);
  const int64_t size = static_cast<int64_t>(file->Data.size());
  if (offset < size && count > 0)
    data = file->Data.substr(static_cast<size_t>(offset), static_cast<size_t>(std::min(count, size - offset)));
  return TFileResult::Success();
}

bool TMemoryFileSystem::IsFolder(const std::string& path) { return folders_.count(Key(path)) > 0; }

TFileResult TMemoryFileSystem::MakeFolder(const std::string& path) {
  if (path.empty() || Find(path)) return Fail(TFileResult::Failed, ErrorAccessDenied);
  if (IsFolder(path)) return TFileResult::Success();
  if (WriteDenied(path)) return Fail(TFileResult::Failed, ErrorAccessDenied);
  AddFolder(path);
  return TFileResult::Success();
}

}  // namespace qv
