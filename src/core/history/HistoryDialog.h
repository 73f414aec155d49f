// The history of the folders the browser has shown, newest last. Each entry
// is a folder path ending in a back-slash, or the path of the item last
// selected in a folder, with the list's top index at that moment. An entry's
// folder is GetDirOfPath of its path; folders compare without regard to case.
// The history lives in memory only and starts afresh at every program start.
#pragma once
#include <functional>
#include <string>
#include <vector>

namespace qv {

constexpr int HistoryCapacity = 1000;
constexpr int HistoryMenuFolders = 20;

struct THistoryFound {
  int Index = -1;         // -1 when no entry has the folder
  std::string Path;       // the stored path, or the folder asked for
  int TopIndex = 0;
};

struct THistoryMenuItem {
  std::string Caption;  // the entry's folder
  int Tag = -1;         // the entry's index; -1 for the title line, which does nothing
};

class THistoryDialog {
 public:
  int Count() const { return static_cast<int>(entries_.size()); }
  const std::string& Path(int index) const { return entries_[static_cast<size_t>(index)].Path; }
  int TopIndex(int index) const { return entries_[static_cast<size_t>(index)].TopIndex; }

  // Empties the history and adds the start folders (each given a trailing
  // back-slash) with top index 0: the temporary folder, the shared documents
  // and the user's documents.
  void Start(const std::vector<std::string>& folders);
  // Records a path; ignored for an empty path, a bare drive or a path with no
  // folder, and for a bare folder path whose folder is already present. A path
  // of the newest entry's folder replaces that entry; a full history drops its
  // oldest entry first.
  void Add(const std::string& path, int topIndex);
  // The newest entry whose folder is folder.
  THistoryFound Find(const std::string& folder) const;
  // Removes every entry of the folder of path. Answers the top index of the
  // last entry removed, or -1. Two entries of one folder that become
  // neighbours merge into the newer one, so no folder follows itself.
  int Remove(const std::string& path);

  // The popup menu's lines: "<title> (N items)" (N counts every entry), then
  // the newest folders, at most twenty, newest first.
  std::vector<THistoryMenuItem> MenuItems(const std::string& title) const;
  // A chosen menu line: raises OnSelect with the entry's full stored path.
  void Choose(int tag) const;
  std::function<void(const std::string& path)> OnSelect;

 private:
  struct TEntry {
    std::string Path;
    std::string Folder;
    int TopIndex = 0;
  };
  int FindIndex(const std::string& folder) const;
  std::vector<TEntry> entries_;
};

}  // namespace qv
