// The shell hands a web page to the program registered for it (a browser, a
// mail program) and answers at once, before that program has shown anything;
// it may still fail (none is installed, or it cannot run). The watch looks at
// the started program for a few seconds without holding the reader up: one
// that ends with a failure code has opened nothing, and onFailure runs then,
// from the message loop. One still running, or ended with 0, opened the page.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>

namespace qv::win {

// Takes over the process handle (it is closed when the watch ends).
void WatchOpening(HANDLE process, std::function<void(uint32_t exitCode)> onFailure);

}  // namespace qv::win
