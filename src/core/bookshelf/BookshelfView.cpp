#include "bookshelf/BookshelfView.h"

#include "bookshelf/Bookshelf.h"

namespace qv {

std::string BookshelfOpenCaption(int32_t count) { return "&Open (" + std::to_string(count) + ")"; }

std::string BookmarkButtonCaption(const TBookshelf& shelf, const std::string& bookFileName,
                                  int32_t index) {
  std::string caption = index == 0 ? "&Auto" : "&" + std::to_string(index);
  if (shelf.GetBookmark(bookFileName, index) >= 0) caption += "*";
  return caption;
}

std::string BookmarkOverwriteQuestion(const TBookshelf& shelf, const std::string& bookFileName,
                                      int32_t index) {
  if (shelf.GetBookmark(bookFileName, index) <= 0) return "";
  if (index == 0)
    return "This book already has an auto-bookmark. Do you want to overwrite it?\n\n"
           "If \"Auto bookmark\" is checked, there is not need to set again the\n"
           "auto-bookmark manually for the same book.";
  return "This bookmark is already set for this book. Do you want to overwrite it?";
}

TAutoBookmarkAction DecideAutoBookmark(const TBookshelf& shelf, const std::string& bookFileName,
                                       bool record, const TReadingState& state) {
  if (!state.AutoBookmarkChecked || !record || !state.BookOpen || state.RichTextEmpty ||
      shelf.IndexOf(bookFileName) < 0)
    return TAutoBookmarkAction::None;
  if (state.FirstVisibleLine < 5 && state.Piece < 2) return TAutoBookmarkAction::Touch;
  return TAutoBookmarkAction::Set;
}

void UpdateAutoBookmark(TBookshelf& shelf, const std::string& bookFileName, bool record,
                        const TReadingState& state, int32_t topLinePos) {
  switch (DecideAutoBookmark(shelf, bookFileName, record, state)) {
    case TAutoBookmarkAction::Touch:
      shelf.Touch(bookFileName);
      break;
    case TAutoBookmarkAction::Set:
      shelf.SetBookmark(bookFileName, 0, state.Piece, topLinePos);
      break;
    case TAutoBookmarkAction::None:
      break;
  }
}

}  // namespace qv
