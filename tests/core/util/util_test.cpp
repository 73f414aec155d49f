#include <gtest/gtest.h>

#include "errors/FunStatContext.h"
#include "util/Clock.h"
#include "util/Numbers.h"

namespace qv {
namespace {

TEST(GetIntFromText, ReadsOrFallsBack) {
  struct Case {
    const char* text;
    int32_t min, max, def, expected;
  } cases[] = {
      {"45", 20, 100, 45, 45},     {" 95 ", 20, 100, 45, 95},  {"", 20, 100, 45, 45},
      {"abc", 20, 100, 45, 45},    {"19", 20, 100, 45, 45},    {"101", 20, 100, 45, 45},
      {"20", 20, 100, 45, 20},     {"100", 20, 100, 45, 100},  {"-5", -10, 10, 0, -5},
      {"+7", 0, 10, 1, 7},         {"7.5", 0, 10, 1, 1},       {"-", 0, 10, 3, 3},
      {"99999999999999999999", 0, 10, 4, 4}, {"1 2", 0, 100, 5, 5},
  };
  for (const Case& c : cases)
    EXPECT_EQ(GetIntFromText(c.text, c.min, c.max, c.def), c.expected) << '"' << c.text << '"';
}

TEST(FormatGrouped, GroupsThousands) {
  EXPECT_EQ(FormatGrouped(0), "0");
  EXPECT_EQ(FormatGrouped(999), "999");
  EXPECT_EQ(FormatGrouped(1000), "1,000");
  EXPECT_EQ(FormatGrouped(20000000), "20,000,000");
  EXPECT_EQ(FormatGrouped(-1234567, "."), "-1.234.567");
  EXPECT_EQ(FormatGrouped(1234567, ""), "1234567");
}

class FakeClock : public IClock {
 public:
  uint32_t now = 0;
  uint32_t TickCount() override { return now; }
};

TEST(TCrono, PeriodRestartsAndSurvivesWrap) {
  FakeClock clock;
  clock.now = 0xFFFFFF00u;  // just before the tick wraps
  TCrono crono(&clock);
  crono.Start();
  clock.now += 999;
  EXPECT_FALSE(crono.IsPeriod(1));
  clock.now += 1;
  EXPECT_TRUE(crono.IsPeriod(1));
  EXPECT_EQ(crono.ElapsedMs(), 0u);
  EXPECT_EQ(FunStatContext.Status, Perfect);
}

// A period of 0 or less is a silent failure: false, and a Warning left behind
// for the caller, even when the stopwatch has run for a long time.
TEST(TCrono, InvalidPeriodIsASilentWarning) {
  FakeClock clock;
  TCrono crono(&clock);
  crono.Start();
  clock.now += 100000;
  for (double period : {0.0, -1.0}) {
    EXPECT_FALSE(crono.IsPeriod(period)) << period;
    EXPECT_EQ(FunStatContext.Status, Warning) << period;
    EXPECT_EQ(FunStatContext.Description, "Invalid period.") << period;
    EXPECT_EQ(FunStatContext.Function, "TCrono::IsPeriod") << period;
  }
  EXPECT_EQ(crono.ElapsedMs(), 100000u);
  EXPECT_TRUE(crono.IsPeriod(1));
  EXPECT_EQ(FunStatContext.Status, Perfect);
}

}  // namespace
}  // namespace qv
