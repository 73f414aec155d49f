#include "app/persistence/Persistence.h"

#include <functional>

#include "app/SidebarPlaces.h"
#include "app/controls/OptionFill.h"
#include "errors/Dialogs.h"
#include "encoding/UnicodeText.h"
#include "errors/Guard.h"
#include "options/OptionIO.h"
#include "platform/DataFolder.h"
#include "platform/FileServices.h"
#include "platform/Win32Platform.h"
#include "richbox/RichOps.h"
#include "widgets/FileDialogs.h"

namespace qv::app {

namespace {

const char* const kFile = "QuenvalisDialog";
const char* const kProfileFilter = "Profiles (*.fsp)|*.fsp";
namespace PG = ProfileGeneralPage;

int32_t SystemWheelScrollLines() {
  UINT lines = 3;
  if (!SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) lines = 3;
  return static_cast<int32_t>(lines);
}

TMouseModifiers ModifiersOf(unsigned shift) {
  TMouseModifiers m;
  m.Shift = (shift & ssShift) != 0;
  m.Ctrl = (shift & ssCtrl) != 0;
  m.Alt = (shift & ssAlt) != 0;
  m.DoubleClick = (shift & ssDouble) != 0;
  return m;
}

// Runs the profile file dialog from a starting file; false when the reader cancelled it.
bool ChooseProfileFile(bool save, const char* title, const std::string& startFile, std::string& chosen) {
  TFileDialogRequest request;
  request.Title = title;
  request.Filter = kProfileFilter;
  request.FileName = startFile;
  if (!(save ? FileDialogs().Save(request) : FileDialogs().Open(request))) return false;
  chosen = request.FileName;
  return true;
}

// Only profile files are taken; any other name gets a warning.
bool AcceptProfileFileName(const std::string& fileName) {
  if (IsProfileFileName(fileName)) return true;
  ShowWarningMessage("Invalid file extensions.");
  return false;
}

}  // namespace

TPersistenceControls::TPersistenceControls(TSidebar& s)
    : LoadProfileButton(&s.ProfileWorkGroupBox, PG::LoadProfileButton, "Load"),
      SaveProfileButton(&s.ProfileWorkGroupBox, PG::SaveProfileButton, "Save"),
      DeleteProfileButton(&s.ProfileWorkGroupBox, PG::DeleteProfileButton, "Delete"),
      CurrentProfileLabel(&s.ProfileWorkGroupBox, PG::CurrentProfileLabel, "", true),
      AutoSaveProfileCheckBox(&s.MiscellaneousOptionsGroupBox, ProgramGeneralPage::AutoSaveProfileCheckBox,
                              "Auto save profile") {
  LoadProfileButton.SetHint(
      "Load a profile. Click [Ctrl + LMB] to load a profile from the default directory for "
      "profiles. Click [Shift + LMB] to load a profile from the parent directory of the currently "
      "opened book. The currently opened book is reopened every time you load a profile.");
  SaveProfileButton.SetHint(
      "Save the current profile with the desired name. Click [Ctrl + LMB] to save the current "
      "profile in the default directory for profiles. Click [Shift + LMB] to save the current "
      "profile as profile for the whole explored directory (to be automatically opened when you "
      "open any book from it and from its immediate children directories). Click [Alt + LMB] to "
      "save the current profile as profile for the currently opened book (to be automatically "
      "opened when you open the book).");
  DeleteProfileButton.SetHint(
      "Delete a profile. Click [Ctrl + LMB] to delete a profile from the default directory for "
      "profiles. Click [Shift + LMB] to delete a profile from the parent directory of the "
      "currently opened book. Deleting the current profile has no effect because it will be "
      "automatically saved.");
  CurrentProfileLabel.SetHint("The current profile");
  AutoSaveProfileCheckBox.SetHint(
      "Save the current profile automatically before another profile is loaded and when the "
      "program is closed");
  CheckFromOption(AutoSaveProfileCheckBox);
}

TPersistence::TPersistence(TSidebar& sidebar, const TControl& root, TRichEdit& richEdit, IBook& book,
                           TBookmarks& bookmarks, TBackSound& sound, IFileSystem& files)
    : Controls(sidebar), richEdit_(richEdit), book_(book), bookmarks_(bookmarks), sound_(sound), files_(files) {
  OptionValues.BindTree(root);
  Controls.AutoSaveProfileCheckBox.OnClick = [this] { FocusBookAfterOption(richEdit_); };
  Controls.LoadProfileButton.OnMouseDown = [this](TMouseButton b, unsigned s, int, int) {
    LoadProfileButtonMouseDown(b, s);
  };
  Controls.SaveProfileButton.OnMouseDown = [this](TMouseButton b, unsigned s, int, int) {
    SaveProfileButtonMouseDown(b, s);
  };
  Controls.DeleteProfileButton.OnMouseDown = [this](TMouseButton b, unsigned s, int, int) {
    DeleteProfileButtonMouseDown(b, s);
  };
}

void TPersistence::CreateStores() {
  const TDataFolder& data = ReaderDataFolder();
  dataDir_ = data.Folder;
  // What could not be prepared is told once, at the start: the reader would
  // otherwise find an empty bookshelf without a word.
  Guarded(QV_OP(kFile, "TQuenvalisForm::InitializeForm", "Failed to prepare the folder of your options."),
          [&](TFunStatContext& local) {
            if (!data.FolderFailure.IsOk())
              local.Raise(kFile, "TQuenvalisForm::InitializeForm", data.FolderFailure.SystemErrorCode,
                          "Failed to create directory.", data.Folder, data.FolderFailure.Message, Error, __LINE__);
            for (const TDataFolder::TFailedCopy& copy : data.FailedCopies)
              local.Raise(kFile, "TQuenvalisForm::InitializeForm", copy.Reason.SystemErrorCode,
                          "Failed to copy file.", copy.Source, copy.Target + ": " + copy.Reason.Message, Error,
                          __LINE__);
          });
  OptionsStore = std::make_unique<TStoredTextList>(dataDir_ + OptionsFileName, &files_);
  OptionsStore->OnLoad = [this](TStoredTextList& s) { LoadOptions(s); };
  OptionsStore->OnSave = [this](TStoredTextList& s) { SaveOptions(s); };
  ProfileStore = std::make_unique<TStoredTextList>(GetDefaultProfilePath(dataDir_), &files_);
  ProfileStore->OnLoad = [this](TStoredTextList& s) { LoadProfile(s); };
  ProfileStore->OnSave = [this](TStoredTextList& s) { SaveProfile(s); };
  OptionsStore->Load();
  ProfileStore->Load();
}

void TPersistence::LoadOptions(TStoredTextList& store) {
  qv::LoadOptions(store, OptionValues, SystemWheelScrollLines(), [&] { bookmarks_.Load(store); });
}

void TPersistence::SaveOptions(TStoredTextList& store) {
  qv::SaveOptions(store, OptionValues, [&] {
    bookmarks_.Save(store);
    if (Controls.AutoSaveProfileCheckBox.Checked()) ProfileStore->AutoSave();
  });
}

void TPersistence::LoadProfile(TStoredTextList& store) {
  Controls.CurrentProfileLabel.SetCaption(store.FileName());
  qv::LoadProfile(store, OptionValues, sound_.Sounds);
  sound_.ShowSoundZero();
}

void TPersistence::SaveProfile(TStoredTextList& store) {
  qv::SaveProfile(store, OptionValues, sound_.Sounds, MediaFolders());
}

TMediaFolders TPersistence::MediaFolders() const {
  return TMediaFolders{ProgramDirectory(), ProfileStore ? ProfileStore->FileName() : "", dataDir_};
}

void TPersistence::LoadBookProfile(const std::string& bookFileName, bool keepProfile) {
  if (bookFileName.empty() || !ProfileStore) return;
  const bool saved = Controls.AutoSaveProfileCheckBox.Checked() && !keepProfile && ProfileStore->AutoSave();
  const std::string profile =
      SelectBookProfile(bookFileName, keepProfile, ProfileStore->FileName(), dataDir_, files_);
  // The current profile, just saved from the controls, would only put the same
  // values back into them (books of one folder share their profile).
  if (saved && SameText(profile, ProfileStore->FileName())) return;
  ProfileStore->LoadFromFile(profile);
}

std::string TPersistence::ProfileStartFile(TProfileTarget target) const {
  return ProfileTargetFile(target, ProfileStore->FileName(), dataDir_, book_.FileName());
}

void TPersistence::LoadProfileButtonMouseDown(TMouseButton button, unsigned shift) {
  if (button != TMouseButton::Left) return;
  const TProfileTarget target = ProfileButtonTarget(TProfileButton::Load, ModifiersOf(shift));
  if (target == TProfileTarget::None) return;
  Guarded(QV_OP(kFile, "TQuenvalisForm::LoadProfileButtonMouseDown", "Failed to load profile."),
          [&](TFunStatContext&) {
            std::string chosen;
            if (!ChooseProfileFile(false, "Load profile", ProfileStartFile(target), chosen)) return;
            if (Controls.AutoSaveProfileCheckBox.Checked()) ProfileStore->AutoSave();
            if (!AcceptProfileFileName(chosen)) return;
            ProfileStore->SetFileName(chosen);
            // Re-opening the book with the profile kept loads the chosen file.
            const int loads = ProfileStore->LoadCount();
            if (!book_.FileName().empty())
              book_.LoadFromFile(book_.FileName(), book_.CurrentPiece(), true, GetRichTopPos(richEdit_));
            // No book, or one that could not be re-opened: the chosen file is read
            // all the same, never overwritten at the next save with what it did not hold.
            if (ProfileStore->LoadCount() == loads) ProfileStore->Load();
          });
}

void TPersistence::SaveProfileButtonMouseDown(TMouseButton button, unsigned shift) {
  if (button != TMouseButton::Left) return;
  const TProfileTarget target = ProfileButtonTarget(TProfileButton::Save, ModifiersOf(shift));
  // The image titles become full paths, so that they survive a change of
  // profile folder, and titles again (relative to the profile now current)
  // whatever happens. A title whose file is missing stays as it is: it has no
  // path to keep, and the folder wildcard would replace the reader's choice.
  std::vector<TEdit*> titles;
  for (const char* name : {"TitleScreenBackImageEdit", "TitleRichBackImageEdit"})
    if (TEdit* edit = OptionValues.Edit(name)) titles.push_back(edit);
  auto toPaths = [&] {
    for (TEdit* edit : titles) {
      const std::string path = GetImagePath(edit->Text(), MediaFolders(), files_);
      if (!path.empty() && path.back() != '*') edit->SetText(path);
    }
  };
  auto toTitles = [&] {
    for (TEdit* edit : titles) edit->SetText(GetImageTitle(edit->Text(), MediaFolders()));
    FocusBookAfterOption(richEdit_);
  };
  Guarded(QV_OP(kFile, "TQuenvalisForm::SaveProfileButtonMouseDown", "Failed to save profile."),
          [&](TFunStatContext&) {
            struct TRestore {
              std::function<void()> f;
              ~TRestore() { f(); }
            } restore{toTitles};
            toPaths();
            std::string chosen;
            if (!ChooseProfileFile(true, "Save profile", ProfileStartFile(target), chosen)) return;
            if (!AcceptProfileFileName(chosen)) return;
            if (ProfileStore->SaveToFile(chosen, true)) ShowInfoMessage("Profile was saved.");
            Controls.CurrentProfileLabel.SetCaption(ProfileStore->FileName());
          });
}

void TPersistence::DeleteProfileButtonMouseDown(TMouseButton button, unsigned shift) {
  if (button != TMouseButton::Left) return;
  const TProfileTarget target = ProfileButtonTarget(TProfileButton::Delete, ModifiersOf(shift));
  if (target == TProfileTarget::None) return;
  Guarded(QV_OP(kFile, "TQuenvalisForm::DeleteProfileButtonMouseDown", "Failed to delete profile."),
          [&](TFunStatContext& local) {
            std::string chosen;
            if (!ChooseProfileFile(false, "Delete profile", ProfileStartFile(target), chosen)) return;
            if (!AcceptProfileFileName(chosen)) return;
            if (!MyDeleteFile(chosen)) TakeFailure(local);
          });
}

}  // namespace qv::app
