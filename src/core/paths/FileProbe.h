// What path logic asks of the file system: whether a file exists. The Win32
// side answers with the shell's path-exists test; tests use the in-memory file
// system of the store module, which implements this interface too.
#pragma once
#include <string>

namespace qv {

class IFileProbe {
 public:
  virtual ~IFileProbe() = default;
  // True when a file or folder of this path exists; false for an empty path.
  virtual bool FileExists(const std::string& path) = 0;
};

}  // namespace qv
