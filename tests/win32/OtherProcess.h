// Driving a program in a process of its own, as a person would: its windows
// found by caption, its buttons pressed with messages, its questions answered
// through the real message boxes' buttons.
#pragma once
#include <windows.h>

#include <set>
#include <string>
#include <vector>

namespace qv::testing {

class TChild {
 public:
  // Starts exe with arguments (already quoted as needed); folder "" keeps ours.
  TChild(const std::string& exe, const std::string& arguments, const std::string& folder = "");
  ~TChild();  // ends the process if it still runs
  TChild(const TChild&) = delete;
  TChild& operator=(const TChild&) = delete;
  bool Started() const { return started_; }
  DWORD Id() const { return info_.dwProcessId; }
  bool Ended(DWORD ms) const;
  DWORD ExitCode() const;

 private:
  PROCESS_INFORMATION info_{};
  bool started_ = false;
};

std::string TextOf(HWND window);
// The first visible top-level window with this caption, of process pid or,
// when pid is 0, of any process but this one; looked for at least once.
HWND WaitForWindow(DWORD pid, const std::string& caption, int ms = 20000);
std::vector<HWND> ChildrenOf(HWND parent);
std::set<std::string> TextsOf(HWND parent);
HWND ChildWithText(HWND parent, const std::string& text);
// The first child whose class name begins with prefix, without regard to case.
HWND ChildOfClass(HWND parent, const std::string& prefix);
// An edit child: the one-line one, or the multi-line one.
HWND EditChild(HWND parent, bool multiLine);
// Presses a button of a window of another process without waiting for what it starts.
void Press(HWND window, const std::string& caption);
// Clicks a check box or radio button of another process as the mouse would.
void Click(HWND window, const std::string& caption);
bool IsChecked(HWND window, const std::string& caption);
// Waits for a message box of pid, answers it with one of its buttons and gives its text.
std::string Answer(DWORD pid, const std::string& caption, int button);
// Closes a program through its own close path; true when it ended in time.
bool CloseProgram(HWND window, int ms = 15000);

std::string ShellFolder(int csidl);
bool Exists(const std::string& path);
// Waits until path is gone; true when it went in time.
bool WaitUntilGone(const std::string& path, int ms);
// The files and folders in folder (with a trailing back-slash), by their paths
// relative to it; with deep also those below its sub-folders.
std::set<std::string> ListTree(const std::string& folder, bool deep = true);

}  // namespace qv::testing
