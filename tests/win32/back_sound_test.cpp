// The background sounds in the window, over a recording sound platform and a
// clock the test moves: the order of three sounds, "Use sound", minimise and
// restore, the volume, the start volume with and without an output device,
// the Load button, and no sound while a profile loads.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "BookTestSupport.h"
#include "platform/Win32Platform.h"
#include "platform/Win32Sound.h"
#include "sound/SoundFakes.h"

namespace qv::testing {
namespace {

using namespace qv::win;

// The volume the program found at its start, as it puts it back.
const std::string kStartVolume = "volume " + std::to_string(0x40004000u);

std::string Volume(double fraction) {
  const uint32_t level = uint32_t(65535 * fraction);
  return "volume " + std::to_string(level | (level << 16));
}

// The window built over the recording platform, with three sounds in the
// test folder's profile (one.wav has no file) and a book that opens with it.
struct SoundForms {
  FakeSound sound;
  FakeClock clock;
  std::unique_ptr<TBookForms> forms;
  std::string dir = TestDirectory();

  explicit SoundForms(bool hasDevice = true) {
    sound.hasDevice = hasDevice;
    sound.volume = 0x40004000;  // a quarter, both channels
    SetSoundPlatform(&sound);
    forms = std::make_unique<TBookForms>();
    F().Sound.UseClock(&clock);
    for (const char* name : {"zero.wav", "two.wav"}) WriteTestFile(name, "RIFF");
    DeleteFileA((dir + "one.wav").c_str());
    WriteTestFile("QuenvalisProfile.fsp",
                  "[Profile_Main]\r\nEnhanceText=FALSE\r\n[Profile_BackSounds]\r\nUse=TRUE\r\nRandom=FALSE\r\n"
                  "Count=3\r\nFile0=zero.wav\r\nVol0=100\r\nDur0=5\r\nFile1=one.wav\r\nVol1=200\r\nDur1=10\r\n"
                  "File2=two.wav\r\nVol2=300\r\nDur2=5\r\n");
    sound.Take();
    EXPECT_TRUE(F().Book.OpenBook(WriteTestFile("sounds.txt", "A book with sounds.\r\n"), false));
  }
  ~SoundForms() {
    forms.reset();
    SetSoundPlatform(nullptr);
    TBookForms::UseFolderProfile("");
  }
  app::TQuenvalisForm& F() { return forms->F(); }
  std::string Play(const std::string& path) { return "play " + path + " loop"; }
  // One tick of the window's timer, a second later.
  void Tick() {
    clock.now += 1000;
    F().InfoTimerTimer();
  }
};

TEST(BackSounds, ThreeSoundsInOrderChangeAfterTheirDurationsAndAMissingFileIsSilentlyNotHeard) {
  SoundForms s;
  // The book left stops its sound; the new book's sound 0 starts.
  EXPECT_EQ(s.sound.Take(), (std::vector<std::string>{"stop", "stop", Volume(0.1), s.Play(s.dir + "zero.wav")}));
  std::vector<std::pair<int, std::string>> plays;
  for (int second = 1; second <= 21; ++second) {
    s.Tick();
    for (const std::string& call : s.sound.Take())
      if (call.rfind("play ", 0) == 0) plays.emplace_back(second, call);
  }
  const std::string missing = s.Play(GetBackSoundsDir(ProgramDirectory()) + "*");
  EXPECT_EQ(plays, (std::vector<std::pair<int, std::string>>{
                       {5, missing}, {15, s.Play(s.dir + "two.wav")}, {20, s.Play(s.dir + "zero.wav")}}));
  EXPECT_TRUE(s.forms->boxes.shown.empty());
}

TEST(BackSounds, UseSoundStopsAndPutsTheStartVolumeBackOnlyWhenThereIsADevice) {
  for (bool device : {true, false}) {
    SoundForms s(device);
    app::TBackSound& sound = s.F().Sound;
    for (int i = 0; i < 5; ++i) s.Tick();  // sound 1 plays
    s.sound.Take();
    SendMessageA(sound.Controls.UseBackSoundCheckBox.Handle(), BM_CLICK, 0, 0);
    ASSERT_FALSE(sound.Controls.UseBackSoundCheckBox.Checked());
    if (device)
      EXPECT_EQ(s.sound.Take(), (std::vector<std::string>{"stop", kStartVolume}));
    else
      EXPECT_EQ(s.sound.Take(), std::vector<std::string>{"stop"});
    SendMessageA(sound.Controls.UseBackSoundCheckBox.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(s.sound.Take(), (std::vector<std::string>{"stop", Volume(0.1), s.Play(s.dir + "zero.wav")}));
    s.forms.reset();  // the end of the program
    if (device)
      EXPECT_EQ(s.sound.Take(), (std::vector<std::string>{"stop", kStartVolume}));
    else
      EXPECT_EQ(s.sound.Take(), std::vector<std::string>{"stop"});
  }
}

TEST(BackSounds, MinimisingStopsAndRestoringStartsTheCurrentSoundAgain) {
  SoundForms s;
  for (int i = 0; i < 5; ++i) s.Tick();  // sound 1 plays
  s.sound.Take();
  ShowWindow(s.F().Handle(), SW_MINIMIZE);
  PumpFor(50);
  EXPECT_EQ(s.sound.Take(), std::vector<std::string>{"stop"});
  EXPECT_FALSE(s.F().InfoTimer.Enabled());
  ShowWindow(s.F().Handle(), SW_RESTORE);
  PumpFor(50);
  EXPECT_TRUE(s.F().InfoTimer.Enabled());
  EXPECT_EQ(s.sound.Take(),
            (std::vector<std::string>{"stop", Volume(0.2), s.Play(GetBackSoundsDir(ProgramDirectory()) + "*")}));
}

TEST(BackSounds, TheVolumeBoxSetsTheVolumeAtOnceWhicheverSoundPlays) {
  SoundForms s;
  for (int i = 0; i < 5; ++i) s.Tick();  // sound 1 plays
  s.sound.Take();
  TComboBox& volume = s.F().Sound.Controls.VolumeBackSound.Box;
  volume.SetText("500");
  volume.OnChange();
  EXPECT_EQ(s.sound.Take(), std::vector<std::string>{Volume(0.5)});
  EXPECT_EQ(s.F().Sound.Sounds.Volumes[0], 500);
}

TEST(BackSounds, TheLoadButtonStartsFromTheFolderItsKeysName) {
  SoundForms s;
  TAnsweringFileDialogs dialogs;
  app::TBackSound& sound = s.F().Sound;
  const struct {
    unsigned shift;
    std::string proposed;
  } cases[] = {
      {ssCtrl, GetBackSoundsDir(ProgramDirectory()) + "*"},
      {ssShift, s.dir + "*"},
      {0, s.dir + "zero.wav"},
      {ssCtrl | ssShift, s.dir + "zero.wav"},
  };
  for (const auto& c : cases) {
    sound.ChangeBackSoundButtonMouseDown(TMouseButton::Left, c.shift | ssLeft);
    EXPECT_EQ(dialogs.proposed, c.proposed) << c.shift;
    EXPECT_EQ(dialogs.filter, "Sound (*.wav; *.wave)|*.wav; *.wave");
  }
  dialogs.proposed.clear();
  sound.ChangeBackSoundButtonMouseDown(TMouseButton::Right, 0);
  EXPECT_TRUE(dialogs.proposed.empty());

  s.sound.Take();
  dialogs.answer = s.dir + "two.wav";
  sound.ChangeBackSoundButtonMouseDown(TMouseButton::Left, ssLeft);
  EXPECT_EQ(sound.Controls.TitleBackSoundEdit.Text(), "two.wav");  // relative to the profile's folder
  EXPECT_EQ(s.sound.Take(), (std::vector<std::string>{"stop", Volume(0.1), s.Play(s.dir + "two.wav")}));
  EXPECT_TRUE(s.F().RichEdit.Focused());
}

TEST(BackSounds, NoSoundStartsWhileAProfileLoads) {
  SoundForms s;
  TStoredTextList& profile = *s.F().Persistence.ProfileStore;
  auto load = profile.OnLoad;
  profile.OnLoad = [&](TStoredTextList& store) {
    load(store);
    s.F().Sound.PlayBackSound(0);
  };
  s.sound.Take();
  profile.Load();
  EXPECT_TRUE(s.sound.Take().empty());
  s.F().Sound.PlayBackSound(0);
  EXPECT_EQ(s.sound.Take().size(), 3u);
}

}  // namespace
}  // namespace qv::testing
