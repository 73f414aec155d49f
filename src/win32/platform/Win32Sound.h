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

}  // namespace qv::win
