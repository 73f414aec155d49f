// Numbers as the reader writes and reads them: the converter's number format,
// the general float-to-text conversion, the real-number reader, and the number
// written around a character position of the book.
#pragma once
#include <cstdint>
#include <string>

#include "richbox/RichBox.h"

namespace qv {

// The user's separators (the window reads them from the system's locale).
struct TNumberSeparators {
  std::string Thousands = ",";
  std::string Decimal = ".";
};

// The converter's number format. Values whose decimal exponent is below
// precision print whole, rounded to precision significant digits, with digits
// decimals ("1,234.57"); larger ones print as a mantissa of precision
// significant digits and an "e" exponent that is a multiple of three
// ("149.600e9"). Precision below 1 or digits below 0: the failure "Invalid
// number of digits, or precesion." (shown) and "". Infinities and NaN print
// as "INF", "-INF" and "NAN".
std::string AlignRealToTextPow(int32_t precision, int32_t digits, long double value,
                               const TNumberSeparators& separators);

// The general float-to-text conversion: up to 15 significant digits, no
// trailing zeros, no thousands separators; scientific ("1.5E20", "1E-5") for
// more than 15 integer digits or values below 0.00001.
std::string FloatToText(long double value, const TNumberSeparators& separators);

// The general real-number reader: optional blanks around, a sign, digits with
// at most one decimal separator (at least one digit in all), and an optional
// exponent ("E" or "e", a sign, digits). No thousands separators. False for
// anything else and for values beyond the range of the type.
bool ReadRealText(const std::string& text, const std::string& decimalSeparator, long double& value);

// The token of digits around offset k of a line: the characters before k
// (leftwards) and from k on (rightwards); a full stop, comma, apostrophe or
// grave accent is taken only between two digits. Then, with dot, everything
// but digits and full stops goes, otherwise everything but digits and commas.
// "" when k is below 1 or past the line, or the token holds no digit.
std::string GetNumberInLine(const std::string& line, int32_t k, bool dot);

// GetNumberInLine of the display line that holds a rich-box position; dot is
// whether the user's decimal separator is the full stop.
std::string GetNumberAt(IRichBox& box, int32_t position, const TNumberSeparators& separators);

// Reads a token of GetNumberAt: with the full stop as decimal separator when
// the user's is the full stop, else with the comma (the clean-up kept commas).
bool ReadNumberToken(const std::string& token, const TNumberSeparators& separators,
                     long double& value);

}  // namespace qv
