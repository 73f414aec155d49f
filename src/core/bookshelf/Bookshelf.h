// TBookshelf: the reader's books in progress, least recent first, at most 30,
// each with an auto-bookmark (index 0) and five numbered bookmarks (1 to 5).
// A bookmark is a rich-box character position and the piece (from 1) it
// belongs to; position -1 means not set. File names are unique on the shelf
// without regard to case.
//
// The popup menu of books is shown by the Win32 side: it asks PrepareMenu for
// the items, shows them, and passes the chosen item's tag to MenuItemChosen,
// which raises OnSelect with the entry's file name and the menu's mode.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace qv {

class TStoredTextList;

constexpr int32_t BookshelfCapacity = 30;
constexpr int32_t BookmarkCount = 6;  // 0 is the auto-bookmark

struct TBookshelfEntry {
  std::string FileName;
  std::array<int32_t, BookmarkCount> CaretPos{{-1, -1, -1, -1, -1, -1}};
  std::array<int32_t, BookmarkCount> Piece{{1, 1, 1, 1, 1, 1}};
  // The encoding the reader chose for the book (its WHATWG name, see
  // encoding/TextEncoding.h); empty: the book's own is detected.
  std::string Encoding;
};

struct TBookshelfMenuItem {
  std::string Caption;  // the book's file name
  int32_t Tag;          // the entry's index
};

enum TBookshelfMode : uint8_t { BookshelfOpen = 0, BookshelfRemove = 1 };

// The options-file sections the shelf is stored in.
extern const char* const BookshelfMainSection;     // "Quenvalis_Bookshelf_Main"
extern const char* const BookshelfCaretSection;    // "Quenvalis_Bookshelf_CaretPos"
extern const char* const BookshelfPiecesSection;   // "Quenvalis_Bookshelf_Pieces"
extern const char* const BookshelfEncodingsSection;  // "Quenvalis_Bookshelf_Encodings"

class TBookshelf {
 public:
  using TSelectEvent = std::function<void(const std::string& fileName, uint8_t mode)>;

  TSelectEvent OnSelect;

  int32_t Count() const { return count_; }
  uint8_t Mode() const { return mode_; }
  // Entry i, 0 the least recent; i must be below Count().
  const TBookshelfEntry& Book(int32_t i) const { return books_[static_cast<size_t>(i)]; }

  // Index 0 puts the book on the shelf (or updates it) as the most recent one;
  // with CaretPos < 0 it only moves a book that is on the shelf to the most
  // recent place. Index 1 to 5 sets a numbered bookmark of a book on the shelf.
  void SetBookmark(const std::string& fileName, int32_t index, int32_t piece, int32_t caretPos);
  void Touch(const std::string& fileName);
  // Index 0 takes the book off the shelf; 1 to 5 clears that bookmark. The entry
  // as it was is copied into copy when given. Answers its index, or -1.
  int32_t Remove(const std::string& fileName, int32_t index, TBookshelfEntry* copy = nullptr);
  int32_t IndexOf(const std::string& fileName) const;
  // The bookmark's position (-1 when not set) and its piece; -1 and piece
  // untouched when the book is not on the shelf.
  int32_t GetBookmark(const std::string& fileName, int32_t index, int32_t* piece = nullptr) const;
  std::string LastBook() const;

  // The encoding the reader chose for a book ("" for none). The choice of a
  // book on the shelf is its entry's, stored with it; the choice of any other
  // book is kept for the run, and goes with the book when it is put on the shelf.
  void SetEncodingChoice(const std::string& fileName, const std::string& encoding);
  std::string EncodingChoice(const std::string& fileName) const;

  // Stores the mode and answers the menu's items, the most recent book first.
  std::vector<TBookshelfMenuItem> PrepareMenu(uint8_t mode);
  // Raises OnSelect for the entry of the chosen item; an unknown tag does nothing.
  void MenuItemChosen(int32_t tag);

  // Replaces the shelf by the one stored in the four sections; values out of
  // bounds take their defaults and unusable entries are skipped.
  void Load(const TStoredTextList& store);
  void Save(TStoredTextList& store) const;

 private:
  void RemoveAt(int32_t i);

  std::array<TBookshelfEntry, BookshelfCapacity> books_{};
  std::map<std::string, std::string> otherChoices_;  // by UpperCase of the file name
  int32_t count_ = 0;
  uint8_t mode_ = BookshelfOpen;
};

}  // namespace qv
