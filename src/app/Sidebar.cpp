#include "app/Sidebar.h"

#include "app/SidebarPlaces.h"
#include "app/controls/OptionFill.h"

namespace qv::app {

namespace W = WindowPlaces;
namespace O = OpenPage;
namespace G = ProgramGeneralPage;
namespace M = ProgramMiscPage;
namespace PG = ProfileGeneralPage;
namespace PC = ProfileColorsPage;
namespace PF = ProfileFormatPage;
namespace PM = ProfileMiscPage;

TSidebar::TSidebar(TControl* owner)
    : Container_MainPanel(owner, W::Container_MainPanel, TWindowTime::WhenShown),
      MainButtonsPanel(&Container_MainPanel, W::MainButtonsPanel),
      HelpButton(&MainButtonsPanel, W::HelpButton, "Help"),
      AboutButton(&MainButtonsPanel, W::AboutButton, "About"),
      CloseProgramButton(&MainButtonsPanel, W::CloseProgramButton, "Close"),
      HideProgramButton(&MainButtonsPanel, W::HideProgramButton, "Hide"),
      Container_OptionsPageControl(&Container_MainPanel, W::Container_OptionsPageControl),
      ProgramOptionsTabSheet(Container_OptionsPageControl.AddPage("ProgramOptionsTabSheet", "Program")),
      ProfileOptionsTabSheet(Container_OptionsPageControl.AddPage("ProfileOptionsTabSheet", "Profile")),
      ConvertMeasureTabSheet(Container_OptionsPageControl.AddPage("ConvertMeasureTabSheet", "Convert")),
      ProgramPageControl(ProgramOptionsTabSheet, W::ProgramPageControl, true),
      ProgramOpenTabSheet(ProgramPageControl.AddPage("ProgramOpenTabSheet", "Open")),
      ProgramGeneralTabSheet(ProgramPageControl.AddPage("ProgramGeneralTabSheet", "General")),
      ProgramMiscTabSheet(ProgramPageControl.AddPage("ProgramMiscTabSheet", "Misc")),
      BookGroupBox(ProgramOpenTabSheet, O::BookGroupBox, "Book"),
      BookshelfGroupBox(ProgramOpenTabSheet, O::BookshelfGroupBox, "Bookshelf"),
      BrowserGroupBox(ProgramOpenTabSheet, O::BrowserGroupBox, "Browser"),
      BrowserListBox(&BrowserGroupBox, O::BrowserListBox),
      SizesGroupBox(ProgramGeneralTabSheet, G::SizesGroupBox, "Sizes"),
      OpenInPiecesGroupBox(ProgramGeneralTabSheet, G::OpenInPiecesGroupBox, "Open in pieces"),
      DictionaryOptionsGroupBox(ProgramGeneralTabSheet, G::DictionaryOptionsGroupBox, "Dictionary"),
      MiscellaneousOptionsGroupBox(ProgramGeneralTabSheet, G::MiscellaneousOptionsGroupBox,
                                   "Miscellaneous options"),
      RichBoxWidthPercentLabel(&SizesGroupBox, G::RichBoxWidthPercentLabel, "Rich-box width (%)"),
      RichBoxTopPercentLabel(&SizesGroupBox, G::RichBoxTopPercentLabel, "Rich-box top (%)"),
      RichBoxBottomPercentLabel(&SizesGroupBox, G::RichBoxBottomPercentLabel, "Rich-box bottom (%)"),
      RichBoxWidthPercentComboBox(&SizesGroupBox, G::RichBoxWidthPercentComboBox, false),
      RichBoxTopPercentComboBox(&SizesGroupBox, G::RichBoxTopPercentComboBox, false),
      RichBoxBottomPercentComboBox(&SizesGroupBox, G::RichBoxBottomPercentComboBox, false),
      SystemOptionsGroupBox(ProgramMiscTabSheet, M::SystemOptionsGroupBox, "System integration"),
      PrintGroupBox(ProgramMiscTabSheet, M::PrintGroupBox, "Print text (UNDER CONSTRUCTION)"),
      ProfilePageControl(ProfileOptionsTabSheet, W::ProfilePageControl, true),
      ProfileGeneralTabSheet(ProfilePageControl.AddPage("ProfileGeneralTabSheet", "General")),
      ProfileColorsTabSheet(ProfilePageControl.AddPage("ProfileColorsTabSheet", "Colors")),
      ProfileFormatTabSheet(ProfilePageControl.AddPage("ProfileFormatTabSheet", "Format")),
      ProfileMiscTabSheet(ProfilePageControl.AddPage("ProfileMiscTabSheet", "Misc")),
      ProfileWorkGroupBox(ProfileGeneralTabSheet, PG::ProfileWorkGroupBox, "Work"),
      EnhancePlainTextGroupBox(ProfileGeneralTabSheet, PG::EnhancePlainTextGroupBox, "Enhance plain text"),
      ScreenBackImageGroupBox(ProfileGeneralTabSheet, PG::ScreenBackImageGroupBox, "Screen background image"),
      RichBackImageGroupBox(ProfileGeneralTabSheet, PG::RichBackImageGroupBox, "Rich-box background image"),
      ColorSchemesGroupBox(ProfileColorsTabSheet, PC::ColorSchemesGroupBox, "Color schemes"),
      ScreenColorsGroupBox(ProfileColorsTabSheet, PC::ScreenColorsGroupBox, "Screen colors"),
      RichBoxColorsGroupBox(ProfileColorsTabSheet, PC::RichBoxColorsGroupBox, "Rich-box colors"),
      BrowserColorsGroupBox(ProfileColorsTabSheet, PC::BrowserColorsGroupBox, "Browser colors"),
      FormatTextGroupBox(ProfileFormatTabSheet, PF::FormatTextGroupBox, "Format text"),
      FormatParaGroupBox(ProfileFormatTabSheet, PF::FormatParaGroupBox, "Format paragraph"),
      ProfileBackSoundGroupBox(ProfileMiscTabSheet, PM::ProfileBackSoundGroupBox, "Background sound"),
      ConvertMeasurePanel(ConvertMeasureTabSheet, W::ConvertMeasurePanel) {
  Container_MainPanel.SetAccessibleName("Sidebar");
  Container_OptionsPageControl.SetHint(
      "Use these tabs to change various options, and access various functions");
  SizesGroupBox.SetHint("Set the sizes of the various visual elements");
  HelpButton.SetHint("Show the help");
  AboutButton.SetHint("Show information about the program");
  CloseProgramButton.SetHint("Close the program. [Alt + F4]");
  HideProgramButton.SetHint("Hide the program. [Esc]");
  FillFromOption(RichBoxWidthPercentComboBox);
  FillFromOption(RichBoxTopPercentComboBox);
  FillFromOption(RichBoxBottomPercentComboBox);
  RichBoxWidthPercentComboBox.SetHint("The width of the rich-box is set to this percent of screen's width");
  RichBoxTopPercentComboBox.SetHint("The top of the rich-box is set to this percent of the screen's height");
  RichBoxBottomPercentComboBox.SetHint(
      "The bottom of the rich-box is set to this percent of the screen's height");
}

std::vector<TTabSheet*> TSidebar::Pages() const {
  return {ProgramOpenTabSheet,    ProgramGeneralTabSheet, ProgramMiscTabSheet,
          ProfileGeneralTabSheet, ProfileColorsTabSheet,  ProfileFormatTabSheet,
          ProfileMiscTabSheet,    ConvertMeasureTabSheet};
}

}  // namespace qv::app
