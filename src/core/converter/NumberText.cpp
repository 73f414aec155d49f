#include "converter/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "encoding/Utf8.h"
#include "errors/Guard.h"
#include "richbox/RichOps.h"

namespace qv {
namespace {

const char* const kFile = "Include/Utilities";

// |x| = 0.Digits x 10^Point, Digits without leading or trailing zeros ("" for 0).
// Rounding works on these decimal digits, so halves round up as written.
struct TDecimal {
  bool Negative = false;
  std::string Digits;
  int32_t Point = 0;
};

TDecimal ToDecimal(long double x) {
  TDecimal d;
  d.Negative = std::signbit(x);
  if (x == 0) return d;
  // 21 significant digits hold an extended value closely enough that no value
  // below a power of ten reads as that power.
  char buffer[64];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x),
                                 std::chars_format::scientific, 20).ptr;
  char* e = std::find(buffer, end, 'e');
  d.Digits.assign(1, buffer[0]);
  if (e - buffer > 2) d.Digits.append(buffer + 2, e);
  int exponent = 0;
  std::from_chars(e + (e[1] == '+' ? 2 : 1), end, exponent);
  d.Point = exponent + 1;
  while (!d.Digits.empty() && d.Digits.back() == '0') d.Digits.pop_back();
  return d;
}

// Keeps the first keep digits, rounding half up on the next one.
void RoundDigits(TDecimal& d, int32_t keep) {
  if (int32_t(d.Digits.size()) <= keep) return;
  if (keep < 0) {
    d.Digits.clear();
    return;
  }
  const bool up = d.Digits[keep] >= '5';
  d.Digits.resize(keep);
  if (up) {
    while (!d.Digits.empty() && d.Digits.back() == '9') d.Digits.pop_back();
    if (d.Digits.empty()) {
      d.Digits = "1";
      ++d.Point;
    } else {
      ++d.Digits.back();
    }
  }
  while (!d.Digits.empty() && d.Digits.back() == '0') d.Digits.pop_back();
}

char DigitAt(const TDecimal& d, int32_t index) {
  return index >= 0 && index < int32_t(d.Digits.size()) ? d.Digits[index] : '0';
}

std::string IntegerPart(const TDecimal& d) {
  std::string s;
  for (int32_t i = 0; i < d.Point; ++i) s += DigitAt(d, i);
  return s.empty() ? "0" : s;
}

std::string Grouped(const std::string& digits, const std::string& separator) {
  std::string s;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) s += separator;
    s += digits[i];
  }
  return s;
}

// The fixed format with thousands separators: rounded to precision significant
// digits and to decimals decimals, whichever keeps fewer, then shown with
// exactly decimals decimals. A value that rounds to zero has no sign.
std::string FormatNumber(TDecimal d, int32_t precision, int32_t decimals,
                         const TNumberSeparators& separators) {
  RoundDigits(d, std::min(precision, d.Point + decimals));
  std::string s = d.Negative && !d.Digits.empty() ? "-" : "";
  s += Grouped(IntegerPart(d), separators.Thousands);
  if (decimals > 0) {
    s += separators.Decimal;
    for (int32_t i = 0; i < decimals; ++i) s += DigitAt(d, d.Point + i);
  }
  return s;
}

const char* NonFiniteText(long double x) {
  if (std::isnan(x)) return "NAN";
  return x < 0 ? "-INF" : "INF";
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNumberSeparator(char c) { return c == '.' || c == ',' || c == '\'' || c == '`'; }

}  // namespace

std::string AlignRealToTextPow(int32_t precision, int32_t digits, long double value,
                               const TNumberSeparators& separators) {
  std::string result;
  Guarded(QV_OP(kFile, "AlignRealToTextPow", ""), [&](TFunStatContext& local) {
    if (precision < 1 || digits < 0) {
      local.Raise(kFile, "AlignRealToTextPow", 0, "Invalid number of digits, or precesion.",
                  std::to_string(precision), std::to_string(digits), Error, __LINE__);
      return;
    }
    if (!std::isfinite(value)) {
      result = NonFiniteText(value);
      return;
    }
    if (value == 0) {
      result = "0";
      return;
    }
    const TDecimal x = ToDecimal(value);
    // e = log10(|x|) truncated toward zero, from the exact decimal digits.
    int32_t e = x.Point >= 1 || x.Digits == "1" ? x.Point - 1 : x.Point;
    int32_t k = e / 3 * 3;
    TDecimal m = x;  // m = x / 10^k
    m.Point -= k;
    TDecimal whole = m;  // t = m rounded half up to a whole number
    RoundDigits(whole, whole.Point);
    const int32_t t = std::stoi(IntegerPart(whole));
    if (t == 1000) {
      ++e;
      k += 3;
      m.Digits = "1";
      m.Point = 1;
    }
    if (e < precision) {
      result = FormatNumber(x, precision, digits, separators);
      return;
    }
    const int32_t d = t >= 1000 ? 3 : t >= 100 ? 2 : t >= 10 ? 1 : 0;
    result = FormatNumber(m, precision, std::max(0, precision - d - 1), separators);
    if (k != 0) result += "e" + std::to_string(k);
  });
  return result;
}

