#include <gtest/gtest.h>

#include <string>

#include "errors/ErrorFakes.h"
#include "options/MemoryOptionValues.h"
#include "options/OptionIO.h"
#include "store/MemoryFileSystem.h"
#include "store/StoredTextList.h"

namespace qv {
namespace {

const std::string kUtf8Mark = "\xEF\xBB\xBF";

const std::string kProgramDir = "C:\\Quenvalis\\";
const std::string kOptionsFile = "C:\\Quenvalis\\Quenvalis.ini";

class OptionsFileTest : public ::testing::Test {
 protected:
  testing::ScopedErrorEnvironment env;
  TMemoryFileSystem fs;
  TStoredTextList store{kOptionsFile, &fs};
  TOptionValueMap controls;
  int32_t systemWheelLines = 3;
  int bookshelfLoads = 0;

  void SetUp() override {
    controls.ResetToDefaults(ProgramOptionTable());
    controls.SetItems("Length", {"Meters", "Feet", "Miles"});
    controls.ResetToDefaults(ConverterOptionTable());
    store.OnLoad = [this](TStoredTextList& s) {
      LoadOptions(s, controls, systemWheelLines, [this] { ++bookshelfLoads; });
    };
    store.OnSave = [this](TStoredTextList& s) {
      SaveOptions(s, controls, [&s] { s.WriteInteger("Quenvalis_Bookshelf_Main", "Count", 0); });
    };
  }
  void LoadFile(const std::string& text) {
    fs.PutFile(kOptionsFile, text);
    ASSERT_TRUE(store.Load());
  }
};

TEST_F(OptionsFileTest, AFirstRunShowsTheDefaults) {
  systemWheelLines = 12;  // not among the items: no selection
  ASSERT_TRUE(store.Load());
  EXPECT_EQ(1, bookshelfLoads);
  EXPECT_TRUE(controls.Bool("AutoSaveProfile"));
  EXPECT_FALSE(controls.Bool("ForceRichEdit3"));
  EXPECT_EQ("", controls.Text("WheelScrollLines"));
  EXPECT_EQ("C:\\Program Files\\The American Heritage Dictionary\\AHD.EXE", controls.Text("DictionaryTitle"));
  EXPECT_EQ("50000", controls.Text("PieceSize"));
  EXPECT_EQ("45", controls.Text("RichBoxWidthPercent"));
  EXPECT_EQ("30", controls.Text("PrintLeftMargin"));
  EXPECT_EQ("Meters", controls.Text("Length"));
  EXPECT_EQ("Celsius", controls.Text("Temperature"));
  systemWheelLines = 15;
  ASSERT_TRUE(store.Load());
  EXPECT_EQ("15", controls.Text("WheelScrollLines"));
}

TEST_F(OptionsFileTest, StoredValuesOutsideTheRulesFallBackToDefaults) {
  controls.Bool("AutoBookmark") = false;  // booleans start from the control's state
  LoadFile(
      "[quenvalis_main]\npiecesize=5000\nRichBoxWidthPercent=100\nDictionaryTitle=\n"
      "autoloadlast=true\nRichBoxTopPercent=12\nWheelScrollLines=11\n"
      "[Quenvalis_ConvertMeasure]\nLength=Furlongs\nSpeed=" + std::string(260, 'x') + "\n");
  EXPECT_FALSE(controls.Bool("AutoBookmark"));
  EXPECT_FALSE(controls.Bool("AutoLoadLast"));  // lower-case "true"
  EXPECT_EQ("50000", controls.Text("PieceSize"));
  EXPECT_EQ("", controls.Text("RichBoxWidthPercent"));  // within bounds, no such item
  EXPECT_EQ("12", controls.Text("RichBoxTopPercent"));
  EXPECT_EQ("", controls.Text("WheelScrollLines"));
  EXPECT_EQ("C:\\Program Files\\The American Heritage Dictionary\\AHD.EXE", controls.Text("DictionaryTitle"));
  EXPECT_EQ("Meters", controls.Text("Length"));
  EXPECT_EQ("Meters / second", controls.Text("Speed"));

  LoadFile("[Quenvalis_Main]\nPieceSize=600000\nDictionaryTitle=" + std::string(260, 'd') + "\n");
  EXPECT_EQ("50000", controls.Text("PieceSize"));
  EXPECT_EQ("C:\\Program Files\\The American Heritage Dictionary\\AHD.EXE", controls.Text("DictionaryTitle"));
}

TEST_F(OptionsFileTest, SavingWritesTheTablesInOrderAroundTheBookshelf) {
  LoadFile("[Quenvalis_Main]\nOldKey=1\nRichBoxWidthPercent=100\nWheelScrollLines=13\nPieceSize=70000\n"
           "[Quenvalis_ConvertMeasure]\nLength=feet\n");
  ASSERT_TRUE(store.Save(false));
  EXPECT_EQ(
      kUtf8Mark + "[Quenvalis_Main]\r\nAutoSaveProfile=TRUE\r\nAutoBookmark=TRUE\r\nAutoLoadLast=TRUE\r\n"
      "WheelScrollLines=0\r\n"
      "DictionaryTitle=C:\\Program Files\\The American Heritage Dictionary\\AHD.EXE\r\n"
      "ClipboardForDic=TRUE\r\nForceRichEdit3=FALSE\r\nOpenInPieces=TRUE\r\nPieceSize=70000\r\n"
      "RichBoxWidthPercent=45\r\nRichBoxTopPercent=10\r\nRichBoxBottomPercent=15\r\n"
      "PrintLeftMargin=30\r\nPrintRightMargin=20\r\nPrintTopMargin=20\r\nPrintBottomMargin=20\r\n\r\n"
      "[Quenvalis_Bookshelf_Main]\r\nCount=0\r\n\r\n"
      "[Quenvalis_ConvertMeasure]\r\nLength=Feet\r\nSpeed=Meters / second\r\nArea=Meters^2\r\nVolume=Meters^3\r\n"
      "Weight=Kilograms\r\nTemperature=Celsius\r\n\r\n",
      fs.Content(kOptionsFile));
  systemWheelLines = 4;
  ASSERT_TRUE(store.Load());  // a stored 0 reads back as the system setting
  EXPECT_EQ("4", controls.Text("WheelScrollLines"));
}

TEST_F(OptionsFileTest, LoadedRunsAfterEveryOptionInOrder) {
  ASSERT_TRUE(store.Load());
  ASSERT_EQ(22u, controls.LoadedKeys.size());
  EXPECT_EQ("AutoSaveProfile", controls.LoadedKeys[0]);
  EXPECT_EQ("ForceRichEdit3", controls.LoadedKeys[6]);
  EXPECT_EQ("Temperature", controls.LoadedKeys[21]);
}

class ProfileTest : public ::testing::Test {
 protected:
  testing::ScopedErrorEnvironment env;
  TMemoryFileSystem fs;
  TStoredTextList store{"C:\\Books\\Poe\\QuenvalisProfile.fsp", &fs};
  TOptionValueMap controls;
  TBackSoundList sounds;
  TMediaFolders media{kProgramDir, "C:\\Books\\Poe\\QuenvalisProfile.fsp", ""};

