// What the profile's "Format" controls do to the rich-box and to the enhancer's
// format state. The window reads its controls into a TFormatSettings and calls
// these operations; they talk to the rich-box only through IRichBox, so the
// same rules run over the real control and over the in-memory box.
#pragma once
#include <cstdint>
#include <string>

#include "richbox/RichBox.h"
#include "text/EnhancedRichEdit.h"

namespace qv {

// The current texts and states of the format controls and the three profile
// colours the format state takes its defaults from.
struct TFormatSettings {
  std::string FontName, FontSize, FontZoom, CharSpacing;
  std::string LeftMargin, RightMargin, LineSpacing, SpaceAfter, FirstLineIndent;
  bool Bold = false;
  bool Justified = true;
  uint32_t ForeColor = 0, EmphaColor = 0, SecondEmphaColor = 0;
};

// The format controls whose change acts on the rich-box.
enum class TFormatControl {
  LeftMargin, RightMargin, BoldFont, JustifiedText, FontName, FontSize, FontZoom, CharSpacing,
  LineSpacing, SpaceAfter, FirstLineIndent
};

// The number a format control's text stands for: the whole number of the text
// when it lies within the profile option's bounds, else the option's default
// (never clamped). key is the profile key ("FontSize", "LineSpacing", ...).
int32_t FormatSettingValue(const char* key, const std::string& text);

// The font name of the settings: the box's text, or "Times New Roman" when it is empty.
std::string FormatFontName(const TFormatSettings& settings);

// Resets the enhancer's format state from the settings (SetDefaults): underline
// and italic off, alignment justified or left, the colours, sizes and spacings.
void ReadFormatDefaults(TEnhancedRichEdit& enhancer, const TFormatSettings& settings);

// Reads the defaults and gives every paragraph the profile's paragraph format,
// keeping the reader's place; alignment, indents and spacing set by formatting
// commands are replaced. The text stays unmodified; the selection ends collapsed.
void SetAllParaFormat(TEnhancedRichEdit& enhancer, const TFormatSettings& settings);

// What a change of one format control does to the whole text: margins, bold,
// font name, size, zoom and character spacing change the rich-box directly
// (colours and the format state are left alone); the paragraph controls run
// SetAllParaFormat. The reader's place is kept and programmatic format changes
// do not count as edits (the modified flag is cleared, unless the control
// changes no character format, as margins and zoom do not).
void ApplyFormatControl(TFormatControl control, const TFormatSettings& settings, IRichBox& box,
                        TEnhancedRichEdit& enhancer);

// The font zoom of the settings, without moving the view (book loading applies
// it inside the burst that builds the text).
void ApplyFormatZoom(const TFormatSettings& settings, IRichBox& box);

}  // namespace qv