std::string FloatToText(long double value, const TNumberSeparators& separators) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  if (value == 0) return "0";
  TDecimal d = ToDecimal(value);
  RoundDigits(d, 15);
  std::string s = d.Negative ? "-" : "";
  if (d.Point > 15 || d.Point < -4) {
    s += d.Digits[0];
    if (d.Digits.size() > 1) s += separators.Decimal + d.Digits.substr(1);
    return s + "E" + std::to_string(d.Point - 1);
  }
  s += IntegerPart(d);
  if (int32_t(d.Digits.size()) > d.Point) {
    s += separators.Decimal;
    for (int32_t i = d.Point; i < int32_t(d.Digits.size()); ++i) s += DigitAt(d, i);
  }
  return s;
}

bool ReadRealText(const std::string& text, const std::string& decimalSeparator, long double& value) {
  size_t i = 0, end = text.size();
  while (i < end && static_cast<unsigned char>(text[i]) <= ' ') ++i;
  while (end > i && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
  bool negative = false;
  if (i < end && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::string canonical;
  size_t mantissaDigits = 0;
  auto takeDigits = [&](size_t& count) {
    while (i < end && IsDigit(text[i])) {
      canonical += text[i++];
      ++count;
    }
  };
  takeDigits(mantissaDigits);
  if (!decimalSeparator.empty() && text.compare(i, decimalSeparator.size(), decimalSeparator) == 0 &&
      i + decimalSeparator.size() <= end) {
    i += decimalSeparator.size();
    canonical += '.';
    takeDigits(mantissaDigits);
  }
  if (mantissaDigits == 0) return false;
  if (i < end && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    canonical += 'e';
    if (i < end && (text[i] == '+' || text[i] == '-')) canonical += text[i++];
    size_t exponentDigits = 0;
    takeDigits(exponentDigits);
    if (exponentDigits == 0) return false;
  }
  if (i != end) return false;
  long double read = 0;
  const char* first = canonical.data();
  const char* last = first + canonical.size();
  const auto r = std::from_chars(first, last, read);
  if (r.ec != std::errc() || r.ptr != last || !std::isfinite(read)) return false;
  value = negative ? -read : read;
  return true;
}

std::string GetNumberInLine(const std::string& line, int32_t k, bool dot) {
  const int32_t length = int32_t(line.size());
  if (k < 1 || k > length) return "";
  // 1-based indexes: s(i) is line[i - 1].
  auto s = [&](int32_t i) { return line[size_t(i - 1)]; };
  std::string token;
  for (int32_t i = k; i >= 1; --i) {
    const char c = s(i);
    if (!IsDigit(c) && !(IsNumberSeparator(c) && i >= 2 && IsDigit(s(i - 1)))) break;
    token += c;
  }
  std::reverse(token.begin(), token.end());
  for (int32_t i = k + 1; i <= length; ++i) {
    const char c = s(i);
    if (!IsDigit(c) && !(IsNumberSeparator(c) && i < length && IsDigit(s(i + 1)))) break;
    token += c;
  }
  const char kept = dot ? '.' : ',';
  std::string clean;
  bool digit = false;
  for (char c : token) {
    if (IsDigit(c)) digit = true;
    if (IsDigit(c) || c == kept) clean += c;
  }
  return digit ? clean : "";
}

std::string GetNumberAt(IRichBox& box, int32_t position, const TNumberSeparators& separators) {
  const int32_t line = GetRichLineOfChar(box, position);
  const std::string text = box.GetLineText(line);
  // The position counts UTF-16 units, the line is UTF-8. The scan starts at
  // the character before the position (leftwards) and at the character at it
  // (rightwards): k is the 1-based index of the last byte before the
  // character at the position, so that neither side starts inside a
  // character of several bytes.
  const int32_t unit = position - GetRichLineStart(box, line);
  if (unit < 1 || unit > Utf16Length(text)) return "";
  const int32_t k = int32_t(ByteOffsetOfUnit(text, unit));
  return GetNumberInLine(text, k, separators.Decimal == ".");
}

bool ReadNumberToken(const std::string& token, const TNumberSeparators& separators,
                     long double& value) {
  return ReadRealText(token, separators.Decimal == "." ? "." : ",", value);
}

}  // namespace qv
