// The file browser without its window: which folder is on display, its items
// in order, the item to select and the scroll position to restore, what a
// key or an activation does, the hint texts and the history records. The
// window shows Items() and reports the list's state back in TBrowserListState.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "browser/BrowserListing.h"
#include "history/HistoryDialog.h"

namespace qv {

extern const char* const BrowserBookMask;  // "*.txt; *.rtf"
extern const char* const BrowserListHint;  // the hint's fixed first part

struct TBrowserItem {
  std::string Text;     // a bare name ("Poe", "Tale.txt") or a drive name ("C:")
  bool Folder = false;  // a folder or a partition
  std::string Suffix;   // for a drive in the partitions list: its partition suffix
  int64_t Size = 0;     // a file's size in bytes, as the folder was listed
  // The name column's text.
  std::string Caption() const { return Text + Suffix; }
};

// The list control as it stands when the browser needs it.
struct TBrowserListState {
  int Selected = -1;     // the selected item, -1 for none
  int TopIndex = 0;      // the first visible item
  int VisibleCount = 0;  // whole items that fit in the list's height
};

enum class TBrowserAction { None, ShowFolder, OpenBook };
struct TBrowserActivation {
  TBrowserAction Action = TBrowserAction::None;
  std::string Path;  // the folder to show (with a trailing back-slash) or the book to open
};

// What a character typed in the list does; every key is consumed, so the
// list's own type-ahead never runs.
enum class TBrowserKey { Ignore, BrowseUp, Activate, Partitions };
TBrowserKey BrowserKeyAction(char key);

// The width of the type column: the item height times 1.7, truncated.
int BrowserTypeColumnWidth(int itemHeight);

// The drive of a path ("C:" for "C:\Books\Tale.txt"); "" for a path with no drive letter.
std::string DriveOfPath(const std::string& path);

class TBrowserModel {
 public:
  TBrowserModel(IBrowserListing& listing, THistoryDialog& history);

  // Shows the folder of path: "C:\Books\" that folder, "C:\Books\Tale.txt" or
  // "C:\Books\Poe" that folder with the item selected, "C:" or "" the
  // partitions (with C: selected). list is the state of the list before.
  // Afterwards Items(), Selected() and TopIndex() say what the list shows.
  void LoadBrowserContent(const std::string& path, const TBrowserListState& list);

  // The folder on display with a trailing back-slash; "" or a bare drive
  // while the partitions list is shown.
  const std::string& BrowserDir() const { return browserDir_; }
  // True when a real folder is on display (not the partitions list).
  bool ShowsFolder() const;
  const std::vector<TBrowserItem>& Items() const { return items_; }
  // The item to select after a load; -1 for an empty list.
  int Selected() const { return selected_; }
  // The top index to restore after selecting, or -1 to leave the list's own.
  int TopIndex() const { return topIndex_; }

  // "Dir" for a folder or partition, "Form" for a ".rtf" file, else "Plain".
  static const char* TypeText(const TBrowserItem& item);
  // The full path of an item: BrowserDir + text, or the drive name itself.
  std::string ItemPath(int index) const;
  // The file item whose path is path (without regard to case), or -1.
  int IndexOfFile(const std::string& path) const;
  // What [Enter] or a double-click on the item does.
  TBrowserActivation Activation(int selected) const;
  // The path BrowseUp loads: the parent shown with the folder just left
  // selected; from a drive root the partitions list.
  std::string BrowseUpPath() const;
  // The path "/" and "\" load: the drive of BrowserDir (the partitions list).
  std::string PartitionsPath() const;
  // The list's hint with the pointer over item index (-1 over none); grouped
  // writes a file's size with thousands separators.
  std::string Hint(int index, const std::function<std::string(int64_t)>& grouped) const;
  // The selected item was drawn: remembers it with the top index for its folder.
  void RecordSelection(int selected, int topIndex);

 private:
  IBrowserListing& listing_;
  THistoryDialog& history_;
  std::string browserDir_;
  std::vector<TBrowserItem> items_;
  int selected_ = -1;
  int topIndex_ = -1;
};

}  // namespace qv
