// The system's millisecond tick, behind an interface so tests can drive time.
#pragma once
#include <cstdint>

namespace qv {

class IClock {
 public:
  virtual ~IClock() = default;
  virtual uint32_t TickCount() = 0;  // milliseconds, wraps like the platform's tick
};

// The clock in use; the Win32 side installs the system tick, the native default
// is a steady clock.
IClock& SystemClock();
void SetSystemClock(IClock* clock);  // null restores the default

// A stopwatch on the millisecond tick.
class TCrono {
 public:
  explicit TCrono(IClock* clock = nullptr) : clock_(clock) {}
  void Start();
  uint32_t ElapsedMs() const;
  double ElapsedSeconds() const { return ElapsedMs() / 1000.0; }
  // True when the period (seconds) has elapsed since the last start, restarting
  // the stopwatch. A silent library function: a period of 0 or less answers
  // false and leaves "Invalid period." (Warning) in the program-wide context.
  bool IsPeriod(double seconds);

 private:
  IClock& Clock() const { return clock_ ? *clock_ : SystemClock(); }
  IClock* clock_;
  uint32_t start_ = 0;
};

}  // namespace qv
