// What the bookshelf and bookmark buttons of the main window show and decide,
// without the window: captions, the overwrite questions, and what the
// auto-bookmark does when the reading is followed.
#pragma once
#include <cstdint>
#include <string>

namespace qv {

class TBookshelf;

// "&Open (" + count + ")"; the open and remove buttons are enabled when count > 0.
std::string BookshelfOpenCaption(int32_t count);
// "&Auto" for 0, "&1" to "&5", followed by "*" when that bookmark of the book is set.
std::string BookmarkButtonCaption(const TBookshelf& shelf, const std::string& bookFileName,
                                  int32_t index);
// The question asked before overwriting a bookmark whose position is above 0, or
// "" when there is nothing to ask (not set, or set at position 0).
std::string BookmarkOverwriteQuestion(const TBookshelf& shelf, const std::string& bookFileName,
                                      int32_t index);

enum class TAutoBookmarkAction { None, Touch, Set };

struct TReadingState {
  bool AutoBookmarkChecked = false;  // "Auto bookmark"
  bool BookOpen = false;             // a .txt or .rtf book path that is not a folder
  bool RichTextEmpty = true;         // the rich-box holds fewer than 3 characters
  int32_t FirstVisibleLine = 0;      // from 0
  int32_t Piece = 1;                 // the piece on display, from 1
};

// UpdateAutoBookmark (Record): nothing unless enabled, recording, a book is open
// with text, and it is on the shelf; at the very beginning of the book (first 5
// lines of piece 1) only Touch; otherwise Set the auto-bookmark at the top line.
TAutoBookmarkAction DecideAutoBookmark(const TBookshelf& shelf, const std::string& bookFileName,
                                       bool record, const TReadingState& state);

// Applies the decision: Touch, or SetBookmark (book, 0, piece, topLinePos).
void UpdateAutoBookmark(TBookshelf& shelf, const std::string& bookFileName, bool record,
                        const TReadingState& state, int32_t topLinePos);

}  // namespace qv
