#include "app/browser/Browser.h"

#include <shlobj.h>

#include "app/SidebarPlaces.h"
#include "app/book/BookDocument.h"
#include "browser/BookSites.h"
#include "colors/Contrast.h"
#include "errors/Guard.h"
#include "platform/FileServices.h"
#include "util/FlagScope.h"
#include "widgets/Application.h"
#include "widgets/BrowserRowPainter.h"

namespace qv::app {

namespace {
const char* const kFile = "QuenvalisDialog";
namespace O = OpenPage;
}  // namespace

TBrowserControls::TBrowserControls(TSidebar& s)
    : UpBrowserButton(&s.BrowserGroupBox, O::UpBrowserButton, "Up"),
      ReloadBrowserButton(&s.BrowserGroupBox, O::ReloadBrowserButton, "Reload"),
      FromBookBrowserButton(&s.BrowserGroupBox, O::FromBookBrowserButton, "From book"),
      BrowserHistoryButton(&s.BrowserGroupBox, O::BrowserHistoryButton, "History"),
      DownloadBooksButton(&s.BrowserGroupBox, O::DownloadBooksButton, "Books"),
      GutenbergBooksButton(&s.BrowserGroupBox, O::GutenbergBooksButton, "Gutenberg books") {
  s.BrowserGroupBox.SetHint("Browse the file system for books");
  UpBrowserButton.SetHint("Load the parent directory. [Backspace]");
  ReloadBrowserButton.SetHint(
      "Reload the current directory (changes in directory are not automatically detected)");
  FromBookBrowserButton.SetHint("Load the parent directory of the currently opened book");
  BrowserHistoryButton.SetHint("Load a directory, from the list, that you already visited");
  GutenbergBooksButton.SetHint("Open the local form for search");
}

TBrowser::TBrowser(TSidebar& sidebar, TForm& window, TColorControls& colors, IBook& book)
    : Controls(sidebar),
      BrowserListBox(sidebar.BrowserListBox),
      HistoryPopup(BrowserHistory),
      window_(window),
      colors_(colors),
      book_(book),
      model_(listing_, BrowserHistory) {
  BrowserHistory.Start({win::GetTempPathA(), win::GetSystemDirectoryPath(CSIDL_COMMON_DOCUMENTS),
                        win::GetSystemDirectoryPath(CSIDL_PERSONAL)});
  BrowserHistory.OnSelect = [this](const std::string& path) { BrowserHistorySelect(path); };

  TVirtualListBox& list = BrowserListBox;
  list.OnDrawItem = [this](HDC dc, int index, const RECT& r, bool selected, bool focused) {
    BrowserListBoxDrawItem(dc, index, r, selected, focused);
  };
  // A screen reader reads a row as it shows: the name, then its type.
  list.OnItemText = [this](int index) {
    const std::vector<TBrowserItem>& items = model_.Items();
    if (index < 0 || index >= static_cast<int>(items.size())) return std::string();
    const TBrowserItem& item = items[static_cast<size_t>(index)];
    return item.Caption() + ", " + TBrowserModel::TypeText(item);
  };
  list.OnKeyPress = [this](char& key) { BrowserListBoxKeyPress(key); };
  // The press reaches the handler after the list selected the item under it.
  list.MouseDownAfterControl = true;
  list.OnMouseDown = [this](TMouseButton b, unsigned s, int x, int y) { BrowserListBoxMouseDown(b, s, x, y); };
  list.OnMouseMove = [this](unsigned, int x, int y) { BrowserListBoxMouseMove(x, y); };
  // A selection moved by the keys, or rows scrolled away from it, are
  // remembered with the top index the list has once it settled.
  list.OnClick = [this] { RecordSelection(); };
  list.OnScroll = [this] { RecordSelection(); };

  TBrowserControls& c = Controls;
  c.UpBrowserButton.OnClick = [this] {
    BrowseUp();
    BrowserListBox.SetFocus();
  };
  c.ReloadBrowserButton.OnClick = [this] {
    LoadBrowserContent(BrowserDir());
    BrowserListBox.SetFocus();
  };
  c.FromBookBrowserButton.OnClick = [this] {
    LoadBrowserContent(book_.FileName());
    BrowserListBox.SetFocus();
  };
  c.BrowserHistoryButton.OnClick = [this] {
    HistoryPopup.DialogButton(Controls.BrowserHistoryButton, "Browser history");
    BrowserListBox.SetFocus();
  };
  c.DownloadBooksButton.OnClick = [] { win::OpenSite(DownloadBooksAddress, OpenSiteFailure); };
  c.GutenbergBooksButton.OnClick = [] { win::OpenSite(GutenbergSearchAddress, OpenSiteFailure); };
}

TBrowserListState TBrowser::ListState() const {
  return {BrowserListBox.ItemIndex(), BrowserListBox.TopIndex(), BrowserListBox.VisibleCount()};
}

void TBrowser::LoadBrowserContent(const std::string& path) {
  Guarded(QV_OP(kFile, "TQuenvalisForm::LoadBrowserContent", ""), [&](TFunStatContext&) {
    model_.LoadBrowserContent(path, ListState());
    {
      // The list paints rows while it is refilled, before its top index is
      // the one to keep: those rows are not recorded.
      const TFlagScope filling(filling_);
      BrowserListBox.SetCount(static_cast<int>(model_.Items().size()));
      BrowserListBox.SetItemIndex(model_.Selected());
      if (model_.TopIndex() >= 0) BrowserListBox.SetTopIndex(model_.TopIndex());
    }
    RecordSelection();
  });
}

void TBrowser::ActivateBrowserItem() {
  const TBrowserActivation activation = model_.Activation(BrowserListBox.ItemIndex());
  if (activation.Action == TBrowserAction::ShowFolder) {
    LoadBrowserContent(activation.Path);
  } else if (activation.Action == TBrowserAction::OpenBook) {  // refused during a load
    book_.OpenBook(activation.Path, true);
  }
}

void TBrowser::BrowseUp() { LoadBrowserContent(model_.BrowseUpPath()); }

void TBrowser::BrowserHistorySelect(const std::string& path) {
  LoadBrowserContent(path);
  BrowserListBox.SetFocus();
}

void TBrowser::Repaint() { BrowserListBox.Invalidate(); }

void TBrowser::BookChosen(const std::string& fileName) {
  if (!model_.ShowsFolder()) {
    LoadBrowserContent(fileName);
    return;
  }
  // The open book is the file highlighted: the book, when its folder is on
  // display, else no file (a folder selected stays).
  const int book = model_.IndexOfFile(fileName);
  const std::vector<TBrowserItem>& items = model_.Items();
  const int selected = BrowserListBox.ItemIndex();
  const bool fileSelected = selected >= 0 && selected < static_cast<int>(items.size()) &&
                            !items[static_cast<size_t>(selected)].Folder;
  if (book >= 0) BrowserListBox.SetItemIndex(book);
  else if (fileSelected) BrowserListBox.SetItemIndex(-1);
  RecordSelection();
}

void TBrowser::ShowDriveOf(const std::string& fileName) { LoadBrowserContent(DriveOfPath(fileName)); }

void TBrowser::OptionLoaded(const TOptionEntry& opt) {
  const std::string key = opt.Key;
  for (const char* colour : {"ScreenBackColor", "ScreenForeColor", "BrowserFocusBackColor",
                             "BrowserFocusForeColor", "DirTypeBackColor", "DirTypeForeColor"})
    if (key == colour) Repaint();
}

void TBrowser::RecordSelection() {
  if (!filling_) model_.RecordSelection(BrowserListBox.ItemIndex(), BrowserListBox.TopIndex());
}

void TBrowser::BrowserListBoxDrawItem(HDC dc, int index, const RECT& rect, bool selected, bool focused) {
  Guarded(QV_OP(kFile, "TQuenvalisForm::BrowserListBoxDrawItem", ""), [&](TFunStatContext&) {
    const std::vector<TBrowserItem>& items = model_.Items();
    if (index < 0 || index >= static_cast<int>(items.size())) return;
    win::TBrowserRowColors colors;
    // Every text stays readable on its cell whatever the colours chosen.
    colors.Window = BrowserListBox.Color();
    colors.Font = BrowserListBox.DrawnTextColor();
    colors.DirTypeBack = DisplayColor(colors_.DirTypeBack.Panel.CurrentColor());
    colors.DirTypeFore = ReadableTextColor(DisplayColor(colors_.DirTypeFore.Panel.CurrentColor()), colors.DirTypeBack);
    colors.FocusBack = DisplayColor(colors_.BrowserFocusBack.Panel.CurrentColor());
    colors.FocusFore = ReadableTextColor(DisplayColor(colors_.BrowserFocusFore.Panel.CurrentColor()), colors.FocusBack);
    win::PaintBrowserRow(dc, rect, items[static_cast<size_t>(index)], selected, focused, colors,
                         BrowserListBox.Dpi());
    if (selected && !filling_) model_.RecordSelection(index, BrowserListBox.TopIndex());
  });
}

void TBrowser::BrowserListBoxKeyPress(char& key) {
  const TBrowserKey action = BrowserKeyAction(key);
  key = 0;  // every key is the browser's: the list's own type-ahead never runs
  switch (action) {
    case TBrowserKey::BrowseUp: BrowseUp(); break;
    case TBrowserKey::Activate: ActivateBrowserItem(); break;
    case TBrowserKey::Partitions: LoadBrowserContent(model_.PartitionsPath()); break;
    case TBrowserKey::Ignore: break;
  }
}

void TBrowser::BrowserListBoxMouseDown(TMouseButton button, unsigned shift, int x, int y) {
  Guarded(QV_OP(kFile, "TQuenvalisForm::BrowserListBoxMouseDown", ""), [&](TFunStatContext& local) {
    const int item = BrowserListBox.ItemAt(x, y);
    BrowserListBox.SetItemIndex(item >= 0 ? item : BrowserListBox.ItemIndex());
    BrowserListBoxEndDrag();
    if (button != TMouseButton::Left || item < 0) return;
    // The partitions list has no folder to explore.
    if ((shift & ssCtrl) && model_.ShowsFolder() && !win::RunVerb(BrowserDir(), "Explore", ""))
      TakeFailure(local);
    if (shift & ssDouble) ActivateBrowserItem();
  });
}

void TBrowser::BrowserListBoxMouseMove(int x, int y) {
  BrowserListBox.SetHint(model_.Hint(BrowserListBox.ItemAt(x, y), GroupedNumber));
  Application().ControlMouseMove(&BrowserListBox);
}

void TBrowser::BrowserListBoxEndDrag() {
  // Clearing and restoring the selection repaints the selected row.
  const int selected = BrowserListBox.ItemIndex();
  BrowserListBox.SetItemIndex(-1);
  BrowserListBox.SetItemIndex(selected);
}

}  // namespace qv::app
