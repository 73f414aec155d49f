// The main window: a borderless, maximised window with the rich-box in the
// middle and the sidebar at the left. It owns the window's controls, builds
// the subsystems in their order, wires them together, lays the window out,
// dispatches the keys it sees first, and runs the start and the end of the
// program. Everything else is the subsystems'.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include <windows.h>
#include <shellapi.h>

#include "app/BookLoadSteps.h"
#include "app/Sidebar.h"
#include "app/book/BookDocument.h"
#include "app/bookmarks/Bookmarks.h"
#include "app/browser/Browser.h"
#include "app/colors/Colors.h"
#include "app/converter/Converter.h"
#include "app/dictionary/Dictionary.h"
#include "app/images/BackImages.h"
#include "app/persistence/Persistence.h"
#include "app/screen/Screen.h"
#include "app/screen/SidebarKeys.h"
#include "app/sound/BackSound.h"
#include "app/text/TextEngine.h"
#include "platform/GdiPlusSession.h"
#include "widgets/Controls.h"
#include "widgets/RichEdit.h"

namespace qv::app {

class TQuenvalisForm : public TForm {
 public:
  TQuenvalisForm();
  ~TQuenvalisForm() override;

  // The window's own controls, in creation order (later ones lie on top).
  TLabel CurrentFileInfoLabel;
  TLabel HintLabel;
  TLabel ClockLabel;
  TRichEdit RichEdit;
  TSidebar Sidebar;
  TTimer InfoTimer;

  // The subsystems, in the order they are built.
  TBookLoadSteps LoadSteps;
  TScreen Screen;
  TSidebarKeys SidebarKeys;
  TTextQuoteColoring TextQuotes;  // the colours' way to the text engine, built after them
  TColors Colors;
  TTextEngine Text;
  TBookDocument Book;
  TBookmarks Bookmarks;
  TBackImages Images;
  TBackSound Sound;
  TDictionary Dictionary;
  TConverter Converter;
  TBrowser Browser;
  TPersistence Persistence;  // last: it binds the option controls of all the others

  std::unique_ptr<TGdiPlusSession> GdiPlus;  // started with the window
  // The program's command-line arguments (after its name).
  std::vector<std::string> StartArguments;
  static bool IsFirstActivation;

  // Start and end of the run.
  void InitializeForm();
  void ApplicationEventsActivate();
  void LoadOnStart();
  void FormCloseQuery(bool& canClose);
  void ApplicationEventsMinimize();
  void ApplicationEventsRestore();
  void ProcessDroppedFiles(HDROP drop, bool firstOnly);

  // Layout, mouse, keys and the one-second tick.
  void FormResize();
  void PlaceSidebarPages();
  void FormDpiChanged();
  void SizesComboBoxChange();
  void FormMouseMove(unsigned shift, int x, int y);
  void RichEditMouseMove(unsigned shift, int x, int y);
  void RichEditMouseDown(TMouseButton button, unsigned shift, int x, int y);
  void FormKeyDown(WORD& key, unsigned shift);
  void InfoTimerTimer();
  void HideProgramButtonClick();
  void CloseProgramButtonClick();

  static std::string RichEditHint();

 private:
  bool OnWindowMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
};

extern TQuenvalisForm* QuenvalisForm;

}  // namespace qv::app
