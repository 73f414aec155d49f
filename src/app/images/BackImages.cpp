#include "app/images/BackImages.h"

#include "app/SidebarPlaces.h"
#include "options/OptionSchema.h"

namespace qv::app {

namespace {
namespace PG = ProfileGeneralPage;

const char* const kFadeHint =
    "Fade (= make darker) the image. If the value is 0, the fade is not applied. The image is "
    "reloaded every time this value is changed.";
const char* const kGammaHint =
    "Set the gamma parameter of the image; try it especially on images like the ones in the "
    "default images directory - with few colors. If the value is 100, the gamma is not applied. "
    "The image is reloaded every time this value is changed.";
}  // namespace

TBackImageControls::TBackImageControls(TGroupBox& group, const char* part)
    : Use(&group, Named(PG::UseBackImageCheckBox, part), "Use background image"),
      Stretch(&group, Named(PG::StretchBackImageCheckBox, part), "Stretch"),
      Fade(&group, Named(PG::FadeBackImageLabel, part), Named(PG::FadeBackImageComboBox, part), "Fade (%)"),
      Gamma(&group, Named(PG::GammaBackImageLabel, part), Named(PG::GammaBackImageComboBox, part), "Gamma (%)"),
      Title(&group, Named(PG::TitleBackImageEdit, part)),
      Change(&group, Named(PG::ChangeBackImageButton, part), "Load"),
      Run(&group, Named(PG::RunBackImageButton, part), "Run") {
  const bool screen = std::string(part) == "Screen";
  Use.SetHint(std::string("Use the specified image as background. If this is unchecked, the ") +
              (screen ? "screen \"Back\"" : "rich-box \"Window back\"") +
              " color is used as background. The image is reloaded every time the status of this "
              "box is changed.");
  CheckFromOption(Use);
  CheckFromOption(Stretch);
  Stretch.SetHint(std::string("Stretch the image to fit the whole ") + (screen ? "screen" : "rich-box") +
                  "; the aspect-ratio is not preserved. The image is reloaded every time the status "
                  "of this box is changed. If this is unchecked, the image is tiled.");
  FillFromOption(Fade.Box);
  Fade.Box.SetHint(kFadeHint);
  FillFromOption(Gamma.Box);
  Gamma.Box.SetHint(kGammaHint);
  MakeReadOnlyEdit(Title);
  Title.SetText(FindOptionOfControl(Title.Name())->Text);
  Title.SetHint("File title of image. The image is reloaded every time this edit-box loses focus.");
  Change.SetHint(
      "Change the image. Click [Ctrl + LMB] to open the default images directory. Click [Shift + "
      "LMB] to open the parent directory of the currently opened book.");
  Run.SetHint("Open the image with the associated program");
}

TBackImagesControls::TBackImagesControls(TSidebar& s)
    : ScreenImage(s.ScreenBackImageGroupBox, "Screen"),
      FadeCenterScreenBackImage(&s.ScreenBackImageGroupBox, PG::FadeCenterScreenBackImageLabel,
                                PG::FadeCenterScreenBackImageComboBox, "Fade center (%)"),
      RichImage(s.RichBackImageGroupBox, "Rich"),
      TransparentRichBackCheckBox(&s.RichBackImageGroupBox, PG::TransparentRichBackCheckBox,
                                  "Transparent background") {
  s.ScreenBackImageGroupBox.SetHint(
      "Setup the background image for the screen. The image is reloaded every time the screen is "
      "resized. Images are rescaled for best fit (keeping the aspect-ratio) on the screen.");
  s.RichBackImageGroupBox.SetHint(
      "Setup the background image for the rich-box. The image is reloaded every time the "
      "rich-box is resized. Images are rescaled for best fit (keeping the aspect-ratio) in the "
      "rich-box.");
  FillFromOption(FadeCenterScreenBackImage.Box);
  FadeCenterScreenBackImage.Box.SetHint(
      "Fade (= make darker) the image. If the value is 0, the fade is not applied. This is used "
      "only if the rich-box background is transparent, and is applied only for the part of the "
      "image visible in the background of the rich-box; the gamma value is also applied. The "
      "image is reloaded every time this value is changed.");
  TransparentRichBackCheckBox.SetHint(
      "The background of the rich-box is transparent (= the screen's background image is "
      "visible). This is available only when there is a screen background image.");
}

TBackImages::TBackImages(TSidebar& sidebar) : Controls(sidebar) {}

}  // namespace qv::app
