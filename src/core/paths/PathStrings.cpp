#include "paths/PathStrings.h"

#include <vector>

#include "encoding/UnicodeText.h"

namespace qv {

namespace {

size_t LastSeparator(const std::string& path) { return path.find_last_of("\\:"); }

// Length of the root of path: "C:\" 3, "C:" 2, "\\server\share\" up to and
// including the back-slash after the share, "\" 1, none 0.
size_t RootLength(const std::string& path) {
  if (path.size() >= 2 && path[1] == ':') return (path.size() >= 3 && path[2] == '\\') ? 3 : 2;
  if (path.compare(0, 2, "\\\\") == 0) {
    size_t server = path.find('\\', 2);
    if (server == std::string::npos) return path.size();
    size_t share = path.find('\\', server + 1);
    return share == std::string::npos ? path.size() : share + 1;
  }
  return (!path.empty() && path[0] == '\\') ? 1 : 0;
}

}  // namespace

bool IsDriveOnly(const std::string& path) { return path.size() >= 2 && path.back() == ':'; }

std::string IncludeTrailingBackslash(const std::string& path) {
  if (path.empty() || path.back() == '\\') return path;
  return path + '\\';
}

std::string ExcludeTrailingBackslash(const std::string& path) {
  if (!path.empty() && path.back() == '\\') return path.substr(0, path.size() - 1);
  return path;
}

std::string GetDirOfPath(const std::string& path) {
  if (IsDriveOnly(path)) return "";
  const size_t pos = LastSeparator(path);
  return pos == std::string::npos ? "" : path.substr(0, pos + 1);
}

std::string GetNameOfPath(const std::string& path) {
  if (IsDriveOnly(path)) return path;
  const size_t pos = LastSeparator(path);
  return pos == std::string::npos ? path : path.substr(pos + 1);
}

std::string GetParentDir(const std::string& folder) {
  const std::string trimmed = ExcludeTrailingBackslash(folder);
  if (trimmed.empty() || IsDriveOnly(trimmed)) return "";
  return GetDirOfPath(trimmed);
}

std::string CombinePath(const std::string& folder, const std::string& name) {
  return IncludeTrailingBackslash(folder) + name;
}

bool IsPathPrefix(const std::string& folder, const std::string& path) {
  if (folder.empty() || path.empty() || !StartsText(folder, path)) return false;
  return folder.size() == path.size() || folder.back() == '\\' || path[folder.size()] == '\\';
}

bool GetPathInside(const std::string& folder, const std::string& path, std::string& relative) {
  if (!IsPathPrefix(folder, path)) return false;
  size_t start = folder.size();
  if (folder.back() != '\\') ++start;  // skip the back-slash that follows the folder
  if (start >= path.size()) return false;
  relative = path.substr(start);
  return true;
}

std::string ExtractFileExt(const std::string& path) {
  const std::string name = GetNameOfPath(path);
  if (IsDriveOnly(path)) return "";
  const size_t dot = name.rfind('.');
  return dot == std::string::npos ? "" : name.substr(dot);
}

std::string ChangeFileExt(const std::string& path, const std::string& ext) {
  const size_t sep = LastSeparator(path);
  const size_t dot = path.rfind('.');
  if (dot != std::string::npos && (sep == std::string::npos || dot > sep))
    return path.substr(0, dot) + ext;
  return path + ext;
}

std::string GetNameWithoutExt(const std::string& path) {
  const std::string name = GetNameOfPath(path);
  if (IsDriveOnly(path)) return name;
  const size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string ExpandDots(const std::string& path) {
  const size_t rootLength = RootLength(path);
  const std::string root = path.substr(0, rootLength);
  std::vector<std::string> parts;
  size_t start = rootLength;
  while (start <= path.size()) {
    size_t end = path.find('\\', start);
    if (end == std::string::npos) end = path.size();
    const std::string part = path.substr(start, end - start);
    if (part == "..") {
      if (!parts.empty() && parts.back() != "..")
        parts.pop_back();
      else if (rootLength == 0)
        parts.push_back(part);  // a relative path keeps what it cannot resolve
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  std::string out = root;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) out += '\\';
    out += parts[i];
  }
  const bool trailing = path.size() > rootLength && path.back() == '\\';
  if (trailing && !parts.empty()) out += '\\';
  return out;
}

bool SamePath(const std::string& a, const std::string& b) {
  return !a.empty() && SameText(ExcludeTrailingBackslash(ExpandDots(a)), ExcludeTrailingBackslash(ExpandDots(b)));
}

std::string RunFileParameters(const std::string& parameters, bool quote) {
  if (parameters.empty()) return "";
  return quote ? " \"" + parameters + "\"" : " " + parameters;
}

}  // namespace qv
