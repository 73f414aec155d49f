// What screen readers are told about our controls. A screen reader asks each
// window for its accessible object (WM_GETOBJECT); a control answers with the
// system's standard object for its window, wrapped so that the name, role,
// value, description and list items that the control knows better come from
// the control (TControl::AccessibleName and the methods beside it).
#pragma once
#include <windows.h>

namespace qv::win {

class TControl;

// The answer to WM_GETOBJECT (wp, OBJID_CLIENT) for the control, or for a
// window of its own that speaks for it (an editable combo box's edit); 0
// leaves the question to the system.
LRESULT AnswerAccessibleObject(TControl& control, WPARAM wp, HWND window = nullptr);

// Tells screen readers that the control's value (or its name) changed.
void NotifyAccessibleValueChange(const TControl& control);

}  // namespace qv::win
