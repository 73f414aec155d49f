// The random pool behind the random order of background sounds: two rings of
// mouse samples mixed into each draw with the standard generator and the tick.
#pragma once
#include <cstdint>
#include <random>

#include "util/Clock.h"

namespace qv {

class TRandomPool {
 public:
  // Seeds from the current time with the pointer at (0, 0); the window
  // starts the pool again with the real pointer position.
  explicit TRandomPool(IClock* clock = nullptr);
  TRandomPool(uint32_t seed, int32_t x, int32_t y, IClock* clock = nullptr);

  // Seeds the generator, takes one value as the state, and fills both rings
  // with generator values plus the pointer's x (X ring) or y (Y ring), mod 256.
  void Start(uint32_t seed, int32_t x, int32_t y);
  // Writes a mouse position into the rings at the write position.
  void AddMouseSample(int32_t x, int32_t y);
  uint32_t NextRandom();
  // An index drawn with probability weights[i] / sum: NextRandom as a signed
  // number, modulo the sum with its sign, made positive, then the first index
  // whose running sum exceeds it. -1 when there is none (no count, or a sum
  // that is not positive).
  int32_t ChooseWeighted(int32_t count, const int32_t* weights);

 private:
  IClock& Clock() const { return clock_ ? *clock_ : SystemClock(); }
  IClock* clock_;
  std::mt19937 generator_;
  uint8_t write_ = 0, read_ = 0;
  uint8_t x_[256] = {}, y_[256] = {};
  uint32_t state_ = 0;
};

// The program's one pool.
extern TRandomPool Random;

}  // namespace qv
