// The sound functions of the general library and the background sounds' timer
// decision, over the sound platform.
#pragma once
#include <cstdint>
#include <string>

#include "options/OptionIO.h"
#include "sound/RandomPool.h"
#include "sound/SoundPlatform.h"
#include "util/Clock.h"

namespace qv {

// With volume >= 0, first StopSound and SetWaveVolume(volume); then plays the
// file (nothing for an empty path). True when the platform accepted it. A
// missing or broken file is silently not heard.
bool PlaySoundFile(ISoundPlatform& platform, const std::string& path, bool loop, double volume);
void StopSound(ISoundPlatform& platform);
// v outside [0, 1] counts as 0; both channels get floor(65535 * v), where a
// level read back by GetWaveVolume comes back as itself.
void SetWaveVolume(ISoundPlatform& platform, double v);
// The left channel's level as a fraction 0 to 1; -1 when the platform cannot
// tell (no output device): the start volume then stays unknown.
double GetWaveVolume(ISoundPlatform& platform);

// One tick of the information timer for the background sounds: the sound to
// make current now, or -1 to leave the playing one as it is. Runs only with
// sounds on, at least two sounds and a current one; when the current sound's
// duration has elapsed on the stopwatch (which then restarts), the next sound
// circularly, or with random order a weighted draw. A draw of the playing
// sound (or a failed draw) keeps it looping for one more duration. A duration
// of 0 or less leaves "Invalid period." in the program-wide context and no change.
int32_t BackSoundTimerStep(const TBackSoundList& sounds, bool useSound, bool randomOrder,
                           int32_t currentSound, TCrono& crono, TRandomPool& pool);

}  // namespace qv
