#include "converter/ConvertMeasure.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "errors/Dialogs.h"
#include "errors/Guard.h"
#include "util/AsciiText.h"
#include "util/Numbers.h"

namespace qv {
namespace {

const char* const kFile = "ConvertMeasure";
const char* const kSeparator = " \x7f ";

// Held in extended precision, like the reciprocals below.
constexpr long double kNinth = 1.0L / 9;
constexpr long double kFifth = 0.2L;

std::vector<TMeasureUnit> LengthUnits() {
  return {
      {"Astronomical units", 149600000000.0},
      {"Cables (British)", 185},
      {"Cables (USA)", 220},
      {"Centimeters", 0.01},
      {"Fathoms", 1.83},
      {"Feet", 0.3048},
      {"Furlong", 201.125},
      {"Inches", 0.0254},
      {"Kilometers", 1000},
      {"Latitude degrees (Earth)", 110860},
      {"Leagues", 4827},
      {"Light years", 9460700000000000.0},
      {"Longitude degrees (Earth, equator)", 111300},
      {"Meters", 1},
      {"Miles (air, nautical)", 1852},
      {"Miles (land)", 1609},
      {"Parsecs", 30857000000000000.0},
      {"Rods", 5.03},
      {"Yards", 0.9144},
  };
}

// The lengths whose squares and cubes are areas and volumes.
const char* const kPoweredLengths[] = {
    "Cables (British)", "Cables (USA)", "Centimeters", "Fathoms",      "Feet",
    "Furlong",          "Inches",       "Kilometers",  "Leagues",      "Miles (air, nautical)",
    "Miles (land)",     "Rods",         "Yards",
};

// The fixed rows plus X^power for each powered length (in double precision),
// in alphabetical order.
std::vector<TMeasureUnit> PoweredUnits(std::vector<TMeasureUnit> units, int power) {
  const std::vector<TMeasureUnit> lengths = LengthUnits();
  for (const char* name : kPoweredLengths) {
    const auto it = std::find_if(lengths.begin(), lengths.end(),
                                 [&](const TMeasureUnit& u) { return u.Name == name; });
    double factor = it->Factor;
    for (int i = 1; i < power; ++i) factor *= it->Factor;
    units.push_back({it->Name + "^" + std::to_string(power), factor});
  }
  std::sort(units.begin(), units.end(),
            [](const TMeasureUnit& a, const TMeasureUnit& b) { return a.Name < b.Name; });
  return units;
}

std::vector<std::vector<TMeasureUnit>> BuildTables() {
  // Speeds: the double nearest to each quotient.
  const double hour = 3600;
  return {
      LengthUnits(),
      {
          {"Kilometers / Hour", 1000 / hour},
          {"Kilometers / Second", 1000},
          {"Knots", 1852 / hour},
          {"Leagues / Hour", 4827 / hour},
          {"Leagues / Second", 4827},
          {"Meters / Hour", 1 / hour},
          {"Meters / Second", 1},
          {"Miles (air, nautical) / Hour", 1852 / hour},
          {"Miles (air, nautical) / Second", 1852},
          {"Miles (land) / Hour", 1609 / hour},
          {"Miles (land) / Second", 1609},
      },
      PoweredUnits({{"Acres", 4047}, {"Ares", 100}, {"Hectares", 10000}, {"Meters^2", 1}}, 2),
      PoweredUnits({{"Barrels (159)", 0.159},
                    {"Barrels (165)", 0.165},
                    {"Gallons (British)", 0.004546},
                    {"Gallons (USA)", 0.003785},
                    {"Liters", 0.001},
                    {"Meters^3", 1},
                    {"Pint (British)", 0.000551},
                    {"Pint (USA)", 0.000473},
                    {"Quarts", 0.000946}},
                   3),
      {
          {"Carats", 0.0002},
          {"Drams", 0.00177},
          {"Drams (apothecary)", 0.00389},
          {"Grains", 0.000065},
          {"Grams", 0.001},
          {"Kilograms", 1},
          {"Ounces (apothecary)", 0.0311},
          {"Ounces, Oz", 0.02835},
          {"Pounds", 0.453592},
          {"Tons", 1000},
      },
      {{"Celsius", 0}, {"Fahrenheit", 0}, {"Kelvin", 0}, {"Rankine", 0}},
  };
}

enum TTemperature : int32_t { Celsius, Fahrenheit, Kelvin, Rankine };

long double ToCelsius(int32_t unit, long double v) {
  switch (unit) {
    case Fahrenheit: return (v - 32) * 5 * kNinth;
    case Kelvin: return v - 273.15L;
    case Rankine: return (v - 491.69L) * 5 * kNinth;  // 491.69, as the converter always had it
    default: return v;
  }
}

long double FromCelsius(int32_t unit, long double c) {
  switch (unit) {
    case Fahrenheit: return c * 9 * kFifth + 32;
    case Kelvin: return c + 273.15L;
    case Rankine: return c * 9 * kFifth + 491.69L;
    default: return c;
  }
}

struct TShortRow {
  const char* From;
  const char* To;
  long double (*Convert)(long double);
};

const TShortRow kShortRows[] = {
    {"Centimeters", "Inches", [](long double v) { return v * (1.0L / 2.54L); }},
    {"Inches", "Centimeters", [](long double v) { return v * 2.54L; }},
    {"Meters", "Feet", [](long double v) { return v * (1.0L / 0.3048L); }},
    {"Feet", "Meters", [](long double v) { return v * 0.3048L; }},
    {"Kilometers", "Miles", [](long double v) { return v * (1.0L / 1.609L); }},
    {"Miles", "Kilometers", [](long double v) { return v * 1.609L; }},
    {"Grams", "Ounces", [](long double v) { return v * (1.0L / 28.35L); }},
    {"Ounces", "Grams", [](long double v) { return v * 28.35L; }},
    {"Kilograms", "Pounds", [](long double v) { return v * (1.0L / 0.453592L); }},
    {"Pounds", "Kilograms", [](long double v) { return v * 0.453592L; }},
    {"Celsius", "Fahrenheit", [](long double v) { return FromCelsius(Fahrenheit, v); }},
    {"Fahrenheit", "Celsius", [](long double v) { return ToCelsius(Fahrenheit, v); }},
};

struct TMiscRow {
  const char* From;
  const char* To;
  long double Multiplier;
};

// 75 and 735.75 are single precision, the reciprocals extended, the rest double.
const TMiscRow kMiscRows[] = {
    {"Horse-power", "Kilograms-force * meter / second", 75.0f},
    {"Horse-power", "Newtons", 735.75f},
    {"Horse-power", "Pounds-force * foot / second", 542.477},
    {"Kilograms / Centimeters^2", "Pounds / Inch^2", 1.0L / 0.070307L},
    {"Kilograms-force * meter / second", "Horse-power", 1.0L / 75},
    {"Kilograms-force", "Newtons", 9.81},
    {"Newtons", "Kilograms-force", 1.0L / 9.81L},
    {"Newtons", "Horse-power", 1.0L / 735.75L},
    {"Newtons", "Pounds-force", 1.0L / 4.45L},
    {"Pounds / Inch^2", "Kilograms / Centimeters^2", 0.070307},
    {"Pounds-force", "Newtons", 4.45},
    {"Pounds-force * foot / second", "Horse-power", 1.0L / 542.477L},
};

std::string Fmt(long double value, const TNumberSeparators& separators) {
  return AlignRealToTextPow(6, 2, value, separators);
}

}  // namespace

const std::vector<TMeasureUnit>& MeasureUnits(TMeasureList list) {
  static const std::vector<std::vector<TMeasureUnit>> tables = BuildTables();
  return tables[size_t(list)];
}

const char* MeasureListCaption(TMeasureList list) {
  static const char* const captions[] = {"Length", "Speed", "Area", "Volume", "Weight", "Temperature"};
  return captions[size_t(list)];
}

const char* DefaultMeasureUnit(TMeasureList list) {
  static const char* const defaults[] = {"Meters",   "Meters / Second", "Meters^2",
                                         "Meters^3", "Kilograms",       "Celsius"};
  return defaults[size_t(list)];
}

int32_t FindMeasureUnit(TMeasureList list, const std::string& name) {
  const std::vector<TMeasureUnit>& units = MeasureUnits(list);
  for (size_t i = 0; i < units.size(); ++i)
    if (SameTextAscii(units[i].Name, name)) return int32_t(i);
  return -1;
}

bool FindMeasureList(const std::string& name, TMeasureList& list) {
  for (int32_t i = 0; i < MeasureListCount; ++i) {
    if (FindMeasureUnit(TMeasureList(i), name) >= 0) {
      list = TMeasureList(i);
      return true;
    }
  }
  return false;
}

std::string ShortConvertMeasure(long double value, const TNumberSeparators& separators) {
  std::string text;
  Guarded(QV_OP(kFile, "ShortConvertMeasure", "Failed to convert measure."), [&](TFunStatContext&) {
    std::string s = "Convert " + Fmt(value, separators);
    for (const TShortRow& row : kShortRows)
      s += kSeparator + std::string(row.From) + " -> " + row.To + " = " +
           Fmt(row.Convert(value), separators);
    text = s + " \x7f";
  });
  return text;
}

std::string FullConvertMeasure(TMeasureList list, const std::string& source,
                               const std::string& target, long double value,
                               const TNumberSeparators& separators) {
  std::string text;
  Guarded(QV_OP(kFile, "FullConvertMeasure", "Failed to convert."), [&](TFunStatContext&) {
    const int32_t from = FindMeasureUnit(list, source), to = FindMeasureUnit(list, target);
    if (from < 0 || to < 0) {
      text = "Nothing to convert.";
      return;
    }
    const std::vector<TMeasureUnit>& units = MeasureUnits(list);
    const long double result =
        list == TMeasureList::Temperature
            ? FromCelsius(to, ToCelsius(from, value))
            : value * (long double)units[size_t(from)].Factor / units[size_t(to)].Factor;
    text = Fmt(value, separators) + " " + units[size_t(from)].Name + " = " +
           Fmt(result, separators) + " " + units[size_t(to)].Name;
  });
  return text;
}

std::vector<std::string> MiscConvertMeasure(long double value, const TNumberSeparators& separators) {
  std::vector<std::string> lines;
  Guarded(QV_OP(kFile, "MiscConvertMeasure", "Failed to convert measure."), [&](TFunStatContext&) {
    std::vector<std::string> made;
    const std::string v = Fmt(value, separators);
    for (const TMiscRow& row : kMiscRows)
      made.push_back(kSeparator + v + " " + row.From + " = " +
                     Fmt(value * row.Multiplier, separators) + " " + row.To);
    lines.swap(made);
  });
  return lines;
}

bool ReadConvertMeasureValue(const std::string& text, const TNumberSeparators& separators,
                             long double& value) {
  value = 0;
  if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; }))
    return true;
  if (ReadRealText(text, separators.Decimal, value)) return true;
  value = 0;
  // The start of a number being typed ("-", "1e", "2.5e-") counts as 0 until
  // it is complete: a warning there would reset the edit under the reader's
  // fingers and no negative value could ever be typed.
  long double completed = 0;
  if (ReadRealText(text + "0", separators.Decimal, completed)) return true;
  const std::string& group = separators.Thousands;
  ShowWarningMessage("Integer value outside limits.\nIt will be set to default.\n    * Minimum = " +
                     FormatGrouped(std::numeric_limits<int32_t>::min(), group) +
                     "\n    * Maximum = " + FormatGrouped(std::numeric_limits<int32_t>::max(), group) +
                     "\n    * Default = " + FormatGrouped(0, group));
  return false;
}

}  // namespace qv
