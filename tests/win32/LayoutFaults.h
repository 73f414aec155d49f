// What a person would see wrong in a window's controls at its DPI, measured
// from the windows themselves: a control outside its container or on a
// group's frame or caption, two controls over each other, a caption or a
// combo-box value cut, list rows lower than their text.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace qv::testing {

// The faults inside container (its visible controls, and those inside its
// groups, panels and pages), each a readable line starting with where.
std::vector<std::string> LayoutFaults(HWND container, const std::string& where);

}  // namespace qv::testing
