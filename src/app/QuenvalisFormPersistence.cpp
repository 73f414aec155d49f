// The options file and the profiles: the two settings stores, their load and
// save handlers, the profile chosen for a book, and the profile buttons.
#include <climits>

#include "app/BookControls.h"
#include "app/OptionBinding.h"
#include "app/OptionControls.h"
#include "app/ProfileControls.h"
#include "app/QuenvalisForm.h"
#include "errors/Dialogs.h"
#include "errors/Guard.h"
#include "options/MediaTitles.h"
#include "options/ProfileSelection.h"
#include "paths/PathStrings.h"
#include "platform/FileServices.h"
#include "platform/Win32FileSystem.h"
#include "platform/Win32Platform.h"
#include "richbox/RichOps.h"
#include "util/Numbers.h"
#include "widgets/FileDialogs.h"

namespace qv::app {

namespace {

const char* const kFile = "QuenvalisDialog";
const char* const kProfileFilter = "Profiles (*.fsp)|*.fsp";

int32_t SystemWheelScrollLines() {
  UINT lines = 3;
  if (!SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) lines = 3;
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

// The integer of a combo's text, 0 when it is none (the sound list keeps what was chosen).
int32_t TextAsInteger(const TComboBox& box) { return GetIntFromText(box.Text(), INT_MIN, INT_MAX, 0); }

// Runs the profile file dialog from a starting file; false when the reader cancelled it.
bool ChooseProfileFile(bool save, const char* title, const std::string& startFile,
                       std::string& chosen) {
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

void TQuenvalisForm::CreatePersistenceControls() {
  Options = std::make_unique<TOptionControls>(Sidebar);
  Profile = std::make_unique<TProfileControls>(Sidebar);
  OptionValues = std::make_unique<TControlOptionValues>();
  TOptionControls& o = *Options;
  TProfileControls& p = *Profile;
  TControlOptionValues& v = *OptionValues;

  for (TCheckBox* c : {&o.AutoSaveProfileCheckBox, &o.AutoBookmarkCheckBox, &o.AutoLoadLastCheckBox,
                       &o.ClipboardForDicCheckBox, &o.ForceRichEdit3CheckBox,
                       &p.EnhanceTextCheckBox, &p.PoorlyWrittenCheckBox, &p.IgnoreEmptyLinesCheckBox,
                       &p.ScreenImage.Use, &p.ScreenImage.Stretch, &p.RichImage.Use,
                       &p.RichImage.Stretch, &p.TransparentRichBackCheckBox, &Sidebar.ShowFrameCheckBox,
                       &p.BoldFontCheckBox, &p.JustifiedTextCheckBox, &p.UseBackSoundCheckBox,
                       &p.RandomBackSoundCheckBox})
    v.Bind(*c);
  for (TComboBox* c :
       {&Sidebar.RichBoxWidthPercentComboBox,
        &Sidebar.RichBoxTopPercentComboBox, &Sidebar.RichBoxBottomPercentComboBox,
        &o.PrintLeftMarginComboBox, &o.PrintRightMarginComboBox, &o.PrintTopMarginComboBox,
        &o.PrintBottomMarginComboBox, &p.ScreenImage.Fade.Box, &p.ScreenImage.Gamma.Box,
        &p.FadeCenterScreenBackImage.Box, &p.RichImage.Fade.Box, &p.RichImage.Gamma.Box,
        &p.LeftMargin.Box, &p.RightMargin.Box, &p.FontName.Box, &p.FontSize.Box, &p.FontZoom.Box,
        &p.CharSpacing.Box, &p.LineSpacing.Box, &p.FirstLineIndent.Box, &p.SpaceAfter.Box,
        &p.ParagraphPrefix.Box})
    v.Bind(*c);
  for (TEdit* e : {&o.DictionaryTitleEdit, &p.ScreenImage.Title, &p.RichImage.Title}) v.Bind(*e);
  for (TColorPanel* panel : p.ColorPanels()) v.Bind(*panel);
  // The book's own option controls ("Open in pieces", piece size, wheel lines).
  if (Book) {
    v.Bind(Book->OpenInPiecesCheckBox);
    v.Bind(Book->PieceSizeComboBox);
    v.Bind(Book->WheelScrollLinesComboBox);
  }

  // Every other option of these pages takes effect when it is used; the
  // keyboard goes back to the rich-box.
  for (TCheckBox* c : {&o.AutoSaveProfileCheckBox, &o.AutoBookmarkCheckBox, &o.AutoLoadLastCheckBox,
                       &o.ClipboardForDicCheckBox, &p.EnhanceTextCheckBox, &p.PoorlyWrittenCheckBox,
                       &p.IgnoreEmptyLinesCheckBox})
    if (!c->OnClick) c->OnClick = [this] { RichEdit.SetFocus(); };
  for (TComboBox* c : {&o.PrintLeftMarginComboBox, &o.PrintRightMarginComboBox,
                       &o.PrintTopMarginComboBox, &o.PrintBottomMarginComboBox, &p.ParagraphPrefix.Box})
    if (!c->OnChange) c->OnChange = [this] { RichEdit.SetFocus(); };

  // Loading an option applies it at once, as choosing it in its control does.
  v.OnLoaded("ForceRichEdit3", [this] {
    if (Options->ForceRichEdit3CheckBox.OnClick) Options->ForceRichEdit3CheckBox.OnClick();
  });
  v.OnLoaded("OpenInPieces", [this] {
    if (TCheckBox* box = OptionValues->CheckBox("OpenInPiecesCheckBox"))
      if (box->OnClick) box->OnClick();
  });
  v.OnLoaded("ScreenBackColor", [this] {
    const COLORREF c = DisplayColor(Profile->ScreenBackColorPanel.CurrentColor());
    SetColor(c);
    Sidebar.BrowserListBox.SetColor(c);
    Invalidate();
  });
  v.OnLoaded("ScreenForeColor", [this] {
    const COLORREF c = DisplayColor(Profile->ScreenForeColorPanel.CurrentColor());
    SetFontColor(c);
    ClockLabel.SetFontColor(c);
    ClockLabel.Invalidate();
  });
  v.OnLoaded("RichBoxBackColor", [this] {
    RichEdit.SetBackgroundColor(DisplayColor(Profile->RichBoxBackColorPanel.CurrentColor()));
  });
  v.OnLoaded("RichBoxForeColor", [this] {
    RichEdit.SetFontColor(DisplayColor(Profile->RichBoxForeColorPanel.CurrentColor()));
  });
  for (TLabeledCombo* c : {&p.LeftMargin, &p.RightMargin, &p.FontName, &p.FontSize, &p.FontZoom,
                           &p.CharSpacing}) {
    const std::string name = c->Box.Name();
    v.OnLoaded(name.substr(0, name.size() - 8), [c] {  // the key is the name without "ComboBox"
      if (c->Box.OnChange) c->Box.OnChange();
    });
  }
  v.OnLoaded("BoldFont", [this] {
    if (IsRichTextEmpty(RichEdit)) return;
    // A display format, not an edit: the text stays as modified as it was.
    const bool modified = RichEdit.GetModified();
    SetRichBold(RichEdit, Profile->BoldFontCheckBox.Checked());
    RichEdit.SetModified(modified);
  });

  // Sound 0 of the list is edited through its three combo boxes.
  p.VolumeBackSound.Box.OnChange = [this] { Sounds.Volumes[0] = TextAsInteger(Profile->VolumeBackSound.Box); };
  p.DurationBackSound.Box.OnChange = [this] {
    Sounds.Durations[0] = TextAsInteger(Profile->DurationBackSound.Box);
  };
  p.ProbabilityBackSound.Box.OnChange = [this] {
    Sounds.Probabilities[0] = TextAsInteger(Profile->ProbabilityBackSound.Box);
  };
  ShowSoundZero();

  p.LoadProfileButton.OnMouseDown = [this](TMouseButton b, unsigned s, int, int) {
    LoadProfileButtonMouseDown(b, s);
  };
  p.SaveProfileButton.OnMouseDown = [this](TMouseButton b, unsigned s, int, int) {
    SaveProfileButtonMouseDown(b, s);
  };
  p.DeleteProfileButton.OnMouseDown = [this](TMouseButton b, unsigned s, int, int) {
    DeleteProfileButtonMouseDown(b, s);
  };

  o.PutBookshelfButton.OnClick = [this] {
    SetBookmarkHere(0);
    RichEdit.SetFocus();
  };
  o.OpenBookshelfButton.OnClick = [this] { ShowBookshelfMenu(Options->OpenBookshelfButton, BookshelfOpen); };
  o.RemoveBookshelfButton.OnClick = [this] {
    ShowBookshelfMenu(Options->RemoveBookshelfButton, BookshelfRemove);
  };
  for (int i = 0; i < BookmarkCount; ++i)
    o.BookmarkButton(i)->OnMouseDown = [this, i](TMouseButton b, unsigned s, int, int) {
      BookmarkButtonMouseDown(i, b, s);
    };
  Bookshelf.OnSelect = [this](const std::string& fileName, uint8_t mode) { BookshelfSelect(fileName, mode); };
  UpdateBookmarkButtons();

  // What loading a book asks of the profiles and the bookshelf.
  BookHooks.LoadBookProfile = [this](const std::string& book, bool keep) { LoadBookProfile(book, keep); };
  BookHooks.FindAutoBookmark = [this](const std::string& book, int& piece, int& position) {
    int32_t p = 1;
    const int32_t at = Bookshelf.GetBookmark(book, 0, &p);
    if (at < 0) return false;
    piece = p;
    position = at;
    return true;
  };
  BookHooks.RefreshBookshelfButtons = [this] {
    UpdateBookshelfButtons();
    UpdateBookmarkButtons();
  };
  ReadEnhanceOptions = [this] {
    TEnhanceOptions e;
    e.EnhanceText = Profile->EnhanceTextCheckBox.Checked();
    e.ParagraphPrefix = Profile->ParagraphPrefix.Box.Text();
    e.IgnoreEmptyLines = Profile->IgnoreEmptyLinesCheckBox.Checked();
    e.PoorlyWritten = Profile->PoorlyWrittenCheckBox.Checked();
    return e;
  };
}

void TQuenvalisForm::CreateStores() {
  InstallWin32FileSystem();
  const std::string dir = ProgramDirectory();
  OptionsStore = std::make_unique<TStoredTextList>(dir + "Quenvalis.ini", &Win32FileSystem());
  OptionsStore->OnLoad = [this](TStoredTextList& s) { LoadOptions(s); };
  OptionsStore->OnSave = [this](TStoredTextList& s) { SaveOptions(s); };
  ProfileStore = std::make_unique<TStoredTextList>(GetDefaultProfilePath(dir), &Win32FileSystem());
  ProfileStore->OnLoad = [this](TStoredTextList& s) { LoadProfile(s); };
  ProfileStore->OnSave = [this](TStoredTextList& s) { SaveProfile(s); };
  OptionsStore->Load();
  ProfileStore->Load();
}

void TQuenvalisForm::LoadOptions(TStoredTextList& store) {
  qv::LoadOptions(store, *OptionValues, SystemWheelScrollLines(), [&] {
    Bookshelf.Load(store);
    UpdateBookshelfButtons();
  });
}

void TQuenvalisForm::SaveOptions(TStoredTextList& store) {
  qv::SaveOptions(store, *OptionValues, [&] {
    UpdateAutoBookmark(true);
    Bookshelf.Save(store);
    if (Options->AutoSaveProfileCheckBox.Checked()) ProfileStore->Save(false);
  });
}

void TQuenvalisForm::LoadProfile(TStoredTextList& store) {
  Profile->CurrentProfileLabel.SetCaption(store.FileName());
  qv::LoadProfile(store, *OptionValues, Sounds);
  ShowSoundZero();
}

void TQuenvalisForm::SaveProfile(TStoredTextList& store) {
  qv::SaveProfile(store, *OptionValues, Sounds, MediaFolders());
}

TMediaFolders TQuenvalisForm::MediaFolders() const {
  return TMediaFolders{ProgramDirectory(), ProfileStore ? ProfileStore->FileName() : ""};
}

void TQuenvalisForm::ShowSoundZero() {
  TProfileControls& p = *Profile;
  p.TitleBackSoundEdit.SetText(Sounds.Titles[0]);
  SelectComboItem(p.VolumeBackSound.Box, std::to_string(Sounds.Volumes[0]));
  SelectComboItem(p.DurationBackSound.Box, std::to_string(Sounds.Durations[0]));
  SelectComboItem(p.ProbabilityBackSound.Box, std::to_string(Sounds.Probabilities[0]));
}

void TQuenvalisForm::LoadBookProfile(const std::string& bookFileName, bool keepProfile) {
  if (bookFileName.empty() || !ProfileStore) return;
  if (Options->AutoSaveProfileCheckBox.Checked() && !keepProfile) ProfileStore->Save(false);
  ProfileStore->LoadFromFile(SelectBookProfile(bookFileName, keepProfile, ProfileStore->FileName(),
                                               ProgramDirectory(), Win32FileSystem()));
}

std::string TQuenvalisForm::ProfileStartFile(TProfileTarget target) const {
  return ProfileTargetFile(target, ProfileStore->FileName(), ProgramDirectory(), BookFileName);
}

void TQuenvalisForm::LoadProfileButtonMouseDown(TMouseButton button, unsigned shift) {
  if (button != TMouseButton::Left) return;
  const TProfileTarget target = ProfileButtonTarget(TProfileButton::Load, ModifiersOf(shift));
  if (target == TProfileTarget::None) return;
  Guarded(QV_OP(kFile, "TQuenvalisForm::LoadProfileButtonMouseDown", "Failed to load profile."),
          [&](TFunStatContext&) {
            std::string chosen;
            if (!ChooseProfileFile(false, "Load profile", ProfileStartFile(target), chosen)) return;
            if (Options->AutoSaveProfileCheckBox.Checked()) ProfileStore->Save(false);
            if (!AcceptProfileFileName(chosen)) return;
            ProfileStore->SetFileName(chosen);
            // Re-opening the book with the profile kept loads the chosen file;
            // with no book open, the name alone changes.
            if (!BookFileName.empty())
              LoadFromFile(BookFileName, CurrentPieceNumber(), true, GetRichTopPos(RichEdit));
          });
}

void TQuenvalisForm::SaveProfileButtonMouseDown(TMouseButton button, unsigned shift) {
  if (button != TMouseButton::Left) return;
  const TProfileTarget target = ProfileButtonTarget(TProfileButton::Save, ModifiersOf(shift));
  TProfileControls& p = *Profile;
  // The image titles become full paths, so that they survive a change of
  // profile folder, and titles again (relative to the profile now current)
  // whatever happens. A title whose file is missing stays as it is: it has no
  // path to keep, and the folder wildcard would replace the reader's choice.
  auto toPaths = [&] {
    for (TEdit* edit : {&p.ScreenImage.Title, &p.RichImage.Title}) {
      const std::string path = GetImagePath(edit->Text(), MediaFolders(), Win32FileSystem());
      if (!path.empty() && path.back() != '*') edit->SetText(path);
    }
  };
  auto toTitles = [&] {
    for (TEdit* edit : {&p.ScreenImage.Title, &p.RichImage.Title})
      edit->SetText(GetImageTitle(edit->Text(), MediaFolders()));
    RichEdit.SetFocus();
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
            Profile->CurrentProfileLabel.SetCaption(ProfileStore->FileName());
          });
}

void TQuenvalisForm::DeleteProfileButtonMouseDown(TMouseButton button, unsigned shift) {
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
