// The sound platform of the core over the multimedia functions: PlaySoundA for
// wave files, waveOutGetVolume/waveOutSetVolume of the first output device.
#pragma once
#include <cstdint>
#include <string>

#include "sound/SoundPlatform.h"

namespace qv::win {

class TWin32SoundPlatform : public ISoundPlatform {
 public:
  bool PlayWave(const std::string& path, bool loop) override;
  bool StopWave() override;
  bool GetWaveOutVolume(uint32_t& volume) override;
  bool SetWaveOutVolume(uint32_t volume) override;
};

// The sound platform the window is built with: the system's unless a test
// installed its own before building the window.
ISoundPlatform& SoundPlatform();
void SetSoundPlatform(ISoundPlatform* platform);  // null puts the system's back

}  // namespace qv::win
