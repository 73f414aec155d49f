// The program's help: an HTML file beside the executable, opened by the shell.
#pragma once
#include <string>

namespace qv::win {

std::string HelpFileName();
// Opens the help at a topic; a missing help file or a failing shell gives a message.
void OpenHelp(int context);
// Hands a web address or a file to the shell; false when that failed.
bool OpenSite(const std::string& address);

}  // namespace qv::win
