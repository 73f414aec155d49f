// The main window: owns every piece of reading state and every option control.
// Its operations are split by subsystem into the QuenvalisForm*.cpp files.
#pragma once
#include <memory>
#include <string>

#include <windows.h>
#include <shellapi.h>

#include "util/Clock.h"
#include "platform/GdiPlusSession.h"
#include "widgets/Controls.h"
#include "widgets/FileDialogs.h"
#include "widgets/RichEdit.h"

namespace qv::app {

using namespace qv::win;

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

  // Book loading as far as it exists: the file's text into the rich-box.
  bool LoadFromFile(const std::string& fileName, int piece, bool keepProfile, int caretPos);
  void UpdateBookInfo(const std::string& text);

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

  // ---- persistence: options, profiles, bookshelf (QuenvalisFormPersistence*.cpp) ----

  // ---- text engine: format controls, chapters (QuenvalisFormFormat*.cpp) ----

 private:
  void BuildSizeCombos();
  bool OnWindowMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
};

extern TQuenvalisForm* QuenvalisForm;

}  // namespace qv::app