  void SetUp() override {
    controls.ResetToDefaults(ProfileMainTable());
    controls.ResetToDefaults(ProfileSoundSwitchTable());
    store.OnLoad = [this](TStoredTextList& s) { LoadProfile(s, controls, sounds); };
    store.OnSave = [this](TStoredTextList& s) { SaveProfile(s, controls, sounds, media); };
  }
  bool LoadFile(const std::string& text) {
    fs.PutFile(store.FileName(), text);
    return store.Load();
  }
};

TEST_F(ProfileTest, AMissingKeyResetsItsOptionToTheDefault) {
  TOptionValueMap defaults;
  defaults.ResetToDefaults(ProfileMainTable());
  controls.Text("LeftMargin") = "40";
  controls.Color("ScreenBackColor") = 0x123456;
  controls.Text("FontName") = "Arial";
  ASSERT_TRUE(LoadFile("[Profile_Main]\nFontSize=20\n"));
  EXPECT_EQ("20", controls.Text("FontSize"));
  for (const TOptionEntry& opt : ProfileMainTable()) {
    if (std::string(opt.Key) == "FontSize") continue;
    EXPECT_EQ(defaults.Bool(opt.Key), controls.Bool(opt.Key)) << opt.Key;
    EXPECT_EQ(defaults.Text(opt.Key), controls.Text(opt.Key)) << opt.Key;
    EXPECT_EQ(defaults.Color(opt.Key), controls.Color(opt.Key)) << opt.Key;
  }
}

TEST_F(ProfileTest, OutOfBoundsValuesAndDefaultTitles) {
  ASSERT_TRUE(LoadFile(
      "[Profile_Main]\nFontSize=7\nLineSpacing=99\nTitleScreenBackImage=defaultscreen.jpg\n"
      "TitleRichBackImage=Pics\\DefaultRich.jpg\nScreenForeColor=Navy\nParagraphPrefix=- \n"
      "[Profile_BackSounds]\nCount=21\nFile0=DEFAULT.WAVE\nVol0=1001\n"));
  EXPECT_EQ("16", controls.Text("FontSize"));
  EXPECT_EQ("120", controls.Text("LineSpacing"));
  EXPECT_EQ("DefaultScreen.bmp", controls.Text("TitleScreenBackImage"));
  EXPECT_EQ("Pics\\DefaultRich.jpg", controls.Text("TitleRichBackImage"));
  EXPECT_EQ("- ", controls.Text("ParagraphPrefix"));
  EXPECT_EQ(1, sounds.Count);
  EXPECT_EQ("Default.wav", sounds.Titles[0]);
  EXPECT_EQ(50, sounds.Volumes[0]);

  ASSERT_TRUE(LoadFile("[Profile_Main]\nTitleScreenBackImage=\n[Profile_BackSounds]\nCount=3\nFile1=rain.wav\n"
                       "File2=\nDur2=500\nProb2=0\n"));
  EXPECT_EQ("DefaultScreen.bmp", controls.Text("TitleScreenBackImage"));
  EXPECT_EQ(3, sounds.Count);
  EXPECT_EQ("Default.wav", sounds.Titles[0]);  // missing key: sound 0's default
  EXPECT_EQ("rain.wav", sounds.Titles[1]);
  EXPECT_EQ("", sounds.Titles[2]);
  EXPECT_EQ(500, sounds.Durations[2]);
  EXPECT_EQ(100, sounds.Probabilities[2]);
}

TEST_F(ProfileTest, AnUnreadableColourFallsBackToItsDefaultAndTheRestStillLoads) {
  controls.Text("LeftMargin") = "40";
  controls.Color("ScreenBackColor") = 0x123456;
  EXPECT_FALSE(LoadFile("[Profile_Main]\nFadeScreenBackImage=50\nScreenBackColor=99999999999999999999\n"
                        "ScreenForeColor=255\nLeftMargin=30\n"));
  EXPECT_EQ("50", controls.Text("FadeScreenBackImage"));
  EXPECT_EQ(16777215u, controls.Color("ScreenBackColor"));  // the default, not the previous colour
  EXPECT_EQ(255u, controls.Color("ScreenForeColor"));
  EXPECT_EQ("30", controls.Text("LeftMargin"));
  EXPECT_EQ(1, env.view.shows);
}

TEST_F(ProfileTest, SaveWritesBothSectionsAndRoundTrips) {
  controls.Text("FontSize") = "20";
  controls.Text("TitleScreenBackImage") = "C:\\Books\\Poe\\bg.jpg";
  controls.Text("TitleRichBackImage") = "C:\\Quenvalis\\BackImages\\Paper.bmp";
  controls.Color("EmphaColor") = 0x80000005;
  controls.Bool("Use") = true;
  sounds.Count = 2;
  sounds.Titles[1] = "C:\\Quenvalis\\BackSounds\\Rain\\rain.wav";
  sounds.Volumes[1] = 200;
  ASSERT_TRUE(store.Save(false));
  const std::string text = fs.Content(store.FileName());
  EXPECT_NE(std::string::npos, text.find("FadeCenterScreenBackImage=0\r\nTitleScreenBackImage=bg.jpg\r\n"));
  EXPECT_NE(std::string::npos, text.find("TitleRichBackImage=Paper.bmp\r\n"));
  EXPECT_NE(std::string::npos, text.find("EmphaColor=-2147483643\r\n"));
  EXPECT_NE(std::string::npos,
            text.find("\r\n\r\n[Profile_BackSounds]\r\nUse=TRUE\r\nRandom=TRUE\r\nCount=2\r\n"
                      "File0=Default.wav\r\nVol0=50\r\nDur0=5\r\nProb0=100\r\n"
                      "File1=Rain\\rain.wav\r\nVol1=200\r\nDur1=5\r\nProb1=100\r\n\r\n"));
  EXPECT_EQ(0u, text.find(kUtf8Mark + "[Profile_Main]\r\nEnhanceText=TRUE\r\n"));

  TOptionValueMap before = controls;
  controls.ResetToDefaults(ProfileMainTable());
  sounds = TBackSoundList();
  ASSERT_TRUE(store.Load());
  EXPECT_EQ("20", controls.Text("FontSize"));
  EXPECT_EQ("bg.jpg", controls.Text("TitleScreenBackImage"));
  EXPECT_EQ(0x80000005u, controls.Color("EmphaColor"));
  EXPECT_TRUE(controls.Bool("Use"));
  EXPECT_EQ(2, sounds.Count);
  EXPECT_EQ("Rain\\rain.wav", sounds.Titles[1]);
  EXPECT_EQ(200, sounds.Volumes[1]);
  EXPECT_EQ(before.Text("ParagraphPrefix"), controls.Text("ParagraphPrefix"));
}

}  // namespace
}  // namespace qv
