#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "browser/BrowserModel.h"
#include "encoding/UnicodeText.h"
#include "paths/PathStrings.h"
#include "util/Numbers.h"

namespace qv {
namespace {

// A folder tree in memory that answers the way the any-folder listing does:
// a folder that cannot be read gives way to its parent (named without a
// trailing back-slash), a drive that has gone to the partitions.
class TMemoryListing : public IBrowserListing {
 public:
  struct TFolder {
    std::vector<std::string> Folders, Files;
  };
  std::set<std::string> Drives{"C:", "D:"};
  std::map<std::string, TFolder> Tree;  // upper-case folder with a trailing back-slash
  std::map<std::string, int64_t> Sizes;
  std::vector<std::string> Asked;

  void Add(const std::string& folder, std::vector<std::string> folders,
           std::vector<std::string> files) {
    Tree[UpperCase(folder)] = {std::move(folders), std::move(files)};
  }

  void List(const std::string& start, const std::string& mask, TFolderListing& result) override {
    Asked.push_back(start + "|" + mask);
    std::string folder = start;
    for (;;) {
      const std::string drive = folder.size() >= 2 && folder[1] == ':' ? folder.substr(0, 2) : "";
      if (!folder.empty() && !IsDriveOnly(folder) && !Drives.count(drive)) {
        result.GivenUp.push_back(folder);
        folder = drive;
      }
      if (folder.empty() || IsDriveOnly(folder)) {
        result.Folders.assign(Drives.begin(), Drives.end());
        result.Folder = folder;
        return;
      }
      const auto it = Tree.find(UpperCase(IncludeTrailingBackslash(folder)));
      if (it != Tree.end()) {
        result.Folders = it->second.Folders;
        result.Files = it->second.Files;
        for (const std::string& file : result.Files) {
          const auto size = Sizes.find(IncludeTrailingBackslash(folder) + file);
          result.FileSizes.push_back(size == Sizes.end() ? 0 : size->second);
        }
        result.Folder = folder;
        return;
      }
      result.GivenUp.push_back(folder);
      folder = ExcludeTrailingBackslash(GetParentDir(folder));
    }
  }
  std::string PartitionSuffix(const std::string& drive) override { return " (Fixed: \"" + drive + "\")"; }
  std::string SortKey(const std::string& name) override { return UpperCase(name); }
};

std::vector<std::string> Texts(const TBrowserModel& m) {
  std::vector<std::string> out;
  for (const TBrowserItem& item : m.Items()) out.push_back(item.Text);
  return out;
}

std::vector<std::string> Files(int n) {
  std::vector<std::string> out;
  for (int i = 0; i < n; ++i) out.push_back("f" + std::to_string(100 + i) + ".txt");
  return out;
}

struct BrowserFixture : ::testing::Test {
  TMemoryListing listing;
  THistoryDialog history;
  TBrowserModel model{listing, history};
  TBrowserListState state{-1, 0, 10};

