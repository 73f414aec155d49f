// The instructions the installer window leaves for a run it starts: the run
// raised to administrator rights, or the copy that finishes an uninstallation
// after the program has ended. The order is a file in the user's temporary
// folder (which only the user and administrators can read), named on the
// started run's command line; that run reads it and deletes it, so it serves
// once. A run started without a valid order (by hand, by a script) does nothing.
#pragma once
#include <string>
#include <vector>

#include "store/IniImage.h"

namespace qv::app {

class TRunOrder {
 public:
  std::string Get(const std::string& key) const;
  void Set(const std::string& key, const std::string& value);

  // Writes the order as a new file; its path ("" when it could not be written).
  std::string Write() const;
  // Reads and deletes the order at path; false (and nothing read) unless it is
  // an order this program wrote whose file could be deleted.
  bool Take(const std::string& path);

 private:
  TIniImage image_;
};

// The file a started run leaves its results in, beside its order.
std::string RunResultFile(const std::string& orderPath);
// Writes the lines of a result, and reads them back once (deleting the file).
bool WriteRunResult(const std::string& orderPath, const std::vector<std::string>& lines);
std::vector<std::string> TakeRunResult(const std::string& orderPath);

// Exit codes of a started run, told apart by the window that started it. A
// run that ended with 0 ended at once (another copy of the program held the
// instance lock); any other code means it crashed.
enum TRunExit : int { RunDone = 3, RunFailed = 4, RunRefused = 5 };
// What the window tells the reader about a run that ended with exitCode; ""
// when it did its work, or reported its own failure itself.
std::string RunProblem(unsigned long exitCode);

}  // namespace qv::app
