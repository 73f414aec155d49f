#include "app/BookLoadSteps.h"

#include "app/bookmarks/Bookmarks.h"
#include "app/browser/Browser.h"
#include "app/images/BackImages.h"
#include "app/persistence/Persistence.h"
#include "app/sound/BackSound.h"

namespace qv::app {

void TBookLoadSteps::RecordAutoBookmark(bool record) { bookmarks_.UpdateAutoBookmark(record); }

void TBookLoadSteps::BookChosen(const std::string& fileName) {
  sound_.BookChosen();
  browser_.BookChosen(fileName);
}

bool TBookLoadSteps::FindAutoBookmark(const std::string& fileName, int32_t& piece, int32_t& position) {
  return bookmarks_.FindAutoBookmark(fileName, piece, position);
}

std::string TBookLoadSteps::EncodingChoice(const std::string& fileName) {
  return bookmarks_.Bookshelf.EncodingChoice(fileName);
}

void TBookLoadSteps::RememberEncodingChoice(const std::string& fileName, const std::string& encoding) {
  bookmarks_.Bookshelf.SetEncodingChoice(fileName, encoding);
}

void TBookLoadSteps::LoadBookProfile(const std::string& fileName, bool keepProfile) {
  persistence_.LoadBookProfile(fileName, keepProfile);
  images_.IniScreenBackImage();
  images_.IniRichBackImage();
}

void TBookLoadSteps::ScreenPictureOff(bool off) { images_.ScreenPictureOff(off); }

void TBookLoadSteps::BookShown() {
  bookmarks_.UpdateBookshelfButtons();
  bookmarks_.UpdateBookmarkButtons();
}

void TBookLoadSteps::NewBookOpened() { sound_.NewBookOpened(); }

}  // namespace qv::app
