#include "app/colors/Colors.h"

#include "app/SidebarPlaces.h"
#include "colors/Colors.h"

namespace qv::app {

const char* const ColorPanelUsage =
    "(Double) Left click a color to open the stock-color dialog. Right click it to open the "
    "color dialog. Middle click it to set the default color.";

void SetColorPanel(TColorPanel& panel, uint32_t color) {
  panel.SetCurrentColor(color);
  panel.SetHint(GetStockColorName(color) + GetColorDescription(color) + ". " + ColorPanelUsage);
}

namespace PC = ProfileColorsPage;

TColorRow::TColorRow(TGroupBox& group, const char* name, const char* caption, int top)
    : Label(&group, AtTop(Named(PC::ColorLabel, name), top), caption),
      Panel(&group, Named(PC::ColorPanel, name).Name, PC::ColorPanel.Left, top, PC::ColorPanel.Width,
            PC::ColorPanel.Height) {}

TColorControls::TColorControls(TSidebar& s)
    : ScreenBack(s.ScreenColorsGroupBox, "ScreenBack", "    Back", PC::ScreenColorRows[0]),
      ScreenFore(s.ScreenColorsGroupBox, "ScreenFore", "    Fore", PC::ScreenColorRows[1]),
      RichBoxBack(s.RichBoxColorsGroupBox, "RichBoxBack", "    Window back", PC::RichBoxColorRows[0]),
      RichBoxFore(s.RichBoxColorsGroupBox, "RichBoxFore", "    Fore", PC::RichBoxColorRows[1]),
      Empha(s.RichBoxColorsGroupBox, "Empha", "    Empha", PC::RichBoxColorRows[2]),
      SecondEmpha(s.RichBoxColorsGroupBox, "SecondEmpha", "    Second empha", PC::RichBoxColorRows[3]),
      BrowserFocusBack(s.BrowserColorsGroupBox, "BrowserFocusBack", "    Focus back", PC::BrowserColorRows[0]),
      BrowserFocusFore(s.BrowserColorsGroupBox, "BrowserFocusFore", "    Focus fore", PC::BrowserColorRows[1]),
      DirTypeBack(s.BrowserColorsGroupBox, "DirTypeBack", "    Directory back", PC::BrowserColorRows[2]),
      DirTypeFore(s.BrowserColorsGroupBox, "DirTypeFore", "    Directory fore", PC::BrowserColorRows[3]) {
  for (TGroupBox* g : {&s.ScreenColorsGroupBox, &s.RichBoxColorsGroupBox, &s.BrowserColorsGroupBox})
    g->SetHint(ColorPanelUsage);
  for (TColorPanel* panel : Panels()) {
    const uint32_t color = static_cast<uint32_t>(FindOptionOfControl(panel->Name())->Default);
    panel->SetDefaultColor(color);
    SetColorPanel(*panel, color);
  }
}

std::vector<TColorPanel*> TColorControls::Panels() {
  return {&ScreenBack.Panel,       &ScreenFore.Panel,       &RichBoxBack.Panel, &RichBoxFore.Panel,
          &Empha.Panel,            &SecondEmpha.Panel,      &BrowserFocusBack.Panel,
          &BrowserFocusFore.Panel, &DirTypeBack.Panel,      &DirTypeFore.Panel};
}

TColors::TColors(TSidebar& sidebar, TForm& window, TLabel& clock, TListBoxBase& browserList, TRichEdit& richEdit)
    : Controls(sidebar), window_(window), clock_(clock), browserList_(browserList), richEdit_(richEdit) {}

void TColors::OptionLoaded(const TOptionEntry& opt) {
  const std::string key = opt.Key;
  if (key == "ScreenBackColor") {
    const COLORREF c = DisplayColor(Controls.ScreenBack.Panel.CurrentColor());
    window_.SetColor(c);
    browserList_.SetColor(c);
    window_.Invalidate();
  } else if (key == "ScreenForeColor") {
    const COLORREF c = DisplayColor(Controls.ScreenFore.Panel.CurrentColor());
    window_.SetFontColor(c);
    clock_.SetFontColor(c);
    clock_.Invalidate();
  } else if (key == "RichBoxBackColor") {
    richEdit_.SetBackgroundColor(DisplayColor(Controls.RichBoxBack.Panel.CurrentColor()));
  } else if (key == "RichBoxForeColor") {
    richEdit_.SetFontColor(DisplayColor(Controls.RichBoxFore.Panel.CurrentColor()));
  }
}

}  // namespace qv::app
