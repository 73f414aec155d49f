// The measure converter without its window: the six unit lists, the short
// conversions of the hint line, the full conversion between two units of a
// list, the misc conversions, and the reading of the value to convert.
// Results are formatted by AlignRealToTextPow (6, 2, ·) with the caller's
// separators.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "converter/NumberText.h"

namespace qv {

enum class TMeasureList : int32_t { Length, Speed, Area, Volume, Weight, Temperature };
constexpr int32_t MeasureListCount = 6;

struct TMeasureUnit {
  std::string Name;
  double Factor = 0;  // the base amount of one unit; 0 for temperatures
};

// The units of a list in the lists' alphabetical order. The squares and cubes
// of lengths are computed once, in double precision.
const std::vector<TMeasureUnit>& MeasureUnits(TMeasureList list);
// The page caption of a list: "Length", "Speed", "Area", "Volume", "Weight", "Temperature".
const char* MeasureListCaption(TMeasureList list);
// The unit selected when the options name none of the list: "Meters",
// "Meters / Second", "Meters^2", "Meters^3", "Kilograms", "Celsius".
const char* DefaultMeasureUnit(TMeasureList list);
// The index of a unit in its list, the name compared without regard to ASCII
// case (as a list box finds an item); -1 when it is not there.
int32_t FindMeasureUnit(TMeasureList list, const std::string& name);
// The list that holds a unit name (compared as above); false when none does.
bool FindMeasureList(const std::string& name, TMeasureList& list);

// "Convert " + the value, then the twelve short conversions, each after the
// separator " \x7f " ("Centimeters -> Inches = 4.72"), and " \x7f" at the end.
// Context "ShortConvertMeasure": on a failure, shown, the answer is "".
std::string ShortConvertMeasure(long double value, const TNumberSeparators& separators);

// "10.00 Inches = 25.40 Centimeters": value of the source unit in the target
// unit of the same list. A source or target that is not in the list gives
// "Nothing to convert.". Context "FullConvertMeasure": on a failure, "".
std::string FullConvertMeasure(TMeasureList list, const std::string& source,
                               const std::string& target, long double value,
                               const TNumberSeparators& separators);

// The twelve lines of the misc memo, each " \x7f " + value + " " + from + " = "
// + result + " " + to. Context "MiscConvertMeasure": on a failure, no lines.
std::vector<std::string> MiscConvertMeasure(long double value, const TNumberSeparators& separators);

// The value of the converter's edit: a real number with the user's decimal
// separator; an empty (or blank) text is 0, and so is the start of a number
// still being typed ("-", "1e", "."). Any other text shows the warning
// "Integer value outside limits. ..." with the default 0 and answers false
// with value 0: the caller then focuses the edit and sets its text to "0".
bool ReadConvertMeasureValue(const std::string& text, const TNumberSeparators& separators,
                             long double& value);

}  // namespace qv
