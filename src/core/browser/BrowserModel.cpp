#include "browser/BrowserModel.h"

#include <algorithm>
#include <utility>

#include "book/BookReader.h"
#include "book/BookRules.h"
#include "encoding/UnicodeText.h"
#include "paths/PathStrings.h"
#include "util/AsciiText.h"

namespace qv {

const char* const BrowserBookMask = "*.txt; *.rtf";
const char* const BrowserListHint =
    "Double-click [LMB] (or press [Enter]) to open the file, or enter the directory. Click "
    "[Backspace] to explore the parent directory. Press [/] to load the partitions list.";

namespace {

bool IsRealFolder(const std::string& folder) { return !folder.empty() && !IsDriveOnly(folder); }

}  // namespace

TBrowserKey BrowserKeyAction(char key) {
  switch (key) {
    case '\b': return TBrowserKey::BrowseUp;
    case '\r': return TBrowserKey::Activate;
    case '/':
    case '\\': return TBrowserKey::Partitions;
    default: return TBrowserKey::Ignore;
  }
}

int BrowserTypeColumnWidth(int itemHeight) { return itemHeight * 17 / 10; }

std::string DriveOfPath(const std::string& path) {
  return path.size() >= 2 && path[1] == ':' ? path.substr(0, 2) : std::string();
}

TBrowserModel::TBrowserModel(IBrowserListing& listing, THistoryDialog& history)
    : listing_(listing), history_(history) {}

bool TBrowserModel::ShowsFolder() const { return IsRealFolder(browserDir_); }

void TBrowserModel::LoadBrowserContent(const std::string& path, const TBrowserListState& list) {
  const std::string shownBefore = browserDir_;
  std::string name = GetNameOfPath(path);
  if (name.empty() && list.Selected >= 0 && list.Selected < static_cast<int>(items_.size()))
    name = items_[static_cast<size_t>(list.Selected)].Text;

  TFolderListing listing;
  listing_.List(GetDirOfPath(path), BrowserBookMask, listing);
  for (const std::string& gone : listing.GivenUp)
    if (IsRealFolder(gone)) history_.Remove(IncludeTrailingBackslash(gone));
  browserDir_ = IsRealFolder(listing.Folder) ? IncludeTrailingBackslash(listing.Folder)
                                             : listing.Folder;

  // The top index recorded with the path belongs to the path's folder: the
  // list's own while that folder is on display, else the one last remembered
  // for it, so entering another folder never scrolls it by the old list.
  const std::string folder = GetDirOfPath(path);
  const int recordedTop = SameText(folder, shownBefore) ? list.TopIndex
                                                             : history_.Find(folder).TopIndex;
  history_.Add(path, recordedTop);
  const THistoryFound remembered = history_.Find(browserDir_);
  if (remembered.Index >= 0) name = GetNameOfPath(remembered.Path);

  // Folders, then book files, each in the order of their sort keys; the
  // indices are sorted, not the items, since a folder can hold thousands.
  const bool partitions = !ShowsFolder();
  std::vector<TBrowserItem> unsorted;
  unsorted.reserve(listing.Folders.size() + listing.Files.size());
  for (std::string& text : listing.Folders) {
    std::string suffix = partitions && IsDriveOnly(text) ? listing_.PartitionSuffix(text) : "";
    unsorted.push_back({std::move(text), true, std::move(suffix)});
  }
  const size_t folderCount = unsorted.size();
  for (size_t i = 0; i < listing.Files.size(); ++i)
    if (IsBookFileName(listing.Files[i]))
      unsorted.push_back({std::move(listing.Files[i]), false, "", i < listing.FileSizes.size() ? listing.FileSizes[i] : 0});
  std::vector<std::string> keys;
  keys.reserve(unsorted.size());
  for (const TBrowserItem& item : unsorted) keys.push_back(listing_.SortKey(item.Text));
  std::vector<size_t> order(unsorted.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  const auto byKey = [&keys](size_t a, size_t b) { return keys[a] < keys[b] || (keys[a] == keys[b] && a < b); };
  std::sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(folderCount), byKey);
  std::sort(order.begin() + static_cast<std::ptrdiff_t>(folderCount), order.end(), byKey);
  items_.clear();
  items_.reserve(unsorted.size());
  for (size_t i : order) items_.push_back(std::move(unsorted[i]));

  selected_ = items_.empty() ? -1 : 0;
  if (!name.empty())
    for (size_t i = 0; i < items_.size(); ++i)
      if (SameText(items_[i].Text, name)) {
        selected_ = static_cast<int>(i);
        break;
      }
  // The remembered scroll position returns when it shows the selected item.
  topIndex_ = -1;
  if (remembered.Index >= 0 && selected_ >= remembered.TopIndex &&
      selected_ - remembered.TopIndex < list.VisibleCount)
    topIndex_ = remembered.TopIndex;
}

const char* TBrowserModel::TypeText(const TBrowserItem& item) {
  if (item.Folder) return "Dir";
  return IsRichTextName(item.Text) ? "Form" : "Plain";
}

std::string TBrowserModel::ItemPath(int index) const {
  const std::string& text = items_[static_cast<size_t>(index)].Text;
  return ShowsFolder() ? browserDir_ + text : text;
}

int TBrowserModel::IndexOfFile(const std::string& path) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (!items_[i].Folder && SameText(ItemPath(static_cast<int>(i)), path)) return static_cast<int>(i);
  return -1;
}

TBrowserActivation TBrowserModel::Activation(int selected) const {
  if (selected < 0 || selected >= static_cast<int>(items_.size())) return {};
  const std::string path = ItemPath(selected);
  if (items_[static_cast<size_t>(selected)].Folder)
    return {TBrowserAction::ShowFolder, IncludeTrailingBackslash(path)};
  return {TBrowserAction::OpenBook, path};
}

std::string TBrowserModel::BrowseUpPath() const { return ExcludeTrailingBackslash(browserDir_); }

std::string TBrowserModel::PartitionsPath() const { return DriveOfPath(browserDir_); }

std::string TBrowserModel::Hint(int index, const std::function<std::string(int64_t)>& grouped) const {
  std::string hint = BrowserListHint;
  if (index < 0 || index >= static_cast<int>(items_.size())) return hint;
  const TBrowserItem& item = items_[static_cast<size_t>(index)];
  // The size the listing found: a hint shown at every move of the mouse reads no file.
  if (!item.Folder) hint += " SIZE " + grouped(item.Size) + " characters.";
  hint += " NAME \"" + item.Text + "\" (IN \"" +
          GetNameOfPath(ExcludeTrailingBackslash(browserDir_)) + "\").";
  return hint;
}

void TBrowserModel::RecordSelection(int selected, int topIndex) {
  if (!ShowsFolder() || selected < 0 || selected >= static_cast<int>(items_.size())) return;
  history_.Add(browserDir_ + items_[static_cast<size_t>(selected)].Text, topIndex);
}

}  // namespace qv
