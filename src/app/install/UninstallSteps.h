// Carrying out an uninstall plan (install/UninstallPlan.h) on the system, and
// the delayed removal of the running program: a copy of it in the temporary
// folder deletes the program file once every run of it has ended, then its
// folder when nothing else is left there.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "app/install/RunOrder.h"
#include "install/UninstallPlan.h"

namespace qv::app {

struct TUninstallReport {
  std::vector<std::string> Left;  // what could not be removed
  std::vector<std::string> Kept;  // folders kept because they hold files the installation did not make
};

// True when the system's uninstall entry name of scope names the installation
// in folder: by its uninstall command's program or by its install location.
bool EntryNamesFolder(TInstallScope scope, const std::string& name, const std::string& folder);

// Runs the steps of plan that take accepts, in order, adding to report.
void RunUninstallSteps(const std::vector<TUninstallStep>& plan, TInstallScope scope,
                       const std::function<bool(const TUninstallStep&)>& take, TUninstallReport& report);

// The work of the copy that finishes an uninstallation (the order's "Program"
// and "Folder"); answers its exit code.
int FinishProgramRemoval(const TRunOrder& order);

}  // namespace qv::app
