// The file browser in the sidebar's "Browser" group: the owner-drawn list of
// partitions, folders and books, its buttons, the history of the folders it
// showed, and the two web pages of free books. Books open through IBook, which
// chooses their profile.
#pragma once
#include <string>

#include "app/Sidebar.h"
#include "app/book/Book.h"
#include "app/colors/Colors.h"
#include "app/persistence/OptionBinding.h"
#include "browser/BrowserModel.h"
#include "forms/HistoryPopup.h"
#include "history/HistoryDialog.h"
#include "platform/BrowserListing.h"
#include "widgets/Controls.h"

namespace qv::app {

struct TBrowserControls {
  explicit TBrowserControls(TSidebar& sidebar);
  TButton UpBrowserButton, ReloadBrowserButton, FromBookBrowserButton, BrowserHistoryButton;
  TButton DownloadBooksButton, GutenbergBooksButton;
};

class TBrowser : public IOptionListener {
 public:
  // The list is the sidebar's BrowserListBox; window gives the colours of the
  // rows that are not selected, colors the panels of the selection and the
  // folders' type cells, read at every drawing.
  TBrowser(TSidebar& sidebar, TForm& window, TColorControls& colors, IBook& book);

  TBrowserControls Controls;
  TVirtualListBox& BrowserListBox;
  THistoryDialog BrowserHistory;
  win::THistoryPopup HistoryPopup;

  // The folder on display with a trailing back-slash; "" or a bare drive
  // while the partitions list is shown.
  const std::string& BrowserDir() const { return model_.BrowserDir(); }
  // What the list shows, in its order.
  const TBrowserModel& Model() const { return model_; }

  // Shows the folder of path with an item selected: "C:\Books\" that folder,
  // "C:\Books\Tale.txt" that folder with the book selected, "C:" or "" the
  // partitions list. A folder that cannot be listed gives way to its nearest
  // listable parent (or the partitions) and leaves the history.
  void LoadBrowserContent(const std::string& path);
  // Enters the selected folder or opens the selected book.
  void ActivateBrowserItem();
  // The parent folder, with the folder just left selected.
  void BrowseUp();
  // A folder chosen in the history's menu.
  void BrowserHistorySelect(const std::string& path);
  // Paints the list again, in the panels' current colours.
  void Repaint();

  // A new book was chosen: while no folder is on display, its folder is shown
  // with the book selected.
  void BookChosen(const std::string& fileName);
  // At start, after the welcome book: the partitions list with the book's drive selected.
  void ShowDriveOf(const std::string& fileName);

  // A browser colour of the profile was put into its panel.
  void OptionLoaded(const TOptionEntry& opt) override;

  // The list's events.
  void BrowserListBoxDrawItem(HDC dc, int index, const RECT& rect, bool selected, bool focused);
  void BrowserListBoxKeyPress(char& key);
  void BrowserListBoxMouseDown(TMouseButton button, unsigned shift, int x, int y);
  void BrowserListBoxMouseMove(int x, int y);
  void BrowserListBoxEndDrag();

 private:
  TBrowserListState ListState() const;
  // Remembers the selection with the list's top index in the history.
  void RecordSelection();

  TForm& window_;
  TColorControls& colors_;
  IBook& book_;
  win::TBrowserListing listing_;
  TBrowserModel model_;
  bool filling_ = false;  // the list is being refilled: its rows are not recorded
};

}  // namespace qv::app
