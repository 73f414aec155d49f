// Listing folders and partitions, describing partitions, and handing files,
// folders and web addresses to the shell. Each function that asks the system
// runs as a silent library function under its own name: a failure is left in
// the program-wide FunStatContext, with the system error code and the path,
// for the caller to show or to ignore (status Warning for notes, Error for
// failures). Path strings themselves are in paths/PathStrings.h.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qv::win {

// One listed item: its text and its kind (0 a folder or partition, 1 a file).
struct TListItem {
  std::string Text;
  int Kind = 0;
  int64_t Size = 0;  // a file's size in bytes, as the listing found it
};
using TItemList = std::vector<TListItem>;
enum : int { ItemFolder = 0, ItemFile = 1 };

struct TPartitionInfo {
  std::string Label;
  std::string FileSystem;
  uint32_t SerialNumber = 0;
  uint32_t MaxComponentLength = 0;
  uint32_t FileSystemFlags = 0;
  void Clear() { *this = TPartitionInfo(); }
  // Fills the record from the volume of the drive root of path; on failure
  // clears it and records "Failed to load partition information." (Error).
  bool Load(const std::string& path);
};

// The absolute path with "." and ".." resolved (a trailing back-slash stays);
// a path holding "~" gets its long form when the system can give it; a bare
// drive stays a bare drive.
std::string GetFullPath(const std::string& path);
// The shell's path-exists test; false for an empty path.
bool FileExists(const std::string& path);
// True for a bare drive or a path whose attributes mark a folder.
bool IsDirectory(const std::string& path);
// FileExists of the drive root of path ("C:\" for "C:\Books\").
bool DriveExists(const std::string& path);
// The network name: of a bare drive's root without the final back-slash
// ("\\server\share"), else of the path; "" when there is none.
std::string GetUNCPath(const std::string& path);

// One item per logical drive, "A:" to "Z:", kind 0; count = number added.
void LoadPartitions(TItemList& folders, int& count);
// Lists one folder (see the .cpp); an empty folder or a bare drive lists the
// partitions. Failures are recorded as "Failed to load directory." (Error).
void LoadFilesFromDir(const std::string& folder, const std::string& mask, TItemList& folders,
                      bool fullPaths, bool resolveShortcuts, int maximum, int& count,
                      TItemList& files);
// Lists the nearest listable folder, going up from folder; failed(folder) is
// called for every folder given up. Never leaves a listing failure behind.
// Answers the folder actually listed ("" for the partitions).
std::string LoadFilesFromAnyDir(const std::string& folder, const std::string& mask,
                                TItemList& folders, bool fullPaths, bool resolveShortcuts,
                                int maximum, int& count, TItemList& files,
                                const std::function<void(const std::string&)>& failed);

// The system's drive type of the drive root of path; below 2 is recorded as
// "Failed to get type." (Warning).
UINT GetPartitionType(const std::string& path);
// For a bare drive: " (Removable)", " (Fixed: "label")", " (Remote: "unc")",
// " (CD)", " (RAM)" or ""; "" for any other path.
std::string GetPartitionSuffix(const std::string& path);

// Makes a read-only file a normal one.
void ClearReadOnly(const std::string& path);
// ClearReadOnly, then deletes; "Failed to delete file." (Error).
bool MyDeleteFile(const std::string& path);
// A shell verb on file + "."; "Failed to run verb." (Error).
bool RunVerb(const std::string& file, const std::string& verb, const std::string& parameters);
// The shell's default action on file, network drives connected; parameters
// follow a blank (in double quotes with quote); a minimised window is not
// activated. An empty name shows the error box "The name of the file is
// empty."; a failed start records "Failed to run file." (Error).
// With process, the program the shell started is handed back (see TShellRequest::Process).
bool RunFile(const std::string& file, const std::string& parameters, const std::string& folder,
             bool minimized, bool quote = false, HANDLE* process = nullptr);
// A web page in the system's browser; anything but a web address (see
// paths/WebAddress.h) is refused and recorded as "Not a web address." (Error).
// The shell answers before the page is open: when the program it started for
// the page ends at once with a failure (none to show pages, or it cannot run),
// "Failed to open site." is reported a moment later.
bool OpenWebAddress(const std::string& address);
// OpenWebAddress as a guarded operation that reports failureText.
bool OpenSite(const std::string& address, const std::string& failureText);
// The system's temporary folder with a trailing back-slash; "Failed to get path." (Error).
std::string GetTempPathA();
// A shell special folder (CSIDL_...), created if missing, with a trailing back-slash.
std::string GetSystemDirectoryPath(int folderId);

}  // namespace qv::win
