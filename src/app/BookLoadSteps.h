// The steps of a book's opening that other subsystems take, as the book
// document asks for them. The subsystems it forwards to are members of the
// window built after the book document: the references are only used once the
// window is complete.
#pragma once
#include <string>

#include "app/book/Book.h"

namespace qv::app {

class TBackImages;
class TBackSound;
class TBookmarks;
class TBrowser;
class TPersistence;

class TBookLoadSteps : public IBookLoadSteps {
 public:
  TBookLoadSteps(TBookmarks& bookmarks, TPersistence& persistence, TBackSound& sound, TBackImages& images,
                 TBrowser& browser)
      : bookmarks_(bookmarks), persistence_(persistence), sound_(sound), images_(images), browser_(browser) {}

  void RecordAutoBookmark(bool record) override;
  void BookChosen(const std::string& fileName) override;
  bool FindAutoBookmark(const std::string& fileName, int32_t& piece, int32_t& position) override;
  std::string EncodingChoice(const std::string& fileName) override;
  void RememberEncodingChoice(const std::string& fileName, const std::string& encoding) override;
  void LoadBookProfile(const std::string& fileName, bool keepProfile) override;
  void ScreenPictureOff(bool off) override;
  void BookShown() override;
  void NewBookOpened() override;

 private:
  TBookmarks& bookmarks_;
  TPersistence& persistence_;
  TBackSound& sound_;
  TBackImages& images_;
  TBrowser& browser_;
};

}  // namespace qv::app
