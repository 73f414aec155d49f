#include <gtest/gtest.h>

#include <string>

#include "richbox/BreakIndex.h"
#include "richbox/PrintPages.h"

namespace qv {
namespace {

// Brute force: the interface text is the control text with each CR followed by LF.
int32_t WideOf(const std::string& narrowText, int32_t narrow) {
  int32_t wide = 0;
  for (int32_t i = 0; i < narrow; ++i) wide += narrowText[size_t(i)] == '\r' ? 2 : 1;
  return wide;
}

TEST(BreakIndex, MapsEveryPositionOfManyParagraphsBothWays) {
  std::string text;
  for (int p = 0; p < 300; ++p) text += std::string(size_t(p % 7), 'a' + char(p % 26)) + "\r";
  text += "end";
  TBreakIndex index;
  index.Rebuild(text);
  EXPECT_EQ(index.BreakCount(), 300);
  for (int32_t n = 0; n <= int32_t(text.size()); ++n) {
    const int32_t w = WideOf(text, n);
    ASSERT_EQ(index.ToWide(n), w) << n;
    ASSERT_EQ(index.ToNarrow(w), n) << n;
    if (n < int32_t(text.size()) && text[size_t(n)] == '\r') {
      // Between CR and LF: the break itself.
      ASSERT_EQ(index.ToNarrow(w + 1), n) << n;
    }
  }
  EXPECT_EQ(index.ToWide(-1), -1);
  EXPECT_EQ(index.ToNarrow(-1), -1);
  EXPECT_EQ(WidenBreaks(std::u16string(text.begin(), text.end())).size(), size_t(WideOf(text, int32_t(text.size()))));
}

TEST(BreakIndex, EmptyParagraphsAndAppends) {
  TBreakIndex index;
  index.Rebuild(std::string("\r\r\r"));
  EXPECT_EQ(index.ToWide(3), 6);
  EXPECT_EQ(index.ToNarrow(4), 2);
  EXPECT_EQ(index.ToNarrow(5), 2);
  index.Append(3, u"ab\rc\r");
  EXPECT_EQ(index.BreakCount(), 5);
  EXPECT_EQ(index.ToWide(6), 10);  // "c", after four breaks
  EXPECT_EQ(index.ToNarrow(10), 6);
  index.Rebuild(std::u16string(u"x\ry"));
  EXPECT_EQ(index.ToWide(2), 3);
  EXPECT_TRUE(index.Valid());
  index.Invalidate();
  EXPECT_FALSE(index.Valid());
}

TEST(PrintPages, PagesFollowTheFormattedRanges) {
  std::vector<std::pair<int32_t, int32_t>> calls;
  const int32_t pages = PrintPageRanges(2500, [&](int32_t from, int32_t last) {
    calls.emplace_back(from, last);
    return std::min(from + 1000, last);
  });
  EXPECT_EQ(pages, 3);
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[1].first, 1000);
  EXPECT_EQ(calls[2].first, 2000);
  // A control that prints nothing ends the job after one page instead of looping.
  EXPECT_EQ(PrintPageRanges(2500, [](int32_t from, int32_t) { return from; }), 1);
  EXPECT_EQ(PrintPageRanges(0, [](int32_t, int32_t) { return 0; }), 1);
}

}  // namespace
}  // namespace qv
