// The chapters button, chapter jumps and the whole-text paragraph format.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TextFixture.h"
#include "richbox/RichOps.h"
#include "text/Chapters.h"

namespace qv {
namespace {

class Chapters : public TextFixture {};

TEST_F(Chapters, TheShownChaptersAreThoseWhoseHeadingIsInTheText) {
  const auto all = [](int32_t) { return true; };
  EXPECT_TRUE(ShownChapters(enhancer.ChaptersMenu, all).empty());
  EXPECT_EQ(ChaptersButtonCaption(0), "&Chapters (0)");
  std::vector<std::string> lines;
  for (int i = 1; i <= 45; ++i) {
    lines.push_back("Chapter " + std::to_string(i));
    lines.push_back("Some text.");
  }
  RunEnhance(lines);
  EXPECT_EQ(ShownChapters(enhancer.ChaptersMenu, all).size(), 30u);
  // A long book in parts: only the headings already in the text.
  const int32_t fifth = enhancer.ChaptersMenu->Items[5].Tag;
  const auto shown = ShownChapters(enhancer.ChaptersMenu, [fifth](int32_t tag) { return tag >= fifth; });
  ASSERT_EQ(shown.size(), 25u);
  EXPECT_EQ(shown.front().Caption, "Chapter 6");
  EXPECT_EQ(ChaptersButtonCaption(shown.size()), "&Chapters (25)");
}

TEST_F(Chapters, GoToChapterPutsTheHeadingOnTopUnlessNearTheEnd) {
  std::vector<std::string> lines;
  for (int i = 1; i <= 20; ++i) {
    lines.push_back("Chapter " + std::to_string(i));
    lines.push_back("Text of the chapter.");
  }
  RunEnhance(lines);
  box.SetVisibleLines(10);
  const auto& items = enhancer.ChaptersMenu->Items;
  GoToChapter(box, items[5]);
  EXPECT_EQ(GetRichTopPos(box), items[5].Tag);
  int32_t start, length;
  box.GetSelection(start, length);
  EXPECT_EQ(start, items[5].Tag);
  GoToChapter(box, items[19]);  // line 38 of 41: among the last four
  EXPECT_EQ(GetRichFirstVisibleLine(box), 41 - 10);
}

TEST_F(Chapters, WholeTextParagraphFormatKeepsThePlace) {
  RunEnhance({"^AC*", "Centred.", "  Also centred.", "^A~", "  Left.", "  More.", "  End."});
  box.SetVisibleLines(2);
  ShowRichPosAtTop(box, box.GetLineStart(1));
  box.SetModified(true);
  enhancer.SetDefaults(false, false, 150, 0, 10, 3, 0, 0, 0, 0, 16, "", false);
  enhancer.ApplyParaFormatToWholeText();
  for (int32_t p = 0; p < box.Document().ParagraphCount(); ++p) {
    EXPECT_EQ(ParaOf(p).Alignment, ParaAlign::Justify) << p;
    EXPECT_EQ(ParaOf(p).LineSpacing, 30) << p;
    EXPECT_EQ(ParaOf(p).StartIndent, 576) << p;
  }
  EXPECT_EQ(box.GetFirstVisibleLine(), 1);
  EXPECT_FALSE(box.GetModified());
  EXPECT_TRUE(box.IsVisible());
  int32_t start, length;
  box.GetSelection(start, length);
  EXPECT_EQ(length, 0);
}

}  // namespace
}  // namespace qv
