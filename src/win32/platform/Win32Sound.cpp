#include "platform/Win32Sound.h"

#include <windows.h>
#include <mmsystem.h>

#include "platform/WideText.h"

namespace qv::win {
namespace {

// Asynchronous, never waiting for a busy device, and silent (no default
// sound) when the file is missing or cannot be played.
const DWORD kSoundFlags = SND_FILENAME | SND_NOWAIT | SND_NODEFAULT | SND_ASYNC;

ISoundPlatform* installed = nullptr;

// The first wave-output device.
HWAVEOUT FirstWaveOut() { return reinterpret_cast<HWAVEOUT>(static_cast<UINT_PTR>(0)); }

}  // namespace

ISoundPlatform& SoundPlatform() {
  static TWin32SoundPlatform system;
  return installed ? *installed : system;
}

void SetSoundPlatform(ISoundPlatform* platform) { installed = platform; }

bool TWin32SoundPlatform::PlayWave(const std::string& path, bool loop) {
  return PlaySoundW(ToWide(path).c_str(), nullptr, kSoundFlags | (loop ? SND_LOOP : 0)) != FALSE;
}

bool TWin32SoundPlatform::StopWave() { return PlaySoundW(nullptr, nullptr, kSoundFlags) != FALSE; }

bool TWin32SoundPlatform::GetWaveOutVolume(uint32_t& volume) {
  DWORD level = 0;
  if (waveOutGetVolume(FirstWaveOut(), &level) != MMSYSERR_NOERROR) return false;
  volume = level;
  return true;
}

bool TWin32SoundPlatform::SetWaveOutVolume(uint32_t volume) {
  return waveOutSetVolume(FirstWaveOut(), volume) == MMSYSERR_NOERROR;
}

}  // namespace qv::win
