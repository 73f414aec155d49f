#include "richbox/PrintPages.h"

namespace qv {

int32_t PrintPageRanges(int32_t textLength, const std::function<int32_t(int32_t, int32_t)>& formatPage) {
  int32_t pages = 0;
  int32_t from = 0;
  do {
    const int32_t next = formatPage(from, textLength);
    ++pages;
    if (next <= from) break;
    from = next;
  } while (from < textLength);
  return pages;
}

}  // namespace qv
