// The profile's background sounds: the controls of the "Background sound"
// group and the list of up to twenty sounds, whose sound 0 the controls show.
#pragma once
#include "app/Sidebar.h"
#include "app/controls/OptionFill.h"
#include "options/OptionIO.h"

namespace qv::app {

struct TBackSoundControls {
  explicit TBackSoundControls(TSidebar& sidebar);
  TCheckBox UseBackSoundCheckBox, RandomBackSoundCheckBox;
  TEdit TitleBackSoundEdit;
  TButton ChangeBackSoundButton, RunBackSoundButton;
  TLabeledCombo VolumeBackSound, DurationBackSound, ProbabilityBackSound;
};

class TBackSound {
 public:
  explicit TBackSound(TSidebar& sidebar);
  TBackSoundControls Controls;
  TBackSoundList Sounds;
  // Shows sound 0 of the list in its edit and combo boxes.
  void ShowSoundZero();
};

}  // namespace qv::app
