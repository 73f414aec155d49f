// The main window: owns every piece of reading state and every option control.
// Its operations are split by subsystem into the QuenvalisForm*.cpp files.
#pragma once
#include <memory>
#include <string>

#include <windows.h>
#include <shellapi.h>

#include "bookshelf/Bookshelf.h"
#include "options/OptionIO.h"
#include "options/ProfileSelection.h"
#include "store/StoredTextList.h"
#include "util/Clock.h"
#include "platform/GdiPlusSession.h"
#include "widgets/Controls.h"
#include "widgets/FileDialogs.h"
#include "widgets/RichEdit.h"
#include "app/BookControls.h"
#include "text/EnhancedRichEdit.h"
#include "formatting/FormatControls.h"

namespace qv::app {

using namespace qv::win;

struct TOptionControls;
struct TProfileControls;
class TControlOptionValues;
struct TTextEngineControls;

// The sidebar's pages and group boxes, built once with the window.
struct TSidebar {
  explicit TSidebar(TControl* owner);
  TPanel Container_MainPanel;
  TPanel MainButtonsPanel;
  TButton HelpButton, AboutButton, CloseProgramButton, HideProgramButton;
  TPageControl Container_OptionsPageControl;
  TTabSheet* ProgramOptionsTabSheet;
  TTabSheet* ProfileOptionsTabSheet;
  TTabSheet* ConvertMeasureTabSheet;
  TPageControl ProgramPageControl;
  TTabSheet* ProgramOpenTabSheet;
  TTabSheet* ProgramGeneralTabSheet;
  TTabSheet* ProgramMiscTabSheet;
  TGroupBox BookGroupBox, BookshelfGroupBox, BrowserGroupBox;
  TListBox BrowserListBox;
  TGroupBox SizesGroupBox, OpenInPiecesGroupBox, DictionaryOptionsGroupBox,
      MiscellaneousOptionsGroupBox;
  TLabel RichBoxWidthPercentLabel, RichBoxTopPercentLabel, RichBoxBottomPercentLabel;
  TComboBox RichBoxWidthPercentComboBox, RichBoxTopPercentComboBox, RichBoxBottomPercentComboBox;
  TGroupBox SystemOptionsGroupBox, PrintGroupBox;
  TLabel DetectRichEdit3Label;
  TPageControl ProfilePageControl;
  TTabSheet* ProfileGeneralTabSheet;
  TTabSheet* ProfileColorsTabSheet;
  TTabSheet* ProfileFormatTabSheet;
  TTabSheet* ProfileMiscTabSheet;
  TGroupBox ProfileWorkGroupBox, EnhancePlainTextGroupBox, ScreenBackImageGroupBox,
      RichBackImageGroupBox;
  TCheckBox ShowFrameCheckBox;
  TGroupBox ColorSchemesGroupBox, ScreenColorsGroupBox, RichBoxColorsGroupBox,
      BrowserColorsGroupBox;
  TGroupBox FormatTextGroupBox, FormatParaGroupBox;
  TGroupBox ProfileBackSoundGroupBox;
  TPanel ConvertMeasurePanel;
};

class TQuenvalisForm : public TForm {
 public:
  TQuenvalisForm();
  ~TQuenvalisForm() override;

  // Start-up and the end of the run.
  void InitializeForm();
  void ApplicationEventsActivate();
  void LoadOnStart();
  bool OpenBook(const std::string& fileName, bool autoBookmarkFirst);
  void FormCloseQuery(bool& canClose);
  void QuerySaveModified();
  void ApplicationEventsMinimize();
  void ApplicationEventsRestore();
  void ProcessDroppedFiles(HDROP drop, bool firstOnly);


  // Layout, sidebar, hints, timer and frame.
  void FormResize();
  void SizesComboBoxChange() { FormResize(); }
  void HideSidebar(bool hide);
  void FormMouseMove(unsigned shift, int x, int y);
  void RichEditMouseMove(unsigned shift, int x, int y);
  void ShowOpenPage();
  void ShowConverterPage();
  void CenterCursorOnHint();
  void PaintRichBoxFrame(HDC dc);
  void RefreshRichBox();
  void RefreshScreen();
  bool BeginRichBoxUpdate();
  void EndRichBoxUpdate(bool visible);
  void InfoTimerTimer();
  void FitClockLabel();
  void ShowApplicationHint();
  void FormKeyDown(WORD& key, unsigned shift);
  void HideProgramButtonClick();
  void CloseProgramButtonClick();

  // The program's command-line arguments (after its name).
  std::vector<std::string> StartArguments;

  // Reading state.
  std::string BookFileName;
  int32_t PieceSize = 50000;
  bool StopLoading = false;
  TCrono LoadCrono, PeriodCrono;
  std::string LoadedInText;
  bool SkipNextSidebarChange = false;
  static bool IsFirstActivation;

  // Controls, in creation order (later ones lie on top).
  TLabel CurrentFileInfoLabel;
  TLabel HintLabel;
  TLabel ClockLabel;
  TRichEdit RichEdit;
  TSidebar Sidebar;
  TTimer InfoTimer;
  std::unique_ptr<TGdiPlusSession> GdiPlus;  // started with the window
  TOpenDialog OpenDialog;
  TSaveDialog SaveDialog;

  static std::string RichEditHint();

