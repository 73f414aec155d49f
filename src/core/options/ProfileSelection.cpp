#include "options/ProfileSelection.h"

#include "options/MediaTitles.h"
#include "encoding/UnicodeText.h"
#include "paths/PathStrings.h"

namespace qv {

std::string GetFolderProfilePath(const std::string& bookPath) {
  return GetDirOfPath(bookPath) + DefaultProfileFileName;
}

std::string GetBookProfilePath(const std::string& bookPath) { return ChangeFileExt(bookPath, ".fsp"); }

bool IsProfileFileName(const std::string& path) { return SameText(ExtractFileExt(path), ".fsp"); }

std::string SelectBookProfile(const std::string& bookPath, bool keepProfile,
                              const std::string& currentProfile, const std::string& dataDir,
                              IFileProbe& files) {
  const std::string first = keepProfile ? currentProfile : GetBookProfilePath(bookPath);
  if (!first.empty() && files.FileExists(first)) return first;
  // Folder candidates only where there is a folder: a bare name would be looked
  // up in whatever the process's current folder happens to be.
  const std::string folder = GetDirOfPath(bookPath);
  if (!folder.empty()) {
    const std::string folderProfile = folder + DefaultProfileFileName;
    if (files.FileExists(folderProfile)) return folderProfile;
    const std::string parent = GetParentDir(folder);
    if (!parent.empty() && files.FileExists(parent + DefaultProfileFileName)) return parent + DefaultProfileFileName;
  }
  return GetDefaultProfilePath(dataDir);
}

TProfileTarget ProfileButtonTarget(TProfileButton button, const TMouseModifiers& m) {
  const bool none = !m.Shift && !m.Ctrl && !m.Alt && !m.DoubleClick;
  const bool ctrlOnly = m.Ctrl && !m.Shift && !m.Alt && !m.DoubleClick;
  const bool shiftOnly = m.Shift && !m.Ctrl && !m.Alt && !m.DoubleClick;
  if (none) return TProfileTarget::Current;
  if (ctrlOnly) return TProfileTarget::Default;
  if (shiftOnly) return TProfileTarget::BookFolder;
  return button == TProfileButton::Save ? TProfileTarget::Book : TProfileTarget::None;
}

std::string ProfileTargetFile(TProfileTarget target, const std::string& currentProfile,
                              const std::string& dataDir, const std::string& bookPath) {
  switch (target) {
    case TProfileTarget::Current: return currentProfile;
    case TProfileTarget::Default: return GetDefaultProfilePath(dataDir);
    case TProfileTarget::BookFolder: return GetFolderProfilePath(bookPath);
    case TProfileTarget::Book: return GetBookProfilePath(bookPath);
    case TProfileTarget::None: break;
  }
  return "";
}

}  // namespace qv
