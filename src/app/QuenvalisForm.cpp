// The main window's construction, start-up, close and destruction.
#include "app/QuenvalisForm.h"

#include <shellapi.h>

#include "app/OptionBinding.h"
#include "app/OptionControls.h"
#include "app/ProfileControls.h"
#include "app/TextEngineControls.h"

#include "errors/Dialogs.h"
#include "errors/Guard.h"
#include "forms/AboutForm.h"
#include "forms/ErrorForm.h"
#include "platform/Help.h"
#include "platform/ProgramInstance.h"
#include "platform/Win32Platform.h"
#include "widgets/Application.h"

namespace qv::app {

TQuenvalisForm* QuenvalisForm = nullptr;
bool TQuenvalisForm::IsFirstActivation = true;

namespace {
const char* const kFile = "QuenvalisDialog";

TFontStyle ArialPx(int height, bool bold = false) {
  TFontStyle f;
  f.Face = "Arial";
  f.Height = height;
  f.Bold = bold;
  return f;
}
}  // namespace

TSidebar::TSidebar(TControl* owner)
    : Container_MainPanel(owner, "Container_MainPanel", 10, 10, 270, 620),
      MainButtonsPanel(&Container_MainPanel, "MainButtonsPanel", 0, 585, 270, 35),
      HelpButton(&MainButtonsPanel, "HelpButton", "Help", 15, 5, 60, 25),
      AboutButton(&MainButtonsPanel, "AboutButton", "About", 75, 5, 60, 25),
      CloseProgramButton(&MainButtonsPanel, "CloseProgramButton", "Close", 135, 5, 60, 25),
      HideProgramButton(&MainButtonsPanel, "HideProgramButton", "Hide", 195, 5, 60, 25),
      Container_OptionsPageControl(&Container_MainPanel, "Container_OptionsPageControl", 0, 0,
                                   270, 585),
      ProgramOptionsTabSheet(Container_OptionsPageControl.AddPage("ProgramOptionsTabSheet", "Program")),
      ProfileOptionsTabSheet(Container_OptionsPageControl.AddPage("ProfileOptionsTabSheet", "Profile")),
      ConvertMeasureTabSheet(Container_OptionsPageControl.AddPage("ConvertMeasureTabSheet", "Convert")),
      ProgramPageControl(ProgramOptionsTabSheet, "ProgramPageControl", 0, 0, 262, 550, true),
      ProgramOpenTabSheet(ProgramPageControl.AddPage("ProgramOpenTabSheet", "Open")),
      ProgramGeneralTabSheet(ProgramPageControl.AddPage("ProgramGeneralTabSheet", "General")),
      ProgramMiscTabSheet(ProgramPageControl.AddPage("ProgramMiscTabSheet", "Misc")),
      BookGroupBox(ProgramOpenTabSheet, "BookGroupBox", "Book", 3, 3, 250, 136),
      BookshelfGroupBox(ProgramOpenTabSheet, "BookshelfGroupBox", "Bookshelf", 3, 142, 250, 110),
      BrowserGroupBox(ProgramOpenTabSheet, "BrowserGroupBox", "Browser", 3, 255, 250, 250),
      BrowserListBox(&BrowserGroupBox, "BrowserListBox", 5, 20, 240, 220),
      SizesGroupBox(ProgramGeneralTabSheet, "SizesGroupBox", "Sizes", 3, 3, 250, 100),
      OpenInPiecesGroupBox(ProgramGeneralTabSheet, "OpenInPiecesGroupBox", "Open in pieces", 3,
                           106, 250, 90),
      DictionaryOptionsGroupBox(ProgramGeneralTabSheet, "DictionaryOptionsGroupBox", "Dictionary",
                                3, 199, 250, 90),
      MiscellaneousOptionsGroupBox(ProgramGeneralTabSheet, "MiscellaneousOptionsGroupBox",
                                   "Miscellaneous options", 3, 292, 250, 150),
      RichBoxWidthPercentLabel(&SizesGroupBox, "RichBoxWidthPercentLabel", "Rich-box width (%)", 8,
                               22, 150, 18),
      RichBoxTopPercentLabel(&SizesGroupBox, "RichBoxTopPercentLabel", "Rich-box top (%)", 8, 47,
                             150, 18),
      RichBoxBottomPercentLabel(&SizesGroupBox, "RichBoxBottomPercentLabel",
                                "Rich-box bottom (%)", 8, 72, 150, 18),
      RichBoxWidthPercentComboBox(&SizesGroupBox, "RichBoxWidthPercentComboBox", 170, 18, 70, false),
      RichBoxTopPercentComboBox(&SizesGroupBox, "RichBoxTopPercentComboBox", 170, 43, 70, false),
      RichBoxBottomPercentComboBox(&SizesGroupBox, "RichBoxBottomPercentComboBox", 170, 68, 70,
                                   false),
      SystemOptionsGroupBox(ProgramMiscTabSheet, "SystemOptionsGroupBox", "System integration", 3,
                            3, 250, 150),
      PrintGroupBox(ProgramMiscTabSheet, "PrintGroupBox", "Print text (UNDER CONSTRUCTION)", 3,
                    156, 250, 100),
      DetectRichEdit3Label(&SystemOptionsGroupBox, "DetectRichEdit3Label", "", 8, 125, 235, 18),
      ProfilePageControl(ProfileOptionsTabSheet, "ProfilePageControl", 0, 0, 262, 550, true),
      ProfileGeneralTabSheet(ProfilePageControl.AddPage("ProfileGeneralTabSheet", "General")),
      ProfileColorsTabSheet(ProfilePageControl.AddPage("ProfileColorsTabSheet", "Colors")),
      ProfileFormatTabSheet(ProfilePageControl.AddPage("ProfileFormatTabSheet", "Format")),
      ProfileMiscTabSheet(ProfilePageControl.AddPage("ProfileMiscTabSheet", "Misc")),
      ProfileWorkGroupBox(ProfileGeneralTabSheet, "ProfileWorkGroupBox", "Work", 3, 3, 250, 100),
      EnhancePlainTextGroupBox(ProfileGeneralTabSheet, "EnhancePlainTextGroupBox",
                               "Enhance plain text", 3, 106, 250, 130),
      ScreenBackImageGroupBox(ProfileGeneralTabSheet, "ScreenBackImageGroupBox",
                              "Screen background image", 3, 239, 250, 100),
      RichBackImageGroupBox(ProfileGeneralTabSheet, "RichBackImageGroupBox",
                            "Rich-box background image", 3, 342, 250, 100),
      ShowFrameCheckBox(ProfileGeneralTabSheet, "ShowFrameCheckBox", "Show rich-box frame", 5, 450,
                        200, 20),
      ColorSchemesGroupBox(ProfileColorsTabSheet, "ColorSchemesGroupBox", "Color schemes", 3, 3,
                           250, 80),
      ScreenColorsGroupBox(ProfileColorsTabSheet, "ScreenColorsGroupBox", "Screen colors", 3, 86,
                           250, 100),
      RichBoxColorsGroupBox(ProfileColorsTabSheet, "RichBoxColorsGroupBox", "Rich-box colors", 3,
                            189, 250, 130),
      BrowserColorsGroupBox(ProfileColorsTabSheet, "BrowserColorsGroupBox", "Browser colors", 3,
                            322, 250, 100),
      FormatTextGroupBox(ProfileFormatTabSheet, "FormatTextGroupBox", "Format text", 3, 3, 250,
                         220),
      FormatParaGroupBox(ProfileFormatTabSheet, "FormatParaGroupBox", "Format paragraph", 3, 226,
                         250, 200),
      ProfileBackSoundGroupBox(ProfileMiscTabSheet, "ProfileBackSoundGroupBox",
                               "Background sound", 3, 3, 250, 440),
      ConvertMeasurePanel(ConvertMeasureTabSheet, "ConvertMeasurePanel", 0, 0, 262, 550) {
  Container_OptionsPageControl.SetHint(
      "Use these tabs to change various options, and access various functions");
  SizesGroupBox.SetHint("Set the sizes of the various visual elements");
  ShowFrameCheckBox.SetHint("Show the frame around the rich-box");
  HelpButton.SetHint("Show the help");
  AboutButton.SetHint("Show information about the program");
  CloseProgramButton.SetHint("Close the program. [Alt + F4]");
  HideProgramButton.SetHint("Hide the program. [Esc]");
  RichBoxWidthPercentComboBox.SetHint("The width of the rich-box is set to this percent of screen's width");
  RichBoxTopPercentComboBox.SetHint("The top of the rich-box is set to this percent of the screen's height");
  RichBoxBottomPercentComboBox.SetHint("The bottom of the rich-box is set to this percent of the screen's height");
}

std::string TQuenvalisForm::RichEditHint() {
  return "Rich-box. Double-click [LMB] on a word to look it up in dictionary. Press [F5] to open "
         "a book. Drag and drop a file from another program, to open it. Press [Ctrl + F5] to "
         "open the \"Welcome\" book. Click [RMB] on a number to view the measurement units "
         "convertor dialog. Move the mouse cursor over a number to set it as the value to be "
         "converted. Press [Space] to view the next page. Press [Esc] to hide the program.";
}

TQuenvalisForm::TQuenvalisForm()
    : TForm("QuenvalisForm", "Quenvalis", 659, 639, TStyle{true, false, false}),
      CurrentFileInfoLabel(this, "CurrentFileInfoLabel", "", 10, 10, 400, 40, true),
      HintLabel(this, "HintLabel", "", 10, 600, 400, 40, true),
      ClockLabel(this, "ClockLabel", "23:00", 590, 610, 60, 20),
      RichEdit(this, "RichEdit", 150, 60, 400, 500),
      Sidebar(this),
      InfoTimer(1000) {
  QuenvalisForm = this;
  Application().MainForm = this;
  StartArguments = CommandLineArguments();
  KeyPreview = true;
  SetFont(ArialPx(12));
  CurrentFileInfoLabel.SetFont(ArialPx(11));
  CurrentFileInfoLabel.SetHint("Information about the currently opened book");
  HintLabel.SetFont(ArialPx(11));
  ClockLabel.SetFont(ArialPx(19, true));
  ClockLabel.SetHint("Current clock");
  TFontStyle richFont;
  richFont.Face = "Tahoma";
  richFont.Height = 11;
  RichEdit.SetFont(richFont);
  BuildSizeCombos();
  CreateBookControls();  // the book document's controls and the enhancer
  CreatePersistenceControls();
  CreateTextEngineControls();  // the chapters button, the format controls' handlers

  // Owned objects; the stopwatches use the system tick.
  LoadCrono.Start();
  PeriodCrono.Start();

  Application().OnException = [](const std::string& message) { OnApplicationException(message); };
  Application().OnHint = [this] { ShowApplicationHint(); };
  Application().HintPause = 400;
  Application().HintShortPause = 200;
  Application().HintHidePause = 100000;
  Application().HelpFile = HelpFileName();
  Application().OnActivate = [this] { ApplicationEventsActivate(); };
  Application().OnMinimize = [this] { ApplicationEventsMinimize(); };
  Application().OnRestore = [this] { ApplicationEventsRestore(); };

  OnMessage = [this](UINT m, WPARAM w, LPARAM l, LRESULT& r) { return OnWindowMessage(m, w, l, r); };
  OnCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
  OnResize = [this] { FormResize(); };
  OnPaint = [this](HDC dc) { PaintRichBoxFrame(dc); };
  OnKeyDown = [this](WORD& key, unsigned shift) { FormKeyDown(key, shift); };
  OnMouseMove = [this](unsigned s, int x, int y) { FormMouseMove(s, x, y); };
  RichEdit.OnMouseMove = [this](unsigned s, int x, int y) { RichEditMouseMove(s, x, y); };
  CurrentFileInfoLabel.OnMouseMove = [this](unsigned, int, int) { HideSidebar(true); };
  HintLabel.OnMouseMove = [this](unsigned, int, int) { HideSidebar(true); };

  Sidebar.CloseProgramButton.OnClick = [this] { CloseProgramButtonClick(); };
  Sidebar.HideProgramButton.OnClick = [this] { HideProgramButtonClick(); };
  Sidebar.AboutButton.OnClick = [this] {
    if (AboutForm) AboutForm->Dialog();
    RichEdit.SetFocus();
  };
  Sidebar.HelpButton.OnClick = [] { OpenHelp(100); };
  Sidebar.ShowFrameCheckBox.OnClick = [this] {
    if (Sidebar.ShowFrameCheckBox.Checked()) {
      HDC dc = GetDC(Handle());
      PaintRichBoxFrame(dc);
      ReleaseDC(Handle(), dc);
    } else {
      RefreshScreen();
    }
    RichEdit.SetFocus();
  };
  for (TComboBox* c : {&Sidebar.RichBoxWidthPercentComboBox, &Sidebar.RichBoxTopPercentComboBox,
                       &Sidebar.RichBoxBottomPercentComboBox})
    c->OnChange = [this] { SizesComboBoxChange(); };
  InfoTimer.OnTimer = [this] { InfoTimerTimer(); };

  // The program starts with the sidebar hidden; the first mouse move changes nothing.
  SkipNextSidebarChange = false;
  HideSidebar(true);
  SkipNextSidebarChange = true;

  RichEdit.SetHint(RichEditHint());
  CurrentFileInfoLabel.SetCaption("");
  HintLabel.SetCaption(RichEditHint());
  InfoTimerTimer();
  PieceSize = 50000;

  GdiPlus = std::make_unique<TGdiPlusSession>();

  // Both file dialogs offer the book files.
  OpenDialog.Request.Filter = "Text files (*.txt; *.rtf)|*.txt; *.rtf";
  SaveDialog.Request.Filter = OpenDialog.Request.Filter;

  Sidebar.DetectRichEdit3Label.SetCaption(RichEdit.IsVersion3() ? "Rich-edit 3 is installed."
                                                                : "Rich-edit 3 is NOT installed.");
  Sidebar.BrowserListBox.SetItemHeight(Sidebar.BrowserListBox.Font().Height + 5);
  InfoTimer.SetEnabled(true);
}

TQuenvalisForm::~TQuenvalisForm() {
  InfoTimer.SetEnabled(false);
  GdiPlus.reset();
  if (Handle()) DragAcceptFiles(Handle(), FALSE);
  if (Application().MainForm == this) Application().MainForm = nullptr;
  if (QuenvalisForm == this) QuenvalisForm = nullptr;
}

void TQuenvalisForm::BuildSizeCombos() {
  auto fill = [](TComboBox& box, int from, int to, int step, int value) {
    std::vector<std::string> items;
    for (int v = from; v <= to; v += step) items.push_back(std::to_string(v));
    box.SetItems(items);
    box.SetText(std::to_string(value));
  };
  fill(Sidebar.RichBoxWidthPercentComboBox, 20, 95, 5, 45);
  fill(Sidebar.RichBoxTopPercentComboBox, 5, 15, 1, 10);
  fill(Sidebar.RichBoxBottomPercentComboBox, 10, 25, 1, 15);
}

void TQuenvalisForm::InitializeForm() {
  if (AboutForm) {
    AboutForm->ProgramNameLabel.SetCaption("Quenvalis");
    AboutForm->ProgramVersionLabel.SetCaption("Version 2.5.3, released on 08.05.2005");
  }
  SetWindowLongA(RichEdit.Handle(), GWL_EXSTYLE,
                 GetWindowLongA(RichEdit.Handle(), GWL_EXSTYLE) | WS_EX_TRANSPARENT);
  CreateStores();  // the options first, then the default profile
  RichEdit.SetModified(false);
  DragAcceptFiles(Handle(), TRUE);
}

void TQuenvalisForm::ApplicationEventsActivate() {
  Guarded(QV_OP(kFile, "TQuenvalisForm::ApplicationEventsActivate", ""),
          [this](TFunStatContext&) {
            if (!IsFirstActivation) return;
            IsFirstActivation = false;
            CenterCursorOnHint();
            LoadOnStart();
            HintLabel.SetCaption(
                "Move the mouse cursor to the left side of the rich-box to view the sidebar");
          },
          false);
}

void TQuenvalisForm::LoadOnStart() {
  Guarded(QV_OP(kFile, "TQuenvalisForm::LoadOnStart", ""),
          [this](TFunStatContext&) {
            RichEdit.SetModified(false);
            const auto& args = StartArguments;
            bool opened = false;
            if (args.size() == 1) opened = OpenBook(args[0], false);
            if (!opened && args.size() != 1) {
              const std::string last = Bookshelf.LastBook();
              if (Options->AutoLoadLastCheckBox.Checked() && !last.empty())
                opened = OpenBook(last, false);
            }
            if (!opened && BookFileName.empty()) {
              try {
                opened = OpenBook(ProgramDirectory() + "Welcome.txt", false);
              } catch (...) {
              }
              if (!opened) RichEdit.SetFocus();
            }
          },
          false);
}

bool TQuenvalisForm::OpenBook(const std::string& fileName, bool autoBookmarkFirst) {
  UpdateAutoBookmark(autoBookmarkFirst);
  const bool opened = LoadFromFile(fileName, -1, false, 0);
  UpdateAutoBookmark(true);
  return opened;
}

void TQuenvalisForm::FormCloseQuery(bool& canClose) {
  StopLoading = true;
  QuerySaveModified();
  if (OptionsStore) OptionsStore->Save(false);  // a failed save does not stop the close
  canClose = true;
}

void TQuenvalisForm::ApplicationEventsMinimize() { InfoTimer.SetEnabled(false); }
void TQuenvalisForm::ApplicationEventsRestore() { InfoTimer.SetEnabled(true); }

void TQuenvalisForm::ProcessDroppedFiles(HDROP drop, bool firstOnly) {
  Guarded(QV_OP(kFile, "TQuenvalisForm::ProcessDroppedFiles", "Failed to drop files."),
          [&](TFunStatContext&) {
            struct Finish {
              HDROP d;
              ~Finish() { DragFinish(d); }
            } finish{drop};
            UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
            if (firstOnly && count > 1) count = 1;
            for (UINT i = 0; i < count; ++i) {
              char name[MAX_PATH + 1] = "";
              DragQueryFileA(drop, i, name, MAX_PATH);
              OpenBook(name, true);
            }
          });
}

bool TQuenvalisForm::OnWindowMessage(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
  if (msg == WM_DROPFILES) {
    ProcessDroppedFiles(reinterpret_cast<HDROP>(wp), true);
    result = 0;
    return true;
  }
  return false;
}

}  // namespace qv::app
