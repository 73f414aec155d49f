// Small helpers the subsystems share for their controls: combo boxes filled
// from the option schema, read-only edits and labelled combos.
#pragma once
#include <string>

#include "widgets/Controls.h"

namespace qv::app {

using namespace qv::win;

// The items and the default of the option held by this combo box (found by
// the box's name in the option schema); a box of no option is left alone.
void FillFromOption(TComboBox& box);
// Checks the box when its option's default is on.
void CheckFromOption(TCheckBox& box);
// The integer of the box's text within its option's bounds, else the option's default.
int32_t ReadOption(const TComboBox& box);

// Makes an edit read-only and shows it in the button-face colour.
void MakeReadOnlyEdit(TEdit& edit);

// After an option changed, the keyboard focus goes back to the book, unless
// the change was made from the keyboard: then it stays on the control, so that
// the reader goes on from there (the next item of a list, the next control).
void FocusBookAfterOption(TControl& book);

// A combo box with the label that names it.
struct TLabeledCombo {
  TLabeledCombo(TControl* parent, const TPlace& label, const TPlace& box, const std::string& caption,
                bool editable = false)
      : Label(parent, label, caption), Box(parent, box, editable) {}
  TLabel Label;
  TComboBox Box;
};

}  // namespace qv::app
