#include "app/ProfileControls.h"

#include <algorithm>

#include "app/OptionControls.h"
#include "colors/Colors.h"
#include "options/OptionSchema.h"
#include "paths/AnsiText.h"

namespace qv::app {

const char* const ColorPanelUsage =
    "(Double) Left click a color to open the stock-color dialog. Right click it to open the "
    "color dialog. Middle click it to set the default color.";

void SetColorPanel(TColorPanel& panel, uint32_t color) {
  panel.SetCurrentColor(color);
  panel.SetHint(GetStockColorName(color) + GetColorDescription(color) + ". " + ColorPanelUsage);
}

TLabeledCombo::TLabeledCombo(TControl* parent, const char* name, const char* caption, int x, int y,
                             int labelWidth, int comboWidth, bool editable)
    : Label(parent, std::string(name) + "Label", caption, x, y + 4, labelWidth, 18),
      Box(parent, std::string(name) + "ComboBox", x + labelWidth + 2, y, comboWidth, editable) {}

namespace {

const char* const kFadeHint =
    "Fade (= make darker) the image. If the value is 0, the fade is not applied. The image is "
    "reloaded every time this value is changed.";
const char* const kGammaHint =
    "Set the gamma parameter of the image; try it especially on images like the ones in the "
    "default images directory - with few colors. If the value is 100, the gamma is not applied. "
    "The image is reloaded every time this value is changed.";

// Sets a combo box's items from the profile table and selects its default.
void PrepareProfileCombo(TComboBox& box, const char* key) {
  const TOptionEntry* opt = FindOption(ProfileMainTable(), key);
  box.SetItems(opt->Items);
  box.SetText(opt->Kind == TOptionKind::Integer ? std::to_string(opt->Default) : opt->Text);
}

int CALLBACK CollectFont(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM data) {
  if (font->lfFaceName[0] != '@')  // vertical variants of East Asian fonts
    reinterpret_cast<std::vector<std::string>*>(data)->push_back(font->lfFaceName);
  return 1;
}

// The installed screen fonts, sorted without regard to case, each once.
std::vector<std::string> InstalledFonts() {
  std::vector<std::string> names;
  HDC dc = GetDC(nullptr);
  LOGFONTA filter{};
  filter.lfCharSet = DEFAULT_CHARSET;
  EnumFontFamiliesExA(dc, &filter, CollectFont, reinterpret_cast<LPARAM>(&names), 0);
  ReleaseDC(nullptr, dc);
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return AnsiUpperCase(a) < AnsiUpperCase(b);
  });
  names.erase(std::unique(names.begin(), names.end(),
                          [](const std::string& a, const std::string& b) { return AnsiSameText(a, b); }),
              names.end());
  return names;
}

}  // namespace

TBackImageControls::TBackImageControls(TGroupBox& group, const char* prefix, const char* area)
    : Use(&group, "Use" + std::string(prefix) + "BackImageCheckBox",
          "Use background image", 8, 16, 158, 20),
      Stretch(&group, "Stretch" + std::string(prefix) + "BackImageCheckBox", "Stretch", 172, 16, 70,
              20),
      Fade(&group, ("Fade" + std::string(prefix) + "BackImage").c_str(), "Fade (%)", 8, 37, 54, 50),
      Gamma(&group, ("Gamma" + std::string(prefix) + "BackImage").c_str(), "Gamma (%)", 120, 37, 66,
            54),
      Title(&group, "Title" + std::string(prefix) + "BackImageEdit", 8, 60, 150, 20),
      Change(&group, "Change" + std::string(prefix) + "BackImageButton", "Load", 162, 59, 40, 22),
      Run(&group, "Run" + std::string(prefix) + "BackImageButton", "Run", 204, 59, 38, 22) {
  const std::string p = prefix;
  Use.SetHint("Use the specified image as background. If this is unchecked, the " + std::string(area) +
              " color is used as background. The image is reloaded every time the status of this "
              "box is changed.");
  Use.SetChecked(true);
  Stretch.SetHint(std::string("Stretch the image to fit the whole ") +
                  (p == "Screen" ? "screen" : "rich-box") +
                  "; the aspect-ratio is not preserved. The image is reloaded every time the status "
                  "of this box is changed. If this is unchecked, the image is tiled.");
  PrepareProfileCombo(Fade.Box, ("Fade" + p + "BackImage").c_str());
  Fade.Box.SetHint(kFadeHint);
  PrepareProfileCombo(Gamma.Box, ("Gamma" + p + "BackImage").c_str());
  Gamma.Box.SetHint(kGammaHint);
  MakeReadOnlyEdit(Title);
  Title.SetText(FindOption(ProfileMainTable(), ("Title" + p + "BackImage").c_str())->Text);
  Title.SetHint("File title of image. The image is reloaded every time this edit-box loses focus.");
  Change.SetHint(
      "Change the image. Click [Ctrl + LMB] to open the default images directory. Click [Shift + "
      "LMB] to open the parent directory of the currently opened book.");
  Run.SetHint("Open the image with the associated program");
}

