#include "sound/RandomPool.h"

#include <ctime>

namespace qv {

TRandomPool Random;

TRandomPool::TRandomPool(IClock* clock) : TRandomPool(uint32_t(std::time(nullptr)), 0, 0, clock) {}

TRandomPool::TRandomPool(uint32_t seed, int32_t x, int32_t y, IClock* clock) : clock_(clock) {
  Start(seed, x, y);
}

void TRandomPool::Start(uint32_t seed, int32_t x, int32_t y) {
  generator_.seed(seed);
  state_ = generator_();
  for (int i = 0; i < 256; ++i) {
    x_[i] = uint8_t(generator_() + uint32_t(x));
    y_[i] = uint8_t(generator_() + uint32_t(y));
  }
}

void TRandomPool::AddMouseSample(int32_t x, int32_t y) {
  x_[write_] = uint8_t(x);
  y_[write_] = uint8_t(y);
  ++write_;
}

uint32_t TRandomPool::NextRandom() {
  const uint32_t s = state_;
  const uint32_t reversed = (s >> 24) | ((s >> 8) & 0xFF00u) | ((s << 8) & 0xFF0000u) | (s << 24);
  const uint32_t sum = reversed + Clock().TickCount();
  state_ = (sum >> 1) | (sum << 31);
  const uint8_t a = read_, b = uint8_t(read_ + 1);
  read_ = uint8_t(read_ + 2);
  const uint32_t high = (uint32_t(x_[a]) * 256 + y_[a]) << 16;
  const uint32_t low = generator_() + (uint32_t(x_[y_[b]]) * 256 + y_[x_[b]]) + state_;
  return low | high;
}

int32_t TRandomPool::ChooseWeighted(int32_t count, const int32_t* weights) {
  int64_t sum = 0;
  for (int32_t i = 0; i < count; ++i) sum += weights[i];
  if (count < 1 || sum <= 0) return -1;
  int64_t r = int64_t(int32_t(NextRandom())) % sum;  // keeps the sign of the draw
  if (r < 0) r = -r;
  int64_t running = 0;
  for (int32_t i = 0; i < count; ++i) {
    running += weights[i];
    if (running > r) return i;
  }
  return -1;
}

}  // namespace qv
