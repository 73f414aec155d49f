// A big plain-text book (4 MB of prose, made by scripts/make-bench-book)
// opened whole in the main window. Prints, best of three:
//   first: from LoadFromFile to the first text shown (the call returns with it);
//   whole: from LoadFromFile to the last part of the text in the rich-box;
//   stall: the longest time the window left a message unanswered meanwhile,
//     as a second thread sending it messages all the time sees it;
//   floor: the same rich text streamed in one piece into a bare control, shown;
// then, from outside: close, the time from a close request sent 2 s into the
// program's own load of the book (started with the book, the question about
// opening it in one piece answered Yes) to the end of its process.
// The split of a load: reading and enhancing, the first part, the streams of
// the later parts, and the rest (the message loop between runs of parts).
// Last line: "first F s whole W s stall S s close C s floor R s".
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>
#include <thread>

#include "BenchWindow.h"
#include "platform/WideText.h"
#include "widgets/Application.h"

using namespace qv;
using namespace qv::bench;

namespace {

struct TRun {
  double First = 0, Whole = 0, Stall = 0;
  double Streams = 0;  // the later parts' streams together
  double FirstStream = 0;
};

// Answers the longest time the window took to answer a message while running is set.
class TStallWatch {
 public:
  explicit TStallWatch(HWND window) : window_(window), thread_([this] { Watch(); }) {}
  ~TStallWatch() {
    stop_ = true;
    thread_.join();
  }
  void Begin() {
    longest_ = 0;
    running_ = true;
  }
  double End() {
    running_ = false;
    return longest_;
  }

 private:
  void Watch() {
    while (!stop_) {
      if (!running_) {
        Sleep(1);
        continue;
      }
      const TStopwatch watch;
      DWORD_PTR result = 0;
      SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &result);
      const double seconds = watch.Seconds();
      if (running_) longest_ = std::max(longest_.load(), seconds);
      Sleep(2);
    }
  }
  HWND window_;
  std::atomic<bool> running_{false}, stop_{false};
  std::atomic<double> longest_{0};
  std::thread thread_;
};

TRun LoadOnce(app::TQuenvalisForm& form, TStallWatch& stalls, const std::string& small, const std::string& big) {
  // After a small book, as a reader opens a big one.
  form.Book.BookFileName = small;
  form.Book.LoadFromFile("", 1, false, 0);
  Drain();
  form.Book.BookFileName = big;
  TRun run;
  std::unique_ptr<TStopwatch> current;
  bool first = true;
  form.RichEdit.OnStreamIn = [&](const std::string&, unsigned) { current = std::make_unique<TStopwatch>(); };
  form.RichEdit.OnStreamedIn = [&] {
    const double s = current ? current->Seconds() : 0;
    (first ? run.FirstStream : run.Streams) += s;
    first = false;
  };
  stalls.Begin();
  const TStopwatch watch;
  form.Book.LoadFromFile("", 1, false, 0);
  UpdateWindow(form.RichEdit.Handle());
  run.First = watch.Seconds();
  RunUntilWhole(form);
  run.Whole = watch.Seconds();
  run.Stall = stalls.End();
  form.RichEdit.OnStreamIn = nullptr;
  form.RichEdit.OnStreamedIn = nullptr;
  return run;
}

struct TFind {
  DWORD process;
  const wchar_t* title;
  HWND found;
};

BOOL CALLBACK FindTitled(HWND w, LPARAM data) {
  auto* f = reinterpret_cast<TFind*>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  wchar_t text[64] = L"";
  GetWindowTextW(w, text, 64);
  if (pid != f->process || !IsWindowVisible(w) || wcscmp(text, f->title) != 0) return TRUE;
  f->found = w;
  return FALSE;
}

// The visible top window of the process with this title, or null.
HWND FindWindowOf(DWORD process, const wchar_t* title) {
  TFind find{process, title, nullptr};
  EnumWindows(FindTitled, LPARAM(&find));
  return find.found;
}

