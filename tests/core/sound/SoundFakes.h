// Test doubles of the sound tests, native and under wine: a sound platform
// that records its calls as text and a clock the test moves by hand.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "sound/SoundPlatform.h"
#include "util/Clock.h"

namespace qv::testing {

class FakeClock : public IClock {
 public:
  uint32_t now = 1000;
  uint32_t TickCount() override { return now; }
};

// "play PATH[ loop]", "stop" and "volume LEVELS", in order. Without a device
// the volume can be neither read nor changed.
class FakeSound : public ISoundPlatform {
 public:
  std::vector<std::string> calls;
  bool hasDevice = true;
  uint32_t volume = 0;
  bool PlayWave(const std::string& path, bool loop) override {
    calls.push_back("play " + path + (loop ? " loop" : ""));
    return true;
  }
  bool StopWave() override {
    calls.push_back("stop");
    return true;
  }
  bool GetWaveOutVolume(uint32_t& v) override {
    v = volume;
    return hasDevice;
  }
  bool SetWaveOutVolume(uint32_t v) override {
    calls.push_back("volume " + std::to_string(v));
    if (hasDevice) volume = v;
    return hasDevice;
  }
  // The calls so far, which are forgotten.
  std::vector<std::string> Take() { return std::exchange(calls, {}); }
};

}  // namespace qv::testing
