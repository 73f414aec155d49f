// The reader's data folder: where the options file, the default profile and
// the error log live. It is the program's own folder when the program can
// write there (a copy on a stick or in the user's own folder works as it
// always did, with the files it already has); otherwise the user's own folder
// for the program (%APPDATA%\Quenvalis\ on Windows), made when missing. On its
// first use that folder receives a copy of the options file and the default
// profile of the program's folder, so an installation that the reader can no
// longer write keeps their bookshelf and options.
#pragma once
#include <string>
#include <vector>

#include "store/FileSystem.h"

namespace qv {

// The files of the data folder, by name.
extern const char* const OptionsFileName;         // "Quenvalis.ini"
extern const char* const DefaultProfileFileName;  // "QuenvalisProfile.fsp"
extern const char* const ErrorLogFileName;        // "Errors.log"

struct TDataFolder {
  std::string Folder;            // with a trailing back-slash
  bool InProgramFolder = false;  // false: the user's own folder
  // Files of the program folder copied into the user's folder at this start,
  // and those whose copy failed (with the reason).
  std::vector<std::string> Copied;
  struct TFailedCopy {
    std::string Source, Target;
    TFileResult Reason;
  };
  std::vector<TFailedCopy> FailedCopies;
  TFileResult FolderFailure;  // the user's folder could not be made
};

// True when a file can be created and deleted in folder: found by trying.
bool CanWriteInFolder(IFileSystem& fs, const std::string& folder);

// The data folder for a program in programDir; userDir is the user's own
// folder for the program ("" when the system has none: the program folder is
// then used whatever its rights).
TDataFolder ChooseDataFolder(IFileSystem& fs, const std::string& programDir, const std::string& userDir);

}  // namespace qv
