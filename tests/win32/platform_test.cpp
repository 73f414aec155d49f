// Platform texts of error reports.
#include <gtest/gtest.h>

#include "platform/Win32Platform.h"

namespace qv::testing {
namespace {

TEST(ReportTime, DayOfYearAndHundredSecondIntervals) {
  struct Case { WORD y, m, d, h, min, s; const char* tail; } cases[] = {
      {2026, 1, 1, 0, 0, 0, "(0)"},
      {2026, 12, 8, 20, 35, 0, "(741)"},
      {2024, 12, 31, 23, 59, 59, "(863)"},
  };
  const char* days[] = {"(1) | ", "(342) | ", "(366) | "};
  for (size_t i = 0; i < 3; ++i) {
    const Case& c = cases[i];
    SYSTEMTIME t{};
    t.wYear = c.y;
    t.wMonth = c.m;
    t.wDay = c.d;
    t.wHour = c.h;
    t.wMinute = c.min;
    t.wSecond = c.s;
    const std::string text = win::FormatReportTime(t);
    EXPECT_NE(text.find(days[i]), std::string::npos) << text;
    EXPECT_EQ(text.substr(text.size() - strlen(c.tail)), c.tail) << text;
  }
}

TEST(SystemErrorText, HasNoTrailingLineBreak) {
  win::TWin32ErrorPlatform platform;
  const std::string text = platform.SystemErrorText(2);
  EXPECT_FALSE(text.empty());
  EXPECT_NE(text.back(), '\n');
}

}  // namespace
}  // namespace qv::testing
