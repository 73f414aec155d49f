// Wave sounds and the wave-output volume as the core sees them; the Win32 side
// implements this with the multimedia functions, tests with a recording double.
#pragma once
#include <cstdint>
#include <string>

namespace qv {

class ISoundPlatform {
 public:
  virtual ~ISoundPlatform() = default;
  // Starts the wave file asynchronously, without waiting for a busy device and
  // without a default sound when the file cannot be played; looping when
  // asked. An empty path plays nothing. True when the platform accepted it.
  virtual bool PlayWave(const std::string& path, bool loop) = 0;
  // Stops the sound playing, if any.
  virtual bool StopWave() = 0;
  // The volume of the first wave-output device: the left level in the low 16
  // bits, the right level in the high 16 bits. False when there is no device.
  virtual bool GetWaveOutVolume(uint32_t& volume) = 0;
  virtual bool SetWaveOutVolume(uint32_t volume) = 0;
};

}  // namespace qv
