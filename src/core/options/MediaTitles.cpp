#include "options/MediaTitles.h"

#include "encoding/UnicodeText.h"
#include "paths/PathStrings.h"

namespace qv {

const char* const DefaultScreenImageName = "DefaultScreen.bmp";
const char* const DefaultRichImageName = "DefaultRich.bmp";
const char* const DefaultSoundName = "Default.wav";

bool IsWaveFileName(const std::string& path) {
  const std::string ext = ExtractFileExt(path);
  return SameText(ext, ".wav") || SameText(ext, ".wave");
}

namespace {

std::string TitleOf(const std::string& path, const TMediaFolders& folders, const std::string& mediaDir) {
  if (path.empty()) return "";
  std::string relative;
  const std::string defaultProfile =
      GetDefaultProfilePath(folders.DataDir.empty() ? folders.ProgramDir : folders.DataDir);
  if (!SameText(folders.ProfileFile, defaultProfile) &&
      GetPathInside(GetDirOfPath(folders.ProfileFile), path, relative))
    return relative;
  if (GetPathInside(mediaDir, path, relative)) return relative;
  return path;
}

std::string PathOf(const std::string& title, const TMediaFolders& folders, const std::string& mediaDir,
                   IFileProbe& files) {
  if (title.empty()) return "";
  if (title.find(':') != std::string::npos) return title;
  const std::string profileDir = GetDirOfPath(folders.ProfileFile);
  if (!profileDir.empty()) {
    const std::string inProfileDir = ExpandDots(profileDir + title);
    if (files.FileExists(inProfileDir)) return inProfileDir;
  }
  const std::string inMediaDir = ExpandDots(mediaDir + title);
  if (files.FileExists(inMediaDir)) return inMediaDir;
  return mediaDir + "*";
}

}  // namespace

std::string GetBackImagesDir(const std::string& programDir) {
  return IncludeTrailingBackslash(CombinePath(programDir, "BackImages"));
}

std::string GetBackSoundsDir(const std::string& programDir) {
  return IncludeTrailingBackslash(CombinePath(programDir, "BackSounds"));
}

std::string GetDefaultProfilePath(const std::string& dataDir) {
  return CombinePath(dataDir, DefaultProfileFileName);
}

std::string GetImageTitle(const std::string& path, const TMediaFolders& folders) {
  return TitleOf(path, folders, GetBackImagesDir(folders.ProgramDir));
}

std::string GetSoundTitle(const std::string& path, const TMediaFolders& folders) {
  return TitleOf(path, folders, GetBackSoundsDir(folders.ProgramDir));
}

std::string GetImagePath(const std::string& title, const TMediaFolders& folders, IFileProbe& files) {
  return PathOf(title, folders, GetBackImagesDir(folders.ProgramDir), files);
}

std::string GetSoundPath(const std::string& title, const TMediaFolders& folders, IFileProbe& files) {
  return PathOf(title, folders, GetBackSoundsDir(folders.ProgramDir), files);
}

std::string NormaliseMediaTitle(const std::string& title, const std::string& defaultName) {
  if (!GetDirOfPath(title).empty()) return title;
  return SameText(GetNameWithoutExt(title), GetNameWithoutExt(defaultName)) ? defaultName : title;
}

}  // namespace qv
