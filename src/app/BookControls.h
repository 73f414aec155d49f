// The controls of the book document: the "Book" group (opening, saving,
// running, printing, editing, pieces, go to line, find and the status labels)
// and the "Open in pieces" group (with the mouse-wheel lines).
#pragma once
#include <functional>
#include <string>

#include "widgets/Controls.h"

namespace qv::app {

using namespace qv::win;

struct TSidebar;

struct TBookControls {
  explicit TBookControls(TSidebar& sidebar);

  TButton OpenBookButton, SaveBookButton, RunBookButton, PrintBookButton;
  TButton PreviousPieceButton;
  TComboBox PiecesComboBox;
  TButton NextPieceButton;
  TLabel PiecesLabel;
  TEdit GotoLineEdit, FindTextEdit;
  TCheckBox AllowEditingCheckBox;
  TLabel LineNumberLabel, ModifiedLabel;

  TCheckBox OpenInPiecesCheckBox;
  TLabel PieceSizeLabel;
  TComboBox PieceSizeComboBox;
  TLabel WheelScrollLinesLabel;
  TComboBox WheelScrollLinesComboBox;
  TLabel BookLoadedInLabel;

  // The number of the selected piece: the integer of its text, 0 when it is none.
  int CurrentPiece() const;
};

// What loading a book asks of the parts of the program that own profiles,
// pictures, sounds, the browser, the bookshelf and the chapters. Each part sets
// its entries when it is built; an entry left empty does nothing.
struct TBookHooks {
  std::function<void()> StopSounds;                    // background sound stops
  std::function<void()> StartSounds;                   // sounds of the new book start
  std::function<void(const std::string&)> LoadBrowserFor;  // when the browser has no folder yet
  std::function<bool()> BrowserHasFolder;
  // The auto-bookmark of a book on the bookshelf: false when it is not there.
  std::function<bool(const std::string& book, int& piece, int& position)> FindAutoBookmark;
  std::function<void(const std::string& book, bool keepProfile)> LoadBookProfile;
  std::function<void()> ReloadBackgrounds;             // both background pictures
  std::function<void(bool loading)> ScreenPictureOff;  // true: off for the load, false: back
  std::function<void()> DiscardChapters;               // chapters list gone, button refreshed
  std::function<void()> RefreshChaptersButton;
  std::function<void()> RefreshBookshelfButtons;       // bookshelf and bookmark buttons
  // The enhancer's format state from the profile's format controls (SetDefaults).
  std::function<void()> ResetFormatDefaults;
  std::function<void()> ApplyZoom;                     // the font zoom of the profile
  std::function<void()> RefreshRichFrame;              // rich-box frame after the load
};

// The options of plain-text enhancement as the profile's controls hold them.
// Until those controls exist the defaults below apply; the profile side
// replaces Read with a reader of its controls.
struct TEnhanceOptions {
  bool EnhanceText = true;
  std::string ParagraphPrefix = "Tab";
  bool IgnoreEmptyLines = false;
  bool PoorlyWritten = false;
};

}  // namespace qv::app
