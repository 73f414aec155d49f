#include "app/sound/BackSound.h"

#include <climits>

#include "app/SidebarPlaces.h"
#include "app/persistence/OptionBinding.h"
#include "options/OptionSchema.h"
#include "util/Numbers.h"

namespace qv::app {

namespace {
namespace PM = ProfileMiscPage;

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

TBackSound::TBackSound(TSidebar& sidebar) : Controls(sidebar) {
  TBackSoundControls& c = Controls;
  // Sound 0 of the list is edited through its three combo boxes.
  c.VolumeBackSound.Box.OnChange = [this] { Sounds.Volumes[0] = TextAsInteger(Controls.VolumeBackSound.Box); };
  c.DurationBackSound.Box.OnChange = [this] {
    Sounds.Durations[0] = TextAsInteger(Controls.DurationBackSound.Box);
  };
  c.ProbabilityBackSound.Box.OnChange = [this] {
    Sounds.Probabilities[0] = TextAsInteger(Controls.ProbabilityBackSound.Box);
  };
  ShowSoundZero();
}

void TBackSound::ShowSoundZero() {
  Controls.TitleBackSoundEdit.SetText(Sounds.Titles[0]);
  SelectComboItem(Controls.VolumeBackSound.Box, std::to_string(Sounds.Volumes[0]));
  SelectComboItem(Controls.DurationBackSound.Box, std::to_string(Sounds.Durations[0]));
  SelectComboItem(Controls.ProbabilityBackSound.Box, std::to_string(Sounds.Probabilities[0]));
}

}  // namespace qv::app
