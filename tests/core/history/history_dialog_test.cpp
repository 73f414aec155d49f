#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "history/HistoryDialog.h"

namespace qv {
namespace {

std::vector<std::string> Paths(const THistoryDialog& h) {
  std::vector<std::string> out;
  for (int i = 0; i < h.Count(); ++i) out.push_back(h.Path(i));
  return out;
}

TEST(THistoryDialog, SelectionsInOneFolderLeaveOneEntryHoldingTheLast) {
  THistoryDialog h;
  h.Add("C:\\A\\", 0);
  for (int i = 0; i < 10; ++i) h.Add("C:\\A\\f" + std::to_string(i) + ".txt", i);
  h.Add("c:\\a\\Last.txt", 7);  // folders compare without regard to case
  EXPECT_EQ(Paths(h), std::vector<std::string>{"c:\\a\\Last.txt"});
  EXPECT_EQ(h.TopIndex(0), 7);
}

TEST(THistoryDialog, BareFolderPathsAddOnlyNewFolders) {
  THistoryDialog h;
  h.Add("C:\\A\\a.txt", 3);
  h.Add("C:\\B\\", 0);
  h.Add("c:\\A\\", 9);   // already represented further back: nothing
  h.Add("C:\\B\\", 5);   // the newest folder itself: nothing either
  h.Add("C:\\C\\", 1);   // a new folder adds its bare path
  h.Add("", 0);
  h.Add("C:", 0);
  h.Add("Tale.txt", 0);  // no folder to show again
  EXPECT_EQ(Paths(h), (std::vector<std::string>{"C:\\A\\a.txt", "C:\\B\\", "C:\\C\\"}));
  EXPECT_EQ(h.TopIndex(1), 0);
}

TEST(THistoryDialog, FindAnswersTheNewestEntryOfTheFolder) {
  THistoryDialog h;
  h.Add("C:\\A\\old.txt", 1);
  h.Add("C:\\B\\b.txt", 2);
  h.Add("C:\\A\\new.txt", 4);
  h.Add("C:\\A\\Sub\\x.txt", 6);
  const THistoryFound a = h.Find("c:\\a\\");
  EXPECT_EQ(a.Index, 2);
  EXPECT_EQ(a.Path, "C:\\A\\new.txt");
  EXPECT_EQ(a.TopIndex, 4);
  const THistoryFound none = h.Find("C:\\Z\\");
  EXPECT_EQ(none.Index, -1);
  EXPECT_EQ(none.Path, "C:\\Z\\");
}

TEST(THistoryDialog, TheEntryBeyondTheLimitDropsTheOldest) {
  THistoryDialog h;
  for (int i = 0; i <= HistoryCapacity; ++i) h.Add("C:\\D" + std::to_string(i) + "\\", i);
  ASSERT_EQ(h.Count(), HistoryCapacity);
  EXPECT_EQ(h.Path(0), "C:\\D1\\");
  EXPECT_EQ(h.Path(HistoryCapacity - 1), "C:\\D1000\\");
  EXPECT_EQ(h.Find("C:\\D0\\").Index, -1);
}

TEST(THistoryDialog, RemoveDropsEveryEntryOfTheFolderAndKeepsNeighboursApart) {
  THistoryDialog h;
  h.Add("C:\\A\\1.txt", 1);
  h.Add("C:\\Gone\\x.txt", 2);
  h.Add("C:\\A\\2.txt", 3);
  h.Add("C:\\gone\\y.txt", 4);
  h.Add("C:\\B\\", 5);
  EXPECT_EQ(h.Remove("C:\\GONE\\"), 4);
  // The two entries of C:\A\ met; the newer stays.
  EXPECT_EQ(Paths(h), (std::vector<std::string>{"C:\\A\\2.txt", "C:\\B\\"}));
  EXPECT_EQ(h.Remove("C:\\Other\\"), -1);
  EXPECT_EQ(h.Count(), 2);
}

TEST(THistoryDialog, StartAddsTheThreeFoldersOnce) {
  THistoryDialog h;
  h.Add("C:\\Old\\", 3);
  h.Start({"C:\\Temp", "C:\\Users\\Public\\Documents\\", "", "c:\\temp\\"});
  EXPECT_EQ(Paths(h), (std::vector<std::string>{"C:\\Temp\\", "C:\\Users\\Public\\Documents\\"}));
}

TEST(THistoryDialog, MenuCountsEveryEntryAndListsTheNewestTwentyFolders) {
  THistoryDialog h;
  for (int i = 0; i < 25; ++i) h.Add("C:\\D" + std::to_string(i) + "\\f.txt", 0);
  const std::vector<THistoryMenuItem> items = h.MenuItems("Browser history");
  ASSERT_EQ(items.size(), 1u + HistoryMenuFolders);
  EXPECT_EQ(items[0].Caption, "Browser history (25 items)");
  EXPECT_EQ(items[1].Caption, "C:\\D24\\");
  EXPECT_EQ(items[20].Caption, "C:\\D5\\");

  // Choosing a folder gives its full stored path, even when the handler
  // records in the history while it runs.
  std::string chosen;
  h.OnSelect = [&](const std::string& path) {
    for (int i = 0; i < HistoryCapacity; ++i) h.Add("E:\\N" + std::to_string(i) + "\\", 0);
    chosen = path;
  };
  h.Choose(items[2].Tag);
  EXPECT_EQ(chosen, "C:\\D23\\f.txt");
  chosen.clear();
  h.Choose(items[0].Tag);
  EXPECT_EQ(chosen, "");
}

}  // namespace
}  // namespace qv
