#include "platform/DataFolder.h"

#include <shlobj.h>

#include "platform/ShellFolders.h"
#include "platform/Win32FileSystem.h"
#include "platform/Win32Platform.h"

namespace qv::win {

std::string UserDataDirectory() {
  const std::string roaming = ShellFolderPath(CSIDL_APPDATA);
  return roaming.empty() ? "" : roaming + "Quenvalis\\";
}

const TDataFolder& ReaderDataFolder() {
  static const TDataFolder chosen = ChooseDataFolder(Win32FileSystem(), ProgramDirectory(), UserDataDirectory());
  return chosen;
}

std::string DataDirectory() { return ReaderDataFolder().Folder; }

}  // namespace qv::win
