// Opens plain-text books of 50 KB, 200 KB and 500 KB, and one of 500 KB in
// UTF-8, in the main window and compares the time from LoadFromFile to the
// shown text with the time of a bare plain-text stream of the same bytes into
// a fresh control (the floor).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>

#include "app/QuenvalisForm.h"
#include "errors/ErrorPlatform.h"
#include "forms/ErrorForm.h"
#include "platform/Win32Platform.h"
#include "widgets/Application.h"

using namespace qv;

namespace {

// Every question is answered Yes (the one-piece question of the 500 KB book).
class TYesBoxes : public IMessageBoxPlatform {
 public:
  int ShowBox(const std::string&, const std::string&, uint32_t) override { return IDYES; }
  void Beep(bool) override {}
};

// Prose-like lines of about 70 characters, broken as a typical book is.
std::string MakeBook(size_t bytes) {
  static const char* const words[] = {"the", "reader", "opened", "a", "book", "and", "turned", "its",
                                      "pages", "slowly,", "while", "rain", "fell", "on", "quiet", "streets."};
  std::string text;
  unsigned seed = 12345;
  size_t line = 0;
  while (text.size() < bytes) {
    seed = seed * 1103515245u + 12345u;
    const char* w = words[(seed >> 16) % 16];
    text += w;
    line += strlen(w) + 1;
    if (line > 68) {
      text += "\r\n";
      line = 0;
      if ((seed >> 8) % 7 == 0) text += "\r\n";
    } else {
      text += ' ';
    }
  }
  text.resize(bytes);
  return text;
}

// The same prose in UTF-8 (no mark), mostly ASCII: every "a" in typographic
// quotes and every "its" as "it’s", cut to size at the start of a character.
std::string MakeUtf8Book(size_t bytes) {
  const std::string ascii = MakeBook(bytes);
  std::string text;
  for (size_t i = 0; i < ascii.size();) {
    if (ascii.compare(i, 3, " a ") == 0) {
      text += " \xE2\x80\x9C" "a\xE2\x80\x9D ";
      i += 3;
    } else if (ascii.compare(i, 4, " its") == 0) {
      text += " it\xE2\x80\x99s";
      i += 4;
    } else {
      text += ascii[i++];
    }
  }
  size_t end = std::min(bytes, text.size());
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  text.resize(end);
  return text;
}

double Seconds(LARGE_INTEGER a, LARGE_INTEGER b) {
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  return double(b.QuadPart - a.QuadPart) / double(f.QuadPart);
}

void Drain() {
  for (int i = 0; i < 5; ++i) win::Application().ProcessMessages();
}

DWORD CALLBACK ReadBytes(DWORD_PTR cookie, LPBYTE buf, LONG cb, LONG* pcb) {
  auto* src = reinterpret_cast<std::pair<const std::string*, size_t>*>(cookie);
  const size_t n = std::min(size_t(cb), src->first->size() - src->second);
  memcpy(buf, src->first->data() + src->second, n);
  src->second += n;
  *pcb = LONG(n);
  return 0;
}

// A fresh control of the same class and size as the rich-box, the bytes streamed in as plain text.
double FloorSeconds(app::TQuenvalisForm& form, const std::string& bytes) {
  const RECT r = form.RichEdit.Bounds();
  HWND h = CreateWindowExA(0, form.RichEdit.ClassName(), "",
                           WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_NOHIDESEL,
                           r.left, r.top, r.right - r.left, r.bottom - r.top, form.Handle(), nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  SendMessageA(h, EM_EXLIMITTEXT, 0, 0x7FFFFFFF);
  Drain();
  LARGE_INTEGER a, b;
  QueryPerformanceCounter(&a);
  std::pair<const std::string*, size_t> src{&bytes, 0};
  EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&src), 0, ReadBytes};
  SendMessageA(h, EM_STREAMIN, SF_TEXT, LPARAM(&es));
  UpdateWindow(h);
  QueryPerformanceCounter(&b);
  DestroyWindow(h);
  Drain();
  return Seconds(a, b);
}

double LoadSeconds(app::TQuenvalisForm& form, const std::string& path) {
  Drain();
  LARGE_INTEGER a, b;
  QueryPerformanceCounter(&a);
  form.Book.LoadFromFile(path, 1, false, 0);
  UpdateWindow(form.RichEdit.Handle());
  QueryPerformanceCounter(&b);
  Drain();
  return Seconds(a, b);
}

}  // namespace

int main() {
  TYesBoxes boxes;
  ErrorEnvironment.MessageBoxes = &boxes;
  win::InstallWin32Platform();
  app::TQuenvalisForm::IsFirstActivation = false;  // no start-up book
  auto form = std::make_unique<app::TQuenvalisForm>();
  auto error = std::make_unique<win::TErrorForm>(form.get());
  form->InitializeForm();
  form->ShowMaximizedOnMonitor();
  form->Book.Controls.OpenInPiecesCheckBox.SetChecked(false);  // each book opens whole
  Drain();
  double maxRatio = 0;
  std::printf("%-8s %12s %12s %8s\n", "book", "load (s)", "floor (s)", "ratio");
  const struct {
    const char* name;
    size_t kb;
    std::string (*make)(size_t bytes);
  } books[] = {{"", 50, MakeBook}, {"", 200, MakeBook}, {"", 500, MakeBook}, {"-utf8", 500, MakeUtf8Book}};
  for (const auto& book : books) {
    const size_t kb = book.kb;
    const std::string bytes = book.make(kb * 1000);
    const std::string path = win::ProgramDirectory() + "bench-" + std::to_string(kb) + "k" + book.name + ".txt";
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD n = 0;
    WriteFile(h, bytes.data(), DWORD(bytes.size()), &n, nullptr);
    CloseHandle(h);
    form->Book.BookFileName = path;
    LoadSeconds(*form, "");  // warms the code paths and fonts
    // The best of three runs each: the machine is shared, the best is the least disturbed.
    double load = 1e9, floor = 1e9;
    for (int run = 0; run < 3; ++run) {
      load = std::min(load, LoadSeconds(*form, ""));
      floor = std::min(floor, FloorSeconds(*form, bytes));
    }
    const double ratio = floor > 0 ? load / floor : 0;
    if (ratio > maxRatio) maxRatio = ratio;
    std::printf("%4zu KB%-6s %7.3f %12.3f %8.2f\n", kb, book.name, load, floor, ratio);
    std::fflush(stdout);
    DeleteFileA(path.c_str());
  }
  std::printf("max ratio %.2f\n", maxRatio);
  error.reset();
  form.reset();
  return 0;
}
