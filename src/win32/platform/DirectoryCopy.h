// Copying, moving, renaming and deleting folder trees, for the installer.
// Each runs as a silent library function under its own name: a failure is
// left in the program-wide FunStatContext (status Error, the system error code
// and the path in the parameters) for the caller to show; nothing is shown here.
#pragma once
#include <cstdint>
#include <string>

namespace qv::win {

// Creates one folder; an existing folder is fine. "Failed to create directory." (Error).
bool MyCreateDirectory(const std::string& folder);

// Copies the tree of source into target (created when missing): every file but
// hidden and system ones, over any file of the same name (whose read-only
// attribute is cleared first), and every sub-folder recursively. With
// deleteSource each copied file is deleted after its copy and each emptied
// source folder removed (a move). Failures: "Empty destination name.",
// "Failed to copy a directory into itself.", "Failed to create directory.",
// "Failed to find first file.", "Failed to find next file.", "Failed to copy
// file.", "Failed to delete file." (all Error); the copy stops at the first.
bool CopyDeleteDirectory(const std::string& source, const std::string& target, bool deleteSource);

// Renames a file, replacing an existing one of the new name (read-only or not).
// "Empty destination name.", "Failed to rename." (Error).
bool MyRenameFile(const std::string& oldName, const std::string& newName);

// Deletes a folder tree, hidden, system and read-only files included, going on
// past what cannot be deleted (a running program, a file in use); links to
// other folders are removed, never followed. True when nothing is left; what
// stays is recorded as "Some files could not be deleted." (Warning).
bool DeleteDirectoryNoErrors(const std::string& folder);

// The bytes of every file below folder (sub-folders included); 0 when there is none.
uint64_t FolderSize(const std::string& folder);

}  // namespace qv::win
