// Shows a folder of 10,000 book files in the window's browser (TBrowser: the
// any-folder listing, the order and selection, the history, the owner-drawn
// list filled and painted) next to the floor: the same folder enumerated with
// FindFirstFile/FindNextFile and its names added to a plain list box. Also
// times painting one full screen of rows while scrolling, against the plain
// list box scrolled the same way. The last line reads "max ratio R".
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "app/Sidebar.h"
#include "app/book/Book.h"
#include "app/browser/Browser.h"
#include "app/colors/Colors.h"
#include "platform/FileServices.h"
#include "widgets/Application.h"
#include "widgets/Controls.h"
#include "widgets/Form.h"

namespace {

constexpr int kFiles = 10000;
constexpr int kRuns = 9;
constexpr int kScreens = 40;
// The browser list of a 1280 x 800 screen.
constexpr int kListWidth = 240, kListHeight = 370;

double Now() {
  LARGE_INTEGER f, t;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t);
  return double(t.QuadPart) / double(f.QuadPart);
}

// Names the way book files are named: author, title, sometimes a volume.
std::string BookName(int i) {
  static const char* const authors[] = {"Austen, Jane", "Dickens, Charles", "Tolstoy, Leo",
                                        "Dostoyevsky, Fyodor", "Eliot, George", "Hardy, Thomas",
                                        "Melville, Herman", "Twain, Mark"};
  static const char* const titles[] = {"Pride and Prejudice", "Great Expectations", "War and Peace",
                                       "The Brothers Karamazov", "Middlemarch",
                                       "Far from the Madding Crowd", "Moby Dick", "Life on the Mississippi"};
  const unsigned seed = static_cast<unsigned>(i) * 2654435761u;
  std::string name = std::string(authors[seed % 8]) + " - " + titles[(seed >> 8) % 8] + " (" +
                     std::to_string(1000 + i) + ")";
  if (i % 3 == 0) name += " Volume " + std::to_string(1 + i % 4);
  return name + (i % 5 == 0 ? ".rtf" : ".txt");
}

void Drain() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// No book is open while the benchmark runs.
class TNoBook : public qv::app::IBook {
 public:
  const std::string& FileName() const override { return name_; }
  bool IsOpen() const override { return false; }
  int32_t CurrentPiece() const override { return 1; }
  bool Loading() const override { return false; }
  bool OpenBook(const std::string&, bool) override { return false; }
  bool LoadFromFile(const std::string&, int32_t, bool, int32_t) override { return false; }
  bool WaitForText(int32_t) override { return true; }

 private:
  std::string name_;
};

// The fastest of kScreens paints of one screen of rows, each at a new top index.
double PaintScreens(HWND list, int rows) {
  double best = 1e9;
  for (int s = 0; s < kScreens; ++s) {
    SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(s * rows), 0);
    Drain();
    InvalidateRect(list, nullptr, TRUE);
    const double a = Now();
    UpdateWindow(list);
    GdiFlush();
    best = std::min(best, Now() - a);
  }
  return best;
}

}  // namespace

int main() {
  using namespace qv;
  const std::string folder = win::GetTempPathA() + "qv-bench-browser\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  for (int i = 0; i < kFiles; ++i) {
    const std::string path = folder + BookName(i);
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) std::ofstream(path) << "x";
  }

  win::TForm form("BenchForm", "Browser", 600, 800, {});
  app::TSidebar sidebar(&form);
  app::TColorControls colors(sidebar);
  TNoBook book;
  app::TBrowser browser(sidebar, form, colors, book);
  win::TVirtualListBox& list = sidebar.BrowserListBox;
  sidebar.Container_MainPanel.SetBounds(0, 0, 270, 800);
  sidebar.Container_OptionsPageControl.SetBounds(0, 0, 270, 765);
  sidebar.ProgramPageControl.SetBounds(0, 0, 262, 760);
  sidebar.BrowserGroupBox.SetBounds(3, 255, 250, kListHeight + 70);
  list.SetBounds(5, 63, kListWidth, kListHeight);
  list.SetItemHeight(list.Font().Height + 5);
  HWND plain = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY,
                               300, 0, kListWidth, kListHeight, form.Handle(), nullptr, GetModuleHandleA(nullptr),
                               nullptr);
  SendMessageA(plain, WM_SETFONT, reinterpret_cast<WPARAM>(list.FontHandle()), FALSE);
  SendMessageA(plain, LB_SETITEMHEIGHT, 0, list.ItemHeight());
  ShowWindow(form.Handle(), SW_SHOWNORMAL);
  Drain();

  double shown = 1e9, floor = 1e9;
  for (int run = 0; run < kRuns; ++run) {
    const double a = Now();
    browser.LoadBrowserContent(folder);
    UpdateWindow(list.Handle());
    const double b = Now();
    Drain();

    // Redraw stays off while adding, as for any bulk fill: under wine a
    // visible list box otherwise repaints at every added item (about 5 ms each).
    SendMessageA(plain, WM_SETREDRAW, FALSE, 0);
    SendMessageA(plain, LB_RESETCONTENT, 0, 0);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        if (found.cFileName[0] != '.')
          SendMessageA(plain, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(found.cFileName));
      } while (FindNextFileA(search, &found));
      FindClose(search);
    }
    SendMessageA(plain, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(plain, nullptr, TRUE);
    UpdateWindow(plain);
    const double c = Now();
    Drain();
    shown = std::min(shown, b - a);
    floor = std::min(floor, c - b);
  }
  const int items = static_cast<int>(SendMessageA(plain, LB_GETCOUNT, 0, 0));
  if (static_cast<int>(browser.Model().Items().size()) != kFiles || list.ItemCount() != kFiles || items != kFiles) {
    std::printf("listed %zu (%d in the list) and %d of %d files\n", browser.Model().Items().size(),
                list.ItemCount(), items, kFiles);
    return 1;
  }

  // One full screen of rows at a time, scrolling down the folder.
  const int rows = list.VisibleCount();
  const double paintOurs = PaintScreens(list.Handle(), rows);
  const double paintPlain = PaintScreens(plain, rows);

  const double ratio = shown / floor;
  std::printf("%-34s %10s %10s %7s\n", "measure", "ours (ms)", "floor (ms)", "ratio");
  std::printf("%-34s %10.1f %10.1f %7.2f\n", "show a folder of 10000 books", shown * 1000, floor * 1000, ratio);
  std::printf("%-34s %10.2f %10.2f %7.2f\n", ("paint one screen (" + std::to_string(rows) + " rows)").c_str(),
              paintOurs * 1000, paintPlain * 1000, paintOurs / paintPlain);
  std::printf("max ratio %.2f\n", ratio);
  return 0;
}
