// Windows path strings taken apart and put together, with no system calls.
// Paths use back-slashes; a bare drive is a text of at least two characters
// that ends in ":" (such as "C:"). Names compare without regard to case.
#pragma once
#include <string>

namespace qv {

bool IsDriveOnly(const std::string& path);
// Appends a back-slash unless the path ends in one; an empty path stays empty.
std::string IncludeTrailingBackslash(const std::string& path);
// Drops one final back-slash.
std::string ExcludeTrailingBackslash(const std::string& path);
// Empty for a bare drive; otherwise everything up to and including the last
// back-slash or colon ("C:\Books\Tale.txt" -> "C:\Books\"; "C:\Books\" -> itself).
std::string GetDirOfPath(const std::string& path);
// A bare drive unchanged; otherwise what follows the last back-slash or colon.
std::string GetNameOfPath(const std::string& path);
// The folder that holds a folder: "C:\Books\Poe\" and "C:\Books\Poe" give
// "C:\Books\"; the root of a drive ("C:\") and a bare drive have none ("").
std::string GetParentDir(const std::string& folder);
// Folder + name, with one back-slash between; an empty folder gives the name.
std::string CombinePath(const std::string& folder, const std::string& name);

// True when both are non-empty, folder matches the start of path and either the
// lengths are equal, folder ends with a back-slash, or path continues with one.
bool IsPathPrefix(const std::string& folder, const std::string& path);
// When path lies strictly inside folder, sets relative to the part of path
// below the folder ("C:\A\" or "C:\A" with "C:\A\b\c.txt" gives "b\c.txt").
bool GetPathInside(const std::string& folder, const std::string& path, std::string& relative);

// The extension of the file-name part with its dot (".txt"), or "".
std::string ExtractFileExt(const std::string& path);
// Replaces the extension of the file-name part (or appends ext when there is none).
std::string ChangeFileExt(const std::string& path, const std::string& ext);
// The file-name part without its extension ("C:\A\Tale.txt" -> "Tale").
std::string GetNameWithoutExt(const std::string& path);

// Resolves "." and ".." components and collapses doubled back-slashes, keeping
// a drive root ("C:\"), a network root ("\\server\share\") or a leading
// back-slash as the root; ".." never climbs above a root. A trailing
// back-slash stays. Relative paths keep ".." components they cannot resolve.
std::string ExpandDots(const std::string& path);
// True when a and b name the same file or folder as written: without regard
// to case, with "." and ".." resolved and a trailing back-slash ignored. An
// empty a names nothing.
bool SamePath(const std::string& a, const std::string& b);

// How parameters reach a started program: "" when there are none, else a
// blank and the text, or with quoting a blank and the text in double quotes.
std::string RunFileParameters(const std::string& parameters, bool quote);

}  // namespace qv
