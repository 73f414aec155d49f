// The controls of the "Profile" pages: the work buttons, plain-text
// enhancement, the two background images, the ten colour panels, the format
// groups and the background sound. They are the in-memory copy of the current
// profile; the behaviour of the images, colours, sounds and format changes is
// attached by their own subsystems through the controls' events.
#pragma once
#include "app/QuenvalisForm.h"
#include "widgets/ColorPanel.h"

namespace qv::app {

// A combo box of numbers with the label that names it.
struct TLabeledCombo {
  TLabeledCombo(TControl* parent, const char* name, const char* caption, int x, int y,
                int labelWidth, int comboWidth, bool editable = false);
  TLabel Label;
  TComboBox Box;
};

// The controls of one background-image group (screen or rich-box).
struct TBackImageControls {
  TBackImageControls(TGroupBox& group, const char* prefix, const char* area);
  TCheckBox Use, Stretch;
  TLabeledCombo Fade, Gamma;
  TEdit Title;
  TButton Change, Run;
};

struct TProfileControls {
  explicit TProfileControls(TSidebar& s);

  // "Work"
  TButton LoadProfileButton, SaveProfileButton, DeleteProfileButton;
  TLabel CurrentProfileLabel;
  // "Enhance plain text"
  TCheckBox EnhanceTextCheckBox, PoorlyWrittenCheckBox, IgnoreEmptyLinesCheckBox;
  // "Screen background image"
  TBackImageControls ScreenImage;
  TLabeledCombo FadeCenterScreenBackImage;
  // "Rich-box background image"
  TBackImageControls RichImage;
  TCheckBox TransparentRichBackCheckBox;
  // Colours, in the order of the profile.
  TLabel ScreenBackColorLabel, ScreenForeColorLabel, RichBoxBackColorLabel, RichBoxForeColorLabel,
      EmphaColorLabel, SecondEmphaColorLabel, BrowserFocusBackColorLabel,
      BrowserFocusForeColorLabel, DirTypeBackColorLabel, DirTypeForeColorLabel;
  TColorPanel ScreenBackColorPanel, ScreenForeColorPanel, RichBoxBackColorPanel,
      RichBoxForeColorPanel, EmphaColorPanel, SecondEmphaColorPanel, BrowserFocusBackColorPanel,
      BrowserFocusForeColorPanel, DirTypeBackColorPanel, DirTypeForeColorPanel;
  // "Format text"
  TLabeledCombo FontName, FontSize, FontZoom, CharSpacing;
  TCheckBox BoldFontCheckBox;
  // "Format paragraph"
  TLabeledCombo LeftMargin, RightMargin, LineSpacing, SpaceAfter, FirstLineIndent,
      ParagraphPrefix;
  TCheckBox JustifiedTextCheckBox;
  // "Background sound"
  TCheckBox UseBackSoundCheckBox, RandomBackSoundCheckBox;
  TEdit TitleBackSoundEdit;
  TButton ChangeBackSoundButton, RunBackSoundButton;
  TLabeledCombo VolumeBackSound, DurationBackSound, ProbabilityBackSound;

  // The ten panels in profile order.
  std::vector<TColorPanel*> ColorPanels();
};

// The usage text that ends every colour panel's hint.
extern const char* const ColorPanelUsage;
// The panel's colour and its hint: the stock name, the colour's description,
// ". " and the usage text.
void SetColorPanel(TColorPanel& panel, uint32_t color);

}  // namespace qv::app
