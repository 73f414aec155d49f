// The sidebar: its pages and group boxes, the main buttons and the sizes group.
// The subsystems put their own controls into these groups.
#pragma once
#include "widgets/Controls.h"

namespace qv::app {

using namespace qv::win;

struct TSidebar {
  explicit TSidebar(TControl* owner);

  TPanel Container_MainPanel;
  TPanel MainButtonsPanel;
  TButton HelpButton, AboutButton, CloseProgramButton, HideProgramButton;
  TPageControl Container_OptionsPageControl;
  TTabSheet* ProgramOptionsTabSheet;
  TTabSheet* ProfileOptionsTabSheet;
  TTabSheet* ConvertMeasureTabSheet;
  TPageControl ProgramPageControl;
  TTabSheet* ProgramOpenTabSheet;
  TTabSheet* ProgramGeneralTabSheet;
  TTabSheet* ProgramMiscTabSheet;
  TGroupBox BookGroupBox, BookshelfGroupBox, BrowserGroupBox;
  TVirtualListBox BrowserListBox;
  TGroupBox SizesGroupBox, OpenInPiecesGroupBox, DictionaryOptionsGroupBox,
      MiscellaneousOptionsGroupBox;
  TLabel RichBoxWidthPercentLabel, RichBoxTopPercentLabel, RichBoxBottomPercentLabel;
  TComboBox RichBoxWidthPercentComboBox, RichBoxTopPercentComboBox, RichBoxBottomPercentComboBox;
  TGroupBox SystemOptionsGroupBox, PrintGroupBox;
  TPageControl ProfilePageControl;
  TTabSheet* ProfileGeneralTabSheet;
  TTabSheet* ProfileColorsTabSheet;
  TTabSheet* ProfileFormatTabSheet;
  TTabSheet* ProfileMiscTabSheet;
  TGroupBox ProfileWorkGroupBox, EnhancePlainTextGroupBox, ScreenBackImageGroupBox,
      RichBackImageGroupBox;
  TGroupBox ColorSchemesGroupBox, ScreenColorsGroupBox, RichBoxColorsGroupBox,
      BrowserColorsGroupBox;
  TGroupBox FormatTextGroupBox, FormatParaGroupBox;
  TGroupBox ProfileBackSoundGroupBox;
  TPanel ConvertMeasurePanel;

  // Every page, for the pages' screenshots and for tests.
  std::vector<TTabSheet*> Pages() const;
};

}  // namespace qv::app
