// qvtext measure and qvtext number-at.
#include <gtest/gtest.h>

#include <sstream>

#include "MeasureCommands.h"

namespace qv {
namespace {

TEST(QvtextMeasure, PrintsConversionsOrFailsWithExitCodes) {
  struct Case { std::vector<std::string> args; int exit; const char* out; } cases[] = {
      {{"measure", "10", "--from", "Inches", "--to", "Centimeters"}, 0, "10.00 Inches = 25.40 Centimeters\n"},
      {{"measure", "212", "--from=fahrenheit", "--to=Celsius"}, 0, "212.00 Fahrenheit = 100.00 Celsius\n"},
      {{"measure", "1.5", "--to", "Liters", "--from", "Barrels (159)"}, 0, "1.50 Barrels (159) = 238.50 Liters\n"},
      {{"measure", "1", "--from", "Meters", "--to", "Kilograms"}, 2, ""},     // two lists
      {{"measure", "1", "--from", "Furlongs", "--to", "Meters"}, 2, ""},      // unknown
      {{"measure", "1", "--from", "Meters"}, 2, ""},
      {{"measure", "1", "--to"}, 2, ""},
      {{"measure", "1,250"}, 2, ""},                                          // not a number
      {{"measure"}, 2, ""},
      {{"number-at", "he walked 1,250 miles", "11"}, 0, "1250\n"},
      {{"number-at", "line one\r\nwalked 12 miles", "17"}, 0, "12\n"},       // breaks count two
      {{"number-at", "line one\nwalked 12 miles", "17"}, 0, "12\n"},
      {{"number-at", "no number", "3"}, 1, ""},
      {{"number-at", "12", "x"}, 2, ""},
      {{"number-at", "12"}, 2, ""},
  };
  for (const Case& c : cases) {
    std::ostringstream out, err;
    EXPECT_EQ(RunMeasureCommand(c.args, out, err), c.exit) << c.args.back();
    EXPECT_EQ(out.str(), c.out) << c.args.back();
    EXPECT_EQ(err.str().empty(), c.exit != 2) << c.args.back();
  }
}

TEST(QvtextMeasure, ShortLineThenTwelveMiscLines) {
  std::ostringstream out, err;
  ASSERT_EQ(RunMeasureCommand({"measure", "12"}, out, err), 0);
  std::vector<std::string> lines;
  std::istringstream in(out.str());
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[0].rfind("Convert 12.00 \x7f Centimeters -> Inches = 4.72 \x7f ", 0), 0u);
  EXPECT_EQ(lines[12], " \x7f 12.00 Pounds-force * foot / second = 0.02 Horse-power");
}

}  // namespace
}  // namespace qv
