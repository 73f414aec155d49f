// Value encodings of the settings files.
#pragma once
#include <cstdint>
#include <string>

namespace qv {

// An integer as the store reads it: optional blanks around, an optional sign,
// then decimal digits (within the signed 32-bit range) or, after "0x", "0X" or
// "$", up to eight hexadecimal digits (taken as the 32-bit pattern, so
// "$FFFFFFFF" is -1). False for anything else, leaving value unchanged.
bool ParseIniInteger(const std::string& text, int32_t& value);

// A colour as the store reads it: a stock colour name, a toolkit identifier or a
// number by the colour-argument rule. False (value unchanged) for other texts,
// the empty text included.
bool ParseIniColor(const std::string& text, uint32_t& value);

}  // namespace qv
