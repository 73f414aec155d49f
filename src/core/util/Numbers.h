// Reading numbers back from control texts, and formatting them for messages.
#pragma once
#include <cstdint>
#include <string>

namespace qv {

// The integer of a combo-box or edit text, or def when the text is empty, is not
// an integer, or lies outside [min, max]. Surrounding blanks are allowed.
int32_t GetIntFromText(const std::string& text, int32_t min, int32_t max, int32_t def);

// Whole decimal integer with the given group separator every three digits
// ("12,345,678"); an empty separator gives plain digits.
std::string FormatGrouped(int64_t value, const std::string& separator = ",");

}  // namespace qv
