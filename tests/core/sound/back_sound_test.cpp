#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "errors/FunStatContext.h"
#include "sound/BackSound.h"
#include "sound/SoundFakes.h"

namespace qv {
namespace {

using testing::FakeClock;
using testing::FakeSound;

TBackSoundList ListOf(std::vector<int32_t> durations, std::vector<int32_t> probabilities) {
  TBackSoundList list;
  list.Count = int32_t(durations.size());
  for (size_t i = 0; i < durations.size(); ++i) {
    list.Durations[i] = durations[i];
    list.Probabilities[i] = probabilities[i];
  }
  return list;
}

TEST(BackSoundTimerStep, InOrderChangesAfterEachDuration) {
  FakeClock clock;
  TCrono crono(&clock);
  TRandomPool pool(1, 0, 0, &clock);
  const TBackSoundList list = ListOf({5, 10, 5}, {1, 1, 1});
  int32_t current = 0;
  crono.Start();
  std::vector<std::pair<int, int32_t>> changes;  // (second, new sound)
  for (int second = 1; second <= 25; ++second) {
    clock.now += 1000;
    const int32_t next = BackSoundTimerStep(list, true, false, current, crono, pool);
    if (next >= 0) {
      changes.push_back({second, next});
      current = next;
      crono.Start();  // as making a sound current does
    }
  }
  const std::vector<std::pair<int, int32_t>> expected = {{5, 1}, {15, 2}, {20, 0}, {25, 1}};
  EXPECT_EQ(changes, expected);
}

TEST(BackSoundTimerStep, RunsOnlyWithSoundsOnSeveralSoundsAndACurrentOne) {
  FakeClock clock;
  TCrono crono(&clock);
  TRandomPool pool(1, 0, 0, &clock);
  struct Case { bool use; int32_t count, current; int32_t duration; int32_t expected; } cases[] = {
      {true, 3, 0, 1, 1},   {false, 3, 0, 1, -1}, {true, 1, 0, 1, -1},
      {true, 3, -1, 1, -1}, {true, 3, 3, 1, -1},  {true, 3, 0, 0, -1},
  };
  for (const Case& c : cases) {
    TBackSoundList list = ListOf({c.duration, 1, 1}, {1, 1, 1});
    list.Count = c.count;
    crono.Start();
    clock.now += 60000;
    EXPECT_EQ(BackSoundTimerStep(list, c.use, false, c.current, crono, pool), c.expected)
        << c.use << " " << c.count << " " << c.current << " " << c.duration;
  }
  EXPECT_EQ(FunStatContext.Status, Warning);  // the last case: a duration of 0
  EXPECT_EQ(FunStatContext.Description, "Invalid period.");
}

TEST(BackSoundTimerStep, ARandomDrawOfThePlayingSoundKeepsIt) {
  FakeClock clock;
  TCrono crono(&clock);
  TRandomPool pool(7, 0, 0, &clock);
  const TBackSoundList list = ListOf({1, 1}, {1, 0});  // every draw gives sound 0
  for (int32_t current : {0, 1}) {
    crono.Start();
    clock.now += 1000;
    EXPECT_EQ(BackSoundTimerStep(list, true, true, current, crono, pool), current == 0 ? -1 : 0);
  }
}

TEST(ChooseWeighted, ChoosesInProportionToTheWeights) {
  FakeClock clock;
  TRandomPool pool(12345, 640, 400, &clock);
  const int32_t weights[] = {100, 100, 800};
  int counts[3] = {};
  const int draws = 20000;
  for (int i = 0; i < draws; ++i) {
    clock.now += 17;
    if (i % 7 == 0) pool.AddMouseSample(i % 1280, i % 800);
    const int32_t chosen = pool.ChooseWeighted(3, weights);
    ASSERT_GE(chosen, 0);
    ASSERT_LT(chosen, 3);
    ++counts[chosen];
  }
  EXPECT_NEAR(counts[2] / double(draws), 0.80, 0.02);
  EXPECT_NEAR(counts[0] / double(draws), 0.10, 0.02);
  EXPECT_NEAR(counts[1] / double(draws), 0.10, 0.02);
  const int32_t none[] = {0, 0};
  EXPECT_EQ(pool.ChooseWeighted(2, none), -1);
  EXPECT_EQ(pool.ChooseWeighted(0, weights), -1);
}

TEST(RandomPool, MouseSamplesChangeTheDraws) {
  FakeClock clock;
  TRandomPool plain(99, 10, 20, &clock), sampled(99, 10, 20, &clock);
  EXPECT_EQ(plain.NextRandom(), sampled.NextRandom());
  sampled.AddMouseSample(1000, -3);  // slot 0, read again after 128 draws
  bool differs = false;
  for (int i = 0; i < 128; ++i) differs = plain.NextRandom() != sampled.NextRandom() || differs;
  EXPECT_TRUE(differs);
}

TEST(SoundFunctions, PlayWithAVolumeStopsAndSetsItFirst) {
  FakeSound sound;
  EXPECT_TRUE(PlaySoundFile(sound, "C:\\Sounds\\Rain.wav", true, 0.5));
  EXPECT_TRUE(PlaySoundFile(sound, "", false, -1));
  const std::vector<std::string> expected = {"stop", "volume " + std::to_string(32767u | 32767u << 16),
                                             "play C:\\Sounds\\Rain.wav loop", "play "};
  EXPECT_EQ(sound.calls, expected);
}

TEST(SoundFunctions, VolumesOutsideZeroToOneSilence) {
  struct Case { double v; uint32_t level; } cases[] = {
      {1, 0xFFFFFFFFu}, {0.001, 0x00410041u}, {0, 0}, {1.5, 0}, {-0.1, 0},
  };
  for (const Case& c : cases) {
    FakeSound sound;
    SetWaveVolume(sound, c.v);
    EXPECT_EQ(sound.volume, c.level) << c.v;
  }
}

TEST(SoundFunctions, AVolumeReadBackIsPutBackAsItWas) {
  FakeSound sound;
  for (uint32_t level = 0; level <= 0xFFFF; ++level) {
    sound.volume = level;
    SetWaveVolume(sound, GetWaveVolume(sound));
    ASSERT_EQ(sound.volume, level | level << 16) << level;
  }
}

TEST(SoundFunctions, GetWaveVolumeReadsTheLeftChannelOrAnswersUnknown) {
  FakeSound sound;
  sound.volume = 0x0000FFFFu;
  EXPECT_EQ(GetWaveVolume(sound), 1.0);
  sound.volume = 0xFFFF8000u;
  EXPECT_DOUBLE_EQ(GetWaveVolume(sound), 32768 / 65535.0);
  sound.hasDevice = false;
  EXPECT_EQ(GetWaveVolume(sound), -1);
}

}  // namespace
}  // namespace qv
