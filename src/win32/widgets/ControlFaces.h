// Buttons and tabs in the colours of the window around them. While those are
// light they look as the system draws them; on a dark scheme the system would
// still draw them light, so they are drawn flat, a little lighter than what
// surrounds them, with text that stands out from them. Where the system has a
// dark theme for its controls (Windows 10 and later), a control asks for it.
#pragma once
#include <windows.h>

#include <string>

#include "widgets/Control.h"

namespace qv::win {

// A colour dark enough that controls on it are drawn dark.
bool IsDarkColor(COLORREF color);
// A push button on a dark colour, in the colours of control (its colour, its
// text colour); item tells its state (pushed, focused, disabled, default).
void PaintButtonFace(const DRAWITEMSTRUCT& item, const TControl& control, const std::string& caption);
// One tab of an owner-drawn tab strip.
void PaintTabFace(const DRAWITEMSTRUCT& item, const TControl& control, const std::string& caption);
// The system's dark theme for a window's scroll bars and parts, or its usual one.
void UseDarkTheme(HWND window, bool dark);

}  // namespace qv::win
