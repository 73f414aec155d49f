// The browser's view of the file system, answered by the file services: the
// any-folder listing with its fallbacks, file sizes, partition suffixes and
// the user locale's order of names.
#pragma once
#include <cstdint>
#include <string>

#include "browser/BrowserListing.h"

namespace qv::win {

class TBrowserListing : public IBrowserListing {
 public:
  void List(const std::string& folder, const std::string& mask, TFolderListing& result) override;
  std::string PartitionSuffix(const std::string& drive) override;
  std::string SortKey(const std::string& name) override;
};

}  // namespace qv::win
