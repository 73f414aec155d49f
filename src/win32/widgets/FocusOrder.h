// Moving the keyboard focus from control to control in reading order, as Tab
// does in a dialog, for windows that are not dialogs: the controls are taken
// in the order a reader meets them (rows from the top, each row from the left),
// whatever order they were made in.
#pragma once
#include <vector>

#include "widgets/Control.h"

namespace qv::win {

class TPageControl;

// Every control under root that Tab stops at (shown, enabled, a tab stop), in
// reading order. The controls inside a container (a group, a page of tabs)
// follow the container's own place; a page control's tabs come before its page.
std::vector<TControl*> TabStops(const TControl& root);
// The stop that holds the keyboard focus (itself, or a window of its own such
// as an editable combo box's edit), or null.
TControl* FocusedStop(const std::vector<TControl*>& stops);
// Moves the focus to the next (or the previous) stop under root, from the last
// round to the first; the text of an edit it lands on is selected. False when
// root has no stop.
bool MoveFocus(const TControl& root, bool forward);
// The page control under root that Ctrl+Tab turns: the innermost one that
// holds the keyboard focus, else the first one.
TPageControl* PageControlAt(const TControl& root);
// True when the focused window takes typed text (an edit or a rich-box that is
// not read-only, an editable combo box's edit included) and the key, with Ctrl
// and Alt held, is a character key: Ctrl+Alt is AltGr on many keyboards, and
// types "@", "ą" or "ś" there.
bool AltGrTypesText(WORD key, unsigned shift);
// True while the keyboard focus is on the control or on a control inside it.
bool HoldsFocus(const TControl& control);
// Draws the dotted focus rectangle r on a control of our own drawing while it
// has the keyboard focus, unless the system hides focus rectangles for now.
void PaintKeyboardFocus(const TControl& control, HDC dc, RECT r);
// Shows focus rectangles in the window's top-level window: the system hides
// them in a window used with the mouse until the keyboard moves the focus.
void ShowFocusCues(const TControl& control);

}  // namespace qv::win
