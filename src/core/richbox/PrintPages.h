// The page loop of printing a rich-box: each page is formatted from the first
// character not yet printed until the text is used up. A page that makes no
// progress (a printer or control that prints nothing) ends the job instead of
// looping for ever.
#pragma once
#include <cstdint>
#include <functional>

namespace qv {

// formatPage(from, last) prints one page starting at character from and
// answers the first character of the next page; last is the text length.
// Answers the number of pages printed.
int32_t PrintPageRanges(int32_t textLength, const std::function<int32_t(int32_t from, int32_t last)>& formatPage);

}  // namespace qv
