// Media titles: how a profile names its background images and sounds. A file
// inside the profile's folder (for a profile other than the default one, which
// lives in the data folder) is
// named relative to that folder, a file inside the program's default media
// folder ("BackImages\" or "BackSounds\") relative to that, any other file by
// its full path. A title is turned back into a path by looking in the profile
// folder, then in the default media folder.
#pragma once
#include <string>

#include "paths/FileProbe.h"
#include "store/DataFolder.h"  // DefaultProfileFileName

namespace qv {

struct TMediaFolders {
  std::string ProgramDir;   // the program's folder (a trailing back-slash is optional)
  std::string ProfileFile;  // the current profile's path
  std::string DataDir;      // the data folder, home of the default profile; "" is ProgramDir
};

extern const char* const DefaultScreenImageName;  // "DefaultScreen.bmp"
extern const char* const DefaultRichImageName;    // "DefaultRich.bmp"
extern const char* const DefaultSoundName;        // "Default.wav"
// A wave sound's name: ".wav" or ".wave", without regard to case.
bool IsWaveFileName(const std::string& path);

std::string GetBackImagesDir(const std::string& programDir);  // "<program>\BackImages\"
std::string GetBackSoundsDir(const std::string& programDir);  // "<program>\BackSounds\"
// "QuenvalisProfile.fsp" in the data folder.
std::string GetDefaultProfilePath(const std::string& dataDir);

std::string GetImageTitle(const std::string& path, const TMediaFolders& folders);
std::string GetSoundTitle(const std::string& path, const TMediaFolders& folders);
// Full path of a title: unchanged when it holds ":"; the file in the profile
// folder or else in the default media folder when it exists; otherwise the
// default media folder followed by "*" (any file of that folder).
std::string GetImagePath(const std::string& title, const TMediaFolders& folders, IFileProbe& files);
std::string GetSoundPath(const std::string& title, const TMediaFolders& folders, IFileProbe& files);

// A title without a folder part whose name without extension equals that of
// defaultName (without regard to case) becomes defaultName exactly
// ("defaultscreen.jpg" -> "DefaultScreen.bmp"); other titles stay.
std::string NormaliseMediaTitle(const std::string& title, const std::string& defaultName);

}  // namespace qv
