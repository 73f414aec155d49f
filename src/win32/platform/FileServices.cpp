#include "platform/FileServices.h"

#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include "errors/Dialogs.h"
#include "errors/Guard.h"
#include "encoding/UnicodeText.h"
#include "paths/PathStrings.h"
#include "paths/WebAddress.h"
#include "platform/OpeningWatch.h"
#include "platform/ShellFolders.h"
#include "platform/ShellGateway.h"
#include "platform/Shortcuts.h"
#include "platform/WideText.h"
#include "widgets/Application.h"

namespace qv::win {

namespace {

const char* const kFile = "Include/File";

void RaiseLast(TFunStatContext& local, const char* function, const std::string& description,
               const std::string& path, int32_t status, int line, DWORD code = GetLastError()) {
  local.Raise(kFile, function, code, description, path, "", status, line);
}

// "C:\" for "C:\Books\..." and for "C:"; network paths keep "\\server\share\".
std::string DriveRoot(const std::string& path) {
  if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2) + "\\";
  if (path.size() > 2 && path[0] == '\\' && path[1] == '\\') {
    const size_t server = path.find('\\', 2);
    if (server == std::string::npos) return IncludeTrailingBackslash(path);
    const size_t share = path.find('\\', server + 1);
    return IncludeTrailingBackslash(share == std::string::npos ? path : path.substr(0, share));
  }
  return "";
}

bool IsShortcut(const std::string& name) { return SameText(ExtractFileExt(name), ".lnk"); }

}  // namespace

std::string GetFullPath(const std::string& path) {
  if (path.empty() || IsDriveOnly(path)) return path;
  return Silent(QV_OP(kFile, "GetFullPath", ""), [&](TFunStatContext& local) {
    wchar_t buffer[MAX_PATH * 4] = L"";
    const DWORD n = GetFullPathNameW(ToWide(path).c_str(), MAX_PATH * 4, buffer, nullptr);
    if (n == 0 || n >= MAX_PATH * 4) {
      RaiseLast(local, "GetFullPath", "Failed to get full path.", path, Warning, __LINE__);
      return path;
    }
    std::wstring full(buffer, n);
    if (full.find(L'~') != std::wstring::npos) {
      wchar_t longName[MAX_PATH * 4] = L"";
      const DWORD m = GetLongPathNameW(full.c_str(), longName, MAX_PATH * 4);
      if (m > 0 && m < MAX_PATH * 4) full.assign(longName, m);
    }
    return FromWide(full);
  });
}

bool FileExists(const std::string& path) { return !path.empty() && PathFileExistsW(ToWide(path).c_str()); }

