#include <gtest/gtest.h>

#include <string>

#include "richbox/PartedContent.h"

namespace qv {
namespace {

// Paragraphs of varied lengths ("a", "bb", ...), the last one the final paragraph.
TRichDocument Paragraphs(int count) {
  TRichDocument doc;
  for (int p = 0; p < count; ++p) doc.AppendLine(std::string(size_t(1 + (p * 7) % 40), char('a' + p % 26)));
  return doc;
}

std::string Widened(const std::string& narrow) {
  std::string wide;
  for (char c : narrow) wide += c == '\r' ? std::string("\r\n") : std::string(1, c);
  return wide;
}

// Puts every part into a stand-in for the control (breaks as one CR) at the
// control position the part names, and checks after each part that every
// shown position of the document holds its character in the control.
TEST(PartedContent, PartsFillTheControlInOrderAndPositionsMapBothWays) {
  const struct {
    int32_t at;      // the position shown first
    int32_t window;  // characters of the window
  } cases[] = {{-1, 200}, {0, 200}, {1500, 300}, {3000, 100}, {700, 100000}};
  for (const auto& c : cases) {
    SCOPED_TRACE("at " + std::to_string(c.at));
    TRichDocument doc = Paragraphs(150);
    const std::string whole = doc.WholeText();
    TPartedContent content(doc, c.at, c.window);
    std::string control;
    bool first = true;
    int parts = 0;
    while (!content.Done()) {
      ASSERT_LT(++parts, 1000);
      const TPartedContent::TPart part = content.NextPart(250);
      ASSERT_LT(part.First, part.End);
      if (first && c.at >= 0) {
        // The window holds the place to show, and a little before it.
        EXPECT_LE(doc.ParagraphStart(part.First), c.at);
        EXPECT_TRUE(part.End == doc.ParagraphCount() || doc.ParagraphStart(part.End) > c.at);
      }
      if (first && c.at < 0) {
        EXPECT_EQ(part.End, doc.ParagraphCount());
      }
      std::string text;
      for (int32_t p = part.First; p < part.End; ++p)
        text += std::string(doc.ParagraphText(p)) + (p + 1 < doc.ParagraphCount() ? "\r" : "");
      ASSERT_LE(size_t(part.At), control.size());
      control.insert(size_t(part.At), text);
      content.PartShown(part);
      first = false;
      const std::string shown = Widened(control);
      for (int32_t pos = 0; pos < doc.TextLength(); ++pos) {
        if (!content.IsShown(pos)) continue;
        ASSERT_EQ(shown[size_t(content.ToShown(pos))], whole[size_t(pos)]) << pos;
        ASSERT_EQ(content.FromShown(content.ToShown(pos)), pos) << pos;
      }
    }
    EXPECT_EQ(control, [&] {
      std::string all;
      for (int32_t p = 0; p < doc.ParagraphCount(); ++p)
        all += std::string(doc.ParagraphText(p)) + (p + 1 < doc.ParagraphCount() ? "\r" : "");
      return all;
    }());
    EXPECT_DOUBLE_EQ(content.ShownShare(), 1.0);
    EXPECT_TRUE(content.IsShown(doc.TextLength()));
  }
}

TEST(PartedContent, TheGapAndTheUnshownEndAreNotShown) {
  TRichDocument doc = Paragraphs(100);
  TPartedContent content(doc, doc.ParagraphStart(60), 100);
  const TPartedContent::TPart window = content.NextPart(100);
  content.PartShown(window);
  const int32_t windowStart = doc.ParagraphStart(window.First);
  EXPECT_FALSE(content.IsShown(0));
  EXPECT_FALSE(content.IsShown(windowStart - 1));
  EXPECT_TRUE(content.IsShown(windowStart));
  EXPECT_EQ(content.ToShown(0), 0);  // a place in the gap: where the window starts
  EXPECT_EQ(content.ToShown(windowStart), 0);
  EXPECT_EQ(content.FromShown(0), windowStart);
  EXPECT_FALSE(content.IsShown(doc.TextLength()));
  EXPECT_EQ(content.ShownEnd(), doc.ParagraphStart(window.End));
  EXPECT_EQ(content.ShownRunEnd(windowStart + 3), content.ShownEnd());
  EXPECT_GT(content.ShownShare(), 0.0);
  EXPECT_LT(content.ShownShare(), 0.5);
  // The next part goes just before the window, where the gap starts.
  const TPartedContent::TPart next = content.NextPart(100);
  EXPECT_TRUE(next.BeforeWindow);
  EXPECT_EQ(next.First, 0);
  EXPECT_EQ(next.At, 0);
  content.PartShown(next);
  // The text put before the window runs as far as the gap that is left.
  EXPECT_EQ(content.ShownRunEnd(0), doc.ParagraphStart(next.End));
}

}  // namespace
}  // namespace qv
