#include "util/Clock.h"

#include <chrono>

#include "errors/Guard.h"

namespace qv {
namespace {

const char* const kFile = "Include/MyTime";

class TSteadyClock : public IClock {
 public:
  uint32_t TickCount() override {
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
  }
};

TSteadyClock steadyClock;
IClock* installedClock = nullptr;

}  // namespace

IClock& SystemClock() { return installedClock ? *installedClock : steadyClock; }
void SetSystemClock(IClock* clock) { installedClock = clock; }

void TCrono::Start() { start_ = Clock().TickCount(); }

// Unsigned subtraction keeps the elapsed time right across a wrap of the tick.
uint32_t TCrono::ElapsedMs() const { return Clock().TickCount() - start_; }

bool TCrono::IsPeriod(double seconds) {
  return Silent(QV_OP(kFile, "TCrono::IsPeriod", ""), [&](TFunStatContext& local) {
    if (!(seconds > 0)) {  // NaN is no period either
      local.Raise(kFile, "TCrono::IsPeriod", 0, "Invalid period.", "", "", Warning, __LINE__);
      return false;
    }
    if (ElapsedMs() < seconds * 1000.0) return false;
    Start();
    return true;
  });
}

}  // namespace qv
