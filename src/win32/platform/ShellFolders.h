// The shell's special folders, as UTF-8 paths with a trailing back-slash.
#pragma once
#include <windows.h>

#include <string>

namespace qv::win {

// A folder by its CSIDL_ number, made when missing with create; "" when the
// system has none (the system's answer goes to failure when given).
std::string ShellFolderPath(int folderId, bool create = false, HRESULT* failure = nullptr);
// The user's own folder for installed programs (%LOCALAPPDATA%\Programs\), made when missing.
std::string UserProgramsFolder();

}  // namespace qv::win
