// The options file and the profiles: the two settings stores, their load and
// save handlers over the option tables bound to the window's controls, the
// profile chosen for a book, and the profile buttons of the "Work" group.
#pragma once
#include <memory>
#include <string>

#include "app/Sidebar.h"
#include "app/book/Book.h"
#include "app/bookmarks/Bookmarks.h"
#include "app/persistence/OptionBinding.h"
#include "app/sound/BackSound.h"
#include "options/MediaTitles.h"
#include "options/ProfileSelection.h"
#include "store/FileSystem.h"
#include "store/StoredTextList.h"
#include "widgets/RichEdit.h"

namespace qv::app {

struct TPersistenceControls {
  explicit TPersistenceControls(TSidebar& sidebar);
  // "Work"
  TButton LoadProfileButton, SaveProfileButton, DeleteProfileButton;
  TLabel CurrentProfileLabel;
  // "Miscellaneous options"
  TCheckBox AutoSaveProfileCheckBox;
};

class TPersistence {
 public:
  // Binds every option control of the window below root, so it is built after
  // the subsystems that own them.
  TPersistence(TSidebar& sidebar, const TControl& root, TRichEdit& richEdit, IBook& book, TBookmarks& bookmarks,
               TBackSound& sound, IFileSystem& files);

  TPersistenceControls Controls;
  TControlOptionValues OptionValues;
  std::unique_ptr<TStoredTextList> OptionsStore;  // "Quenvalis.ini"
  std::unique_ptr<TStoredTextList> ProfileStore;  // the current profile

  // Chooses the data folder, creates both stores there and loads them: the
  // options first, then the default profile.
  void CreateStores();
  // The folder of the options file, the default profile and the error log.
  const std::string& DataDirectory() const { return dataDir_; }
  // True while a profile is being put into the controls.
  bool ProfileLoading() const { return ProfileStore && ProfileStore->Loading(); }

  // The profile of a newly opened book: the current one is saved first when
  // "Auto save profile" is on and keepProfile is off, then the book's own
  // profile, its folder's, its parent folder's or the default one is loaded
  // (with keepProfile, the current profile's file first). Nothing for an empty name.
  void LoadBookProfile(const std::string& bookFileName, bool keepProfile);
  TMediaFolders MediaFolders() const;

  void LoadProfileButtonMouseDown(TMouseButton button, unsigned shift);
  void SaveProfileButtonMouseDown(TMouseButton button, unsigned shift);
  void DeleteProfileButtonMouseDown(TMouseButton button, unsigned shift);

 private:
  void LoadOptions(TStoredTextList& store);
  void SaveOptions(TStoredTextList& store);
  void LoadProfile(TStoredTextList& store);
  void SaveProfile(TStoredTextList& store);
  // The file the profile dialogs start from for a button's target.
  std::string ProfileStartFile(TProfileTarget target) const;

  TRichEdit& richEdit_;
  IBook& book_;
  TBookmarks& bookmarks_;
  TBackSound& sound_;
  IFileSystem& files_;
  std::string dataDir_;
};

}  // namespace qv::app
