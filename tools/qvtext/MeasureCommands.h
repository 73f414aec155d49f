// qvtext's converter commands, with "," as thousands and "." as decimal separator:
//   qvtext measure VALUE                          the short conversion, then the twelve misc lines
//   qvtext measure VALUE --from UNIT --to UNIT    the full conversion between two units of a list
//   qvtext number-at TEXT POSITION                the number GetNumberAt finds at a position
#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace qv {

bool IsMeasureCommand(const std::string& command);  // "measure" or "number-at"

// Runs args (the command first). Exit codes: 0 done; 1 number-at found no
// number; 2 bad arguments, a value that is not a number, unknown units or
// units of two lists.
int RunMeasureCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace qv
