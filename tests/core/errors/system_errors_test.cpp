#include <gtest/gtest.h>

#include "errors/SystemErrors.h"

namespace qv {
namespace {

TEST(SystemErrors, Judgements) {
  struct Case { uint32_t code; bool failure, failureExceptExists, findHarmless; } cases[] = {
      {0, false, false, true},     {2, true, true, true},       {5, true, true, false},
      {14, false, false, false},   {18, true, true, true},      {183, true, false, false},
      {1235, false, false, false}, {32, true, true, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsLastErrorFailure(c.code), c.failure) << c.code;
    EXPECT_EQ(IsLastErrorFailureExceptExists(c.code), c.failureExceptExists) << c.code;
    EXPECT_EQ(IsFindErrorHarmless(c.code), c.findHarmless) << c.code;
  }
  EXPECT_FALSE(IsHResultFailure(0));
  EXPECT_FALSE(IsHResultFailure(1));
  EXPECT_TRUE(IsHResultFailure(static_cast<int32_t>(0x80004005u)));
  EXPECT_FALSE(IsHResultFailure(static_cast<int32_t>(0x800704C7u)));
}

}  // namespace
}  // namespace qv
