#include "platform/ShellFolders.h"

#include <windows.h>
#include <shlobj.h>

#include "paths/PathStrings.h"
#include "platform/WideText.h"

namespace qv::win {

std::string ShellFolderPath(int folderId, bool create, HRESULT* failure) {
  wchar_t buffer[MAX_PATH] = L"";
  const HRESULT result = SHGetFolderPathW(nullptr, folderId | (create ? CSIDL_FLAG_CREATE : 0), nullptr,
                                          SHGFP_TYPE_CURRENT, buffer);
  if (failure) *failure = result;
  if (FAILED(result)) return "";
  return IncludeTrailingBackslash(FromWide(buffer, wcslen(buffer)));
}

std::string UserProgramsFolder() {
  // Where Windows itself puts programs installed for one user (FOLDERID_UserProgramFiles).
  const std::string local = ShellFolderPath(CSIDL_LOCAL_APPDATA, true);
  if (local.empty()) return "";
  const std::string programs = local + "Programs\\";
  CreateDirectoryW(ToWide(programs).c_str(), nullptr);
  return programs;
}

}  // namespace qv::win
