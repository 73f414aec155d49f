// The system's folder browser, behind an interface that tests answer.
#pragma once
#include <windows.h>

#include <string>

namespace qv::win {

class IFolderBrowser {
 public:
  virtual ~IFolderBrowser() = default;
  // Shows the browser over owner, starting at folder; true when the user chose
  // a file-system folder, whose path (without a trailing back-slash unless it
  // is a drive root) is then in folder.
  virtual bool Browse(HWND owner, const std::string& title, std::string& folder) = 0;
};

// The browser in use: the platform's, unless a test installed its own.
IFolderBrowser& FolderBrowser();
void SetFolderBrowser(IFolderBrowser* browser);  // null restores the platform's

}  // namespace qv::win
