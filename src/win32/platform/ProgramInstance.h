// The single-instance lock and the install-mode decision.
#pragma once
#include <string>
#include <vector>

namespace qv::win {

// Takes the named instance lock; true when another instance already holds it.
bool IsProgramAlreadyRunning(const std::string& name);
void ReleaseProgramInstance();

// Install mode: the executable is named "Install.exe", or the first argument is "/Uninstall".
bool IsInstallMode();
bool IsInstallModeFor(const std::string& exeFileName, const std::string& firstArgument);

// The command-line arguments after the program name (quotes removed).
std::vector<std::string> CommandLineArguments();

}  // namespace qv::win
