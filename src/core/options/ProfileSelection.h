// Which profile file a book opens with, and which file the profile buttons'
// dialogs start from.
#pragma once
#include <string>

#include "paths/FileProbe.h"

namespace qv {

// The profile for a newly opened book, most specific first: the current
// profile when keepProfile is set, else the book's own profile (its path with
// ".fsp"); then "QuenvalisProfile.fsp" in the book's folder; then in the parent
// of that folder; else the default profile in the data folder, whether or
// not it exists. A book in the root of a drive has no parent-folder candidate.
std::string SelectBookProfile(const std::string& bookPath, bool keepProfile,
                              const std::string& currentProfile, const std::string& dataDir,
                              IFileProbe& files);

// "QuenvalisProfile.fsp" in the folder of the book (the folder profile).
std::string GetFolderProfilePath(const std::string& bookPath);
// The book's own profile: its path with the extension ".fsp".
std::string GetBookProfilePath(const std::string& bookPath);
// True when the path has the extension ".fsp" (without regard to case); other
// choices are refused with the warning "Invalid file extensions.".
bool IsProfileFileName(const std::string& path);

enum class TProfileButton { Load, Save, Delete };

struct TMouseModifiers {
  bool Shift = false;
  bool Ctrl = false;
  bool Alt = false;
  bool DoubleClick = false;  // the second press of a double-click counts as a modifier
};

enum class TProfileTarget { None, Current, Default, BookFolder, Book };

// Load and Delete act with no modifier (current profile), Ctrl alone (default
// profile) or Shift alone (folder profile of the open book) and do nothing
// otherwise; Save takes the same three and the book's own profile for any
// other combination.
TProfileTarget ProfileButtonTarget(TProfileButton button, const TMouseModifiers& modifiers);
// The dialog's initial file for a target ("" for None).
std::string ProfileTargetFile(TProfileTarget target, const std::string& currentProfile,
                              const std::string& dataDir, const std::string& bookPath);

}  // namespace qv
