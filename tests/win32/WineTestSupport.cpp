#include "WineTestSupport.h"

#include <fstream>
#include <map>
#include <sstream>

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

ProgramForms::ProgramForms(bool keepSettings) {
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
  win::Application().StartEvents();
  PumpFor(50);
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

std::string TestDirectory() {
  const std::string dir = win::ProgramDirectory() + "testdata\\";
  CreateDirectoryA(dir.c_str(), nullptr);
  return dir;
}

std::string WriteTestFile(const std::string& name, const std::string& bytes) {
  const std::string path = TestDirectory() + name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  return path;
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace qv::testing
