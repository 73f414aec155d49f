// Shell shortcuts (".lnk" files) to files, for the installer and its tests.
// Creating one runs as a silent library function: a failure is left in the
// program-wide FunStatContext as "Failed to create shortcut." (Error).
#pragma once
#include <string>

namespace qv::win {

// The extension the shell gives a shortcut to file: ".pif" for an MS-DOS
// program, ".lnk" for anything else.
std::string ShortcutExtension(const std::string& file);

// Creates linkBase + ShortcutExtension(file), a shortcut to file that starts in
// file's folder, replacing an existing one; answers the shortcut's path ("" on failure).
std::string CopyFileAsLink(const std::string& file, const std::string& linkBase);
// The same with a command-line parameter for the target.
std::string CopyFileAsLinkWithParam(const std::string& file, const std::string& linkBase,
                                    const std::string& parameter);

struct TShortcut {
  std::string Target;
  std::string Arguments;
};
// Reads a shortcut back; empty fields when it is none or cannot be read.
TShortcut ReadShortcut(const std::string& linkPath);

}  // namespace qv::win