  // ---- book document: loading, pieces, navigation, editing (QuenvalisFormBook*.cpp) ----
  std::unique_ptr<TBookControls> Book;            // the "Book" and "Open in pieces" groups
  std::unique_ptr<TEnhancedRichEdit> Enhancer;    // plain-text enhancement into the rich-box
  TBookHooks BookHooks;                           // later parts' steps of a load
  std::function<TEnhanceOptions()> ReadEnhanceOptions;  // the profile's enhancement controls
  void CreateBookControls();  // by the constructor
  bool LoadFromFile(const std::string& fileName, int piece, bool keepProfile, int caretPos);
  bool LoadPieceFromFile(const std::string& fileName, std::vector<std::string>& lines, int piece);
  void AppendEndMarker(std::vector<std::string>& lines, int piece);
  bool ShowLoadProgress(int32_t count);
  void UpdateBookInfo(const std::string& text, bool restoreTitle = false, bool storeText = false);
  void UpdatePieceControls();
  void NextPieceButtonClick();
  void PreviousPieceButtonClick();
  void GotoLine();
  void FindNext(bool fromKey);
  void RefreshLineInfo();
  void RefreshBookStatus();  // line information and the modified label, once a second
  void RichEditKeyDown(WORD& key, unsigned shift);
  void RichEditMouseWheel(int delta);
  bool BookKeyDown(WORD& key, unsigned shift);
  void SetEditing(bool editing);
  bool CheckOnePiece();
  bool SaveFile();
  void RunBookButtonClick();
  void PrintBookButtonClick();
  void OpenBookButtonClick();
  struct TLoadUndo;
  void LoadPlainBook(int piece, std::vector<std::string>& lines);
  void LoadRichBook();
  void FinishLoad(const TLoadUndo& undo, int callerCaret, int caretPos, std::vector<std::string>& lines);

  // ---- persistence: options, profiles, bookshelf (QuenvalisFormPersistence*.cpp) ----
  std::unique_ptr<TOptionControls> Options;   // program-option and bookshelf controls
  std::unique_ptr<TProfileControls> Profile;  // the controls of the "Profile" pages
  std::unique_ptr<TControlOptionValues> OptionValues;  // the option tables bound to them
  std::unique_ptr<TStoredTextList> OptionsStore;  // "Quenvalis.ini"
  std::unique_ptr<TStoredTextList> ProfileStore;  // the current profile
  TBookshelf Bookshelf;
  TBackSoundList Sounds;  // the profile's background sounds; sound 0 is shown in the controls
  void CreatePersistenceControls();  // by the constructor
  void CreateStores();               // by InitializeForm: creates and loads both stores
  void LoadOptions(TStoredTextList& store);
  void SaveOptions(TStoredTextList& store);
  void LoadProfile(TStoredTextList& store);
  void SaveProfile(TStoredTextList& store);
  TMediaFolders MediaFolders() const;
  // Profile selection for a newly opened book: saves the current profile when
  // "Auto save profile" is on and keepProfile is off, then loads the book's own
  // profile, its folder's, its parent folder's or the default one (with
  // keepProfile, the current profile's file first). Does nothing for an empty name.
  void LoadBookProfile(const std::string& bookFileName, bool keepProfile);
  void ShowSoundZero();
  // The file the profile dialogs start from for a button's target.
  std::string ProfileStartFile(TProfileTarget target) const;
  void LoadProfileButtonMouseDown(TMouseButton button, unsigned shift);
  void SaveProfileButtonMouseDown(TMouseButton button, unsigned shift);
  void DeleteProfileButtonMouseDown(TMouseButton button, unsigned shift);
  // Bookshelf and bookmarks.
  bool IsBookOpen();
  int32_t CurrentPieceNumber();
  void SetBookmarkHere(int index);
  void UpdateAutoBookmark(bool record);
  void UpdateBookshelfButtons();
  void UpdateBookmarkButtons();
  void BookshelfSelect(const std::string& fileName, uint8_t mode);
  void ShowBookshelfMenu(TButton& button, uint8_t mode);
  void BookmarkButtonMouseDown(int index, TMouseButton button, unsigned shift);
  void GoToBookmark(int index);
  bool PersistenceKeyDown(WORD key, unsigned shift);  // Alt+1..5, Alt+A, Alt+O, Alt+P

  // ---- text engine: format controls, chapters (QuenvalisFormFormat*.cpp) ----
  std::unique_ptr<TTextEngineControls> TextEngine;  // the chapters button and its menu
  void CreateTextEngineControls();  // by the constructor, after the book's and the profile's controls
  TFormatSettings ReadFormatSettings();  // the profile's format controls as they stand
  void SetAllParaFormatRichEdit();
  void FormatControlChange(TFormatControl control);
  void ForceRichEdit3CheckBoxClick();
  void UpdateChaptersButton();
  void DiscardChapters();  // the chapters menu goes, the button is refreshed
  void ShowChaptersMenu();
  void ChaptersButtonClick();
  void ChapterMenuItemClick(int32_t tag);
  bool TextEngineKeyDown(WORD key, unsigned shift);  // Alt+C

 private:
  void BuildSizeCombos();
  bool OnWindowMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
};

extern TQuenvalisForm* QuenvalisForm;

}  // namespace qv::app
