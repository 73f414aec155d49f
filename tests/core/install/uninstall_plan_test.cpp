#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "install/UninstallPlan.h"

namespace qv {
namespace {

using S = TUninstallStep;

TInstallPlaces Places(const std::string& folderName) {
  TInstallPlaces p;
  p.ProgramName = "Quenvalis";
  p.ProgramFolder = "C:\\Users\\Ann\\AppData\\Local\\Programs\\" + folderName + "\\";
  p.DesktopFolder = "C:\\Users\\Ann\\Desktop\\";
  p.ProgramsFolder = "C:\\Users\\Ann\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\";
  p.UserDataFolder = "C:\\Users\\Ann\\AppData\\Roaming\\Quenvalis\\";
  return p;
}

std::string Describe(const S& s) {
  static const char* const kinds[] = {"shortcut", "file", "folder if empty", "entry", "running program",
                                      "program folder"};
  return std::string(kinds[s.Kind]) + " " + s.Path + (s.Target.empty() ? "" : " -> " + s.Target) +
         (s.ReaderData ? " (data)" : "") + (s.UserFolder ? " (user)" : "");
}

std::vector<std::string> Describe(const std::vector<S>& plan) {
  std::vector<std::string> lines;
  for (const S& s : plan) lines.push_back(Describe(s));
  return lines;
}

TEST(UninstallPlan, RemovesWhatTheInstallationMadeAndKeepsTheReadersData) {
  const std::string dir = "C:\\Users\\Ann\\AppData\\Local\\Programs\\Quenvalis\\";
  const std::string menu = "C:\\Users\\Ann\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Quenvalis";
  const std::vector<std::string> expected = {
      "shortcut C:\\Users\\Ann\\Desktop\\Quenvalis.lnk -> " + dir + "Quenvalis.exe",
      "shortcut " + menu + "\\Quenvalis.lnk -> " + dir + "Quenvalis.exe",
      "shortcut " + menu + "\\Uninstall.lnk -> " + dir + "Quenvalis.exe",
      "shortcut " + menu + "\\Readme.lnk -> " + dir + "Readme.txt",
      "folder if empty " + menu,
      "entry Quenvalis -> " + dir.substr(0, dir.size() - 1),
      "file " + dir + "Readme.txt",
      "file " + dir + "Welcome.txt",
      "file " + dir + "ErrorFix.rtf",
      "file " + dir + "Help.htm",
      "file " + dir + "BackImages\\DefaultScreen.bmp",
      "file " + dir + "BackImages\\DefaultRich.bmp",
      "folder if empty " + dir + "BackImages",
      "folder if empty " + dir + "BackSounds",
      "running program " + dir + "Quenvalis.exe",
      "program folder " + dir.substr(0, dir.size() - 1),
  };
  EXPECT_EQ(expected, Describe(MakeUninstallPlan(Places("Quenvalis"), true)));
}

TEST(UninstallPlan, ReaderDataGoesOnlyWhenNotKeptFromBothDataFolders) {
  const TInstallPlaces places = Places("Quenvalis");
  const std::vector<S> kept = MakeUninstallPlan(places, true);
  const std::vector<S> plan = MakeUninstallPlan(places, false);
  std::vector<std::string> data;
  for (const S& s : plan)
    if (s.ReaderData) data.push_back(Describe(s));
  const std::string dir = places.ProgramFolder, user = places.UserDataFolder;
  const std::vector<std::string> expected = {
      "file " + dir + "Quenvalis.ini (data)", "file " + dir + "Quenvalis.ini.bak (data)",
      "file " + dir + "QuenvalisProfile.fsp (data)", "file " + dir + "QuenvalisProfile.fsp.bak (data)",
      "file " + dir + "Errors.log (data)",
      "file " + user + "Quenvalis.ini (data) (user)", "file " + user + "Quenvalis.ini.bak (data) (user)",
      "file " + user + "QuenvalisProfile.fsp (data) (user)",
      "file " + user + "QuenvalisProfile.fsp.bak (data) (user)", "file " + user + "Errors.log (data) (user)",
      "folder if empty " + user.substr(0, user.size() - 1) + " (data) (user)"};
  EXPECT_EQ(expected, data);
  EXPECT_EQ(kept.size() + expected.size(), plan.size());
  // The data goes before the program's own folders, so that they can empty.
  EXPECT_EQ(S::RunningProgram, plan[plan.size() - 2].Kind);
}

// A folder named like a system folder of the start menu ("Startup") is removed
// only when empty: the user's own startup items stay.
TEST(UninstallPlan, TheStartMenuFolderIsNeverDeletedWithWhatItHolds) {
  for (const S& s : MakeUninstallPlan(Places("Startup"), false)) {
    if (s.Path.find("Start Menu\\Programs\\Startup") == std::string::npos) continue;
    const bool onlyOurs = s.Kind == S::FolderIfEmpty || (s.Kind == S::Shortcut && !s.Target.empty());
    EXPECT_TRUE(onlyOurs) << Describe(s);
  }
}

}  // namespace
}  // namespace qv
