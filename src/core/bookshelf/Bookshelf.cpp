#include "bookshelf/Bookshelf.h"

#include <limits>

#include "encoding/TextEncoding.h"
#include "encoding/UnicodeText.h"
#include "store/StoredTextList.h"

namespace qv {

const char* const BookshelfMainSection = "Quenvalis_Bookshelf_Main";
const char* const BookshelfCaretSection = "Quenvalis_Bookshelf_CaretPos";
const char* const BookshelfPiecesSection = "Quenvalis_Bookshelf_Pieces";
const char* const BookshelfEncodingsSection = "Quenvalis_Bookshelf_Encodings";

namespace {

constexpr int32_t kMaxInt = std::numeric_limits<int32_t>::max();
constexpr int32_t kMaxFileNameLength = 259;
constexpr int32_t kMaxEncodingLength = 32;

bool ValidIndex(int32_t index) { return index >= 0 && index < BookmarkCount; }

std::string BookmarkKey(int32_t entry, int32_t bookmark) {
  return std::to_string(entry) + "_" + std::to_string(bookmark);
}

}  // namespace

int32_t TBookshelf::IndexOf(const std::string& fileName) const {
  for (int32_t i = 0; i < count_; ++i)
    if (SameText(books_[i].FileName, fileName)) return i;
  return -1;
}

void TBookshelf::RemoveAt(int32_t i) {
  for (int32_t k = i; k + 1 < count_; ++k) books_[k] = books_[k + 1];
  --count_;
  books_[count_] = TBookshelfEntry{};
}

void TBookshelf::SetBookmark(const std::string& fileName, int32_t index, int32_t piece,
                             int32_t caretPos) {
  if (fileName.empty() || !ValidIndex(index)) return;
  const int32_t found = IndexOf(fileName);
  if (index > 0) {
    if (found < 0) return;  // numbered bookmarks never put a book on the shelf
    books_[found].CaretPos[index] = caretPos;
    books_[found].Piece[index] = piece;
    return;
  }
  // A move to the most recent place of a book that is not on the shelf adds
  // nothing, and must not drop the least recent book either.
  if (found < 0 && caretPos < 0) return;
  const bool wasMostRecent = found >= 0 && found == count_ - 1;
  if (!wasMostRecent) {
    TBookshelfEntry entry;  // a fresh entry, or the book's own with its bookmarks
    if (found >= 0) {
      entry = books_[found];
      RemoveAt(found);
    } else {
      const auto chosen = otherChoices_.find(UpperCase(fileName));
      if (chosen != otherChoices_.end()) {
        entry.Encoding = chosen->second;
        otherChoices_.erase(chosen);
      }
    }
    if (count_ == BookshelfCapacity) RemoveAt(0);
    books_[count_++] = entry;
  }
  if (caretPos >= 0) {
    TBookshelfEntry& last = books_[count_ - 1];
    if (!wasMostRecent) last.FileName = fileName;
    last.CaretPos[0] = caretPos;
    last.Piece[0] = piece;
  }
}

void TBookshelf::Touch(const std::string& fileName) { SetBookmark(fileName, 0, -1, -1); }

int32_t TBookshelf::Remove(const std::string& fileName, int32_t index, TBookshelfEntry* copy) {
  if (!ValidIndex(index)) return -1;
  const int32_t found = IndexOf(fileName);
  if (found < 0) return -1;
  if (copy) *copy = books_[found];
  if (index == 0) {
    RemoveAt(found);
  } else {
    books_[found].CaretPos[index] = -1;
    books_[found].Piece[index] = 1;
  }
  return found;
}

int32_t TBookshelf::GetBookmark(const std::string& fileName, int32_t index, int32_t* piece) const {
  const int32_t found = IndexOf(fileName);
  if (found < 0 || !ValidIndex(index)) return -1;
  if (piece) *piece = books_[found].Piece[index];
  return books_[found].CaretPos[index];
}

std::string TBookshelf::LastBook() const { return count_ > 0 ? books_[count_ - 1].FileName : ""; }

void TBookshelf::SetEncodingChoice(const std::string& fileName, const std::string& encoding) {
  const int32_t found = IndexOf(fileName);
  if (found >= 0) books_[found].Encoding = encoding;
  else if (encoding.empty()) otherChoices_.erase(UpperCase(fileName));
  else otherChoices_[UpperCase(fileName)] = encoding;
}

std::string TBookshelf::EncodingChoice(const std::string& fileName) const {
  const int32_t found = IndexOf(fileName);
  if (found >= 0) return books_[found].Encoding;
  const auto chosen = otherChoices_.find(UpperCase(fileName));
  return chosen != otherChoices_.end() ? chosen->second : std::string();
}

std::vector<TBookshelfMenuItem> TBookshelf::PrepareMenu(uint8_t mode) {
  mode_ = mode;
  std::vector<TBookshelfMenuItem> items;
  for (int32_t i = count_ - 1; i >= 0; --i) items.push_back(TBookshelfMenuItem{books_[i].FileName, i});
  return items;
}

void TBookshelf::MenuItemChosen(int32_t tag) {
  if (tag < 0 || tag >= count_ || !OnSelect) return;
  const std::string fileName = books_[tag].FileName;  // the handler may change the shelf
  OnSelect(fileName, mode_);
}

void TBookshelf::Load(const TStoredTextList& store) {
  books_.fill(TBookshelfEntry{});
  count_ = 0;
  int32_t stored = 0;
  store.ReadInteger(BookshelfMainSection, "Count", 0, BookshelfCapacity, stored);
  for (int32_t i = 0; i < stored; ++i) {
    const std::string key = std::to_string(i);
    std::string fileName;
    store.ReadString(BookshelfMainSection, key, fileName, false, kMaxFileNameLength);
    if (fileName.empty()) continue;
    int32_t caretPos = 0, piece = 1;
    store.ReadInteger(BookshelfCaretSection, key, 0, kMaxInt, caretPos);
    store.ReadInteger(BookshelfPiecesSection, key, 1, kMaxInt, piece);
    SetBookmark(fileName, 0, piece, caretPos);
    std::string encoding;
    TTextEncoding known;
    store.ReadString(BookshelfEncodingsSection, key, encoding, false, kMaxEncodingLength);
    if (EncodingOfKey(encoding, known)) books_[count_ - 1].Encoding = EncodingKey(known);
    for (int32_t j = 1; j < BookmarkCount; ++j) {
      int32_t markPos = -1, markPiece = 1;
      store.ReadInteger(BookshelfCaretSection, BookmarkKey(i, j), -1, kMaxInt, markPos);
      store.ReadInteger(BookshelfPiecesSection, BookmarkKey(i, j), 1, kMaxInt, markPiece);
      SetBookmark(fileName, j, markPiece, markPos);
    }
  }
}

void TBookshelf::Save(TStoredTextList& store) const {
  store.WriteInteger(BookshelfMainSection, "Count", count_);
  for (int32_t i = 0; i < count_; ++i) {
    const TBookshelfEntry& entry = books_[i];
    const std::string key = std::to_string(i);
    store.WriteString(BookshelfMainSection, key, entry.FileName);
    store.WriteInteger(BookshelfCaretSection, key, entry.CaretPos[0]);
    store.WriteInteger(BookshelfPiecesSection, key, entry.Piece[0]);
    if (!entry.Encoding.empty()) store.WriteString(BookshelfEncodingsSection, key, entry.Encoding);
    for (int32_t j = 1; j < BookmarkCount; ++j) {
      if (entry.CaretPos[j] < 0) continue;
      store.WriteInteger(BookshelfCaretSection, BookmarkKey(i, j), entry.CaretPos[j]);
      store.WriteInteger(BookshelfPiecesSection, BookmarkKey(i, j), entry.Piece[j]);
    }
  }
}

}  // namespace qv
