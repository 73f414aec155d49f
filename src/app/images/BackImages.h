// The background pictures of the screen and of the rich-box: the controls of
// their two groups on the profile's "General" page.
#pragma once
#include <string>

#include "app/Sidebar.h"
#include "app/controls/OptionFill.h"

namespace qv::app {

// The controls of one picture group (the screen's or the rich-box's).
struct TBackImageControls {
  // part: "Screen" or "Rich", as the controls' names have it.
  TBackImageControls(TGroupBox& group, const char* part);
  TCheckBox Use, Stretch;
  TLabeledCombo Fade, Gamma;
  TEdit Title;
  TButton Change, Run;
};

struct TBackImagesControls {
  explicit TBackImagesControls(TSidebar& sidebar);
  TBackImageControls ScreenImage;
  TLabeledCombo FadeCenterScreenBackImage;
  TBackImageControls RichImage;
  TCheckBox TransparentRichBackCheckBox;
};

class TBackImages {
 public:
  explicit TBackImages(TSidebar& sidebar);
  TBackImagesControls Controls;
};

}  // namespace qv::app
