#include "app/colors/Colors.h"

#include "app/SidebarPlaces.h"
#include "app/controls/OptionFill.h"
#include "colors/Contrast.h"
#include "errors/Guard.h"
#include "richbox/RichOps.h"

namespace qv::app {

namespace {
const char* const kFile = "QuenvalisDialog";
namespace PC = ProfileColorsPage;

TColorButton ColorButtonOf(TMouseButton button) {
  switch (button) {
    case TMouseButton::Left: return TColorButton::Left;
    case TMouseButton::Right: return TColorButton::Right;
    default: return TColorButton::Middle;
  }
}
}  // namespace

void SetColorPanel(TColorPanel& panel, uint32_t color) {
  panel.SetCurrentColor(color);
  panel.SetHint(ColorPanelHint(color));
}

void RepaintScreenBackground(TForm& window) {
  window.InvalidateWithChildren();
}

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
      DirTypeFore(s.BrowserColorsGroupBox, "DirTypeFore", "    Directory fore", PC::BrowserColorRows[3]),
      SetHighLightColorsButton(&s.ColorSchemesGroupBox, PC::SetHighLightColorsButton, CColorSchemes[0].Caption),
      SetLowStrainColorsButton(&s.ColorSchemesGroupBox, PC::SetLowStrainColorsButton, CColorSchemes[1].Caption),
      SetLowLightColorsButton(&s.ColorSchemesGroupBox, PC::SetLowLightColorsButton, CColorSchemes[2].Caption) {
  for (TGroupBox* g : {&s.ScreenColorsGroupBox, &s.RichBoxColorsGroupBox, &s.BrowserColorsGroupBox})
    g->SetHint(ColorPanelUsage);
  s.ColorSchemesGroupBox.SetHint("Change the current color scheme");
  SetHighLightColorsButton.SetHint(
      "Set all colors with the high light set of colors. Use these colors when the environmental "
      "light is high.");
  SetLowStrainColorsButton.SetHint(
      "Set all colors with the low eyestrain set of colors. Use these colors to decrease the "
      "eyestrain.");
  SetLowLightColorsButton.SetHint(
      "Set all colors with the low light set of colors. Use these colors when the environmental "
      "light is low.");
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

TTextQuoteColoring::TTextQuoteColoring(TTextEngine* text) : text_(text) {}

void TTextQuoteColoring::EmphasizeText(uint32_t emphaColor, uint32_t secondEmphaColor) {
  text_->Enhancer.EmphasizeText(emphaColor, secondEmphaColor);
}

bool TTextQuoteColoring::WaitForWholeText() { return text_->WaitForWholeText(); }

TColors::TColors(TSidebar& sidebar, TForm& window, TLabel& clock, TListBoxBase& browserList, TRichEdit& richEdit,
                 IScreen& screen, IQuoteColoring& quotes)
    : Controls(sidebar),
      Chooser(&dialogs_),
      window_(window),
      clock_(clock),
      browserList_(browserList),
      richEdit_(richEdit),
      screen_(screen),
      quotes_(quotes) {
  std::vector<TColorPanel*> panels = Controls.Panels();
  for (size_t i = 0; i < panels.size(); ++i) {
    const auto id = static_cast<TColorPanelId>(i);
    panels[i]->OnMouseUp = [this, id](TMouseButton button, unsigned, int, int) { PanelMouseUp(id, button); };
  }
  TButton* schemes[] = {&Controls.SetHighLightColorsButton, &Controls.SetLowStrainColorsButton,
                        &Controls.SetLowLightColorsButton};
  for (int i = 0; i < 3; ++i) schemes[i]->OnClick = [this, i] { SetColorScheme(CColorSchemes[i]); };
}

void TColors::OptionLoaded(const TOptionEntry& opt) {
  const std::string key = opt.Key;
  if (key == "ScreenBackColor") {
    ApplyScreenBackColor();
  } else if (key == "ScreenForeColor") {
    ApplyScreenForeColor();
  } else if (key == "RichBoxBackColor") {
    richEdit_.SetBackgroundColor(DisplayColor(Controls.RichBoxBack.Panel.CurrentColor()));
  } else if (key == "RichBoxForeColor") {
    // The colour new text starts with; a text in the box is built again with it.
    if (IsRichTextEmpty(richEdit_)) {
      const bool modified = richEdit_.GetModified();
      SetRichTextColor(richEdit_, DisplayColor(ForeColor()));
      richEdit_.SetModified(modified);
    }
  }
  // The browser repaints its list for the colours it draws with.
}

bool TColors::ColorPanelMouseUp(TColorPanel& panel, TMouseButton button) {
  uint32_t color = panel.CurrentColor();
  if (!qv::ColorPanelMouseUp(ColorButtonOf(button), color, panel.DefaultColor(), *Chooser)) return false;
  SetColorPanel(panel, color);
  return true;
}

void TColors::PanelMouseUp(TColorPanelId id, TMouseButton button) {
  TColorPanel& panel = *Controls.Panels()[size_t(id)];
  const std::string function = "TQuenvalisForm::" + panel.Name() + "MouseUp";
  Guarded(TOperation{kFile, function.c_str(), "", __LINE__}, [&](TFunStatContext&) {
    switch (id) {
      case cpRichBoxFore:
        ApplyRichTextColors(panel, button, true);
        return;
      case cpEmpha:
      case cpSecondEmpha:
        ApplyRichTextColors(panel, button, false);
        return;
      default:
        break;
    }
    if (!ColorPanelMouseUp(panel, button)) return;
    switch (id) {
      case cpScreenBack:
        ApplyScreenBackColor();
        screen_.RefreshRichBox();
        break;
      case cpScreenFore:
        ApplyScreenForeColor();
        screen_.RefreshRichBox();
        break;
      case cpRichBoxBack:
        richEdit_.SetBackgroundColor(DisplayColor(panel.CurrentColor()));
        break;
      default:  // the browser's colours, which its list reads as it draws
        browserList_.Invalidate();
        break;
    }
  });
  FocusBookAfterOption(richEdit_);
}

uint32_t TColors::Readable(const TColorPanel& panel) const {
  const COLORREF picture = richTextBack_ ? richTextBack_->RichPictureColor() : CLR_INVALID;
  const COLORREF back = picture != CLR_INVALID ? picture : DisplayColor(Controls.RichBoxBack.Panel.CurrentColor());
  const uint32_t color = ReadableTextColor(DisplayColor(panel.CurrentColor()), back);
  // Asked for exactly when text is coloured: remembered to tell a change of the background.
  if (&panel == &Controls.RichBoxFore.Panel) textColors_[0] = color;
  else if (&panel == &Controls.Empha.Panel) textColors_[1] = color;
  else textColors_[2] = color;
  return color;
}

void TColors::RichTextBackChanged() {
  const std::array<uint32_t, 3> was = textColors_;
  const std::array<uint32_t, 3> now{ForeColor(), EmphaColor(), SecondEmphaColor()};
  if (now == was || IsRichTextEmpty(richEdit_)) return;
  TQuietRichBoxUpdate quiet(screen_);
  RecolorText(true);
}

void TColors::ApplyRichTextColors(TColorPanel& panel, TMouseButton button, bool recolorText) {
  if (!ColorPanelMouseUp(panel, button) || !quotes_.WaitForWholeText()) return;
  TQuietRichBoxUpdate quiet(screen_);
  RecolorText(recolorText);
}

void TColors::RecolorText(bool recolorFore) {
  const int32_t top = GetRichTopPos(richEdit_);
  // A colouring is no edit: the text stays as modified as it was, so edits
  // made before it are still offered for saving.
  const bool modified = richEdit_.GetModified();
  if (recolorFore) SetRichTextColor(richEdit_, DisplayColor(ForeColor()));
  quotes_.EmphasizeText(DisplayColor(EmphaColor()), DisplayColor(SecondEmphaColor()));
  richEdit_.SetModified(modified);
  ShowRichPosAtTop(richEdit_, top);
}

void TColors::ApplyScreenBackColor() {
  window_.SetColor(ScreenBackColor());
  RepaintScreenBackground(window_);
  // The browser's and the converter's lists stand on the screen colour.
  browserList_.SetColor(ScreenBackColor());
  SetConverterListsColor();
}

void TColors::ApplyScreenForeColor() {
  const COLORREF c = DisplayColor(Controls.ScreenFore.Panel.CurrentColor());
  window_.SetFontColor(c);
  clock_.SetFontColor(c);
}

void TColors::SetConverterListsColor() {
  if (converterLists_) converterLists_->SetListsColor(ScreenBackColor());
}

void TColors::ApplyColors() {
  if (!quotes_.WaitForWholeText()) return;
  {
    TQuietRichBoxUpdate quiet(screen_);
    richEdit_.SetBackgroundColor(DisplayColor(Controls.RichBoxBack.Panel.CurrentColor()));
    ApplyScreenBackColor();
    ApplyScreenForeColor();
    RecolorText(true);
  }
  screen_.RefreshScreen();
  FocusBookAfterOption(richEdit_);
}

void TColors::SetColorScheme(const TColorScheme& scheme) {
  const std::string function = std::string("TQuenvalisForm::Set") +
                               (&scheme == &CColorSchemes[0]   ? "HighLight"
                                : &scheme == &CColorSchemes[1] ? "LowStrain"
                                                               : "LowLight") +
                               "ColorsButtonClick";
  Guarded(TOperation{kFile, function.c_str(), "", __LINE__}, [&](TFunStatContext&) {
    std::vector<TColorPanel*> panels = Controls.Panels();
    for (TColorPanelId id : CSchemeSetOrder) SetColorPanel(*panels[size_t(id)], scheme.Colors[size_t(id)]);
    ApplyColors();
  });
}

}  // namespace qv::app
