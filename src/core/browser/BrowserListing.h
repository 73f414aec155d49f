// What the browser asks of the file system: one folder listed with its
// fallbacks, file sizes, partition descriptions and the system's name order.
// The Win32 side answers through the file services; tests use an in-memory one.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace qv {

struct TFolderListing {
  // The folder actually listed; "" or a bare drive when the partitions are listed.
  std::string Folder;
  std::vector<std::string> Folders;  // sub-folder names, or drive names ("C:") for the partitions
  std::vector<std::string> Files;    // file names that match the mask
  std::vector<int64_t> FileSizes;    // their sizes in bytes, as listed
  std::vector<std::string> GivenUp;  // the folders that could not be listed, in the order given up
};

class IBrowserListing {
 public:
  virtual ~IBrowserListing() = default;
  // Lists folder with mask, or, when it cannot be read, its nearest listable
  // parent, or the partitions when its drive has gone. Hidden and system
  // entries are never listed. Never fails.
  virtual void List(const std::string& folder, const std::string& mask, TFolderListing& result) = 0;
  // What follows a drive name in the list (" (Fixed: "label")", " (CD)" ...), or "".
  virtual std::string PartitionSuffix(const std::string& drive) = 0;
  // A key whose byte order is the system's order of names without regard to case.
  virtual std::string SortKey(const std::string& name) = 0;
};

}  // namespace qv
