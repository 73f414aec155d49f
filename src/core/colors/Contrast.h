// How readable a text colour is on a background: the contrast ratio of the two
// colours' relative luminances (the accessibility guidelines' measure, from 1
// for equal colours to 21 for black on white), and the colour a text takes to
// stay readable whatever colours the reader chose.
#pragma once
#include <cstdint>

namespace qv {

// The least contrast a text keeps against its background.
constexpr double ReadableContrast = 4.5;

// Relative luminance of a 0x00BBGGRR colour, from 0 (black) to 1 (white).
double RelativeLuminance(uint32_t color);
// (lighter + 0.05) / (darker + 0.05).
double ContrastRatio(uint32_t first, uint32_t second);
// preferred when it reaches ReadableContrast on back; otherwise the nearest
// colour that does: preferred mixed with black or with white (whichever needs
// less of it), so that a light or a dark text keeps its hue; black or white
// itself where no mixture reaches it.
uint32_t ReadableTextColor(uint32_t preferred, uint32_t back);

}  // namespace qv
