// The profile's format controls acting on the rich-box, the whole-text
// paragraph format, the Rich Edit 3 switch, and the text engine's steps of a
// book load (format defaults, zoom, chapters).
#include "app/OptionControls.h"
#include "app/ProfileControls.h"
#include "app/QuenvalisForm.h"
#include "app/TextEngineControls.h"
#include "errors/Guard.h"

namespace qv::app {

namespace {
const char* const kFile = "QuenvalisDialog";
}  // namespace

void TQuenvalisForm::CreateTextEngineControls() {
  TextEngine = std::make_unique<TTextEngineControls>(Sidebar);
  TextEngine->ChaptersButton.OnClick = [this] { ChaptersButtonClick(); };
  Enhancer->OnChapterClick = [this](int32_t tag) { ChapterMenuItemClick(tag); };
  UpdateChaptersButton();

  BookHooks.DiscardChapters = [this] { DiscardChapters(); };
  BookHooks.RefreshChaptersButton = [this] { UpdateChaptersButton(); };
  BookHooks.ResetFormatDefaults = [this] { ReadFormatDefaults(*Enhancer, ReadFormatSettings()); };
  BookHooks.ApplyZoom = [this] { ApplyFormatZoom(ReadFormatSettings(), RichEdit); };

  TProfileControls& p = *Profile;
  const std::pair<TComboBox*, TFormatControl> combos[] = {
      {&p.LeftMargin.Box, TFormatControl::LeftMargin},   {&p.RightMargin.Box, TFormatControl::RightMargin},
      {&p.FontName.Box, TFormatControl::FontName},       {&p.FontSize.Box, TFormatControl::FontSize},
      {&p.FontZoom.Box, TFormatControl::FontZoom},       {&p.CharSpacing.Box, TFormatControl::CharSpacing},
      {&p.LineSpacing.Box, TFormatControl::LineSpacing}, {&p.SpaceAfter.Box, TFormatControl::SpaceAfter},
      {&p.FirstLineIndent.Box, TFormatControl::FirstLineIndent}};
  for (const auto& [box, control] : combos) {
    const TFormatControl c = control;
    box->OnChange = [this, c] { FormatControlChange(c); };
  }
  p.BoldFontCheckBox.OnClick = [this] { FormatControlChange(TFormatControl::BoldFont); };
  p.JustifiedTextCheckBox.OnClick = [this] { FormatControlChange(TFormatControl::JustifiedText); };
  Options->ForceRichEdit3CheckBox.OnClick = [this] { ForceRichEdit3CheckBoxClick(); };
}

TFormatSettings TQuenvalisForm::ReadFormatSettings() {
  const TProfileControls& p = *Profile;
  TFormatSettings s;
  s.FontName = p.FontName.Box.Text();
  s.FontSize = p.FontSize.Box.Text();
  s.FontZoom = p.FontZoom.Box.Text();
  s.CharSpacing = p.CharSpacing.Box.Text();
  s.LeftMargin = p.LeftMargin.Box.Text();
  s.RightMargin = p.RightMargin.Box.Text();
  s.LineSpacing = p.LineSpacing.Box.Text();
  s.SpaceAfter = p.SpaceAfter.Box.Text();
  s.FirstLineIndent = p.FirstLineIndent.Box.Text();
  s.Bold = p.BoldFontCheckBox.Checked();
  s.Justified = p.JustifiedTextCheckBox.Checked();
  s.ForeColor = p.RichBoxForeColorPanel.CurrentColor();
  s.EmphaColor = p.EmphaColorPanel.CurrentColor();
  s.SecondEmphaColor = p.SecondEmphaColorPanel.CurrentColor();
  return s;
}

void TQuenvalisForm::SetAllParaFormatRichEdit() {
  Guarded(QV_OP(kFile, "TQuenvalisForm::SetAllParaFormatRichEdit", ""), [&](TFunStatContext&) {
    // The whole text is reformatted in one pass, hidden and without repainting.
    const bool visible = BeginRichBoxUpdate();
    struct TEnd {
      TQuenvalisForm& form;
      bool visible;
      ~TEnd() { form.EndRichBoxUpdate(visible); }
    } end{*this, visible};
    SetAllParaFormat(*Enhancer, ReadFormatSettings());
  });
}

void TQuenvalisForm::FormatControlChange(TFormatControl control) {
  switch (control) {
    case TFormatControl::JustifiedText:
    case TFormatControl::LineSpacing:
    case TFormatControl::SpaceAfter:
    case TFormatControl::FirstLineIndent:
      SetAllParaFormatRichEdit();
      break;
    default:
      ApplyFormatControl(control, ReadFormatSettings(), RichEdit, *Enhancer);
      break;
  }
  RichEdit.SetFocus();
}

void TQuenvalisForm::ForceRichEdit3CheckBoxClick() {
  Enhancer->ForceRichEdit3 = Options->ForceRichEdit3CheckBox.Checked();
}

}  // namespace qv::app
