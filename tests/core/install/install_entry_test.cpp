#include <gtest/gtest.h>

#include "install/InstallEntry.h"

namespace qv {
namespace {

TEST(InstallEntry, TheUninstallCommandIsQuotedAndReadBackInEitherForm) {
  const std::string exe = "C:\\Program Files\\Quenvalis\\Quenvalis.exe";
  EXPECT_EQ("\"" + exe + "\" /Uninstall", UninstallCommand(exe));
  const struct {
    const char* command;
    const char* program;
  } cases[] = {
      {"\"C:\\Program Files\\Quenvalis\\Quenvalis.exe\" /Uninstall", "C:\\Program Files\\Quenvalis\\Quenvalis.exe"},
      {"C:\\Program Files\\Quenvalis\\Quenvalis.exe /uninstall", "C:\\Program Files\\Quenvalis\\Quenvalis.exe"},
      {"\"C:\\Broken", ""},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(c.program, ProgramOfUninstallCommand(c.command)) << c.command;
}

TEST(InstallEntry, NamesTheProgramAsSettingsShowsIt) {
  TInstallPlaces places;
  places.ProgramName = "Quenvalis";
  places.ProgramFolder = "C:\\Program Files\\Quenvalis\\";
  const TUninstallEntry e = MakeUninstallEntry(places, "2.5.3", "The Quenvalis developers", 1025);
  EXPECT_EQ("Quenvalis", e.DisplayName);
  EXPECT_EQ("\"C:\\Program Files\\Quenvalis\\Quenvalis.exe\" /Uninstall", e.UninstallString);
  EXPECT_EQ("C:\\Program Files\\Quenvalis\\Quenvalis.exe", e.DisplayIcon);
  EXPECT_EQ("2.5.3", e.DisplayVersion);
  EXPECT_EQ("The Quenvalis developers", e.Publisher);
  EXPECT_EQ("C:\\Program Files\\Quenvalis", e.InstallLocation);
  EXPECT_EQ(2u, e.EstimatedSize);  // kilobytes, rounded up
}

}  // namespace
}  // namespace qv
