#include "app/sound/BackSound.h"

#include <algorithm>
#include <climits>
#include <ctime>

#include "app/SidebarPlaces.h"
#include "app/controls/OptionFill.h"
#include "app/persistence/OptionBinding.h"
#include "app/persistence/Persistence.h"
#include "errors/Guard.h"
#include "options/MediaTitles.h"
#include "options/OptionSchema.h"
#include "paths/PathStrings.h"
#include "platform/FileServices.h"
#include "platform/Win32Platform.h"
#include "util/Numbers.h"
#include "widgets/FileDialogs.h"

namespace qv::app {

namespace {
namespace PM = ProfileMiscPage;
const char* const kFile = "QuenvalisDialog";
const char* const kSoundFilter = "Sound (*.wav; *.wave)|*.wav; *.wave";

// The integer of a combo's text, 0 when it is none (the list keeps what was chosen).
int32_t TextAsInteger(const TComboBox& box) { return GetIntFromText(box.Text(), INT_MIN, INT_MAX, 0); }
}  // namespace

TBackSoundControls::TBackSoundControls(TSidebar& s)
    : UseBackSoundCheckBox(&s.ProfileBackSoundGroupBox, PM::UseBackSoundCheckBox, "Use sound"),
      RandomBackSoundCheckBox(&s.ProfileBackSoundGroupBox, PM::RandomBackSoundCheckBox, "Random"),
      TitleBackSoundEdit(&s.ProfileBackSoundGroupBox, PM::TitleBackSoundEdit),
      ChangeBackSoundButton(&s.ProfileBackSoundGroupBox, PM::ChangeBackSoundButton, "Load"),
      RunBackSoundButton(&s.ProfileBackSoundGroupBox, PM::RunBackSoundButton, "Run"),
      VolumeBackSound(&s.ProfileBackSoundGroupBox, PM::VolumeBackSoundLabel, PM::VolumeBackSoundComboBox,
                      "Volume (1/1000)"),
      DurationBackSound(&s.ProfileBackSoundGroupBox, PM::DurationBackSoundLabel, PM::DurationBackSoundComboBox,
                        "Duration (seconds)"),
      ProbabilityBackSound(&s.ProfileBackSoundGroupBox, PM::ProbabilityBackSoundLabel,
                           PM::ProbabilityBackSoundComboBox, "Probability (parts)") {
  s.ProfileBackSoundGroupBox.SetHint(
      "Setup the sound to be played as audio background during the reading of the book");
  UseBackSoundCheckBox.SetHint(
      "Use background sound. The sounds are replayed every time the status of this box is changed.");
  RandomBackSoundCheckBox.SetHint(
      "Randomly play the sounds. If this is unchecked, sounds are played in order, the specified "
      "duration. If there is only one sound, it is played continuously (regardless of its "
      "duration).");
  CheckFromOption(UseBackSoundCheckBox);
  CheckFromOption(RandomBackSoundCheckBox);
  MakeReadOnlyEdit(TitleBackSoundEdit);
  TitleBackSoundEdit.SetHint(
      "File title of sound; the default sound is not distributed with the program. The sounds are "
      "replayed every time this box loses focus.");
  ChangeBackSoundButton.SetHint(
      "Change the sound. Click [Ctrl + LMB] to open the default sounds directory. Click [Shift + "
      "LMB] to open the parent directory of the currently opened book.");
  RunBackSoundButton.SetHint("Open the sound with the associated program");
  VolumeBackSound.Box.SetItems(BackSoundVolumeItems());
  VolumeBackSound.Box.SetHint(
      "Set the volume of the sound. The volume can be changed by another program but will be "
      "reset at some point.");
  DurationBackSound.Box.SetItems(BackSoundDurationItems());
  DurationBackSound.Box.SetHint(
      "When \"Random\" is not checked, the sound is played this amount of time, then the next "
      "sound will be played (and so forth, circularly). If \"Random\" is checked, the sound is "
      "played at least this amount of time.");
  ProbabilityBackSound.Box.SetItems(BackSoundProbabilityItems());
  ProbabilityBackSound.Box.SetHint(
      "When \"Random\" is checked, this is the probability (= parts from sum of all "
      "probabilities) for the sound to occur after any sound finished playing");
}

TBackSound::TBackSound(TSidebar& sidebar, ISoundPlatform& platform, TRichEdit& richEdit, IBook& book,
                       TPersistence& persistence, IFileProbe& files)
    : Controls(sidebar),
      platform_(platform),
      richEdit_(richEdit),
      book_(book),
      persistence_(persistence),
      files_(files) {
  TBackSoundControls& c = Controls;
  c.UseBackSoundCheckBox.OnClick = [this] { UseBackSoundCheckBoxClick(); };
  c.TitleBackSoundEdit.OnExit = [this] { TitleBackSoundEditExit(); };
  c.VolumeBackSound.Box.OnChange = [this] { VolumeBackSoundComboBoxChange(); };
  c.DurationBackSound.Box.OnChange = [this] { DurationBackSoundComboBoxChange(); };
  c.ProbabilityBackSound.Box.OnChange = [this] { ProbabilityBackSoundComboBoxChange(); };
  c.ChangeBackSoundButton.OnMouseDown = [this](TMouseButton b, unsigned s, int, int) {
    ChangeBackSoundButtonMouseDown(b, s);
  };
  c.RunBackSoundButton.OnClick = [this] { RunBackSoundButtonClick(); };
  ShowSoundZero();
  StartWaveVolume = GetWaveVolume(platform_);
  // The random order starts from the time and where the pointer is.
  POINT pointer{0, 0};
  GetCursorPos(&pointer);
  Random.Start(static_cast<uint32_t>(std::time(nullptr)), pointer.x, pointer.y);
}

TBackSound::~TBackSound() {
  StopSound(platform_);
  if (StartWaveVolume >= 0) SetWaveVolume(platform_, StartWaveVolume);
}

void TBackSound::ShowSoundZero() {
  Controls.TitleBackSoundEdit.SetText(Sounds.Titles[0]);
  SelectComboItem(Controls.VolumeBackSound.Box, std::to_string(Sounds.Volumes[0]));
  SelectComboItem(Controls.DurationBackSound.Box, std::to_string(Sounds.Durations[0]));
  SelectComboItem(Controls.ProbabilityBackSound.Box, std::to_string(Sounds.Probabilities[0]));
}

std::string TBackSound::SoundPath(const std::string& title) const {
  return GetSoundPath(title, persistence_.MediaFolders(), files_);
}

void TBackSound::PlayBackSound(int32_t index) {
  if (persistence_.ProfileLoading()) return;
  const bool use = Controls.UseBackSoundCheckBox.Checked();
  if (Sounds.Count > 0) {
    BackSoundCrono.Start();
    CurrentSound = index;
    const bool listed = index >= 0 && index < std::min(Sounds.Count, TBackSoundList::Capacity);
    const std::string title = listed ? Sounds.Titles[size_t(index)] : "";
    if (use && !title.empty())
      PlaySoundFile(platform_, SoundPath(title), true, Sounds.Volumes[size_t(index)] * 0.001);
    else
      StopSound(platform_);
  }
  if (!use && StartWaveVolume >= 0) SetWaveVolume(platform_, StartWaveVolume);
}

void TBackSound::SetBackSoundTitle(const std::string& path) {
  if (Sounds.Count < 1) {
    PlayBackSound(-1);
    return;
  }
  Controls.TitleBackSoundEdit.SetText(GetSoundTitle(path, persistence_.MediaFolders()));
  Sounds.Titles[0] = Controls.TitleBackSoundEdit.Text();
  PlayBackSound(0);
}

void TBackSound::TimerStep() {
  try {
    const int32_t next = BackSoundTimerStep(Sounds, Controls.UseBackSoundCheckBox.Checked(),
                                            Controls.RandomBackSoundCheckBox.Checked(), CurrentSound,
                                            BackSoundCrono, Random);
    if (next >= 0) PlayBackSound(next);
  } catch (...) {
    // A failed step leaves the current sound looping.
  }
}

void TBackSound::UseBackSoundCheckBoxClick() { SetBackSoundTitle(Controls.TitleBackSoundEdit.Text()); }
void TBackSound::TitleBackSoundEditExit() { SetBackSoundTitle(Controls.TitleBackSoundEdit.Text()); }

void TBackSound::VolumeBackSoundComboBoxChange() {
  const std::string text = Controls.VolumeBackSound.Box.Text();
  Sounds.Volumes[0] = TextAsInteger(Controls.VolumeBackSound.Box);
  // At once, whichever sound plays.
  SetWaveVolume(platform_, GetIntFromText(text, 0, 1000, 50) * 0.001);
}

void TBackSound::DurationBackSoundComboBoxChange() {
  Sounds.Durations[0] = TextAsInteger(Controls.DurationBackSound.Box);
}

void TBackSound::ProbabilityBackSoundComboBoxChange() {
  Sounds.Probabilities[0] = TextAsInteger(Controls.ProbabilityBackSound.Box);
}

void TBackSound::ChangeBackSoundButtonMouseDown(TMouseButton button, unsigned shift) {
  if (button != TMouseButton::Left) return;
  Guarded(QV_OP(kFile, "TQuenvalisForm::ChangeBackSoundButtonMouseDown", "Failed to change sound."),
          [&](TFunStatContext&) {
            const unsigned keys = shift & (ssShift | ssAlt | ssCtrl);
            TOpenDialog dialog;
            dialog.Request.Filter = kSoundFilter;
            if (keys == ssCtrl)
              dialog.Request.FileName = GetBackSoundsDir(ProgramDirectory()) + "*";
            else if (keys == ssShift)
              dialog.Request.FileName = GetDirOfPath(book_.FileName()) + "*";
            else
              dialog.Request.FileName = SoundPath(Controls.TitleBackSoundEdit.Text());
            if (dialog.Execute()) SetBackSoundTitle(dialog.FileName());
          });
  FocusBookAfterOption(richEdit_);
}

void TBackSound::RunBackSoundButtonClick() {
  Guarded(QV_OP(kFile, "TQuenvalisForm::RunBackSoundButtonClick", "Failed to run sound."),
          [&](TFunStatContext& local) {
            // Only a wave sound reaches the shell: a profile could name a program.
            const std::string path = SoundPath(Controls.TitleBackSoundEdit.Text());
            if (!IsWaveFileName(path))
              local.Raise(kFile, "TQuenvalisForm::RunBackSoundButtonClick", 0, "Not a wave file.", path, "", Error,
                          __LINE__);
            else if (!RunFile(path, "", "", false))
              TakeFailure(local);
          });
  FocusBookAfterOption(richEdit_);
}

void TBackSound::Minimize() { StopSound(platform_); }

void TBackSound::Restore() {
  if (CurrentSound >= 0) PlayBackSound(CurrentSound);
}

void TBackSound::BookChosen() { StopSound(platform_); }

void TBackSound::NewBookOpened() { SetBackSoundTitle(Controls.TitleBackSoundEdit.Text()); }

void TBackSound::AddMouseSample(int x, int y) { Random.AddMouseSample(x, y); }

void TBackSound::UseClock(IClock* clock) {
  BackSoundCrono = TCrono(clock);
  BackSoundCrono.Start();
}

}  // namespace qv::app
