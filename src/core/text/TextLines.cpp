#include "text/TextLines.h"

namespace qv {

std::vector<std::string> SplitLines(std::string_view content) {
  std::vector<std::string> lines;
  size_t begin = 0;
  const size_t n = content.size();
  for (size_t i = 0; i < n; ++i) {
    const char c = content[i];
    if (c != '\r' && c != '\n') continue;
    lines.emplace_back(content.substr(begin, i - begin));
    if (c == '\r' && i + 1 < n && content[i + 1] == '\n') ++i;
    begin = i + 1;
  }
  if (begin < n) lines.emplace_back(content.substr(begin));
  return lines;
}

}  // namespace qv
