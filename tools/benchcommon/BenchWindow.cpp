#include "BenchWindow.h"

#include <richedit.h>

#include <sstream>

#include "book/BookReader.h"
#include "encoding/TextEncoding.h"
#include "errors/ErrorPlatform.h"
#include "formatting/FormatControls.h"
#include "platform/WideText.h"
#include "platform/Win32Platform.h"
#include "richbox/MemoryRichBox.h"
#include "widgets/Application.h"

namespace qv::bench {

namespace {
class TYesBoxes : public IMessageBoxPlatform {
 public:
  int ShowBox(const std::string&, const std::string&, uint32_t) override { return IDYES; }
  void Beep(bool) override {}
};

DWORD CALLBACK ReadBytes(DWORD_PTR cookie, LPBYTE buf, LONG cb, LONG* pcb) {
  auto* src = reinterpret_cast<std::pair<const std::string*, size_t>*>(cookie);
  const size_t n = std::min(size_t(cb), src->first->size() - src->second);
  memcpy(buf, src->first->data() + src->second, n);
  src->second += n;
  *pcb = LONG(n);
  return 0;
}
}  // namespace

double TStopwatch::Seconds() const {
  LARGE_INTEGER now, f;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&f);
  return double(now.QuadPart - start_.QuadPart) / double(f.QuadPart);
}

TBenchWindow::TBenchWindow() {
  static TYesBoxes boxes;
  ErrorEnvironment.MessageBoxes = &boxes;
  win::InstallWin32Platform();
  app::TQuenvalisForm::IsFirstActivation = false;  // no start-up book
  form = std::make_unique<app::TQuenvalisForm>();
  error = std::make_unique<win::TErrorForm>(form.get());
  form->InitializeForm();
  form->Sidebar.Container_MainPanel.MakeWindows();  // as the program does once its first book is in
  form->ShowMaximizedOnMonitor();
  form->Book.Controls.OpenInPiecesCheckBox.SetChecked(false);
  Drain();
}

TBenchWindow::~TBenchWindow() {
  error.reset();
  form.reset();
}

void RunUntilWhole(app::TQuenvalisForm& form) {
  MSG msg;
  while (form.Book.Parts.Pending() && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void Drain() {
  for (int i = 0; i < 5; ++i) win::Application().ProcessMessages();
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
  HANDLE h = CreateFileW(win::ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD n = 0;
  WriteFile(h, bytes.data(), DWORD(bytes.size()), &n, nullptr);
  CloseHandle(h);
}

std::string WriteBenchFile(const std::string& name, const std::string& bytes) {
  const std::string path = win::ProgramDirectory() + name;
  WriteWholeFile(path, bytes);
  return path;
}

std::string ReadBenchFile(const std::string& path) {
  std::string bytes;
  HANDLE h = CreateFileW(win::ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return bytes;
  bytes.resize(GetFileSize(h, nullptr));
  DWORD n = 0;
  ReadFile(h, &bytes[0], DWORD(bytes.size()), &n, nullptr);
  bytes.resize(n);
  CloseHandle(h);
  return bytes;
}

HWND FreshControl(app::TQuenvalisForm& form) {
  const RECT r = form.RichEdit.Bounds();
  HWND h = CreateWindowExW(0, form.RichEdit.ClassName(), L"",
                           WS_CHILD | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_NOHIDESEL,
                           r.left, r.top, r.right - r.left, r.bottom - r.top, form.Handle(), nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  SendMessageW(h, EM_EXLIMITTEXT, 0, 0x7FFFFFFF);
  return h;
}

double StreamSeconds(HWND h, const std::string& bytes, WPARAM format) {
  Drain();
  const TStopwatch watch;
  std::pair<const std::string*, size_t> src{&bytes, 0};
  EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&src), 0, ReadBytes};
  SendMessageW(h, EM_STREAMIN, format, LPARAM(&es));
  ShowWindow(h, SW_SHOWNA);
  UpdateWindow(h);
  const double seconds = watch.Seconds();
  DestroyWindow(h);
  Drain();
  return seconds;
}

std::string EnhancedRichText(app::TQuenvalisForm& form, const std::string& bytes, double* enhance, double* write) {
  std::vector<std::string> lines = BookLines(bytes, DetectTextEncoding(bytes));
  lines.push_back("");
  lines.push_back("***** End of Book *****");
  TMemoryRichBox box;
  TEnhancedRichEdit enhancer(box, form.RichEdit.IsVersion3());
  ReadFormatDefaults(enhancer, form.Text.ReadFormatSettings());
  const app::TEnhanceOptions options = form.Text.ReadEnhanceOptions();
  {
    const TStopwatch watch;
    box.SetSelection(0, RichAllLength);
    enhancer.ApplyCharFormat(true, 0);
    enhancer.ApplyParaFormat(true, 0);
    box.SetSelection(0, 0);
    enhancer.EnhanceText(lines, options.ParagraphPrefix, options.IgnoreEmptyLines, options.PoorlyWritten);
    if (enhance) *enhance = watch.Seconds();
  }
  const TStopwatch watch;
  std::ostringstream rtf;
  box.SaveRichText(rtf);
  if (write) *write = watch.Seconds();
  return rtf.str();
}

}  // namespace qv::bench
