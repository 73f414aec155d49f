#include "pictures/BackImageRules.h"

#include "paths/PathStrings.h"
#include "util/AsciiText.h"

namespace qv {

std::string JoinPictureExtensions(const std::vector<std::string>& decoderPatterns) {
  std::string list;
  for (const std::string& patterns : decoderPatterns) {
    if (!list.empty()) list += ';';
    list += patterns;
  }
  for (char& c : list) c = LowerAscii(c);
  return list;
}

namespace {

// Whole-text wildcard match of name against pattern[0, length).
bool MatchWildcards(const char* name, const char* pattern, size_t length) {
  const char* star = nullptr;  // the last "*" seen, and where it resumed in name
  const char* resume = nullptr;
  const char* const end = pattern + length;
  while (*name) {
    if (pattern < end && *pattern == '*') {
      star = pattern++;
      resume = name;
    } else if (pattern < end && (*pattern == '?' || LowerAscii(*pattern) == LowerAscii(*name))) {
      ++pattern;
      ++name;
    } else if (star) {
      pattern = star + 1;
      name = ++resume;
    } else {
      return false;
    }
  }
  while (pattern < end && *pattern == '*') ++pattern;
  return pattern == end;
}

}  // namespace

bool MatchesPictureExtensions(const std::string& path, const std::string& extensions) {
  if (extensions.empty()) return true;
  size_t start = 0;
  while (start <= extensions.size()) {
    size_t stop = extensions.find(';', start);
    if (stop == std::string::npos) stop = extensions.size();
    size_t first = start;
    while (first < stop && extensions[first] == ' ') ++first;
    if (first < stop && MatchWildcards(path.c_str(), extensions.data() + first, stop - first))
      return true;
    start = stop + 1;
  }
  return false;
}

bool PictureFileLoads(const std::string& path, const std::string& extensions, IFileProbe& files) {
  return !path.empty() && MatchesPictureExtensions(path, extensions) && files.FileExists(path);
}

const char* const PictureDecodeFailure = "Failed to decode image.";
const char* const PictureSizeFailure = "Failed to get image size.";

bool IsPictureFileFault(const std::string& description) {
  return description == PictureDecodeFailure || description == PictureSizeFailure;
}

bool MayRunPicture(const std::string& path, const std::string& extensions) {
  return !extensions.empty() && MatchesPictureExtensions(path, extensions);
}

std::string PictureDialogFilter(const std::string& extensions) {
  return "Images (" + extensions + ")|" + extensions;
}

std::string ImageDialogFileName(const TLoadModifiers& keys, const std::string& backImagesDir,
                                const std::string& bookFileName, const std::string& imagePath) {
  if (keys.Ctrl && !keys.Shift && !keys.Alt) return IncludeTrailingBackslash(backImagesDir) + "*";
  if (keys.Shift && !keys.Ctrl && !keys.Alt) return GetDirOfPath(bookFileName) + "*";
  return imagePath;
}

TRichBackground ChooseRichBackground(const TRichBackgroundState& s) {
  if (s.Transparent) return s.HasScreenPicture ? TRichBackground::ScreenThrough : TRichBackground::Color;
  return s.HasRichPicture && s.UseRichPicture ? TRichBackground::Picture : TRichBackground::Color;
}

}  // namespace qv
