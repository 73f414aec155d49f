// Administrator rights for the installer. Writing into the program-files
// folder and under HKEY_LOCAL_MACHINE needs them on current systems; a program
// started as asInvoker does not have them until it is restarted through the
// shell's "runas" verb, which asks the user. The reader itself never runs
// with rights the user did not have when starting it.
#pragma once
#include <string>

namespace qv::win {

// True when creating a file in folder (or, when it does not exist yet, in its
// nearest existing parent) or writing under the local machine's uninstall key
// is refused for want of rights: an installation for all users then needs an
// administrator. Other failures (a missing drive, a file in the way) are not a
// question of rights and answer false: the operation itself reports them.
bool LacksMachineInstallRights(const std::string& folder);

// True when the user is an administrator, or can become one when asked (a
// split token under User Account Control).
bool UserCanBeAdministrator();

struct TElevatedRun {
  enum TKind { Ended, Refused, NotStarted } Kind = NotStarted;
  unsigned long ExitCode = 0;  // of a run that Ended
};
// Starts exe with parameters through the shell gateway's "runas" verb and
// waits for it, keeping the window messages flowing. Refused when the user
// declined the rights; NotStarted for any other failure to start ("Failed to
// get administrator rights.", Error, left in FunStatContext).
TElevatedRun RunElevatedAndWait(const std::string& exe, const std::string& parameters);

// Starts a program with the rights of the user's own shell: when this process
// was raised to administrator rights above the user's normal ones, the
// program is started with the shell's token so that it is not raised too;
// otherwise the shell's default action runs it (RunFile). "Failed to run file." (Error).
bool RunFileAsUser(const std::string& file);

}  // namespace qv::win
