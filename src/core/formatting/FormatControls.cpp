#include "formatting/FormatControls.h"

#include "options/OptionSchema.h"
#include "richbox/RichOps.h"
#include "util/Numbers.h"

namespace qv {

namespace {

int32_t Setting(const char* key, const std::string& text) { return FormatSettingValue(key, text); }

// Runs a change that is not an edit: the modified flag ends as it was before,
// so edits the reader made earlier are still offered for saving.
template <class F>
void WithoutEdit(IRichBox& box, F change) {
  const bool modified = box.GetModified();
  change();
  box.SetModified(modified);
}

}  // namespace

int32_t FormatSettingValue(const char* key, const std::string& text) {
  const TOptionEntry* opt = FindOption(ProfileMainTable(), key);
  if (!opt) return 0;
  return GetIntFromText(text, opt->Min, opt->Max, opt->Default);
}

std::string FormatFontName(const TFormatSettings& settings) {
  return settings.FontName.empty() ? std::string(DefaultFontName) : settings.FontName;
}

void ReadFormatDefaults(TEnhancedRichEdit& enhancer, const TFormatSettings& s) {
  enhancer.SetDefaults(false, false, Setting("LineSpacing", s.LineSpacing), Setting("SpaceAfter", s.SpaceAfter),
                       Setting("FirstLineIndent", s.FirstLineIndent), s.Justified ? 3 : 0, s.SecondEmphaColor,
                       s.EmphaColor, s.ForeColor, Setting("CharSpacing", s.CharSpacing),
                       Setting("FontSize", s.FontSize), s.FontName, s.Bold);
}

void SetAllParaFormat(TEnhancedRichEdit& enhancer, const TFormatSettings& settings) {
  WithoutEdit(enhancer.RichBox, [&] {
    ReadFormatDefaults(enhancer, settings);
    enhancer.ApplyParaFormatToWholeText();
  });
}

void ApplyFormatZoom(const TFormatSettings& settings, IRichBox& box) {
  SetRichZoom(box, Setting("FontZoom", settings.FontZoom));
}

void ApplyFormatControl(TFormatControl control, const TFormatSettings& s, IRichBox& box,
                        TEnhancedRichEdit& enhancer) {
  switch (control) {
    case TFormatControl::LeftMargin:
      KeepRichPlace(box, [&] { SetRichLeftMargin(box, Setting("LeftMargin", s.LeftMargin)); });
      break;
    case TFormatControl::RightMargin:
      KeepRichPlace(box, [&] { SetRichRightMargin(box, Setting("RightMargin", s.RightMargin)); });
      break;
    case TFormatControl::FontZoom:
      KeepRichPlace(box, [&] { ApplyFormatZoom(s, box); });
      break;
    case TFormatControl::BoldFont:
      WithoutEdit(box, [&] { KeepRichPlace(box, [&] { SetRichBold(box, s.Bold); }); });
      break;
    case TFormatControl::FontName:
      WithoutEdit(box, [&] { KeepRichPlace(box, [&] { SetRichFontName(box, FormatFontName(s)); }); });
      break;
    case TFormatControl::FontSize:
      WithoutEdit(box, [&] {
        KeepRichPlace(box, [&] {
          // All the text, its end included: what is typed into an emptied box takes the size too.
          // (Setting the control's default font as well would cost the control a second
          // layout of the whole text under wine.)
          SetRichFontSize(box, Setting("FontSize", s.FontSize));
        });
      });
      break;
    case TFormatControl::CharSpacing:
      WithoutEdit(box, [&] { KeepRichPlace(box, [&] { SetRichCharSpacing(box, Setting("CharSpacing", s.CharSpacing)); }); });
      break;
    case TFormatControl::JustifiedText:
    case TFormatControl::LineSpacing:
    case TFormatControl::SpaceAfter:
    case TFormatControl::FirstLineIndent:
      SetAllParaFormat(enhancer, s);
      break;
  }
}

}  // namespace qv
