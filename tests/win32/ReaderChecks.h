// What a reader sees, read back from the window: lines that end inside the
// rich-box, no text drawn outside it, the character at the top-left corner of
// the text, and how well each text of the window stands out from what it is
// drawn on. Each check answers the faults it found as readable lines.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "app/QuenvalisForm.h"

namespace qv::testing {

// The visible lines of the rich-box whose last character does not lie inside
// its text area (the client area, which leaves out the scroll bar), and a
// formatting rectangle wider than that area.
std::vector<std::string> LinesOutsideBox(win::TRichEdit& rich);
// Pixels around the rich-box that differ from what the window shows there with
// the rich-box hidden: text drawn outside the box.
std::vector<std::string> TextOutsideBox(app::TQuenvalisForm& f);
// The pixels of the rich-box's client area that differ from what it shows
// once painted whole again: what a scroll left behind (0 when nothing).
int StalePixels(win::TRichEdit& rich);
// The rich-box position of the first character of the line at the top of the
// view (its break, for an empty line).
int32_t TopLineStart(win::TRichEdit& rich);

// The contrast of a control's text, read from the screen: the pixels its text
// changes (the control painted with and without its text) against what they
// show without it. 0 when the text changes no pixel: it cannot be seen.
double PaintedTextContrast(win::TControl& control);

// The faults one after another, each ended by "; "; "" when there are none.
std::string Joined(const std::vector<std::string>& faults);

// A key pressed in a window, with Ctrl held or not, as the control receives it.
void PressKey(HWND window, WORD key, bool ctrl = false);

}  // namespace qv::testing
