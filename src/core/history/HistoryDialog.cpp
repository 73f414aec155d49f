#include "history/HistoryDialog.h"

#include "encoding/UnicodeText.h"
#include "paths/PathStrings.h"

namespace qv {

void THistoryDialog::Start(const std::vector<std::string>& folders) {
  entries_.clear();
  for (const std::string& folder : folders) Add(IncludeTrailingBackslash(folder), 0);
}

void THistoryDialog::Add(const std::string& path, int topIndex) {
  if (path.empty() || IsDriveOnly(path)) return;
  std::string folder = GetDirOfPath(path);
  if (folder.empty()) return;  // nothing to show again
  if (folder.size() == path.size() && FindIndex(folder) >= 0) return;
  if (!entries_.empty() && SameText(entries_.back().Folder, folder)) {
    entries_.back().Path = path;
    entries_.back().Folder = std::move(folder);
    entries_.back().TopIndex = topIndex;
    return;
  }
  if (Count() >= HistoryCapacity) entries_.erase(entries_.begin());
  entries_.push_back({path, std::move(folder), topIndex});
}

int THistoryDialog::FindIndex(const std::string& folder) const {
  for (int i = Count() - 1; i >= 0; --i)
    if (SameText(entries_[static_cast<size_t>(i)].Folder, folder)) return i;
  return -1;
}

THistoryFound THistoryDialog::Find(const std::string& folder) const {
  const int i = FindIndex(folder);
  if (i < 0) return {-1, folder, 0};
  return {i, Path(i), TopIndex(i)};
}

int THistoryDialog::Remove(const std::string& path) {
  const std::string folder = GetDirOfPath(path);
  int removedTop = -1;
  std::vector<TEntry> kept;
  kept.reserve(entries_.size());
  for (TEntry& entry : entries_) {
    if (SameText(entry.Folder, folder)) {
      removedTop = entry.TopIndex;
    } else if (!kept.empty() && SameText(kept.back().Folder, entry.Folder)) {
      kept.back() = std::move(entry);  // the newer of two neighbours of one folder stays
    } else {
      kept.push_back(std::move(entry));
    }
  }
  entries_ = std::move(kept);
  return removedTop;
}

std::vector<THistoryMenuItem> THistoryDialog::MenuItems(const std::string& title) const {
  std::vector<THistoryMenuItem> items;
  items.push_back({title + " (" + std::to_string(Count()) + " items)", -1});
  for (int i = Count() - 1; i >= 0 && Count() - i <= HistoryMenuFolders; --i)
    items.push_back({entries_[static_cast<size_t>(i)].Folder, i});
  return items;
}

void THistoryDialog::Choose(int tag) const {
  if (tag < 0 || tag >= Count() || !OnSelect) return;
  const std::string path = Path(tag);  // the handler records in the history
  OnSelect(path);
}

}  // namespace qv