bool IsDirectory(const std::string& path) {
  if (IsDriveOnly(path)) return true;
  if (path.empty()) return false;
  const DWORD attributes = GetFileAttributesW(ToWide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool DriveExists(const std::string& path) { return FileExists(DriveRoot(path)); }

std::string GetUNCPath(const std::string& path) {
  return Silent(QV_OP(kFile, "GetUNCPath", ""), [&](TFunStatContext& local) -> std::string {
    const std::string asked = IsDriveOnly(path) ? path.substr(0, 2) + "\\" : path;
    alignas(UNIVERSAL_NAME_INFOW) char buffer[4096];
    DWORD size = sizeof buffer;
    const DWORD result =
        WNetGetUniversalNameW(ToWide(asked).c_str(), UNIVERSAL_NAME_INFO_LEVEL, buffer, &size);
    if (result != NO_ERROR) {
      RaiseLast(local, "GetUNCPath", "Failed to get network name.", path, Warning, __LINE__, result);
      return "";
    }
    const std::string name = FromWide(reinterpret_cast<UNIVERSAL_NAME_INFOW*>(buffer)->lpUniversalName);
    return IsDriveOnly(path) ? ExcludeTrailingBackslash(name) : name;
  });
}

void LoadPartitions(TItemList& folders, int& count) {
  count = 0;
  const DWORD drives = GetLogicalDrives();
  for (int i = 0; i < 26; ++i) {
    if (!(drives & (1u << i))) continue;
    folders.push_back({std::string(1, static_cast<char>('A' + i)) + ":", ItemFolder});
    ++count;
  }
}

void LoadFilesFromDir(const std::string& folder, const std::string& mask, TItemList& folders,
                      bool fullPaths, bool resolveShortcuts, int maximum, int& count,
                      TItemList& files) {
  count = 0;
  Silent(QV_OP(kFile, "LoadFilesFromDir", ""), [&](TFunStatContext& local) {
    if (folder.empty() || GetDirOfPath(folder).empty()) {
      LoadPartitions(folders, count);
      return;
    }
    const std::string dir = IncludeTrailingBackslash(folder);
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(ToWide(dir + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
      RaiseLast(local, "LoadFilesFromDir", "Failed to load directory.", folder, Error, __LINE__);
      return;
    }
    struct TClose {
      HANDLE h;
      ~TClose() { FindClose(h); }
    } close{search};
    const DWORD skipped = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    bool more = true;
    // The search lists "." first and ".." next; neither is an entry of the folder.
    int dots = 0;
    for (; more; more = FindNextFileW(search, &found) != FALSE) {
      const std::string name = FromWide(found.cFileName);
      if (dots < 2 && (name == "." || name == "..")) {
        ++dots;
        continue;
      }
      if (found.dwFileAttributes & skipped) continue;
      if (maximum >= 0 && count >= maximum) return;
      bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
      std::string text = fullPaths ? dir + name : name;
      std::string matched = name;  // the name the mask is matched against
      if (resolveShortcuts && !isFolder && IsShortcut(name)) {
        const std::string target = ReadShortcut(dir + name).Target;
        if (!target.empty()) {
          isFolder = IsDirectory(target);
          text = fullPaths ? target : GetNameOfPath(ExcludeTrailingBackslash(target));
          matched = GetNameOfPath(target);
        }
      }
      if (isFolder) folders.push_back({std::move(text), ItemFolder});
      else if (mask.empty() || PathMatchSpecW(ToWide(matched).c_str(), ToWide(mask).c_str()))
        files.push_back({std::move(text), ItemFile,
                         int64_t(uint64_t(found.nFileSizeHigh) << 32 | found.nFileSizeLow)});
      ++count;
    }
    const DWORD code = GetLastError();
    if (code != ERROR_NO_MORE_FILES)
      RaiseLast(local, "LoadFilesFromDir", "Failed to load directory.", folder, Error, __LINE__, code);
  });
}

std::string LoadFilesFromAnyDir(const std::string& start, const std::string& mask,
                                TItemList& folders, bool fullPaths, bool resolveShortcuts,
                                int maximum, int& count, TItemList& files,
                                const std::function<void(const std::string&)>& failed) {
  std::string folder = start;
  for (;;) {
    if (!folder.empty() && !IsDriveOnly(folder) && !DriveExists(folder)) {
      if (failed) failed(folder);
      folder = folder.size() >= 2 && folder[1] == ':' ? folder.substr(0, 2) : std::string();
    }
    const size_t foldersBefore = folders.size(), filesBefore = files.size();
    LoadFilesFromDir(folder, mask, folders, fullPaths, resolveShortcuts, maximum, count, files);
    if (FunStatContext.Status < Error) return folder;
    if (!folder.empty() && failed) failed(folder);
    FunStatContext.Reset(Perfect);
    folders.resize(foldersBefore);
    files.resize(filesBefore);
    if (folder.empty() || IsDriveOnly(folder)) {
      folder.clear();
      continue;
    }
    // A folder right below a drive root gives way to the root ("C:\"), which
    // is listable; its bare drive would list the partitions instead.
    const std::string parent = GetDirOfPath(ExcludeTrailingBackslash(folder));
    folder = parent.size() == 3 && parent[1] == ':' ? parent : ExcludeTrailingBackslash(parent);
  }
}

UINT GetPartitionType(const std::string& path) {
  return Silent(QV_OP(kFile, "GetPartitionType", ""), [&](TFunStatContext& local) {
    const UINT type = GetDriveTypeW(ToWide(DriveRoot(path)).c_str());
    if (type < 2) RaiseLast(local, "GetPartitionType", "Failed to get type.", path, Warning, __LINE__, 0);
    return type;
  });
}

std::string GetPartitionSuffix(const std::string& path) {
  if (!IsDriveOnly(path)) return "";
  switch (GetPartitionType(path)) {
    case DRIVE_REMOVABLE: return " (Removable)";
    case DRIVE_FIXED: {
      TPartitionInfo info;
      info.Load(path);
      return " (Fixed: \"" + info.Label + "\")";
    }
    case DRIVE_REMOTE: return " (Remote: \"" + GetUNCPath(path) + "\")";
    case DRIVE_CDROM: return " (CD)";
    case DRIVE_RAMDISK: return " (RAM)";
  }
  return "";
}

bool TPartitionInfo::Load(const std::string& path) {
  return Silent(QV_OP(kFile, "TPartitionInfo::Load", ""), [&](TFunStatContext& local) {
    wchar_t label[MAX_PATH + 1] = L"", fileSystem[MAX_PATH + 1] = L"";
    DWORD serial = 0, maxLength = 0, flags = 0;
    if (!GetVolumeInformationW(ToWide(DriveRoot(path)).c_str(), label, MAX_PATH + 1, &serial, &maxLength,
                               &flags, fileSystem, MAX_PATH + 1)) {
      RaiseLast(local, "TPartitionInfo::Load", "Failed to load partition information.", path,
                Error, __LINE__);
      Clear();
      return false;
    }
    Label = FromWide(label);
    FileSystem = FromWide(fileSystem);
    SerialNumber = serial;
    MaxComponentLength = maxLength;
    FileSystemFlags = flags;
    return true;
  });
}

void ClearReadOnly(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(ToWide(path).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
    SetFileAttributesW(ToWide(path).c_str(), FILE_ATTRIBUTE_NORMAL);
}

bool MyDeleteFile(const std::string& path) {
  return Silent(QV_OP(kFile, "MyDeleteFile", ""), [&](TFunStatContext& local) {
    ClearReadOnly(path);
    if (DeleteFileW(ToWide(path).c_str())) return true;
    RaiseLast(local, "MyDeleteFile", "Failed to delete file.", path, Error, __LINE__);
    return false;
  });
}

bool RunVerb(const std::string& file, const std::string& verb, const std::string& parameters) {
  return Silent(QV_OP(kFile, "RunVerb", ""), [&](TFunStatContext& local) {
    TShellRequest request;
    request.Owner = Application().MainWindow();
    request.Verb = verb;
    request.File = file + ".";
    request.Parameters = parameters;
    uint32_t error = 0;
    if (ShellGateway().Execute(request, error)) return true;
    RaiseLast(local, "RunVerb", "Failed to run verb.", file, Error, __LINE__, error);
    return false;
  });
}

bool RunFile(const std::string& file, const std::string& parameters, const std::string& folder,
             bool minimized, bool quote, HANDLE* process) {
  if (file.empty()) {
    ShowErrorMessage("The name of the file is empty.");
    return false;
  }
  return Silent(QV_OP(kFile, "RunFile", ""), [&](TFunStatContext& local) {
    TShellRequest request;
    request.Owner = Application().MainWindow();
    request.File = file;
    request.Parameters = RunFileParameters(parameters, quote);
    request.Folder = folder;
    request.Show = minimized ? SW_SHOWMINNOACTIVE : SW_SHOWNORMAL;
    request.ConnectNetworkDrives = true;
    request.Process = process;
    uint32_t error = 0;
    if (ShellGateway().Execute(request, error)) return true;
    RaiseLast(local, "RunFile", "Failed to run file.", file, Error, __LINE__, error);
    return false;
  });
}

namespace {
void ReportUnopenedPage(const std::string& page, uint32_t exitCode) {
  Guarded(QV_OP(kFile, "OpenWebAddress", "Failed to open site."), [&](TFunStatContext& local) {
    local.Raise(kFile, "OpenWebAddress", 0, "The program the system started for the page did not open it.", page,
                "Exit code " + std::to_string(exitCode), Error, __LINE__);
  });
}
}  // namespace

bool OpenWebAddress(const std::string& address) {
  return Silent(QV_OP(kFile, "OpenWebAddress", ""), [&](TFunStatContext& local) {
    // Only web addresses are opened: a book's link must never start a program.
    if (!IsWebAddress(address)) {
      local.Raise(kFile, "OpenWebAddress", 0, "Not a web address.", address, "", Error, __LINE__);
      return false;
    }
    const std::string page = WebAddressToOpen(address);
    HANDLE handler = nullptr;
    if (!RunFile(page, "", "", false, false, &handler)) {
      TakeFailure(local);
      return false;
    }
    if (handler) WatchOpening(handler, [page](uint32_t exitCode) { ReportUnopenedPage(page, exitCode); });
    return true;
  });
}

bool OpenSite(const std::string& address, const std::string& failureText) {
  return Guarded(TOperation{kFile, "OpenSite", failureText.c_str(), __LINE__}, [&](TFunStatContext& local) {
    if (!OpenWebAddress(address)) TakeFailure(local);
  });
}

std::string GetTempPathA() {
  return Silent(QV_OP(kFile, "GetTempPathA", ""), [&](TFunStatContext& local) -> std::string {
    wchar_t buffer[MAX_PATH * 2] = L"";
    const DWORD n = ::GetTempPathW(MAX_PATH * 2, buffer);
    if (n == 0 || n >= MAX_PATH * 2) {
      RaiseLast(local, "GetTempPathA", "Failed to get path.", "", Error, __LINE__);
      return "";
    }
    return IncludeTrailingBackslash(FromWide(buffer, n));
  });
}

std::string GetSystemDirectoryPath(int folderId) {
  return Silent(QV_OP(kFile, "GetSystemDirectoryPath", ""), [&](TFunStatContext& local) -> std::string {
    HRESULT result = S_OK;
    const std::string path = ShellFolderPath(folderId, true, &result);
    if (FAILED(result))
      RaiseLast(local, "GetSystemDirectoryPath", "Failed to get path.", std::to_string(folderId),
                Error, __LINE__, static_cast<DWORD>(result));
    return path;
  });
}

}  // namespace qv::win
