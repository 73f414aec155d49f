#include "OtherProcess.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include "paths/PathStrings.h"
#include "platform/WideText.h"

namespace qv::testing {

TChild::TChild(const std::string& exe, const std::string& arguments, const std::string& folder) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  // Wide, so that names in any script reach the program whole.
  std::wstring commandLine = win::ToWide("\"" + exe + "\" " + arguments);
  const std::wstring directory = win::ToWide(folder);
  started_ = CreateProcessW(win::ToWide(exe).c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                            folder.empty() ? nullptr : directory.c_str(), &startup, &info_) != FALSE;
}

TChild::~TChild() {
  if (!started_) return;
  if (!Ended(0)) TerminateProcess(info_.hProcess, 9);
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool TChild::Ended(DWORD ms) const { return WaitForSingleObject(info_.hProcess, ms) == WAIT_OBJECT_0; }

DWORD TChild::ExitCode() const {
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

std::string TextOf(HWND window) {
  char buffer[8192] = "";
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                      3000, nullptr);
  return buffer;
}

namespace {
struct TSearch {
  DWORD Pid;
  const std::string& Caption;
  HWND Found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
  auto* s = reinterpret_cast<TSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  const bool ofProcess = s->Pid ? owner == s->Pid : owner != GetCurrentProcessId();
  if (!ofProcess || !IsWindowVisible(window) || TextOf(window) != s->Caption) return TRUE;
  s->Found = window;
  return FALSE;
}

BOOL CALLBACK AddChild(HWND child, LPARAM data) {
  reinterpret_cast<std::vector<HWND>*>(data)->push_back(child);
  return TRUE;
}
}  // namespace

HWND WaitForWindow(DWORD pid, const std::string& caption, int ms) {
  TSearch search{pid, caption, nullptr};
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  for (;;) {
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    if (search.Found || static_cast<int>(end - GetTickCount()) <= 0) return search.Found;
    Sleep(50);
  }
}

std::vector<HWND> ChildrenOf(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(parent, AddChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

std::set<std::string> TextsOf(HWND parent) {
  std::set<std::string> texts;
  for (HWND child : ChildrenOf(parent)) texts.insert(TextOf(child));
  return texts;
}

HWND ChildWithText(HWND parent, const std::string& text) {
  for (HWND child : ChildrenOf(parent))
    if (TextOf(child) == text) return child;
  return nullptr;
}

HWND ChildOfClass(HWND parent, const std::string& prefix) {
  for (HWND child : ChildrenOf(parent)) {
    char kind[64] = "";
    GetClassNameA(child, kind, sizeof kind);
    if (_strnicmp(kind, prefix.c_str(), prefix.size()) == 0) return child;
  }
  return nullptr;
}

HWND EditChild(HWND parent, bool multiLine) {
  for (HWND child : ChildrenOf(parent)) {
    char kind[32] = "";
    GetClassNameA(child, kind, sizeof kind);
    const bool isMultiLine = (GetWindowLongA(child, GWL_STYLE) & ES_MULTILINE) != 0;
    if (lstrcmpiA(kind, "Edit") == 0 && isMultiLine == multiLine) return child;
  }
  return nullptr;
}

void Press(HWND window, const std::string& caption) {
  HWND button = ChildWithText(window, caption);
  if (!button) {
    ADD_FAILURE() << "no button \"" << caption << "\"";
    return;
  }
  PostMessageA(window, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void Click(HWND window, const std::string& caption) {
  HWND box = ChildWithText(window, caption);
  if (!box) {
    ADD_FAILURE() << "no control \"" << caption << "\"";
    return;
  }
  SendMessageTimeoutA(box, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
}

bool IsChecked(HWND window, const std::string& caption) {
  HWND box = ChildWithText(window, caption);
  DWORD_PTR state = 0;
  return box && SendMessageTimeoutA(box, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 3000, &state) && state == BST_CHECKED;
}

std::string Answer(DWORD pid, const std::string& caption, int button) {
  HWND box = WaitForWindow(pid, caption);
  if (!box) return "(no \"" + caption + "\" box)";
  const std::string text = TextOf(GetDlgItem(box, 0xFFFF));
  PostMessageA(box, WM_COMMAND, button, 0);
  return text;
}

bool CloseProgram(HWND window, int ms) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
  PostMessageA(window, WM_CLOSE, 0, 0);
  const bool ended = process && WaitForSingleObject(process, static_cast<DWORD>(ms)) == WAIT_OBJECT_0;
  if (process) CloseHandle(process);
  return ended;
}

std::string ShellFolder(int csidl) {
  char path[MAX_PATH] = "";
  SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
  return IncludeTrailingBackslash(path);
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool WaitUntilGone(const std::string& path, int ms) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  while (Exists(path)) {
    if (static_cast<int>(end - GetTickCount()) <= 0) return false;
    Sleep(100);
  }
  return true;
}

namespace {
void AddTree(const std::string& folder, const std::string& prefix, bool deep, std::set<std::string>& names) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    names.insert(prefix + name);
    if (deep && (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      AddTree(folder + name + "\\", prefix + name + "\\", deep, names);
  } while (FindNextFileA(search, &found));
  FindClose(search);
}
}  // namespace

std::set<std::string> ListTree(const std::string& folder, bool deep) {
  std::set<std::string> names;
  AddTree(folder, "", deep, names);
  return names;
}

}  // namespace qv::testing
