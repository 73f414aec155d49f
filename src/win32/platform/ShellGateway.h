// The one way to the shell: every web page, file, verb and help page the
// program hands to the system passes through the gateway's Execute. Tests put
// a gateway of their own in place to see what would have been started.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

namespace qv::win {

struct TShellRequest {
  std::string Verb;        // empty: the file's default action
  std::string File;        // a file, folder or address
  std::string Parameters;
  std::string Folder;      // the working folder; empty: the current one
  int Show = SW_SHOWNORMAL;
  HWND Owner = nullptr;
  bool ConnectNetworkDrives = false;  // a file on a network drive connects the drive first
  // When set, receives the program the shell started for the request (null
  // when it started none, or handed the request to a program already running);
  // the caller closes the handle.
  HANDLE* Process = nullptr;
};

class TShellGateway {
 public:
  virtual ~TShellGateway() = default;
  // ShellExecuteEx of the request; false with the system's error code
  // (ERROR_CANCELLED when the user declined the "runas" verb's question).
  virtual bool Execute(const TShellRequest& request, uint32_t& error);
};

// The gateway in use: the system's shell unless a test installed its own.
TShellGateway& ShellGateway();
void SetShellGateway(TShellGateway* gateway);  // null puts the system's shell back

}  // namespace qv::win