TProfileControls::TProfileControls(TSidebar& s)
    : LoadProfileButton(&s.ProfileWorkGroupBox, "LoadProfileButton", "Load", 8, 22, 72, 25),
      SaveProfileButton(&s.ProfileWorkGroupBox, "SaveProfileButton", "Save", 89, 22, 72, 25),
      DeleteProfileButton(&s.ProfileWorkGroupBox, "DeleteProfileButton", "Delete", 170, 22, 72, 25),
      CurrentProfileLabel(&s.ProfileWorkGroupBox, "CurrentProfileLabel", "", 8, 54, 234, 40, true),
      EnhanceTextCheckBox(&s.EnhancePlainTextGroupBox, "EnhanceTextCheckBox", "Enhance text", 8, 20,
                          234, 20),
      PoorlyWrittenCheckBox(&s.EnhancePlainTextGroupBox, "PoorlyWrittenCheckBox",
                            "Text is poorly written", 8, 44, 234, 20),
      IgnoreEmptyLinesCheckBox(&s.EnhancePlainTextGroupBox, "IgnoreEmptyLinesCheckBox",
                               "Ignore first empty line after paragraphs", 8, 68, 234, 20),
      ScreenImage(s.ScreenBackImageGroupBox, "Screen", "screen \"Back\""),
      FadeCenterScreenBackImage(&s.ScreenBackImageGroupBox, "FadeCenterScreenBackImage",
                                "Fade center (%)", 8, 80, 100, 55),
      RichImage(s.RichBackImageGroupBox, "Rich", "rich-box \"Window back\""),
      TransparentRichBackCheckBox(&s.RichBackImageGroupBox, "TransparentRichBackCheckBox",
                                  "Transparent background", 8, 80, 200, 18),
      ScreenBackColorLabel(&s.ScreenColorsGroupBox, "ScreenBackColorLabel", "    Back", 8, 22, 120, 16),
      ScreenForeColorLabel(&s.ScreenColorsGroupBox, "ScreenForeColorLabel", "    Fore", 8, 44, 120, 16),
      RichBoxBackColorLabel(&s.RichBoxColorsGroupBox, "RichBoxBackColorLabel", "    Window back", 8,
                            22, 120, 16),
      RichBoxForeColorLabel(&s.RichBoxColorsGroupBox, "RichBoxForeColorLabel", "    Fore", 8, 44,
                            120, 16),
      EmphaColorLabel(&s.RichBoxColorsGroupBox, "EmphaColorLabel", "    Empha", 8, 66, 120, 16),
      SecondEmphaColorLabel(&s.RichBoxColorsGroupBox, "SecondEmphaColorLabel", "    Second empha",
                            8, 88, 120, 16),
      BrowserFocusBackColorLabel(&s.BrowserColorsGroupBox, "BrowserFocusBackColorLabel",
                                 "    Focus back", 8, 20, 120, 16),
      BrowserFocusForeColorLabel(&s.BrowserColorsGroupBox, "BrowserFocusForeColorLabel",
                                 "    Focus fore", 8, 39, 120, 16),
      DirTypeBackColorLabel(&s.BrowserColorsGroupBox, "DirTypeBackColorLabel",
                            "    Directory back", 8, 58, 120, 16),
      DirTypeForeColorLabel(&s.BrowserColorsGroupBox, "DirTypeForeColorLabel",
                            "    Directory fore", 8, 77, 120, 16),
      ScreenBackColorPanel(&s.ScreenColorsGroupBox, "ScreenBackColorPanel", 140, 22),
      ScreenForeColorPanel(&s.ScreenColorsGroupBox, "ScreenForeColorPanel", 140, 44),
      RichBoxBackColorPanel(&s.RichBoxColorsGroupBox, "RichBoxBackColorPanel", 140, 22),
      RichBoxForeColorPanel(&s.RichBoxColorsGroupBox, "RichBoxForeColorPanel", 140, 44),
      EmphaColorPanel(&s.RichBoxColorsGroupBox, "EmphaColorPanel", 140, 66),
      SecondEmphaColorPanel(&s.RichBoxColorsGroupBox, "SecondEmphaColorPanel", 140, 88),
      BrowserFocusBackColorPanel(&s.BrowserColorsGroupBox, "BrowserFocusBackColorPanel", 140, 20),
      BrowserFocusForeColorPanel(&s.BrowserColorsGroupBox, "BrowserFocusForeColorPanel", 140, 39),
      DirTypeBackColorPanel(&s.BrowserColorsGroupBox, "DirTypeBackColorPanel", 140, 58),
      DirTypeForeColorPanel(&s.BrowserColorsGroupBox, "DirTypeForeColorPanel", 140, 77),
      FontName(&s.FormatTextGroupBox, "FontName", "Font name", 8, 20, 80, 150),
      FontSize(&s.FormatTextGroupBox, "FontSize", "Font size (points)", 8, 47, 150, 75),
      FontZoom(&s.FormatTextGroupBox, "FontZoom", "Font zoom (%)", 8, 74, 150, 75),
      CharSpacing(&s.FormatTextGroupBox, "CharSpacing", "Char spacing (mm/10)", 8, 101, 150, 75),
      BoldFontCheckBox(&s.FormatTextGroupBox, "BoldFontCheckBox", "Bold font", 8, 130, 200, 20),
      LeftMargin(&s.FormatParaGroupBox, "LeftMargin", "Left margin (pixels)", 8, 20, 150, 75),
      RightMargin(&s.FormatParaGroupBox, "RightMargin", "Right margin (pixels)", 8, 45, 150, 75),
      LineSpacing(&s.FormatParaGroupBox, "LineSpacing", "Line spacing (%)", 8, 70, 150, 75),
      SpaceAfter(&s.FormatParaGroupBox, "SpaceAfter", "Space after (mm)", 8, 95, 150, 75),
      FirstLineIndent(&s.FormatParaGroupBox, "FirstLineIndent", "First line indent (mm)", 8, 120,
                      150, 75),
      ParagraphPrefix(&s.FormatParaGroupBox, "ParagraphPrefix", "Paragraph prefix", 8, 145, 150, 75),
      JustifiedTextCheckBox(&s.FormatParaGroupBox, "JustifiedTextCheckBox", "Justified text", 8,
                            172, 200, 20),
      UseBackSoundCheckBox(&s.ProfileBackSoundGroupBox, "UseBackSoundCheckBox", "Use sound", 8, 20,
                           110, 20),
      RandomBackSoundCheckBox(&s.ProfileBackSoundGroupBox, "RandomBackSoundCheckBox", "Random",
                              130, 20, 110, 20),
      TitleBackSoundEdit(&s.ProfileBackSoundGroupBox, "TitleBackSoundEdit", 8, 46, 150, 20),
      ChangeBackSoundButton(&s.ProfileBackSoundGroupBox, "ChangeBackSoundButton", "Load", 162, 45,
                            40, 22),
      RunBackSoundButton(&s.ProfileBackSoundGroupBox, "RunBackSoundButton", "Run", 204, 45, 38, 22),
      VolumeBackSound(&s.ProfileBackSoundGroupBox, "VolumeBackSound", "Volume (1/1000)", 8, 76, 150,
                      75),
      DurationBackSound(&s.ProfileBackSoundGroupBox, "DurationBackSound", "Duration (seconds)", 8,
                        103, 150, 75),
      ProbabilityBackSound(&s.ProfileBackSoundGroupBox, "ProbabilityBackSound",
                           "Probability (parts)", 8, 130, 150, 75) {
  LoadProfileButton.SetHint(
      "Load a profile. Click [Ctrl + LMB] to load a profile from the default directory for "
      "profiles. Click [Shift + LMB] to load a profile from the parent directory of the currently "
      "opened book. The currently opened book is reopened every time you load a profile.");
  SaveProfileButton.SetHint(
      "Save the current profile with the desired name. Click [Ctrl + LMB] to save the current "
      "profile in the default directory for profiles. Click [Shift + LMB] to save the current "
      "profile as profile for the whole explored directory (to be automatically opened when you "
      "open any book from it and from its immediate children directories). Click [Alt + LMB] to "
      "save the current profile as profile for the currently opened book (to be automatically "
      "opened when you open the book).");
  DeleteProfileButton.SetHint(
      "Delete a profile. Click [Ctrl + LMB] to delete a profile from the default directory for "
      "profiles. Click [Shift + LMB] to delete a profile from the parent directory of the "
      "currently opened book. Deleting the current profile has no effect because it will be "
      "automatically saved.");
  CurrentProfileLabel.SetHint("The current profile");

  EnhanceTextCheckBox.SetHint(
      "Enhance plain text while it is opened: rejoin the lines of each paragraph, recognise "
      "chapter headings, color quotes and obey formatting commands");
  PoorlyWrittenCheckBox.SetHint(
      "The text does not mark its paragraphs clearly; paragraphs are then recognised by looser "
      "rules");
  IgnoreEmptyLinesCheckBox.SetHint("An empty line that follows a paragraph does not start a new one");
  EnhanceTextCheckBox.SetChecked(true);
  PoorlyWrittenCheckBox.SetChecked(true);

  s.ScreenBackImageGroupBox.SetHint(
      "Setup the background image for the screen. The image is reloaded every time the screen is "
      "resized. Images are rescaled for best fit (keeping the aspect-ratio) on the screen.");
  s.RichBackImageGroupBox.SetHint(
      "Setup the background image for the rich-box. The image is reloaded every time the "
      "rich-box is resized. Images are rescaled for best fit (keeping the aspect-ratio) in the "
      "rich-box.");
  PrepareProfileCombo(FadeCenterScreenBackImage.Box, "FadeCenterScreenBackImage");
  FadeCenterScreenBackImage.Box.SetHint(
      "Fade (= make darker) the image. If the value is 0, the fade is not applied. This is used "
      "only if the rich-box background is transparent, and is applied only for the part of the "
      "image visible in the background of the rich-box; the gamma value is also applied. The "
      "image is reloaded every time this value is changed.");
  TransparentRichBackCheckBox.SetHint(
      "The background of the rich-box is transparent (= the screen's background image is "
      "visible). This is available only when there is a screen background image.");

  for (TGroupBox* g : {&s.ScreenColorsGroupBox, &s.RichBoxColorsGroupBox, &s.BrowserColorsGroupBox})
    g->SetHint(ColorPanelUsage);
  const auto panels = ColorPanels();
  size_t i = 0;
  for (const TOptionEntry& opt : ProfileMainTable()) {
    if (opt.Kind != TOptionKind::Color) continue;
    const uint32_t color = static_cast<uint32_t>(opt.Default);
    panels[i]->SetDefaultColor(color);
    SetColorPanel(*panels[i], color);
    ++i;
  }

  FontName.Box.SetItems(InstalledFonts());
  FontName.Box.SetText(FindOption(ProfileMainTable(), "FontName")->Text);
  FontName.Box.SetHint("The font of the text");
  struct TCombo {
    TLabeledCombo& Control;
    const char* Key;
    const char* Hint;
  };
  for (const TCombo& c : {
           TCombo{FontSize, "FontSize", "The size of the font, in points"},
           TCombo{FontZoom, "FontZoom", "Zoom the whole text by this percent"},
           TCombo{CharSpacing, "CharSpacing", "Extra space between characters, in tenths of a millimetre"},
           TCombo{LeftMargin, "LeftMargin", "Space between the left edge of the rich-box and the text"},
           TCombo{RightMargin, "RightMargin", "Space between the right edge of the rich-box and the text"},
           TCombo{LineSpacing, "LineSpacing", "The height of a line, in percent of the single spacing"},
           TCombo{SpaceAfter, "SpaceAfter", "Space after each paragraph, in millimetres"},
           TCombo{FirstLineIndent, "FirstLineIndent", "Indent of the first line of each paragraph, in millimetres"},
           TCombo{ParagraphPrefix, "ParagraphPrefix", "Text put before each paragraph of an enhanced plain text"},
       }) {
    PrepareProfileCombo(c.Control.Box, c.Key);
    c.Control.Box.SetHint(c.Hint);
  }
  BoldFontCheckBox.SetHint("Show all the text in bold");
  JustifiedTextCheckBox.SetHint("Align the paragraphs to both edges of the rich-box");
  JustifiedTextCheckBox.SetChecked(true);

  s.ProfileBackSoundGroupBox.SetHint(
      "Setup the sound to be played as audio background during the reading of the book");
  UseBackSoundCheckBox.SetHint(
      "Use background sound. The sounds are replayed every time the status of this box is changed.");
  RandomBackSoundCheckBox.SetHint(
      "Randomly play the sounds. If this is unchecked, sounds are played in order, the specified "
      "duration. If there is only one sound, it is played continuously (regardless of its "
      "duration).");
  RandomBackSoundCheckBox.SetChecked(true);
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

std::vector<TColorPanel*> TProfileControls::ColorPanels() {
  return {&ScreenBackColorPanel,       &ScreenForeColorPanel,       &RichBoxBackColorPanel,
          &RichBoxForeColorPanel,      &EmphaColorPanel,            &SecondEmphaColorPanel,
          &BrowserFocusBackColorPanel, &BrowserFocusForeColorPanel, &DirTypeBackColorPanel,
          &DirTypeForeColorPanel};
}

}  // namespace qv::app
