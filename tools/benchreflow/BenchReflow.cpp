// A font-size change applied to a 500 KB book of prose (made by
// scripts/make-bench-book) opened whole in the main window, against the time
// of loading the book: a change must not cost a reload. Prints, best of three
// each, the load (until the whole text is in the rich-box and painted) and the
// change (from the font size box's change to the text painted again at the
// new size, the reader's place kept), and the floor: the size set on all the
// text by one message to the control; the last line is "reflow ratio R".
#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "BenchWindow.h"
#include "platform/WideText.h"
#include "richbox/RichOps.h"
#include "util/Numbers.h"

using namespace qv;
using namespace qv::bench;

namespace {

double LoadSeconds(app::TQuenvalisForm& form) {
  Drain();
  const TStopwatch watch;
  form.Book.LoadFromFile("", 1, false, 0);
  RunUntilWhole(form);
  UpdateWindow(form.RichEdit.Handle());
  return watch.Seconds();
}

// The font size box set to points, as the reader chooses it from the list.
double ChangeSeconds(app::TQuenvalisForm& form, int points) {
  Drain();
  const TStopwatch watch;
  win::TComboBox& box = form.Text.Controls.FontSize.Box;
  box.SetText(std::to_string(points));
  box.OnChange();
  UpdateWindow(form.RichEdit.Handle());
  return watch.Seconds();
}

// The floor: the same size change made by one message to the control, which
// lays the whole text out again.
double BareChangeSeconds(app::TQuenvalisForm& form, int points) {
  Drain();
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_SIZE;
  format.yHeight = points * 20;
  const TStopwatch watch;
  SendMessageW(form.RichEdit.Handle(), EM_SETCHARFORMAT, SCF_ALL, LPARAM(&format));
  UpdateWindow(form.RichEdit.Handle());
  return watch.Seconds();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_reflow BOOK.txt\n");
    return 2;
  }
  TBenchWindow bench;
  app::TQuenvalisForm& form = *bench.form;
  const std::string path = WriteBenchFile("bench-reflow.txt", ReadBenchFile(argv[1]));
  form.Book.BookFileName = path;
  const int size = GetIntFromText(form.Text.Controls.FontSize.Box.Text(), 8, 50, 16);
  LoadSeconds(form);  // warms the code paths and fonts
  ChangeSeconds(form, size + 2);
  ChangeSeconds(form, size);
  double load = 1e9, change = 1e9;
  for (int run = 0; run < 3; ++run) {
    load = std::min(load, LoadSeconds(form));
    ScrollRichLineToTop(form.RichEdit, GetRichLineCount(form.RichEdit) / 2);  // the reader in the middle
    const int32_t top = GetRichTopPos(form.RichEdit);
    const double bigger = ChangeSeconds(form, size + 2);
    const bool kept = std::abs(GetRichTopPos(form.RichEdit) - top) < 200;
    const double back = ChangeSeconds(form, size);
    change = std::min({change, bigger, back});
    std::printf("run %d: load %.3f s, size %d to %d %.3f s, back %.3f s%s\n", run + 1, load, size, size + 2, bigger,
                back, kept ? "" : " (the place was NOT kept)");
    std::fflush(stdout);
  }
  double floor = 1e9;
  for (int run = 0; run < 3; ++run)
    floor = std::min({floor, BareChangeSeconds(form, size + 2), BareChangeSeconds(form, size)});
  std::printf("load %.3f s change %.3f s floor %.3f s\n", load, change, floor);
  std::printf("reflow ratio %.2f\n", change / load);
  DeleteFileW(win::ToWide(path).c_str());
  return 0;
}
