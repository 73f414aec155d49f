#include "sound/BackSound.h"

#include <algorithm>
#include <cmath>

namespace qv {

bool PlaySoundFile(ISoundPlatform& platform, const std::string& path, bool loop, double volume) {
  if (volume >= 0) {
    StopSound(platform);
    SetWaveVolume(platform, volume);
  }
  return platform.PlayWave(path, loop);
}

void StopSound(ISoundPlatform& platform) { platform.StopWave(); }

void SetWaveVolume(ISoundPlatform& platform, double v) {
  if (!(v >= 0 && v <= 1)) v = 0;
  // Truncated, but a level read back by GetWaveVolume (level / 65535) must
  // come out as itself: 16384 / 65535 * 65535 is 16383.99999..., and the start
  // volume put back at every end would sink by one step a run.
  const uint32_t level = std::min(65535u, uint32_t(std::floor(65535 * v + 1e-7)));
  platform.SetWaveOutVolume(level | (level << 16));
}

double GetWaveVolume(ISoundPlatform& platform) {
  uint32_t volume = 0;
  if (!platform.GetWaveOutVolume(volume)) return -1;
  return (volume & 0xFFFFu) / 65535.0;
}

int32_t BackSoundTimerStep(const TBackSoundList& sounds, bool useSound, bool randomOrder,
                           int32_t currentSound, TCrono& crono, TRandomPool& pool) {
  const int32_t count = std::min(sounds.Count, TBackSoundList::Capacity);
  if (!useSound || count < 2 || currentSound < 0 || currentSound >= count) return -1;
  if (!crono.IsPeriod(sounds.Durations[size_t(currentSound)])) return -1;
  const int32_t next = randomOrder ? pool.ChooseWeighted(count, sounds.Probabilities.data())
                                   : (currentSound + 1 < count ? currentSound + 1 : 0);
  return next >= 0 && next != currentSound ? next : -1;
}

}  // namespace qv
