#include <gtest/gtest.h>

#include <algorithm>

#include "converter/ConvertMeasure.h"
#include "errors/ErrorFakes.h"

namespace qv {
namespace {

const TNumberSeparators kDot{",", "."};

TEST(MeasureUnits, ListsAreSortedAndDerivedFactorsArePowersOfLengths) {
  const size_t sizes[] = {19, 11, 17, 22, 10, 4};
  for (int32_t i = 0; i < MeasureListCount; ++i) {
    const auto& units = MeasureUnits(TMeasureList(i));
    EXPECT_EQ(units.size(), sizes[i]) << MeasureListCaption(TMeasureList(i));
    EXPECT_TRUE(std::is_sorted(units.begin(), units.end(),
                               [](const TMeasureUnit& a, const TMeasureUnit& b) { return a.Name < b.Name; }));
    EXPECT_GE(FindMeasureUnit(TMeasureList(i), DefaultMeasureUnit(TMeasureList(i))), 0);
  }
  auto factor = [](TMeasureList list, const char* name) {
    return MeasureUnits(list)[size_t(FindMeasureUnit(list, name))].Factor;
  };
  EXPECT_EQ(factor(TMeasureList::Area, "Feet^2"), 0.3048 * 0.3048);
  EXPECT_EQ(factor(TMeasureList::Area, "Hectares"), 10000);
  EXPECT_EQ(factor(TMeasureList::Volume, "Inches^3"), 0.0254 * 0.0254 * 0.0254);
  EXPECT_EQ(factor(TMeasureList::Volume, "Leagues^3"), 4827.0 * 4827.0 * 4827.0);
  EXPECT_EQ(factor(TMeasureList::Speed, "Knots"), 1852.0 / 3600.0);
  EXPECT_EQ(FindMeasureUnit(TMeasureList::Area, "Meters^3"), -1);
  EXPECT_EQ(FindMeasureUnit(TMeasureList::Area, "Light years^2"), -1);  // only some lengths are squared
  // The options' default "Meters / second" finds its item as a list box would.
  EXPECT_GE(FindMeasureUnit(TMeasureList::Speed, "Meters / second"), 0);
}

TEST(FindMeasureList, FindsTheOnlyListOfAName) {
  struct Case { const char* name; bool found; TMeasureList list; } cases[] = {
      {"Meters", true, TMeasureList::Length},       {"meters^2", true, TMeasureList::Area},
      {"Liters", true, TMeasureList::Volume},       {"Knots", true, TMeasureList::Speed},
      {"Ounces, Oz", true, TMeasureList::Weight},   {"Kelvin", true, TMeasureList::Temperature},
      {"Miles", false, TMeasureList::Length},       {"", false, TMeasureList::Length},
  };
  for (const Case& c : cases) {
    TMeasureList list = TMeasureList::Length;
    EXPECT_EQ(FindMeasureList(c.name, list), c.found) << c.name;
    EXPECT_EQ(list, c.list) << c.name;
  }
}

TEST(FullConvertMeasure, ConvertsThroughTheBaseUnit) {
  struct Case {
    TMeasureList list;
    const char *source, *target;
    long double value;
    const char* expected;
  } cases[] = {
      {TMeasureList::Length, "Inches", "Centimeters", 10, "10.00 Inches = 25.40 Centimeters"},
      {TMeasureList::Length, "Light years", "Meters", 1, "1.00 Light years = 9.46070e15 Meters"},
      {TMeasureList::Length, "miles (LAND)", "Kilometers", 2.5L, "2.50 Miles (land) = 4.02 Kilometers"},
      {TMeasureList::Volume, "Barrels (159)", "Liters", 1, "1.00 Barrels (159) = 159.00 Liters"},
      {TMeasureList::Volume, "Feet^3", "Liters", 1, "1.00 Feet^3 = 28.32 Liters"},
      {TMeasureList::Area, "Acres", "Hectares", 1, "1.00 Acres = 0.40 Hectares"},
      {TMeasureList::Speed, "Knots", "Kilometers / Hour", 10, "10.00 Knots = 18.52 Kilometers / Hour"},
      {TMeasureList::Weight, "Pounds", "Grams", 1, "1.00 Pounds = 453.59 Grams"},
      {TMeasureList::Temperature, "Fahrenheit", "Celsius", 212, "212.00 Fahrenheit = 100.00 Celsius"},
      {TMeasureList::Temperature, "Kelvin", "Fahrenheit", 0, "0 Kelvin = -459.67 Fahrenheit"},
      {TMeasureList::Temperature, "Rankine", "Celsius", 491.69L, "491.69 Rankine = 0 Celsius"},
      {TMeasureList::Temperature, "Celsius", "Rankine", 100, "100.00 Celsius = 671.69 Rankine"},
      {TMeasureList::Temperature, "Celsius", "Kelvin", -40, "-40.00 Celsius = 233.15 Kelvin"},
      {TMeasureList::Temperature, "Reaumur", "Celsius", 1, "Nothing to convert."},
      {TMeasureList::Length, "Furlongs", "Meters", 1, "Nothing to convert."},
      {TMeasureList::Length, "Meters", "", 1, "Nothing to convert."},  // no target selected
  };
  for (const Case& c : cases)
    EXPECT_EQ(FullConvertMeasure(c.list, c.source, c.target, c.value, kDot), c.expected) << c.expected;
}

TEST(ShortConvertMeasure, ListsTheTwelveConversionsBetweenSeparators) {
  EXPECT_EQ(ShortConvertMeasure(12, kDot),
            "Convert 12.00 \x7f Centimeters -> Inches = 4.72 \x7f Inches -> Centimeters = 30.48"
            " \x7f Meters -> Feet = 39.37 \x7f Feet -> Meters = 3.66"
            " \x7f Kilometers -> Miles = 7.46 \x7f Miles -> Kilometers = 19.31"
            " \x7f Grams -> Ounces = 0.42 \x7f Ounces -> Grams = 340.20"
            " \x7f Kilograms -> Pounds = 26.46 \x7f Pounds -> Kilograms = 5.44"
            " \x7f Celsius -> Fahrenheit = 53.60 \x7f Fahrenheit -> Celsius = -11.11 \x7f");
}

TEST(MiscConvertMeasure, MakesTwelveLines) {
  const std::vector<std::string> expected = {
      " \x7f 1,000.00 Horse-power = 75,000.00 Kilograms-force * meter / second",
      " \x7f 1,000.00 Horse-power = 735,750.00 Newtons",
      " \x7f 1,000.00 Horse-power = 542,477.00 Pounds-force * foot / second",
      " \x7f 1,000.00 Kilograms / Centimeters^2 = 14,223.30 Pounds / Inch^2",
      " \x7f 1,000.00 Kilograms-force * meter / second = 13.33 Horse-power",
      " \x7f 1,000.00 Kilograms-force = 9,810.00 Newtons",
      " \x7f 1,000.00 Newtons = 101.94 Kilograms-force",
      " \x7f 1,000.00 Newtons = 1.36 Horse-power",
      " \x7f 1,000.00 Newtons = 224.72 Pounds-force",
      " \x7f 1,000.00 Pounds / Inch^2 = 70.31 Kilograms / Centimeters^2",
      " \x7f 1,000.00 Pounds-force = 4,450.00 Newtons",
      " \x7f 1,000.00 Pounds-force * foot / second = 1.84 Horse-power",
  };
  EXPECT_EQ(MiscConvertMeasure(1000, kDot), expected);
}

TEST(ReadConvertMeasureValue, CarriesFractionsAndWarnsOnlyForNonNumbers) {
  struct Case { const char* text; TNumberSeparators separators; bool ok; long double value; } cases[] = {
      {"", kDot, true, 0},          {"  ", kDot, true, 0},        {"2.5", kDot, true, 2.5L},
      {"-40", kDot, true, -40},     {"2,5", {".", ","}, true, 2.5L},
      {"abc", kDot, false, 0},      {"2,5", kDot, false, 0},      {"1,250", kDot, false, 0},
      // the start of a number being typed is 0 without a warning
      {"-", kDot, true, 0},         {"1e-", kDot, true, 0},       {",", {".", ","}, true, 0},
      {"- ", kDot, false, 0},       {"1e5e", kDot, false, 0},
  };
  for (const Case& c : cases) {
    testing::ScopedErrorEnvironment env;
    long double value = -1;
    EXPECT_EQ(ReadConvertMeasureValue(c.text, c.separators, value), c.ok) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
    EXPECT_EQ(env.boxes.shown.size(), c.ok ? 0u : 1u) << c.text;
  }
  testing::ScopedErrorEnvironment env;
  long double value = 0;
  ReadConvertMeasureValue("abc", kDot, value);
  ASSERT_EQ(env.boxes.shown.size(), 1u);
  EXPECT_EQ(env.boxes.shown[0].caption, "Warning");
  EXPECT_EQ(env.boxes.shown[0].text,
            "Integer value outside limits.\nIt will be set to default.\n    * Minimum = -2,147,483,648"
            "\n    * Maximum = 2,147,483,647\n    * Default = 0");
}

}  // namespace
}  // namespace qv
