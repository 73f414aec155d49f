// The real sound platform: a wave file the test writes plays, loops and stops;
// missing and broken files are silently not heard; the volume of the first
// output device reads back, or is unknown when there is no device (wine).
#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "platform/Win32Sound.h"
#include "sound/BackSound.h"

namespace qv::testing {
namespace {

void PutLE(std::string& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += char((value >> (8 * i)) & 0xFF);
}

// A quarter second of a 440 Hz sine tone: 8 kHz, 16-bit, mono PCM.
std::string SineToneWave() {
  const uint32_t rate = 8000, samples = rate / 4;
  std::string data;
  for (uint32_t i = 0; i < samples; ++i)
    PutLE(data, uint16_t(int16_t(std::lround(8000 * std::sin(2 * 3.14159265358979 * 440 * i / rate)))), 2);
  std::string wave = "RIFF";
  PutLE(wave, uint32_t(36 + data.size()), 4);
  wave += "WAVEfmt ";
  PutLE(wave, 16, 4);
  PutLE(wave, 1, 2);         // PCM
  PutLE(wave, 1, 2);         // mono
  PutLE(wave, rate, 4);
  PutLE(wave, rate * 2, 4);  // bytes per second
  PutLE(wave, 2, 2);         // block align
  PutLE(wave, 16, 2);        // bits per sample
  wave += "data";
  PutLE(wave, uint32_t(data.size()), 4);
  return wave + data;
}

std::string TempFile(const char* name, const std::string& content) {
  char folder[MAX_PATH] = "";
  GetTempPathA(sizeof folder, folder);
  const std::string path = std::string(folder) + name;
  std::ofstream(path, std::ios::binary) << content;
  return path;
}

TEST(SoundPlatform, PlaysAWrittenWaveLoopingAndStops) {
  const std::string path = TempFile("qv-sine.wav", SineToneWave());
  win::TWin32SoundPlatform platform;
  const DWORD start = GetTickCount();
  EXPECT_TRUE(PlaySoundFile(platform, path, true, 0.5));
  EXPECT_LT(GetTickCount() - start, 1000u);  // asynchronous: a looping sound does not block
  Sleep(300);
  EXPECT_TRUE(platform.StopWave());
  EXPECT_TRUE(PlaySoundFile(platform, path, false, -1));
  Sleep(300);
  StopSound(platform);
  DeleteFileA(path.c_str());
}

TEST(SoundPlatform, MissingAndBrokenFilesAreSilentlyNotHeard) {
  const std::string broken = TempFile("qv-broken.wav", "RIFF\x10\0\0\0WAVEjunkjunk");
  win::TWin32SoundPlatform platform;
  for (const std::string& path : {broken, std::string("C:\\no such folder\\none.wav"), std::string()}) {
    const DWORD start = GetTickCount();
    PlaySoundFile(platform, path, true, -1);  // whatever the platform answers, no default sound
    EXPECT_LT(GetTickCount() - start, 2000u) << path;
  }
  StopSound(platform);
  DeleteFileA(broken.c_str());
}

TEST(SoundPlatform, VolumeReadsBackOrIsUnknownWithoutADevice) {
  win::TWin32SoundPlatform platform;
  const double start = GetWaveVolume(platform);
  if (waveOutGetNumDevs() == 0) {
    EXPECT_EQ(start, -1);
    SetWaveVolume(platform, 0.25);  // fails quietly
    EXPECT_EQ(GetWaveVolume(platform), -1);
    return;
  }
  ASSERT_GE(start, 0);
  SetWaveVolume(platform, 0.25);
  EXPECT_NEAR(GetWaveVolume(platform), 0.25, 0.01);
  SetWaveVolume(platform, start);
}

}  // namespace
}  // namespace qv::testing
