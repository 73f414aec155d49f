#include "platform/ShellGateway.h"

#include <shellapi.h>

#include "platform/WideText.h"

namespace qv::win {

bool TShellGateway::Execute(const TShellRequest& request, uint32_t& error) {
  const std::wstring verb = ToWide(request.Verb), file = ToWide(request.File),
                     parameters = ToWide(request.Parameters), folder = ToWide(request.Folder);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC |
               (request.ConnectNetworkDrives ? SEE_MASK_CONNECTNETDRV : 0) |
               (request.Process ? SEE_MASK_NOCLOSEPROCESS : 0);
  info.hwnd = request.Owner;
  info.lpVerb = verb.empty() ? nullptr : verb.c_str();
  info.lpFile = file.c_str();
  info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
  info.lpDirectory = folder.empty() ? nullptr : folder.c_str();
  info.nShow = request.Show;
  if (request.Process) *request.Process = nullptr;
  if (ShellExecuteExW(&info)) {
    if (request.Process) *request.Process = info.hProcess;
    return true;
  }
  error = GetLastError();
  return false;
}

namespace {
TShellGateway* installed = nullptr;
}  // namespace

TShellGateway& ShellGateway() {
  static TShellGateway system;
  return installed ? *installed : system;
}

void SetShellGateway(TShellGateway* gateway) { installed = gateway; }

}  // namespace qv::win
