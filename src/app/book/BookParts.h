// The rest of a long book, put into the rich-box in parts after its first
// part is shown, while the reader reads: in idle moments (on a timer, which
// comes after the reader's input and the painting), parts for at most a
// tenth of a second at a time, yielding sooner when input waits.
#pragma once
#include <cstdint>
#include <functional>

#include "widgets/Controls.h"
#include "widgets/RichEdit.h"

namespace qv::app {

using namespace qv::win;

// Characters of the part shown first (a few screens) and of each later part.
constexpr int32_t FirstPartChars = 24000;
constexpr int32_t LaterPartChars = 24000;

class TBookParts {
 public:
  explicit TBookParts(TRichEdit& richEdit);

  // After each run of parts (and once the last is in).
  std::function<void()> OnPartsShown;

  bool Pending() const { return richEdit_.PartsPending(); }
  void Start();
  // What is not yet in will not come.
  void Stop();
  // Puts parts in until position (negative: the whole text) is in the
  // rich-box; progress runs about once a second and answers whether to stop.
  // True when the place is in.
  bool WaitFor(int32_t position, const std::function<bool()>& progress);
  // One run of parts, as the timer gives it.
  void ShowParts();

 private:
  bool Arrived(int32_t position) const;
  TRichEdit& richEdit_;
  TTimer timer_;
};

}  // namespace qv::app
