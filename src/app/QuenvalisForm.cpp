// The main window's construction and wiring, start-up, close and destruction.
#include "app/QuenvalisForm.h"

#include "ProgramVersion.h"
#include "app/SidebarPlaces.h"
#include "app/controls/OptionFill.h"
#include "errors/Guard.h"
#include "forms/AboutForm.h"
#include "platform/Help.h"
#include "platform/ProgramInstance.h"
#include "platform/WideText.h"
#include "platform/Win32FileSystem.h"
#include "platform/Win32Platform.h"
#include "platform/Win32Sound.h"
#include "richbox/RichOps.h"
#include "widgets/Application.h"
#include "widgets/WindowDpi.h"
#include "widgets/BrowserRowPainter.h"

namespace qv::app {

TQuenvalisForm* QuenvalisForm = nullptr;
bool TQuenvalisForm::IsFirstActivation = true;

namespace {
const char* const kFile = "QuenvalisDialog";
namespace W = WindowPlaces;

TFontStyle ArialPx(int height, bool bold = false) {
  TFontStyle f;
  f.Face = "Arial";
  f.Height = height;
  f.Bold = bold;
  return f;
}

// The file system the stores and the book read through, installed before either exists.
IFileSystem& ProgramFiles() {
  InstallWin32FileSystem();
  return Win32FileSystem();
}
}  // namespace

std::string TQuenvalisForm::RichEditHint() {
  return "Rich-box. Double-click [LMB] on a word to look it up in dictionary. Press [F5] to open "
         "a book. Drag and drop a file from another program, to open it. Press [Ctrl + F5] to "
         "open the \"Welcome\" book. Click [RMB] on a number to view the measurement units "
         "convertor dialog. Move the mouse cursor over a number to set it as the value to be "
         "converted. Press [Space] to view the next page. Press [Esc] to hide the program.";
}

TQuenvalisForm::TQuenvalisForm()
    : TForm("QuenvalisForm", "Quenvalis", 659, 639, TStyle{true, false, false}),
      CurrentFileInfoLabel(this, W::CurrentFileInfoLabel, "", true),
      HintLabel(this, W::HintLabel, "", true),
      ClockLabel(this, W::ClockLabel, "23:00"),
      RichEdit(this, W::RichEdit),
      Sidebar(this),
      InfoTimer(1000),
      LoadSteps(Bookmarks, Persistence, Sound, Images, Browser),
      Screen(*this, CurrentFileInfoLabel, HintLabel, ClockLabel, RichEdit, Sidebar, InfoTimer),
      SidebarKeys(Sidebar, Screen, RichEdit),
      TextQuotes(&Text),
      Colors(Sidebar, *this, ClockLabel, Sidebar.BrowserListBox, RichEdit, Screen, TextQuotes),
      Text(Sidebar, RichEdit, Screen, Colors),
      Book(Sidebar, RichEdit, Screen, Text, LoadSteps, ProgramFiles()),
      Bookmarks(Sidebar, RichEdit, Screen, Book),
      Images(Sidebar, *this, RichEdit, Screen, Book, Persistence, Win32FileSystem()),
      Sound(Sidebar, SoundPlatform(), RichEdit, Book, Persistence, Win32FileSystem()),
      Dictionary(Sidebar, RichEdit),
      Converter(Sidebar, RichEdit, Screen, Colors.Controls.BrowserFocusBack.Panel,
                Colors.Controls.BrowserFocusFore.Panel),
      Browser(Sidebar, *this, Colors.Controls, Book),
      Persistence(Sidebar, *this, RichEdit, Book, Bookmarks, Sound, Win32FileSystem()) {
  QuenvalisForm = this;
  Application().MainForm = this;
  Application().ResetKeyboardInput();
  StartArguments = CommandLineArguments();
  KeyPreview = true;
  SetFont(ArialPx(12));
  CurrentFileInfoLabel.SetFont(ArialPx(11));
  CurrentFileInfoLabel.SetHint("Information about the currently opened book");
  HintLabel.SetFont(ArialPx(11));
  ClockLabel.SetFont(ArialPx(19, true));
  ClockLabel.SetHint("Current clock");
  for (TLabel* label : {&CurrentFileInfoLabel, &HintLabel, &ClockLabel}) label->SetTransparent(true);
  TFontStyle richFont;
  richFont.Face = "Tahoma";
  richFont.Height = 11;
  RichEdit.SetFont(richFont);
  // The rich-box is shown once a book is; the layout alone places it.
  RichEdit.SetVisible(false);
  RichEdit.SetPlacedByOwner();

  Colors.SetConverterLists(&Converter);  // built after the colours: its lists follow the screen colour
  // The text's colours stay readable on the rich-box's picture, built after them.
  Colors.SetRichTextBack(&Images);
  Images.OnRichTextBackChanged = [this] { Colors.RichTextBackChanged(); };
  // What a profile's options do once they are in their controls.
  for (IOptionListener* listener : std::initializer_list<IOptionListener*>{&Colors, &Text, &Book, &Browser})
    Persistence.OptionValues.AddListener(*listener);

  Application().OnHint = [this] { HintLabel.SetCaption(Application().Hint()); };
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
  OnDpiChanged = [this] { FormDpiChanged(); };
  OnPaint = [this](HDC dc) { Screen.PaintRichBoxFrame(dc); };
  OnKeyDown = [this](WORD& key, unsigned shift) { FormKeyDown(key, shift); };
  OnMouseMove = [this](unsigned s, int x, int y) { FormMouseMove(s, x, y); };
  RichEdit.OnMouseMove = [this](unsigned s, int x, int y) { RichEditMouseMove(s, x, y); };
  // The press reaches the handler after the rich-box selected the double-clicked word.
  RichEdit.MouseDownAfterControl = true;
  RichEdit.OnMouseDown = [this](TMouseButton b, unsigned s, int x, int y) { RichEditMouseDown(b, s, x, y); };
  Screen.SetConverterFocus(&Converter.Controls.ConvertMeasureEdit);
  CurrentFileInfoLabel.OnMouseMove = [this](unsigned, int, int) { Screen.BookMouseMove(); };
  HintLabel.OnMouseMove = [this](unsigned, int, int) { Screen.BookMouseMove(); };

  Sidebar.CloseProgramButton.OnClick = [this] { CloseProgramButtonClick(); };
  Sidebar.HideProgramButton.OnClick = [this] { HideProgramButtonClick(); };
  Sidebar.AboutButton.OnClick = [this] {
    if (AboutForm) AboutForm->Dialog();
    FocusBookAfterOption(RichEdit);
  };
  Sidebar.HelpButton.OnClick = [] { OpenHelp(HelpMainWindow); };
  for (TComboBox* c : {&Sidebar.RichBoxWidthPercentComboBox, &Sidebar.RichBoxTopPercentComboBox,
                       &Sidebar.RichBoxBottomPercentComboBox})
    c->OnChange = [this] { SizesComboBoxChange(); };
  InfoTimer.OnTimer = [this] { InfoTimerTimer(); };

  // The program starts with the sidebar hidden, also when another program is
  // active meanwhile; the first mouse move changes nothing.
  Sidebar.Container_MainPanel.SetVisible(false);
  Sidebar.Container_MainPanel.OnWindowsMade = [this] { PlaceSidebarPages(); };
  Screen.SkipNextSidebarChange = true;

  RichEdit.SetHint(RichEditHint());
  CurrentFileInfoLabel.SetCaption("");
  HintLabel.SetCaption(RichEditHint());
  InfoTimerTimer();

  GdiPlus = std::make_unique<TGdiPlusSession>();
  Images.GdiPlusStarted();
  Sidebar.BrowserListBox.SetItemHeight(win::BrowserRowHeight(Sidebar.BrowserListBox.Font()));
  InfoTimer.SetEnabled(true);
}

TQuenvalisForm::~TQuenvalisForm() {
  InfoTimer.SetEnabled(false);
  GdiPlus.reset();
  AcceptDroppedFiles(false);
  if (Application().MainForm == this) Application().MainForm = nullptr;
  if (QuenvalisForm == this) QuenvalisForm = nullptr;
}

void TQuenvalisForm::InitializeForm() {
  if (AboutForm) {
    AboutForm->ProgramNameLabel.SetCaption("Quenvalis");
    AboutForm->ProgramVersionLabel.SetCaption(ProgramVersionText);
  }
  RichEdit.AddExStyle(WS_EX_TRANSPARENT);
  Persistence.CreateStores();  // the options first, then the default profile
  if (AboutForm) AboutForm->ShowDataFolder(Persistence.DataDirectory());
  // A window not yet shown gets its pictures from the layout of its showing,
  // at the size it shows at: built now, they would be built twice.
  if (Visible()) {
    Images.IniScreenBackImage();
    Images.IniRichBackImage();
  }
  RichEdit.SetModified(false);
  AcceptDroppedFiles(true);
}

void TQuenvalisForm::ApplicationEventsActivate() {
  Guarded(QV_OP(kFile, "TQuenvalisForm::ApplicationEventsActivate", ""),
          [this](TFunStatContext&) {
            if (!IsFirstActivation) return;
            IsFirstActivation = false;
            Screen.CenterCursorOnHint();
            LoadOnStart();
            HintLabel.SetCaption("Move the mouse cursor to the left side of the rich-box to view the sidebar");
          },
          false);
}

void TQuenvalisForm::LoadOnStart() {
  Guarded(QV_OP(kFile, "TQuenvalisForm::LoadOnStart", ""),
          [this](TFunStatContext&) {
            RichEdit.SetModified(false);
            bool opened = false;
            if (StartArguments.size() == 1) {
              opened = Book.OpenBook(StartArguments[0], false);
            } else {
              const std::string last = Bookmarks.BookToOpenAtStart();
              if (!last.empty()) opened = Book.OpenBook(last, false);
            }
            // A book that cannot be opened (missing, empty, not a book) leaves the
            // reader on the welcome book.
            if (!opened) {
              try {
                opened = Book.OpenBook(ProgramDirectory() + "Welcome.txt", false);
              } catch (...) {
              }
              if (!opened) RichEdit.SetFocus();
              Browser.ShowDriveOf(Book.FileName());
            }
          },
          false);
}

void TQuenvalisForm::FormCloseQuery(bool& canClose) {
  Book.StopLoad();
  Book.QuerySaveModified();
  if (Persistence.OptionsStore) Persistence.OptionsStore->Save(false);  // a failed save does not stop the close
  canClose = true;
}

void TQuenvalisForm::ApplicationEventsMinimize() {
  InfoTimer.SetEnabled(false);
  Sound.Minimize();
}

void TQuenvalisForm::ApplicationEventsRestore() {
  InfoTimer.SetEnabled(true);
  Sound.Restore();
}

void TQuenvalisForm::ProcessDroppedFiles(HDROP drop, bool firstOnly) {
  Guarded(QV_OP(kFile, "TQuenvalisForm::ProcessDroppedFiles", "Failed to drop files."), [&](TFunStatContext&) {
    struct Finish {
      HDROP d;
      ~Finish() { DragFinish(d); }
    } finish{drop};
    if (Book.Loading()) return;  // a drop during a load is ignored
    UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    if (firstOnly && count > 1) count = 1;
    for (UINT i = 0; i < count; ++i) {
      std::wstring name(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
      name.resize(DragQueryFileW(drop, i, &name[0], UINT(name.size())));
      Book.OpenBook(win::FromWide(name), true);
    }
  });
}

bool TQuenvalisForm::OnWindowMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg == WM_DPICHANGED) {
    // The text wraps anew at the new DPI; the reader stays at the same place in the book.
    KeepRichPlace(RichEdit, [&] { ChangeDpi(LOWORD(wp), reinterpret_cast<const RECT*>(lp)); });
    result = 0;
    return true;
  }
  if (msg == WM_DROPFILES) {
    ProcessDroppedFiles(reinterpret_cast<HDROP>(wp), true);
    result = 0;
    return true;
  }
  if (msg == WM_ERASEBKGND && Images.PaintScreenBackground(reinterpret_cast<HDC>(wp))) {
    result = 1;
    return true;
  }
  return false;
}

void TQuenvalisForm::InfoTimerTimer() {
  try {
    Book.RefreshBookStatus();
    // The sidebar's windows wait at start; they are made in the first quiet
    // tick after the first book is in, unless the reader showed it sooner.
    if (!IsFirstActivation && Sidebar.Container_MainPanel.WindowWaits() && !Book.Loading() &&
        !Book.Parts.Pending())
      Sidebar.Container_MainPanel.MakeWindows();
  } catch (...) {
  }
  Screen.UpdateClock();
  Sound.TimerStep();
}

void TQuenvalisForm::HideProgramButtonClick() {
  Application().Minimize();
  RichEdit.SetFocus();
}

void TQuenvalisForm::CloseProgramButtonClick() { Close(); }

}  // namespace qv::app
