// The program's help: an HTML page beside the executable, opened by the shell
// at the section of a help context.
#pragma once
#include <string>

namespace qv::win {

// The help contexts the program opens.
enum THelpContext : int {
  HelpMainWindow = 100,
  HelpErrorReports = 200,
  HelpKeys = 10000,
};

std::string HelpFileName();
// The address that opens the help file at a context's section ("file:///…/Help.htm#ctx100").
std::string HelpAddress(const std::string& helpFile, int context);
// Opens the help at a context; a missing help file or a failing shell gives a message.
void OpenHelp(int context);

}  // namespace qv::win
