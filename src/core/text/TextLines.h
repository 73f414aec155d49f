// Splitting a plain-text book into its lines.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// Lines end at CR LF, LF or CR; a break at the very end adds no empty line.
std::vector<std::string> SplitLines(std::string_view content);

}  // namespace qv
