// The open book as the other subsystems see it, and what opening a book asks
// of them.
#pragma once
#include <cstdint>
#include <string>

namespace qv::app {

class IBook {
 public:
  virtual ~IBook() = default;
  // The full path of the open book; empty when none was opened.
  virtual const std::string& FileName() const = 0;
  // A "*.txt" or "*.rtf" book is open (its name is no folder).
  virtual bool IsOpen() const = 0;
  // The number of the piece shown; 1 for a book read whole.
  virtual int32_t CurrentPiece() const = 0;
  // True while a book loads: nothing may start another load meanwhile.
  virtual bool Loading() const = 0;
  // Opens a new book (recording the auto-bookmarks of the book left and of the new one).
  virtual bool OpenBook(const std::string& fileName, bool autoBookmarkFirst) = 0;
  // Loads the book (file name empty: the open one) at a piece and a position.
  virtual bool LoadFromFile(const std::string& fileName, int32_t piece, bool keepProfile,
                            int32_t caretPos) = 0;
};

// The steps of a book's opening that belong to other subsystems, in the order
// the load takes them.
class IBookLoadSteps {
 public:
  virtual ~IBookLoadSteps() = default;
  // Before and after OpenBook's load: the auto-bookmark of the book shown.
  virtual void RecordAutoBookmark(bool record) = 0;
  // A new book was chosen (its full path): sounds stop, and the browser shows its
  // folder when it shows none yet.
  virtual void BookChosen(const std::string& fileName) = 0;
  // The piece and position of the book's auto-bookmark; false when it has none.
  virtual bool FindAutoBookmark(const std::string& fileName, int32_t& piece, int32_t& position) = 0;
  // The encoding the reader chose for the book (its WHATWG name), "" for none;
  // and a new choice, kept with the book's bookshelf entry.
  virtual std::string EncodingChoice(const std::string& fileName) = 0;
  virtual void RememberEncodingChoice(const std::string& fileName, const std::string& encoding) = 0;
  // The book's profile is loaded (or the current one, kept) and the pictures rebuilt.
  virtual void LoadBookProfile(const std::string& fileName, bool keepProfile) = 0;
  // The screen picture is off the window's background while the text loads.
  virtual void ScreenPictureOff(bool off) = 0;
  // The text is shown: the bookshelf and bookmark buttons follow it.
  virtual void BookShown() = 0;
  // A new book opened: its background sounds start.
  virtual void NewBookOpened() = 0;
};

}  // namespace qv::app
