#include <gtest/gtest.h>

#include <string>

#include "options/MediaTitles.h"
#include "options/ProfileSelection.h"
#include "store/MemoryFileSystem.h"

namespace qv {
namespace {

const std::string kProgramDir = "C:\\Quenvalis";
const std::string kDefaultProfile = "C:\\Quenvalis\\QuenvalisProfile.fsp";

TEST(MediaTitles, FolderAndDefaultPaths) {
  EXPECT_EQ("C:\\Quenvalis\\BackImages\\", GetBackImagesDir(kProgramDir));
  EXPECT_EQ("C:\\Quenvalis\\BackSounds\\", GetBackSoundsDir(kProgramDir + "\\"));
  EXPECT_EQ(kDefaultProfile, GetDefaultProfilePath(kProgramDir));
}

TEST(MediaTitles, TitlesFromPaths) {
  const TMediaFolders folderProfile{kProgramDir, "C:\\Books\\Poe\\QuenvalisProfile.fsp", ""};
  const TMediaFolders defaultProfile{kProgramDir, "c:\\QUENVALIS\\quenvalisprofile.FSP", ""};
  // The default profile in the user's data folder: still the default one, whose
  // pictures are named relative to the program's picture folder.
  const TMediaFolders userDefault{kProgramDir, "C:\\Users\\Ann\\Quenvalis\\QuenvalisProfile.fsp",
                                  "C:\\Users\\Ann\\Quenvalis\\"};
  const TMediaFolders userFolder{kProgramDir, "C:\\Users\\Ann\\Quenvalis\\QuenvalisProfile.fsp", ""};
  const struct {
    const TMediaFolders* folders;
    const char* path;
    const char* title;
  } cases[] = {
      {&folderProfile, "C:\\Books\\Poe\\bg.jpg", "bg.jpg"},
      {&folderProfile, "c:\\books\\poe\\Pics\\bg.jpg", "Pics\\bg.jpg"},
      {&folderProfile, "C:\\Quenvalis\\BackImages\\Sky.bmp", "Sky.bmp"},
      {&folderProfile, "C:\\Books\\Poem\\bg.jpg", "C:\\Books\\Poem\\bg.jpg"},
      {&folderProfile, "", ""},
      {&defaultProfile, "C:\\Quenvalis\\BackImages\\Sky\\a.jpg", "Sky\\a.jpg"},
      {&defaultProfile, "C:\\Quenvalis\\bg.jpg", "C:\\Quenvalis\\bg.jpg"},
      {&defaultProfile, "D:\\Pictures\\bg.jpg", "D:\\Pictures\\bg.jpg"},
      {&userDefault, "C:\\Users\\Ann\\Quenvalis\\bg.jpg", "C:\\Users\\Ann\\Quenvalis\\bg.jpg"},
      {&userDefault, "C:\\Quenvalis\\BackImages\\Sky.bmp", "Sky.bmp"},
      {&userFolder, "C:\\Users\\Ann\\Quenvalis\\bg.jpg", "bg.jpg"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.title, GetImageTitle(c.path, *c.folders)) << c.path;
  EXPECT_EQ("Rain\\r.wav", GetSoundTitle("C:\\Quenvalis\\BackSounds\\Rain\\r.wav", defaultProfile));
  EXPECT_EQ("C:\\Quenvalis\\BackImages\\x.wav", GetSoundTitle("C:\\Quenvalis\\BackImages\\x.wav", defaultProfile));
}

TEST(MediaTitles, PathsFromTitles) {
  TMemoryFileSystem files;
  files.PutFile("C:\\Books\\Poe\\bg.jpg", "");
  files.PutFile("C:\\Books\\shared.jpg", "");
  files.PutFile("C:\\Quenvalis\\BackImages\\DefaultScreen.bmp", "");
  files.PutFile("C:\\Quenvalis\\BackSounds\\Default.wav", "");
  const TMediaFolders folders{kProgramDir, "C:\\Books\\Poe\\QuenvalisProfile.fsp", ""};
  EXPECT_EQ("", GetImagePath("", folders, files));
  EXPECT_EQ("D:\\Pictures\\missing.jpg", GetImagePath("D:\\Pictures\\missing.jpg", folders, files));
  EXPECT_EQ("C:\\Books\\Poe\\bg.jpg", GetImagePath("bg.jpg", folders, files));
  EXPECT_EQ("C:\\Books\\shared.jpg", GetImagePath("..\\shared.jpg", folders, files));
  EXPECT_EQ("C:\\Quenvalis\\BackImages\\DefaultScreen.bmp", GetImagePath("DefaultScreen.bmp", folders, files));
  EXPECT_EQ("C:\\Quenvalis\\BackImages\\*", GetImagePath("gone.jpg", folders, files));
  EXPECT_EQ("C:\\Quenvalis\\BackSounds\\Default.wav", GetSoundPath("Default.wav", folders, files));
  EXPECT_EQ("C:\\Quenvalis\\BackSounds\\*", GetSoundPath("bg.jpg\\x.wav", folders, files));
}

TEST(MediaTitles, DefaultNamesAreNormalised) {
  EXPECT_EQ("DefaultScreen.bmp", NormaliseMediaTitle("defaultscreen.jpg", DefaultScreenImageName));
  EXPECT_EQ("DefaultRich.bmp", NormaliseMediaTitle("DEFAULTRICH", DefaultRichImageName));
  EXPECT_EQ("Default.wav", NormaliseMediaTitle("default.WAVE", DefaultSoundName));
  EXPECT_EQ("Pics\\DefaultScreen.jpg", NormaliseMediaTitle("Pics\\DefaultScreen.jpg", DefaultScreenImageName));
  EXPECT_EQ("", NormaliseMediaTitle("", DefaultSoundName));
}

TEST(ProfileSelection, TheMostSpecificExistingProfileIsChosen) {
  const std::string book = "C:\\Books\\Poe\\Tale.txt";
  TMemoryFileSystem files;
  EXPECT_EQ(kDefaultProfile, SelectBookProfile(book, false, "C:\\Other.fsp", kProgramDir, files));
  files.PutFile("C:\\Books\\QuenvalisProfile.fsp", "");
  EXPECT_EQ("C:\\Books\\QuenvalisProfile.fsp", SelectBookProfile(book, false, "", kProgramDir, files));
  files.PutFile("C:\\Books\\Poe\\QuenvalisProfile.fsp", "");
  EXPECT_EQ("C:\\Books\\Poe\\QuenvalisProfile.fsp", SelectBookProfile(book, false, "", kProgramDir, files));
  files.PutFile("C:\\Books\\Poe\\tale.FSP", "");
  EXPECT_EQ("C:\\Books\\Poe\\Tale.fsp", SelectBookProfile(book, false, "", kProgramDir, files));
  // Keeping the profile: the current one comes first.
  files.PutFile("D:\\Chosen.fsp", "");
  EXPECT_EQ("D:\\Chosen.fsp", SelectBookProfile(book, true, "D:\\Chosen.fsp", kProgramDir, files));
  EXPECT_EQ("C:\\Books\\Poe\\QuenvalisProfile.fsp",
            SelectBookProfile(book, true, "D:\\Missing.fsp", kProgramDir, files));
}

TEST(ProfileSelection, ABookInADriveRootHasNoParentCandidate) {
  TMemoryFileSystem files;
  files.PutFile("QuenvalisProfile.fsp", "");  // whatever the current folder holds
  EXPECT_EQ(kDefaultProfile, SelectBookProfile("D:\\Tale.txt", false, "", kProgramDir, files));
  files.PutFile("D:\\QuenvalisProfile.fsp", "");
  EXPECT_EQ("D:\\QuenvalisProfile.fsp", SelectBookProfile("D:\\Tale.txt", false, "", kProgramDir, files));
}

TEST(ProfileSelection, ButtonTargetsByModifiers) {
  using B = TProfileButton;
  using T = TProfileTarget;
  const struct {
    TMouseModifiers m;
    T load, save;
  } cases[] = {
      {{false, false, false, false}, T::Current, T::Current},
      {{false, true, false, false}, T::Default, T::Default},
      {{true, false, false, false}, T::BookFolder, T::BookFolder},
      {{false, false, true, false}, T::None, T::Book},
      {{true, true, false, false}, T::None, T::Book},
      {{false, false, false, true}, T::None, T::Book},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.load, ProfileButtonTarget(B::Load, c.m));
    EXPECT_EQ(c.load, ProfileButtonTarget(B::Delete, c.m));
    EXPECT_EQ(c.save, ProfileButtonTarget(B::Save, c.m));
  }
  const std::string book = "C:\\Books\\Poe\\Tale.txt";
  EXPECT_EQ("D:\\Cur.fsp", ProfileTargetFile(T::Current, "D:\\Cur.fsp", kProgramDir, book));
  EXPECT_EQ(kDefaultProfile, ProfileTargetFile(T::Default, "D:\\Cur.fsp", kProgramDir, book));
  EXPECT_EQ("C:\\Books\\Poe\\QuenvalisProfile.fsp", ProfileTargetFile(T::BookFolder, "", kProgramDir, book));
  EXPECT_EQ("C:\\Books\\Poe\\Tale.fsp", ProfileTargetFile(T::Book, "", kProgramDir, book));
  EXPECT_EQ("", ProfileTargetFile(T::None, "", kProgramDir, book));
  EXPECT_TRUE(IsProfileFileName("C:\\A\\x.FSP"));
  EXPECT_FALSE(IsProfileFileName("C:\\A\\x.txt"));
  EXPECT_FALSE(IsProfileFileName("C:\\A.fsp\\x"));
}

TEST(MediaTitles, OnlyWaveNamesAreSounds) {
  for (const char* wave : {"a.wav", "C:\\S\\B.WAV", "x.Wave"}) EXPECT_TRUE(IsWaveFileName(wave)) << wave;
  for (const char* other : {"a.wav.exe", "a.mp3", "wav", "", "C:\\S.wav\\x.bat"})
    EXPECT_FALSE(IsWaveFileName(other)) << other;
}

}  // namespace
}  // namespace qv