// The program started with the book; a close request 2 s into its load.
double CloseSeconds(const std::string& exe, const std::string& book) {
  // The options of the program's folder open books whole, as the window did above.
  const std::string folder = exe.substr(0, exe.find_last_of('\\') + 1);
  const std::string ini = folder + "Quenvalis.ini";
  const std::string kept = ReadBenchFile(ini);
  WriteWholeFile(ini, "[Quenvalis_Main]\r\nOpenInPieces=0\r\nAutoLoadLast=0\r\n");
  std::wstring command = win::ToWide("\"" + exe + "\" \"" + book + "\"");
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  double seconds = -1;
  if (CreateProcessW(win::ToWide(exe).c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    // The question about opening the book in one piece: Yes starts the load.
    HWND query = nullptr;
    for (int i = 0; i < 3000 && !query; ++i, Sleep(10)) query = FindWindowOf(pi.dwProcessId, L"Query");
    if (query) PostMessageW(query, WM_COMMAND, IDYES, 0);
    Sleep(2000);
    HWND main = FindWindowOf(pi.dwProcessId, L"Quenvalis");
    const TStopwatch watch;
    if (main) PostMessageW(main, WM_CLOSE, 0, 0);
    if (main && WaitForSingleObject(pi.hProcess, 60000) == WAIT_OBJECT_0) seconds = watch.Seconds();
    else TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
  WriteWholeFile(ini, kept);
  return seconds;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: bench_big QUENVALIS.EXE BOOK.txt\n");
    return 2;
  }
  const std::string exe = argv[1], bookPath = argv[2];
  const std::string bytes = ReadBenchFile(bookPath);
  TBenchWindow bench;
  app::TQuenvalisForm& form = *bench.form;
  const std::string small = WriteBenchFile("bench-big-small.txt", "A small book.\r\n");
  const std::string big = WriteBenchFile("bench-big.txt", bytes);
  TStallWatch stalls(form.Handle());

  TRun best;
  best.Whole = 1e9;
  for (int i = 0; i < 3; ++i) {
    const TRun run = LoadOnce(form, stalls, small, big);
    std::printf("load %d: first %.3f s, whole %.3f s, stall %.3f s\n", i + 1, run.First, run.Whole, run.Stall);
    std::fflush(stdout);
    if (run.Whole < best.Whole) best = run;
  }
  const bool whole = form.RichEdit.GetText().find("***** End of Book *****") != std::string::npos;
  double enhance = 0, write = 0;
  const std::string rtf = EnhancedRichText(form, bytes, &enhance, &write);
  double floor = 1e9;
  for (int i = 0; i < 3; ++i) floor = std::min(floor, StreamSeconds(FreshControl(form), rtf, SF_RTF));
  // Clearing the big book for the next one: the window's text goes with its window.
  const TStopwatch clearing;
  form.RichEdit.Clear();
  const double cleared = clearing.Seconds();
  std::printf("split of the best load (s): reading and enhancing %.3f (of it enhancing %.3f, writing the rich text "
              "%.3f), first part %.3f, later parts' streams %.3f, the rest (the loop between runs of parts) %.3f\n",
              best.First - best.FirstStream, enhance, write, best.FirstStream, best.Streams,
              best.Whole - best.First - best.Streams);
  std::printf("clearing the big book: %.3f s%s\n", cleared, whole ? "" : "; the book was NOT shown whole");
  std::fflush(stdout);
  bench.form.reset();
  bench.error.reset();
  DeleteFileW(win::ToWide(small).c_str());
  DeleteFileW(win::ToWide(big).c_str());

  const double close = CloseSeconds(exe, bookPath);
  std::printf("first %.2f s whole %.2f s stall %.2f s close %.2f s floor %.2f s\n", best.First, best.Whole,
              best.Stall, close, floor);
  return 0;
}
