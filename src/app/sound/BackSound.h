// The profile's background sounds: the controls of the "Background sound"
// group, the list of up to twenty sounds (sound 0 is the one the controls
// show and edit), and the sound that plays: made current when a book opens,
// changed by the one-second tick after its duration, in turn or drawn by
// weight, silenced while the program is minimised. The wave-output volume
// found at creation is put back when sounds are turned off and at the end.
#pragma once
#include <cstdint>
#include <string>

#include "app/Sidebar.h"
#include "app/book/Book.h"
#include "app/controls/OptionFill.h"
#include "options/OptionIO.h"
#include "paths/FileProbe.h"
#include "sound/BackSound.h"
#include "util/Clock.h"
#include "widgets/RichEdit.h"

namespace qv::app {

class TPersistence;

struct TBackSoundControls {
  explicit TBackSoundControls(TSidebar& sidebar);
  TCheckBox UseBackSoundCheckBox, RandomBackSoundCheckBox;
  TEdit TitleBackSoundEdit;
  TButton ChangeBackSoundButton, RunBackSoundButton;
  TLabeledCombo VolumeBackSound, DurationBackSound, ProbabilityBackSound;
};

class TBackSound {
 public:
  // The profile store (its loading state and media folders) is built after
  // the sounds; it is only asked once the window is complete.
  TBackSound(TSidebar& sidebar, ISoundPlatform& platform, TRichEdit& richEdit, IBook& book,
             TPersistence& persistence, IFileProbe& files);
  // Silences the sound and puts the start volume back.
  ~TBackSound();

  TBackSoundControls Controls;
  TBackSoundList Sounds;
  int32_t CurrentSound = -1;    // the sound made current last; -1 for none yet
  double StartWaveVolume = -1;  // the wave-output volume at creation; -1 when unknown
  TCrono BackSoundCrono;        // how long the current sound has played

  // Shows sound 0 of the list in its edit and combo boxes.
  void ShowSoundZero();
  // Makes a sound current and plays it looping, or stops the sound when
  // sounds are off or its title is empty; nothing while a profile loads.
  void PlayBackSound(int32_t index);
  // The path's title becomes sound 0's, which is made current.
  void SetBackSoundTitle(const std::string& path);
  // The one-second tick: the current sound gives way after its duration.
  void TimerStep();

  void UseBackSoundCheckBoxClick();
  void TitleBackSoundEditExit();
  void VolumeBackSoundComboBoxChange();
  void DurationBackSoundComboBoxChange();
  void ProbabilityBackSoundComboBoxChange();
  void ChangeBackSoundButtonMouseDown(TMouseButton button, unsigned shift);
  void RunBackSoundButtonClick();

  // The program minimised (the sound stops) and restored (the current sound starts again).
  void Minimize();
  void Restore();
  // A new book was chosen (the sound stops) and opened (its sound 0 starts).
  void BookChosen();
  void NewBookOpened();
  // A mouse position for the random order.
  void AddMouseSample(int x, int y);
  // The stopwatch runs on this clock from now on (tests drive time with it).
  void UseClock(IClock* clock);

 private:
  std::string SoundPath(const std::string& title) const;
  ISoundPlatform& platform_;
  TRichEdit& richEdit_;
  IBook& book_;
  TPersistence& persistence_;
  IFileProbe& files_;
};

}  // namespace qv::app
