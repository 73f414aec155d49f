#include "platform/BrowserListing.h"

#include <windows.h>

#include <utility>
#include <vector>

#include "platform/FileServices.h"
#include "platform/WideText.h"

namespace qv::win {

namespace {

void MoveTexts(TItemList& items, std::vector<std::string>& texts) {
  texts.reserve(texts.size() + items.size());
  for (TListItem& item : items) texts.push_back(std::move(item.Text));
}

}  // namespace

void TBrowserListing::List(const std::string& folder, const std::string& mask,
                           TFolderListing& result) {
  TItemList folders, files;
  int count = 0;
  result.Folder = LoadFilesFromAnyDir(folder, mask, folders, false, false, -1, count, files,
                                      [&](const std::string& gone) { result.GivenUp.push_back(gone); });
  MoveTexts(folders, result.Folders);
  for (const TListItem& file : files) result.FileSizes.push_back(file.Size);
  MoveTexts(files, result.Files);
}

std::string TBrowserListing::PartitionSuffix(const std::string& drive) {
  return GetPartitionSuffix(drive);
}

// The sort key is a string of bytes (the wide function writes bytes too, and
// counts in bytes), compared as bytes.
std::string TBrowserListing::SortKey(const std::string& name) {
  const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
  const std::wstring wide = ToWide(name);
  const int length = static_cast<int>(wide.size());
  char buffer[1024];
  int size = LCMapStringW(LOCALE_USER_DEFAULT, flags, wide.c_str(), length, reinterpret_cast<LPWSTR>(buffer),
                          sizeof buffer);
  if (size > 0) return std::string(buffer, static_cast<size_t>(size - 1));  // without its final zero
  size = LCMapStringW(LOCALE_USER_DEFAULT, flags, wide.c_str(), length, nullptr, 0);
  if (size <= 0) return name;
  std::string key(static_cast<size_t>(size), '\0');
  LCMapStringW(LOCALE_USER_DEFAULT, flags, wide.c_str(), length, reinterpret_cast<LPWSTR>(&key[0]), size);
  key.resize(static_cast<size_t>(size - 1));
  return key;
}

}  // namespace qv::win
