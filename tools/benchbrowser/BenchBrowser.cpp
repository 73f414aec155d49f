// Shows a folder of 10,000 book files in the browser's owner-drawn list (the
// any-folder listing, the browser model's order and selection, the list
// filled and painted) next to the floor: the same folder enumerated with
// FindFirstFile/FindNextFile and its names added to a plain list box. Also
// times painting one full screen of rows. The last line reads "max ratio R".
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "browser/BrowserModel.h"
#include "history/HistoryDialog.h"
#include "platform/BrowserListing.h"
#include "platform/FileServices.h"
#include "widgets/Application.h"
#include "widgets/BrowserRowPainter.h"
#include "widgets/Controls.h"
#include "widgets/Form.h"

namespace {

constexpr int kFiles = 10000;
constexpr int kRuns = 9;
constexpr int kItemHeight = 13;

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

}  // namespace

int main() {
  using namespace qv;
  const std::string folder = win::GetTempPathA() + "qv-bench-browser\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  for (int i = 0; i < kFiles; ++i) {
    const std::string path = folder + BookName(i);
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) std::ofstream(path) << "x";
  }

  win::TForm form("BenchForm", "Browser", 600, 700, {});
  ShowWindow(form.Handle(), SW_SHOWNORMAL);
  win::TVirtualListBox list(&form, "BrowserListBox", 0, 0, 290, 690);
  list.SetItemHeight(kItemHeight);
  HWND plain = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY,
                               300, 0, 290, 690, form.Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);

  win::TBrowserListing listing;
  THistoryDialog history;
  TBrowserModel model(listing, history);
  const win::TBrowserRowColors colors;
  list.OnDrawItem = [&](HDC dc, int index, const RECT& r, bool selected, bool focused) {
    win::PaintBrowserRow(dc, r, model.Items()[static_cast<size_t>(index)], selected, focused, colors);
  };

  double shown = 1e9, floor = 1e9;
  for (int run = 0; run < kRuns; ++run) {
    const double a = Now();
    model.LoadBrowserContent(folder, {list.ItemIndex(), list.TopIndex(), list.VisibleCount()});
    list.SetCount(static_cast<int>(model.Items().size()));
    list.SetItemIndex(model.Selected());
    if (model.TopIndex() >= 0) list.SetTopIndex(model.TopIndex());
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
  if (static_cast<int>(model.Items().size()) != kFiles || items != kFiles) {
    std::printf("listed %zu and %d of %d files\n", model.Items().size(), items, kFiles);
    return 1;
  }

  // One full screen of rows, painted the browser's way and as plain text.
  const int rows = list.ClientHeight() / kItemHeight;
  const int width = list.ClientWidth();
  HDC dc = GetDC(list.Handle());
  SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  constexpr int kScreens = 50;
  const double d0 = Now();
  for (int s = 0; s < kScreens; ++s)
    for (int i = 0; i < rows; ++i) {
      const RECT r{0, i * kItemHeight, width, (i + 1) * kItemHeight};
      win::PaintBrowserRow(dc, r, model.Items()[static_cast<size_t>(s * rows + i)], i == 3, i == 3, colors);
    }
  GdiFlush();
  const double d1 = Now();
  for (int s = 0; s < kScreens; ++s)
    for (int i = 0; i < rows; ++i) {
      RECT r{0, i * kItemHeight, width, (i + 1) * kItemHeight};
      const std::string text = model.Items()[static_cast<size_t>(s * rows + i)].Caption();
      FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOW));
      DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_NOPREFIX);
    }
  GdiFlush();
  const double d2 = Now();
  ReleaseDC(list.Handle(), dc);

  // Where the time of showing goes.
  // Where the time of showing goes (the fastest of the runs for each part).
  double listed = 1e9, keyed = 1e9, modelled = 1e9, filled = 1e9;
  for (int run = 0; run < kRuns; ++run) {
    const double p0 = Now();
    TFolderListing raw;
    listing.List(folder, BrowserBookMask, raw);
    const double p1 = Now();
    for (const std::string& name : raw.Files) listing.SortKey(name);
    const double p2 = Now();
    model.LoadBrowserContent(folder, {list.ItemIndex(), list.TopIndex(), list.VisibleCount()});
    const double p3 = Now();
    list.SetCount(static_cast<int>(model.Items().size()));
    list.SetItemIndex(model.Selected());
    UpdateWindow(list.Handle());
    const double p4 = Now();
    Drain();
    listed = std::min(listed, p1 - p0);
    keyed = std::min(keyed, p2 - p1);
    modelled = std::min(modelled, p3 - p2);
    filled = std::min(filled, p4 - p3);
  }
  std::printf("parts: listing %.1f ms, sort keys %.1f ms, whole model (listing included) %.1f ms, "
              "list filled and painted %.1f ms\n",
              listed * 1000, keyed * 1000, modelled * 1000, filled * 1000);

  const double ratio = shown / floor;
  std::printf("%-34s %10s %10s %7s\n", "measure", "ours (ms)", "floor (ms)", "ratio");
  std::printf("%-34s %10.1f %10.1f %7.2f\n", "show a folder of 10000 books", shown * 1000, floor * 1000, ratio);
  std::printf("%-34s %10.2f %10.2f %7.2f\n", ("paint one screen (" + std::to_string(rows) + " rows)").c_str(),
              (d1 - d0) * 1000 / kScreens, (d2 - d1) * 1000 / kScreens, (d1 - d0) / (d2 - d1));
  std::printf("max ratio %.2f\n", ratio);
  return 0;
}