  // Loads path the way the window does: with the list's state before.
  void Load(const std::string& path) {
    model.LoadBrowserContent(path, state);
    state.Selected = model.Selected();
    if (model.TopIndex() >= 0) state.TopIndex = model.TopIndex();
    else if (state.Selected >= 0 && state.Selected < state.TopIndex) state.TopIndex = state.Selected;
    else if (state.Selected >= state.TopIndex + state.VisibleCount)
      state.TopIndex = state.Selected - state.VisibleCount + 1;
    if (state.Selected < 0) state.TopIndex = 0;
  }
  // The reader selects an item and the list draws it.
  void Select(int index, int top) {
    state.Selected = index;
    state.TopIndex = top;
    model.RecordSelection(index, top);
  }
  std::string SelectedText() const {
    return state.Selected < 0 ? "" : model.Items()[static_cast<size_t>(state.Selected)].Text;
  }
};

TEST_F(BrowserFixture, FoldersComeFirstEachSortedAndOnlyBooksAreListed) {
  listing.Add("C:\\Books\\", {"zeta", "Alpha", "x.rtf"},
              {"b.txt", "notes.doc", "A.RTF", "readme", "c.TXT", "t.txt.bak"});
  Load("C:\\Books\\");
  EXPECT_EQ(listing.Asked, std::vector<std::string>{"C:\\Books\\|*.txt; *.rtf"});
  EXPECT_EQ(Texts(model), (std::vector<std::string>{"Alpha", "x.rtf", "zeta", "A.RTF", "b.txt", "c.TXT"}));
  std::vector<std::string> types;
  for (const TBrowserItem& item : model.Items()) types.push_back(TBrowserModel::TypeText(item));
  EXPECT_EQ(types, (std::vector<std::string>{"Dir", "Dir", "Dir", "Form", "Plain", "Plain"}));
  EXPECT_EQ(model.Selected(), 0);
  EXPECT_EQ(model.BrowserDir(), "C:\\Books\\");
}

TEST(TBrowserModel, PathFormsChooseFolderAndSelection) {
  struct Case {
    const char* path;
    const char* dir;
    const char* selected;
  } cases[] = {
      {"C:\\Books\\", "C:\\Books\\", "Poe"},
      {"C:\\Books\\tale.TXT", "C:\\Books\\", "Tale.txt"},
      {"C:\\Books\\Poe", "C:\\Books\\", "Poe"},
      {"C:\\Books\\missing.txt", "C:\\Books\\", "Poe"},
      {"C:", "", "C:"},
      {"D:", "", "D:"},
      {"", "", "C:"},
  };
  for (const Case& c : cases) {
    TMemoryListing listing;
    listing.Add("C:\\Books\\", {"Poe"}, {"Tale.txt", "Zoo.rtf"});
    THistoryDialog history;
    TBrowserModel model(listing, history);
    model.LoadBrowserContent(c.path, {});
    EXPECT_EQ(model.BrowserDir(), c.dir) << c.path;
    ASSERT_GE(model.Selected(), 0) << c.path;
    EXPECT_EQ(model.Items()[static_cast<size_t>(model.Selected())].Text, c.selected) << c.path;
  }
}

TEST_F(BrowserFixture, ReenteringAFolderRestoresItsSelectionAndScroll) {
  std::vector<std::string> folders{"Sub"};
  for (int i = 0; i < 20; ++i) folders.push_back("d" + std::to_string(10 + i));
  listing.Add("C:\\A\\", folders, Files(40));
  listing.Add("C:\\A\\Sub\\", {}, {"s.txt"});
  listing.Add("C:\\B\\", {}, Files(3));
  Load("C:\\A\\");
  Select(32, 28);
  Load("C:\\B\\");
  Select(2, 0);
  Load("C:\\A\\");
  EXPECT_EQ(SelectedText(), "f111.txt");
  EXPECT_EQ(model.TopIndex(), 28);

  // Into a sub-folder and back up: the parent selects the folder just left
  // and keeps its scroll position.
  Select(20, 15);
  ASSERT_EQ(SelectedText(), "Sub");
  Load(model.Activation(20).Path);
  EXPECT_EQ(model.BrowserDir(), "C:\\A\\Sub\\");
  EXPECT_EQ(model.TopIndex(), 0);
  Load(model.BrowseUpPath());
  EXPECT_EQ(model.BrowserDir(), "C:\\A\\");
  EXPECT_EQ(SelectedText(), "Sub");
  EXPECT_EQ(model.TopIndex(), 15);
}

TEST_F(BrowserFixture, ScrollIsRestoredOnlyWhenItShowsTheSelection) {
  listing.Add("C:\\A\\", {}, Files(60));
  listing.Add("C:\\B\\", {}, Files(60));
  listing.Add("C:\\C\\", {}, Files(60));
  Load("C:\\A\\");
  Select(25, 10);
  history.Add("C:\\A\\f125.txt", 30);  // the list scrolled on past the selection
  Load("C:\\B\\");
  Load("C:\\A\\");
  EXPECT_EQ(SelectedText(), "f125.txt");
  EXPECT_EQ(model.TopIndex(), -1);  // the stored top would hide the selection

  // A new folder entered from a scrolled list starts at its own top.
  Select(55, 50);
  Load("C:\\C\\");
  EXPECT_EQ(model.Selected(), 0);
  EXPECT_EQ(model.TopIndex(), 0);
}

TEST_F(BrowserFixture, ADeletedFolderShowsItsNearestParentAndLeavesTheHistory) {
  listing.Add("C:\\A\\", {"Other"}, {"a.txt"});
  history.Add("C:\\A\\gone\\old.txt", 4);
  history.Add("C:\\A\\a.txt", 2);
  history.Add("C:\\A\\gone\\deeper\\d.txt", 1);
  history.Add("C:\\Z\\", 0);
  Load("C:\\A\\gone\\deeper\\x.txt");
  EXPECT_EQ(model.BrowserDir(), "C:\\A\\");
  EXPECT_EQ(SelectedText(), "a.txt");
  // The folders given up lose their entries; the parent keeps its own. The
  // path asked for is recorded again as the newest entry.
  std::vector<std::string> paths;
  for (int i = 0; i < history.Count(); ++i) paths.push_back(history.Path(i));
  EXPECT_EQ(paths, (std::vector<std::string>{"C:\\A\\a.txt", "C:\\Z\\", "C:\\A\\gone\\deeper\\x.txt"}));
}

TEST_F(BrowserFixture, ADriveThatHasGoneShowsThePartitions) {
  Load("Q:\\Books\\Tale.txt");
  EXPECT_FALSE(model.ShowsFolder());
  EXPECT_EQ(model.BrowserDir(), "Q:");
  ASSERT_EQ(Texts(model), (std::vector<std::string>{"C:", "D:"}));
  EXPECT_EQ(model.Items()[0].Caption(), "C: (Fixed: \"C:\")");
  EXPECT_TRUE(model.Items()[0].Folder);
  EXPECT_EQ(model.Activation(1).Path, "D:\\");
  EXPECT_EQ(model.PartitionsPath(), "Q:");
}

TEST_F(BrowserFixture, UpAndPartitionsPaths) {
  listing.Add("C:\\", {"Books"}, {});
  listing.Add("C:\\Books\\", {"Poe"}, {});
  listing.Add("C:\\Books\\Poe\\", {}, {"Raven.txt"});
  Load("C:\\Books\\Poe\\");
  EXPECT_EQ(model.PartitionsPath(), "C:");
  const struct {
    const char* dir;
    const char* selected;
  } steps[] = {{"C:\\Books\\", "Poe"}, {"C:\\", "Books"}, {"", "C:"}, {"", "C:"}};
  for (const auto& step : steps) {
    Load(model.BrowseUpPath());
    EXPECT_EQ(model.BrowserDir(), step.dir);
    EXPECT_EQ(SelectedText(), step.selected) << step.dir;
  }
}

TEST_F(BrowserFixture, ActivationOpensBooksAndEntersFolders) {
  listing.Add("C:\\Books\\", {"Poe"}, {"Tale.txt"});
  listing.Add("C:\\Empty\\", {}, {});
  Load("C:\\Books\\");
  EXPECT_EQ(model.Activation(0).Action, TBrowserAction::ShowFolder);
  EXPECT_EQ(model.Activation(0).Path, "C:\\Books\\Poe\\");
  EXPECT_EQ(model.Activation(1).Action, TBrowserAction::OpenBook);
  EXPECT_EQ(model.Activation(1).Path, "C:\\Books\\Tale.txt");
  Load("C:\\Empty\\");
  EXPECT_TRUE(model.Items().empty());
  EXPECT_EQ(model.Selected(), -1);
  EXPECT_EQ(model.Activation(model.Selected()).Action, TBrowserAction::None);
}

TEST_F(BrowserFixture, HintNamesTheItemAndTheSizeOfAFile) {
  listing.Add("C:\\Books\\", {"Poe"}, {"Tale.txt", "Lost.txt"});
  listing.Sizes["C:\\Books\\Tale.txt"] = 1234567;
  Load("C:\\Books\\");
  const std::string base = BrowserListHint;
  const auto grouped = [](int64_t n) { return FormatGrouped(n, "."); };
  EXPECT_EQ(model.Hint(-1, grouped), base);
  EXPECT_EQ(model.Hint(0, grouped), base + " NAME \"Poe\" (IN \"Books\").");
  EXPECT_EQ(model.Hint(2, grouped), base + " SIZE 1.234.567 characters. NAME \"Tale.txt\" (IN \"Books\").");
  EXPECT_EQ(model.Hint(1, grouped), base + " SIZE 0 characters. NAME \"Lost.txt\" (IN \"Books\").");
  // The hint tells the size the folder was listed with; a hint reads no file.
  listing.Sizes["C:\\Books\\Tale.txt"] = 7;
  EXPECT_EQ(model.Hint(2, grouped), base + " SIZE 1.234.567 characters. NAME \"Tale.txt\" (IN \"Books\").");
}

TEST_F(BrowserFixture, DrawingTheSelectionRecordsItOnlyInARealFolder) {
  listing.Add("C:\\Books\\", {}, {"a.txt", "b.txt"});
  Load("C:");
  model.RecordSelection(0, 0);
  EXPECT_EQ(history.Count(), 0);
  Load("C:\\Books\\");
  model.RecordSelection(1, 1);
  ASSERT_EQ(history.Count(), 1);
  EXPECT_EQ(history.Path(0), "C:\\Books\\b.txt");
  EXPECT_EQ(history.TopIndex(0), 1);
}

TEST(BrowserKeyAction, EveryKeyHasOneRule) {
  const struct {
    char key;
    TBrowserKey action;
  } cases[] = {{'\b', TBrowserKey::BrowseUp}, {'\r', TBrowserKey::Activate},
               {'/', TBrowserKey::Partitions}, {'\\', TBrowserKey::Partitions},
               {'a', TBrowserKey::Ignore},     {'T', TBrowserKey::Ignore},
               {' ', TBrowserKey::Ignore},     {'\n', TBrowserKey::Ignore}};
  for (const auto& c : cases) EXPECT_EQ(BrowserKeyAction(c.key), c.action) << int(c.key);
  EXPECT_EQ(BrowserTypeColumnWidth(13), 22);
}

}  // namespace
}  // namespace qv
