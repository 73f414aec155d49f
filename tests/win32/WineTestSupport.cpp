#include "WineTestSupport.h"

#include <shlobj.h>

#include <fstream>
#include <map>
#include <sstream>

#include "platform/WideText.h"
#include "platform/Win32Platform.h"
#include "widgets/Application.h"

namespace qv::testing {

void PumpFor(int ms) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  while (static_cast<int>(end - GetTickCount()) > 0) {
    win::Application().ProcessMessages();
    Sleep(5);
  }
}

bool PumpUntil(const std::function<bool()>& done, int ms) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  while (!done()) {
    if (static_cast<int>(end - GetTickCount()) <= 0) return false;
    win::Application().ProcessMessages();
    Sleep(5);
  }
  return true;
}

namespace {
std::map<UINT_PTR, std::function<void()>>& PendingActions() {
  static std::map<UINT_PTR, std::function<void()>> actions;
  return actions;
}

void CALLBACK RunPending(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  auto it = PendingActions().find(id);
  if (it == PendingActions().end()) return;
  auto action = std::move(it->second);
  PendingActions().erase(it);
  action();
}
}  // namespace

void AfterDelay(int delayMs, std::function<void()> action) {
  const UINT_PTR id = SetTimer(nullptr, 0, static_cast<UINT>(delayMs), RunPending);
  PendingActions()[id] = std::move(action);
}

ProgramForms::ProgramForms(bool keepSettings, bool start, bool makeSidebar) {
  if (!keepSettings) {
    for (const char* name : {"Quenvalis.ini", "QuenvalisProfile.fsp", "testdata\\QuenvalisProfile.fsp"}) {
      const std::string path = win::ProgramDirectory() + name;
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(path.c_str());
    }
  }
  win::Application().ClearTermination();
  ErrorEnvironment.MessageBoxes = &boxes;
  win::InstallWin32Platform();
  app::TQuenvalisForm::IsFirstActivation = true;
  main = std::make_unique<app::TQuenvalisForm>();
  main->StartArguments.clear();  // the test program's own arguments are no book
  error = std::make_unique<win::TErrorForm>(main.get());
  about = std::make_unique<win::TAboutForm>(main.get());
  main->InitializeForm();
  main->ShowMaximizedOnMonitor();
  SetForegroundWindow(main->Handle());
  if (start) win::Application().StartEvents();
  PumpFor(50);
  // The sidebar's windows, as the program makes them in its first quiet moment after the first book.
  if (makeSidebar) main->Sidebar.Container_MainPanel.MakeWindows();
}

std::string ErrorReportOf(ProgramForms& forms, const std::function<void()>& action) {
  // The watch outlives this call when its last timer is still pending: it owns its state.
  struct TWatch {
    win::TErrorForm* dialog;
    std::string report;
    bool done = false;
  };
  auto state = std::make_shared<TWatch>(TWatch{forms.error.get(), {}, false});
  auto watch = std::make_shared<std::function<void()>>();
  *watch = [state, weak = std::weak_ptr<std::function<void()>>(watch)] {
    if (state->done) return;
    if (state->dialog->Visible()) {
      state->report = state->dialog->MainMemo.Text();
      state->dialog->OkayButton.Click();
      return;
    }
    if (auto next = weak.lock()) AfterDelay(30, *next);
  };
  AfterDelay(30, *watch);
  action();
  state->done = true;
  return state->report;
}

ProgramForms::~ProgramForms() {
  about.reset();
  error.reset();
  main.reset();
  PumpFor(20);
  win::Application().ClearTermination();
  ErrorEnvironment.MessageBoxes = nullptr;
}

void ProgramForms::CloseMain() {
  PostMessageA(main->Handle(), WM_CLOSE, 0, 0);
  PumpUntil([this] { return main->Handle() == nullptr; });
  win::Application().ClearTermination();
}

// A drop of several files, built as the shell builds it.
HDROP MakeDrop(const std::vector<std::string>& files) {
  std::wstring names;  // each name with its NUL, and one more NUL at the end
  for (const auto& f : files) names += win::ToWide(f) + L'\0';
  names += L'\0';
  HGLOBAL mem = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size() * sizeof(wchar_t));
  auto* df = static_cast<DROPFILES*>(GlobalLock(mem));
  df->pFiles = sizeof(DROPFILES);
  df->fWide = TRUE;
  memcpy(reinterpret_cast<char*>(df) + sizeof(DROPFILES), names.data(), names.size() * sizeof(wchar_t));
  GlobalUnlock(mem);
  return static_cast<HDROP>(mem);
}

std::string TestDirectory() {
  const std::string dir = win::ProgramDirectory() + "testdata\\";
  CreateDirectoryW(win::ToWide(dir).c_str(), nullptr);
  return dir;
}

// Names are UTF-8, as every name of the program.
std::string WriteTestFile(const std::string& name, const std::string& bytes) {
  const std::string path = name.find(':') != std::string::npos ? name : TestDirectory() + name;
  HANDLE file = CreateFileW(win::ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  if (file != INVALID_HANDLE_VALUE) {
    WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
  }
  return path;
}

std::string ReadWholeFile(const std::string& path) {
  HANDLE file = CreateFileW(win::ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  std::string data;
  if (file == INVALID_HANDLE_VALUE) return data;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) data.append(buffer, got);
  CloseHandle(file);
  return data;
}

}  // namespace qv::testing
