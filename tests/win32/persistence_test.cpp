// The options file, the profiles and the bookshelf on the real window: first
// run, the round trip through closing and starting again, the profile chosen
// for a book, the profile buttons, the bookmarks and the last book at start.
#include <gtest/gtest.h>

#include <deque>

#include "ScreenCapture.h"
#include "WineTestSupport.h"
#include "app/persistence/OptionBinding.h"
#include "errors/ErrorPlatform.h"
#include "platform/Win32Platform.h"
#include "richbox/RichOps.h"
#include "widgets/FileDialogs.h"

namespace qv::testing {
namespace {

using app::TQuenvalisForm;

// File dialogs answered by the test: each request is recorded; the answers
// are consumed in order ("" cancels).
struct ScriptedFileDialogs : win::IFileDialogs {
  std::vector<win::TFileDialogRequest> requests;
  std::deque<std::string> answers;
  bool Answer(win::TFileDialogRequest& r) {
    requests.push_back(r);
    if (answers.empty()) return false;
    r.FileName = answers.front();
    answers.pop_front();
    return !r.FileName.empty();
  }
  bool Open(win::TFileDialogRequest& r) override { return Answer(r); }
  bool Save(win::TFileDialogRequest& r) override { return Answer(r); }
  ScriptedFileDialogs() { win::SetFileDialogs(this); }
  ~ScriptedFileDialogs() override { win::SetFileDialogs(nullptr); }
};

// Forms whose start-up book has finished loading.
struct Forms : ProgramForms {
  explicit Forms(bool keep = false) : ProgramForms(keep) { Settle(); }
  void Settle() {
    PumpUntil([this] { return !main->Book.BookFileName.empty() && !main->RichEdit.InBurst(); }, 5000);
    PumpFor(30);
  }
  TQuenvalisForm& f() { return *main; }
};

std::string IncludeSlash(const std::string& p) { return p.empty() || p.back() == '\\' ? p : p + "\\"; }

std::string MakeFolder(const std::string& relative) {
  std::string path = TestDirectory();
  size_t start = 0;
  while (start < relative.size()) {
    const size_t end = relative.find('\\', start);
    path += relative.substr(start, end == std::string::npos ? std::string::npos : end - start + 1);
    CreateDirectoryA(path.c_str(), nullptr);
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return IncludeSlash(path);
}

std::string BookText(int lines, const std::string& word = "line") {
  std::string text;
  for (int i = 0; i < lines; ++i) text += "This is " + word + " " + std::to_string(i) + " of the book.\r\n\r\n";
  return text;
}

void RemoveFile(const std::string& path) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(path.c_str());
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The program went to position: its line is the first one shown, and the
// caret stands at the start of that line.
void ExpectShownAt(IRichBox& box, int32_t position) {
  int32_t start = -1, length = -1;
  box.GetSelection(start, length);
  const int32_t lineStart = GetRichLineStart(box, GetRichLineOfChar(box, position));
  EXPECT_GT(position, 0);
  EXPECT_EQ(GetRichTopPos(box), lineStart);
  EXPECT_EQ(start, lineStart);
  EXPECT_EQ(length, 0);
}

TEST(Persistence, AFirstRunShowsTheDefaults) {
  Forms forms;
  TQuenvalisForm& f = forms.f();
  EXPECT_TRUE(f.Persistence.Controls.AutoSaveProfileCheckBox.Checked());
  EXPECT_TRUE(f.Bookmarks.Controls.AutoBookmarkCheckBox.Checked());
  EXPECT_TRUE(f.Bookmarks.Controls.AutoLoadLastCheckBox.Checked());
  EXPECT_TRUE(f.Dictionary.Controls.ClipboardForDicCheckBox.Checked());
  EXPECT_FALSE(f.Text.Controls.ForceRichEdit3CheckBox.Checked());
  EXPECT_EQ(f.Dictionary.Controls.DictionaryTitleEdit.Text(), "C:\\Program Files\\The American Heritage Dictionary\\AHD.EXE");
  UINT wheel = 0;
  SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &wheel, 0);
  EXPECT_EQ(f.Book.Controls.WheelScrollLines.Box.Text(), std::to_string(wheel));
  EXPECT_TRUE(f.Book.Controls.OpenInPiecesCheckBox.Checked());
  EXPECT_EQ(f.Book.Controls.PieceSize.Box.Text(), "50000");
  EXPECT_EQ(f.Sidebar.RichBoxWidthPercentComboBox.Text(), "45");
  EXPECT_EQ(f.Book.Controls.PrintLeftMargin.Box.Text(), "30");
  EXPECT_EQ(f.Book.Controls.PrintBottomMargin.Box.Text(), "20");
  EXPECT_EQ(f.Bookmarks.Controls.OpenBookshelfButton.Text(), "&Open (0)");
  EXPECT_FALSE(f.Bookmarks.Controls.OpenBookshelfButton.Enabled());
  EXPECT_FALSE(f.Bookmarks.Controls.RemoveBookshelfButton.Enabled());
  EXPECT_EQ(f.Bookmarks.Controls.BookmarkAutoButton.Text(), "&Auto");
  EXPECT_EQ(f.Bookmarks.Controls.Bookmark5Button.Text(), "&5");

  EXPECT_EQ(f.Persistence.ProfileStore->FileName(), win::ProgramDirectory() + "QuenvalisProfile.fsp");
  EXPECT_TRUE(f.Text.Controls.EnhanceTextCheckBox.Checked());
  EXPECT_FALSE(f.Text.Controls.IgnoreEmptyLinesCheckBox.Checked());
  EXPECT_EQ(f.Text.Controls.FontSize.Box.Text(), "16");
  EXPECT_EQ(f.Text.Controls.LineSpacing.Box.Text(), "120");
  EXPECT_EQ(f.Text.Controls.CharSpacing.Box.Text(), "0");
  EXPECT_EQ(f.Text.Controls.ParagraphPrefix.Box.Text(), "None");
  EXPECT_EQ(f.Images.Controls.ScreenImage.Gamma.Box.Text(), "100");
  EXPECT_EQ(f.Images.Controls.ScreenImage.Title.Text(), "DefaultScreen.bmp");
  EXPECT_EQ(f.Images.Controls.RichImage.Title.Text(), "DefaultRich.bmp");
  EXPECT_EQ(f.Colors.Controls.Empha.Panel.CurrentColor(), 8519680u);
  EXPECT_EQ(f.Colors.Controls.BrowserFocusBack.Panel.CurrentColor(), 1666745u);
  EXPECT_EQ(f.Colors.Controls.BrowserFocusBack.Panel.Hint().rfind("Ochre (RGB 185-110-25;", 0), 0u);
  EXPECT_FALSE(f.Sound.Controls.UseBackSoundCheckBox.Checked());
  EXPECT_EQ(f.Sound.Controls.TitleBackSoundEdit.Text(), "Default.wav");
  EXPECT_EQ(f.Sound.Controls.VolumeBackSound.Box.Text(), "50");
  EXPECT_EQ(f.Sound.Controls.DurationBackSound.Box.Text(), "5");
  EXPECT_EQ(f.Sound.Controls.ProbabilityBackSound.Box.Text(), "100");
}

TEST(Persistence, ChangedOptionsAndProfileAreWrittenAtCloseAndReadAtTheNextStart) {
  {
    Forms forms;
    TQuenvalisForm& f = forms.f();
    f.Bookmarks.Controls.AutoLoadLastCheckBox.SetChecked(false);
    f.Text.Controls.ForceRichEdit3CheckBox.SetChecked(true);
    f.Sidebar.RichBoxWidthPercentComboBox.SetText("30");
    f.Book.Controls.PrintLeftMargin.Box.SetText("10");
    f.Dictionary.Controls.DictionaryTitleEdit.SetText("C:\\Dict\\d.exe");
    f.Book.Controls.PieceSize.Box.SetText("20000");
    f.Text.Controls.FontSize.Box.SetText("20");
    f.Text.Controls.ParagraphPrefix.Box.SetText("Blanks");
    f.Text.Controls.JustifiedTextCheckBox.SetChecked(false);
    app::SetColorPanel(f.Colors.Controls.ScreenBack.Panel, 0x123456);
    f.Sound.Controls.UseBackSoundCheckBox.SetChecked(true);
    f.Sound.Controls.VolumeBackSound.Box.SetText("100");
    f.Sound.Controls.VolumeBackSound.Box.OnChange();
    forms.CloseMain();
  }
  const std::string ini = ReadWholeFile(win::ProgramDirectory() + "Quenvalis.ini");
  EXPECT_EQ(ini.rfind("\xEF\xBB\xBF[Quenvalis_Main]\r\nAutoSaveProfile=TRUE\r\nAutoBookmark=TRUE\r\nAutoLoadLast=FALSE\r\n", 0), 0u) << ini;
  EXPECT_TRUE(Contains(ini, "RichBoxWidthPercent=30\r\n"));
  EXPECT_TRUE(Contains(ini, "[Quenvalis_Bookshelf_Main]\r\nCount=0\r\n"));
  EXPECT_TRUE(Contains(ini, "[Quenvalis_ConvertMeasure]\r\nLength=Meters\r\n"));
  const std::string profile = ReadWholeFile(win::ProgramDirectory() + "QuenvalisProfile.fsp");
  EXPECT_TRUE(Contains(profile, "FontSize=20\r\n")) << profile;
  EXPECT_TRUE(Contains(profile, "ScreenBackColor=1193046\r\n"));
  EXPECT_TRUE(Contains(profile, "[Profile_BackSounds]\r\nUse=TRUE\r\nRandom=TRUE\r\nCount=1\r\nFile0=Default.wav\r\nVol0=100\r\n"));

  Forms forms(true);
  TQuenvalisForm& f = forms.f();
  EXPECT_FALSE(f.Bookmarks.Controls.AutoLoadLastCheckBox.Checked());
  EXPECT_NE(f.Book.BookFileName.find("Welcome.txt"), std::string::npos);  // not the last book
  EXPECT_TRUE(f.Text.Controls.ForceRichEdit3CheckBox.Checked());
  EXPECT_EQ(f.Sidebar.RichBoxWidthPercentComboBox.Text(), "30");
  EXPECT_EQ(f.Book.Controls.PrintLeftMargin.Box.Text(), "10");
  EXPECT_EQ(f.Dictionary.Controls.DictionaryTitleEdit.Text(), "C:\\Dict\\d.exe");
  EXPECT_EQ(f.Book.Controls.PieceSize.Box.Text(), "20000");
  EXPECT_EQ(f.Text.Controls.FontSize.Box.Text(), "20");
  EXPECT_EQ(f.Text.Controls.ParagraphPrefix.Box.Text(), "Blanks");
  EXPECT_FALSE(f.Text.Controls.JustifiedTextCheckBox.Checked());
  EXPECT_EQ(f.Colors.Controls.ScreenBack.Panel.CurrentColor(), 0x123456u);
  EXPECT_EQ(f.Color(), 0x123456u);  // the window takes the screen colour as it loads
  EXPECT_TRUE(f.Sound.Controls.UseBackSoundCheckBox.Checked());
  EXPECT_EQ(f.Sound.Controls.VolumeBackSound.Box.Text(), "100");
  EXPECT_EQ(f.Sound.Sounds.Volumes[0], 100);
}

TEST(Persistence, StoredValuesOutOfTheListsShowNoSelectionAndAreSavedAsTheirDefaults) {
  WriteTestFile("..\\Quenvalis.ini",
                "[quenvalis_main]\r\nautoloadlast=true\r\nWheelScrollLines=12\r\nPieceSize=5000\r\n"
                "RichBoxWidthPercent=100\r\nRichBoxTopPercent=6\r\nDictionaryTitle=\r\n"
                "PrintTopMargin=55\r\nObsoleteKey=1\r\n");
  ASSERT_TRUE(Contains(ReadWholeFile(win::ProgramDirectory() + "Quenvalis.ini"), "ObsoleteKey"));
  Forms forms(true);
  TQuenvalisForm& f = forms.f();
  struct TCase {
    win::TComboBox& Box;
    const char* Shown;
  };
  for (const TCase& c : {TCase{f.Book.Controls.WheelScrollLines.Box, ""},   // 12 is no item
                         TCase{f.Book.Controls.PieceSize.Box, "50000"},     // below its bounds
                         TCase{f.Sidebar.RichBoxWidthPercentComboBox, ""},  // within bounds, no item
                         TCase{f.Sidebar.RichBoxTopPercentComboBox, "6"},
                         TCase{f.Book.Controls.PrintTopMargin.Box, "20"}})
    EXPECT_EQ(c.Box.Text(), c.Shown) << c.Box.Name();
  EXPECT_FALSE(f.Bookmarks.Controls.AutoLoadLastCheckBox.Checked());  // "true" is not "TRUE"
  EXPECT_EQ(f.Dictionary.Controls.DictionaryTitleEdit.Text(),
            "C:\\Program Files\\The American Heritage Dictionary\\AHD.EXE");
  forms.CloseMain();
  const std::string saved = ReadWholeFile(win::ProgramDirectory() + "Quenvalis.ini");
  for (const char* line : {"AutoLoadLast=FALSE\r\n", "WheelScrollLines=0\r\n", "PieceSize=50000\r\n",
                           "RichBoxWidthPercent=45\r\n", "RichBoxTopPercent=6\r\n", "PrintTopMargin=20\r\n"})
    EXPECT_TRUE(Contains(saved, line)) << line << saved;
  EXPECT_FALSE(Contains(saved, "ObsoleteKey"));
  EXPECT_FALSE(Contains(saved, "quenvalis_main"));
}


TEST(Persistence, AnOptionsFileWhoseSaveFailsKeepsItsPreviousContentAndTheProgramCloses) {
  const std::string ini = win::ProgramDirectory() + "Quenvalis.ini";
  const std::string blocker = ini + ".tmp";  // a folder where the new file would be written
  RemoveDirectoryA(blocker.c_str());
  {
    Forms forms;
    forms.f().Sidebar.RichBoxWidthPercentComboBox.SetText("30");
    forms.CloseMain();
  }
  const std::string before = ReadWholeFile(ini);
  ASSERT_TRUE(Contains(before, "RichBoxWidthPercent=30\r\n"));
  {
    Forms forms(true);
    EXPECT_EQ(forms.f().Sidebar.RichBoxWidthPercentComboBox.Text(), "30");
    forms.f().Sidebar.RichBoxWidthPercentComboBox.SetText("35");
    ASSERT_TRUE(CreateDirectoryA(blocker.c_str(), nullptr));
    TRecordingErrorDialog errors;
    forms.CloseMain();
    EXPECT_EQ(forms.main->Handle(), nullptr);
    ASSERT_EQ(errors.shown.size(), 1u);
    EXPECT_EQ(errors.shown[0], "Failed to save file.");
    EXPECT_TRUE(Contains(errors.reports[0], "TStoredTextList::Save")) << errors.reports[0];
  }
  RemoveDirectoryA(blocker.c_str());
  EXPECT_EQ(ReadWholeFile(ini), before);
}

TEST(Persistence, ABookPicksItsOwnProfileThenItsFolderThenItsParentFolderThenTheDefault) {
  const std::string poe = MakeFolder("Books\\Poe");
  const std::string other = MakeFolder("Books\\Other");
  const std::string lone = MakeFolder("Lone");
  RemoveFile(TestDirectory() + "QuenvalisProfile.fsp");
  WriteTestFile("Books\\Poe\\Tale.txt", BookText(20));
  WriteTestFile("Books\\Poe\\Tale2.txt", BookText(20));
  WriteTestFile("Books\\Other\\Deep.txt", BookText(20));
  WriteTestFile("Lone\\Solo.txt", BookText(20));
  WriteTestFile("Books\\Poe\\Tale.fsp", "[Profile_Main]\r\nFontSize=20\r\n");
  WriteTestFile("Books\\Poe\\QuenvalisProfile.fsp", "[Profile_Main]\r\nFontSize=22\r\n");
  WriteTestFile("Books\\QuenvalisProfile.fsp", "[Profile_Main]\r\nfontsize=24\r\nLineSpacing=99\r\n");

  Forms forms;
  TQuenvalisForm& f = forms.f();
  ASSERT_TRUE(f.Book.OpenBook(poe + "Tale.txt", true));
  EXPECT_EQ(f.Persistence.ProfileStore->FileName(), poe + "Tale.fsp");
  EXPECT_EQ(f.Text.Controls.FontSize.Box.Text(), "20");
  ASSERT_TRUE(f.Book.OpenBook(poe + "Tale2.txt", true));
  EXPECT_EQ(f.Persistence.ProfileStore->FileName(), poe + "QuenvalisProfile.fsp");
  EXPECT_EQ(f.Text.Controls.FontSize.Box.Text(), "22");
  ASSERT_TRUE(f.Book.OpenBook(other + "Deep.txt", true));
  EXPECT_EQ(f.Persistence.ProfileStore->FileName(), TestDirectory() + "Books\\QuenvalisProfile.fsp");
  EXPECT_EQ(f.Text.Controls.FontSize.Box.Text(), "24");
  EXPECT_EQ(f.Text.Controls.LineSpacing.Box.Text(), "120");  // out of bounds: the default
  ASSERT_TRUE(f.Book.OpenBook(lone + "Solo.txt", true));
  EXPECT_EQ(f.Persistence.ProfileStore->FileName(), win::ProgramDirectory() + "QuenvalisProfile.fsp");
  EXPECT_EQ(f.Text.Controls.FontSize.Box.Text(), "16");
  // Leaving a book saved its profile whole ("Auto save profile").
  EXPECT_TRUE(Contains(ReadWholeFile(poe + "Tale.fsp"), "[Profile_BackSounds]\r\n"));
}

TEST(Persistence, ProfileButtonsAskTheirDialogsWithTheModifiersFiles) {
  const std::string poe = MakeFolder("Books\\Poe");
  WriteTestFile("Books\\Poe\\Raven.txt", BookText(20));
  RemoveFile(poe + "Raven.fsp");
  RemoveFile(poe + "Saved.fsp");
  Forms forms;
  TQuenvalisForm& f = forms.f();
  ASSERT_TRUE(f.Book.OpenBook(poe + "Raven.txt", true));
  ScriptedFileDialogs dialogs;

  // Save: Shift proposes the folder profile, Alt the book's own.
  dialogs.answers = {poe + "Saved.fsp"};
  f.Text.Controls.FontSize.Box.SetText("30");
  f.Persistence.SaveProfileButtonMouseDown(win::TMouseButton::Left, win::ssShift);
  ASSERT_EQ(dialogs.requests.size(), 1u);
  EXPECT_EQ(dialogs.requests[0].Title, "Save profile");
  EXPECT_EQ(dialogs.requests[0].Filter, "Profiles (*.fsp)|*.fsp");
  EXPECT_EQ(dialogs.requests[0].FileName, poe + "QuenvalisProfile.fsp");
  EXPECT_TRUE(Contains(ReadWholeFile(poe + "Saved.fsp"), "FontSize=30\r\n"));
  EXPECT_EQ(f.Persistence.ProfileStore->FileName(), poe + "Saved.fsp");
  ASSERT_FALSE(forms.boxes.shown.empty());
  EXPECT_EQ(forms.boxes.shown.back().text, "Profile was saved.");
  EXPECT_EQ(f.Images.Controls.ScreenImage.Title.Text(), "DefaultScreen.bmp");  // a missing image keeps its title
  dialogs.answers = {poe + "wrong.txt"};
  f.Persistence.SaveProfileButtonMouseDown(win::TMouseButton::Left, win::ssAlt);
  EXPECT_EQ(dialogs.requests.back().FileName, poe + "Raven.fsp");
  EXPECT_EQ(forms.boxes.shown.back().text, "Invalid file extensions.");

  // Load: Ctrl proposes the default profile; the book is reopened with the chosen one.
  WriteTestFile("Books\\Poe\\Chosen.fsp", "[Profile_Main]\r\nFontSize=9\r\n");
  dialogs.answers = {poe + "Chosen.fsp"};
  f.Persistence.LoadProfileButtonMouseDown(win::TMouseButton::Left, win::ssCtrl | win::ssLeft);
  EXPECT_EQ(dialogs.requests.back().Title, "Load profile");
  EXPECT_EQ(dialogs.requests.back().FileName, win::ProgramDirectory() + "QuenvalisProfile.fsp");
  EXPECT_EQ(f.Persistence.ProfileStore->FileName(), poe + "Chosen.fsp");
  EXPECT_EQ(f.Text.Controls.FontSize.Box.Text(), "9");
  EXPECT_EQ(f.Book.BookFileName, poe + "Raven.txt");
  // Other modifiers, a double-click and other buttons do nothing.
  const size_t asked = dialogs.requests.size();
  f.Persistence.LoadProfileButtonMouseDown(win::TMouseButton::Left, win::ssCtrl | win::ssShift);
  f.Persistence.LoadProfileButtonMouseDown(win::TMouseButton::Left, win::ssDouble);
  f.Persistence.DeleteProfileButtonMouseDown(win::TMouseButton::Right, 0);
  EXPECT_EQ(dialogs.requests.size(), asked);

  // Delete: a read-only profile goes.
  SetFileAttributesA((poe + "Saved.fsp").c_str(), FILE_ATTRIBUTE_READONLY);
  dialogs.answers = {poe + "Saved.fsp"};
  f.Persistence.DeleteProfileButtonMouseDown(win::TMouseButton::Left, win::ssShift);
  EXPECT_EQ(dialogs.requests.back().Title, "Delete profile");
  EXPECT_EQ(dialogs.requests.back().FileName, poe + "QuenvalisProfile.fsp");
  EXPECT_EQ(GetFileAttributesA((poe + "Saved.fsp").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(Persistence, AProfileFillsEveryControlAndAnUnreadableColourKeepsItsDefaultAlone) {
  const std::string dir = MakeFolder("Profiles");
  WriteTestFile("Profiles\\Full.fsp",
                "[Profile_Main]\r\nTitleScreenBackImage=defaultscreen.jpg\r\nTitleRichBackImage=Pics\\DefaultRich.jpg\r\n"
                "EmphaColor=ochre\r\nDirTypeForeColor=$0000FF\r\nFontSize=7\r\n"
                "[Profile_BackSounds]\r\nCount=3\r\nFile0=default.WAV\r\nVol0=1001\r\nDur0=30\r\nFile2=\r\n");
  const std::string bad = "[Profile_Main]\r\nEnhanceText=FALSE\r\nScreenBackColor=99999999999999999999\r\nFontSize=30\r\n";
  WriteTestFile("Profiles\\Bad.fsp", bad);
  WriteTestFile("Profiles\\Other.txt", BookText(20));
  RemoveFile(dir + "Bad.fsp.bak");
  Forms forms;
  TQuenvalisForm& f = forms.f();
  ASSERT_TRUE(f.Persistence.ProfileStore->LoadFromFile(dir + "Full.fsp"));
  EXPECT_EQ(f.Images.Controls.ScreenImage.Title.Text(), "DefaultScreen.bmp");
  EXPECT_EQ(f.Images.Controls.RichImage.Title.Text(), "Pics\\DefaultRich.jpg");
  EXPECT_EQ(f.Colors.Controls.Empha.Panel.CurrentColor(), 0x196EB9u);
  EXPECT_EQ(f.Colors.Controls.DirTypeFore.Panel.CurrentColor(), 0xFFu);
  EXPECT_EQ(f.Text.Controls.FontSize.Box.Text(), "16");
  EXPECT_EQ(f.Sound.Sounds.Count, 3);
  EXPECT_EQ(f.Sound.Controls.TitleBackSoundEdit.Text(), "Default.wav");
  EXPECT_EQ(f.Sound.Sounds.Volumes[0], 50);
  EXPECT_EQ(f.Sound.Controls.VolumeBackSound.Box.Text(), "50");
  EXPECT_EQ(f.Sound.Controls.DurationBackSound.Box.Text(), "30");
  EXPECT_EQ(f.Sound.Sounds.Titles[2], "");

  // Bold from a profile is a display format: the open book is not taken as edited.
  WriteTestFile("Profiles\\Bold.fsp", "[Profile_Main]\r\nBoldFont=TRUE\r\n");
  ASSERT_FALSE(IsRichTextEmpty(f.RichEdit));
  ASSERT_TRUE(f.Persistence.ProfileStore->LoadFromFile(dir + "Bold.fsp"));
  EXPECT_TRUE(f.Text.Controls.BoldFontCheckBox.Checked());
  EXPECT_FALSE(f.RichEdit.GetModified());

  TRecordingErrorDialog errors;
  EXPECT_FALSE(f.Persistence.ProfileStore->LoadFromFile(dir + "Bad.fsp"));
  ASSERT_EQ(errors.shown.size(), 1u);
  EXPECT_EQ(errors.shown[0], "Failed to load file.");
  EXPECT_TRUE(Contains(errors.reports[0], "ScreenBackColor=99999999999999999999")) << errors.reports[0];
  EXPECT_FALSE(f.Text.Controls.EnhanceTextCheckBox.Checked());
  EXPECT_EQ(f.Colors.Controls.ScreenBack.Panel.CurrentColor(), 16777215u);  // the default
  EXPECT_EQ(f.Text.Controls.FontSize.Box.Text(), "30");                      // read after the bad colour
  EXPECT_FALSE(f.Persistence.ProfileStore->Loading());
  // The next book saves the profile it leaves: the file as it was is kept first,
  // and the keys after the bad one are still there.
  ASSERT_TRUE(f.Book.OpenBook(dir + "Other.txt", true));
  EXPECT_EQ(ReadWholeFile(dir + "Bad.fsp.bak"), bad);
  EXPECT_TRUE(Contains(ReadWholeFile(dir + "Bad.fsp"), "FontSize=30\r\n"));
  EXPECT_EQ(errors.shown.size(), 1u);
}

TEST(Persistence, TheLoadButtonReadsTheChosenProfileEvenWhenTheBookCannotBeReopened) {
  const std::string poe = MakeFolder("Books\\Gone");
  WriteTestFile("Books\\Gone\\Raven.txt", BookText(20));
  RemoveFile(poe + "Raven.fsp");
  const std::string chosen = "[Profile_Main]\r\nFontSize=9\r\nShowRichBoxFrame=TRUE\r\n";
  WriteTestFile("Books\\Gone\\Chosen.fsp", chosen);
  Forms forms;
  TQuenvalisForm& f = forms.f();
  ASSERT_TRUE(f.Book.OpenBook(poe + "Raven.txt", true));
  f.Text.Controls.FontSize.Box.SetText("20");
  RemoveFile(poe + "Raven.txt");  // the book went away meanwhile
  ScriptedFileDialogs dialogs;
  dialogs.answers = {poe + "Chosen.fsp"};
  f.Persistence.LoadProfileButtonMouseDown(win::TMouseButton::Left, 0);
  EXPECT_EQ(f.Persistence.ProfileStore->FileName(), poe + "Chosen.fsp");
  EXPECT_EQ(f.Text.Controls.FontSize.Box.Text(), "9");
  EXPECT_TRUE(f.Screen.ShowFrameCheckBox.Checked());
  ASSERT_TRUE(f.Persistence.ProfileStore->AutoSave());
  EXPECT_TRUE(Contains(ReadWholeFile(poe + "Chosen.fsp"), "FontSize=9\r\n"));
}

// A profile on a medium that cannot be written (a CD, a read-only share) is
// reported once, not at every book that leaves it.
TEST(Persistence, AProfileThatCannotBeWrittenIsReportedOncePerRun) {
  const std::string cd = MakeFolder("Books\\Disc");
  WriteTestFile("Books\\Disc\\One.txt", BookText(20));
  WriteTestFile("Books\\Disc\\Two.txt", BookText(20, "word"));
  WriteTestFile("Books\\Disc\\QuenvalisProfile.fsp", "[Profile_Main]\r\nFontSize=22\r\n");
  const std::string blocker = cd + "QuenvalisProfile.fsp.tmp";  // where the new file would be written
  RemoveDirectoryA(blocker.c_str());
  Forms forms;
  TQuenvalisForm& f = forms.f();
  ASSERT_TRUE(f.Book.OpenBook(cd + "One.txt", true));
  ASSERT_EQ(f.Persistence.ProfileStore->FileName(), cd + "QuenvalisProfile.fsp");
  ASSERT_TRUE(CreateDirectoryA(blocker.c_str(), nullptr));
  TRecordingErrorDialog errors;
  for (const char* book : {"Two.txt", "One.txt", "Two.txt"}) {
    f.Text.Controls.FontSize.Box.SetText("30");  // a change that cannot be kept
    ASSERT_TRUE(f.Book.OpenBook(cd + book, true)) << book;
  }
  RemoveDirectoryA(blocker.c_str());
  ASSERT_EQ(errors.shown.size(), 1u);
  EXPECT_EQ(errors.shown[0], "Failed to save file.");
  EXPECT_TRUE(Contains(errors.reports[0], cd + "QuenvalisProfile.fsp")) << errors.reports[0];
}

TEST(Persistence, TheAboutBoxNamesTheDataFolder) {
  Forms forms;
  // Tests run from a folder they can write: the program's folder is the data folder.
  EXPECT_EQ(forms.about->DataFolderEdit.Text(), win::ProgramDirectory());
  EXPECT_EQ(forms.f().Persistence.OptionsStore->FileName(), win::ProgramDirectory() + "Quenvalis.ini");
  forms.about->CenterOn(nullptr);
  ShowWindow(forms.about->Handle(), SW_SHOWNA);
  PumpFor(300);
  SaveScreenshot(forms.about->Handle(), "about");
  ShowWindow(forms.about->Handle(), SW_HIDE);
}

TEST(Persistence, SavingAsTheFolderProfileNamesItsImagesRelativeToTheFolder) {
  const std::string poe = MakeFolder("Books\\Poe");
  WriteTestFile("Books\\Poe\\Raven.txt", BookText(20));
  WriteTestFile("Books\\Poe\\bg.jpg", "not really a picture");
  RemoveFile(poe + "QuenvalisProfile.fsp");
  RemoveFile(poe + "Raven.fsp");
  Forms forms;
  TQuenvalisForm& f = forms.f();
  ASSERT_TRUE(f.Book.OpenBook(poe + "Raven.txt", true));
  f.Images.Controls.ScreenImage.Title.SetText(poe + "bg.jpg");
  ScriptedFileDialogs dialogs;
  dialogs.answers = {poe + "QuenvalisProfile.fsp"};
  f.Persistence.SaveProfileButtonMouseDown(win::TMouseButton::Left, win::ssShift);
  EXPECT_TRUE(Contains(ReadWholeFile(poe + "QuenvalisProfile.fsp"), "TitleScreenBackImage=bg.jpg\r\n"));
  EXPECT_EQ(f.Images.Controls.ScreenImage.Title.Text(), "bg.jpg");
  // Back under the default profile, the same image is named by its full path.
  dialogs.answers = {win::ProgramDirectory() + "QuenvalisProfile.fsp"};
  forms.boxes.answers = {IDYES};  // overwrite the default profile
  f.Persistence.SaveProfileButtonMouseDown(win::TMouseButton::Left, win::ssCtrl);
  EXPECT_TRUE(Contains(ReadWholeFile(win::ProgramDirectory() + "QuenvalisProfile.fsp"),
                       "TitleScreenBackImage=" + poe + "bg.jpg\r\n"));
}

TEST(Persistence, AThirtyFirstBookDropsTheOldestAndTheMenuListsTheRecentFirst) {
  const std::string dir = MakeFolder("Shelf");
  Forms forms;
  TQuenvalisForm& f = forms.f();
  for (int i = 0; i <= 30; ++i) {
    const std::string book = dir + "Book" + std::to_string(i) + ".txt";
    WriteTestFile("Shelf\\Book" + std::to_string(i) + ".txt", BookText(3, "book" + std::to_string(i)));
    ASSERT_TRUE(f.Book.OpenBook(book, true));
    WORD key = 'P';  // Alt+P puts the book on the shelf
    f.FormKeyDown(key, win::ssAlt);
    EXPECT_EQ(key, 0);
  }
  EXPECT_EQ(f.Bookmarks.Bookshelf.Count(), 30);
  EXPECT_EQ(f.Bookmarks.Bookshelf.IndexOf(dir + "Book0.txt"), -1);
  EXPECT_EQ(f.Bookmarks.Controls.OpenBookshelfButton.Text(), "&Open (30)");
  std::vector<std::string> captions;
  f.Bookmarks.ShowMenu = [&](win::TPopupMenu& menu, HWND, POINT) {
    for (int i = 0; i < menu.Count(); ++i) captions.push_back(menu.Caption(i));
    menu.Choose(menu.Count() - 1);  // the least recent: removed in this mode
  };
  f.Bookmarks.Controls.RemoveBookshelfButton.Click();
  ASSERT_EQ(captions.size(), 30u);
  EXPECT_EQ(f.Bookmarks.Bookshelf.Mode(), BookshelfRemove);
  EXPECT_EQ(captions.front(), dir + "Book30.txt");
  EXPECT_EQ(captions.back(), dir + "Book1.txt");
  EXPECT_EQ(f.Bookmarks.Bookshelf.Count(), 29);
  EXPECT_EQ(f.Bookmarks.Controls.OpenBookshelfButton.Text(), "&Open (29)");
  forms.CloseMain();
  const std::string ini = ReadWholeFile(win::ProgramDirectory() + "Quenvalis.ini");
  EXPECT_TRUE(Contains(ini, "[Quenvalis_Bookshelf_Main]\r\nCount=29\r\n0=" + dir + "Book2.txt\r\n")) << ini;
}

TEST(Persistence, BookmarkButtonsFollowTheirGestures) {
  const std::string dir = MakeFolder("Marks");
  WriteTestFile("Marks\\Long.txt", BookText(400));
  Forms forms;
  TQuenvalisForm& f = forms.f();
  ASSERT_TRUE(f.Book.OpenBook(dir + "Long.txt", true));
  auto press = [&](int i, win::TMouseButton b, unsigned shift) { f.Bookmarks.BookmarkButtonMouseDown(i, b, shift); };
  // A numbered bookmark of a book not on the shelf changes nothing.
  press(3, win::TMouseButton::Right, 0);
  EXPECT_EQ(f.Bookmarks.Bookshelf.Count(), 0);
  EXPECT_EQ(f.Bookmarks.Controls.Bookmark3Button.Text(), "&3");
  // The auto button puts the book on the shelf at the top line.
  ShowRichPosAtTop(f.RichEdit, GetRichLineStart(f.RichEdit, 100));
  const int32_t top = GetRichTopPos(f.RichEdit);
  ASSERT_GT(top, 0);
  press(0, win::TMouseButton::Right, win::ssRight);
  EXPECT_EQ(f.Bookmarks.Bookshelf.GetBookmark(dir + "Long.txt", 0), top);
  EXPECT_EQ(f.Bookmarks.Controls.BookmarkAutoButton.Text(), "&Auto*");
  // Bookmark 2 set further down; overwriting a set bookmark asks first.
  ShowRichPosAtTop(f.RichEdit, GetRichLineStart(f.RichEdit, 200));
  const int32_t second = GetRichTopPos(f.RichEdit);
  press(2, win::TMouseButton::Right, 0);
  EXPECT_EQ(f.Bookmarks.Controls.Bookmark2Button.Text(), "&2*");
  forms.boxes.answers = {IDNO};
  ShowRichPosAtTop(f.RichEdit, 0);
  press(2, win::TMouseButton::Right, 0);
  EXPECT_EQ(forms.boxes.shown.back().text,
            "This bookmark is already set for this book. Do you want to overwrite it?");
  EXPECT_EQ(f.Bookmarks.Bookshelf.GetBookmark(dir + "Long.txt", 2), second);
  // A left click and Alt+2 go to it; a double-click press does nothing.
  press(2, win::TMouseButton::Left, 0);
  ExpectShownAt(f.RichEdit, second);
  ShowRichPosAtTop(f.RichEdit, 0);
  press(2, win::TMouseButton::Left, win::ssDouble);
  EXPECT_EQ(GetRichTopPos(f.RichEdit), 0);
  WORD key = '2';
  f.FormKeyDown(key, win::ssAlt);
  EXPECT_EQ(key, 0);
  ExpectShownAt(f.RichEdit, second);
  // Ctrl + RMB clears a numbered bookmark; on the auto button it takes the book off.
  press(2, win::TMouseButton::Right, win::ssCtrl);
  EXPECT_EQ(f.Bookmarks.Controls.Bookmark2Button.Text(), "&2");
  press(0, win::TMouseButton::Right, win::ssCtrl | win::ssRight);
  EXPECT_EQ(f.Bookmarks.Bookshelf.Count(), 0);
  EXPECT_EQ(f.Bookmarks.Controls.BookmarkAutoButton.Text(), "&Auto");
  EXPECT_FALSE(f.Bookmarks.Controls.OpenBookshelfButton.Enabled());
}

// A book read somewhere, left for another, is reopened from the bookshelf at
// its auto-bookmark, and the next start reopens the last book there.
void CheckReturnToAutoBookmark(const std::string& name, int lines, const char* pieceSize, int piece) {
  const std::string dir = MakeFolder("Return");
  WriteTestFile("Return\\" + name, BookText(lines));
  WriteTestFile("Return\\Other.txt", BookText(10));
  const std::string book = dir + name;
  int32_t top = 0;
  {
    Forms forms;
    TQuenvalisForm& f = forms.f();
    f.Book.Controls.PieceSize.Box.SetText(pieceSize);
    ASSERT_TRUE(f.Book.OpenBook(book, true));
    if (piece > 1) {
      ASSERT_TRUE(f.Book.LoadFromFile("", piece, false, 0));
    }
    ASSERT_EQ(f.Book.Controls.CurrentPiece(), piece);
    ShowRichPosAtTop(f.RichEdit, GetRichLineStart(f.RichEdit, 60));
    f.Bookmarks.Controls.PutBookshelfButton.Click();
    ShowRichPosAtTop(f.RichEdit, GetRichLineStart(f.RichEdit, 80));
    top = GetRichTopPos(f.RichEdit);
    ASSERT_TRUE(f.Book.OpenBook(dir + "Other.txt", true));  // records where the book was left
    int32_t storedPiece = 0;
    EXPECT_EQ(f.Bookmarks.Bookshelf.GetBookmark(book, 0, &storedPiece), top);
    EXPECT_EQ(storedPiece, piece);
    f.Bookmarks.ShowMenu = [](win::TPopupMenu& menu, HWND, POINT) { menu.Choose(0); };
    WORD key = 'O';  // Alt+O: the bookshelf menu; its first item is the most recent book
    f.FormKeyDown(key, win::ssAlt);
    forms.Settle();
    EXPECT_EQ(f.Book.BookFileName, book);
    EXPECT_EQ(f.Book.Controls.CurrentPiece(), piece);
    ExpectShownAt(f.RichEdit, top);
    forms.CloseMain();
  }
  // Closing recorded the place shown last; the next start goes there.
  TStoredTextList ini(win::ProgramDirectory() + "Quenvalis.ini");
  TBookshelf saved;
  ini.OnLoad = [&](TStoredTextList& s) { saved.Load(s); };
  ASSERT_TRUE(ini.Load());
  int32_t savedPiece = 0;
  const int32_t savedPos = saved.GetBookmark(book, 0, &savedPiece);
  EXPECT_EQ(saved.LastBook(), book);
  EXPECT_EQ(savedPos, top);  // where the book was left, not drifted by the reopening
  EXPECT_EQ(savedPiece, piece);
  Forms forms(true);
  TQuenvalisForm& f = forms.f();
  EXPECT_EQ(f.Book.BookFileName, book);
  EXPECT_EQ(f.Book.Controls.CurrentPiece(), piece);
  ExpectShownAt(f.RichEdit, savedPos);
}

TEST(Persistence, ReopeningAWholeBookReturnsToItsAutoBookmark) {
  CheckReturnToAutoBookmark("Whole.txt", 300, "50000", 1);
}

TEST(Persistence, ReopeningABookInPiecesReturnsToItsAutoBookmarkInItsPiece) {
  CheckReturnToAutoBookmark("Pieces.txt", 3000, "20000", 3);
}

}  // namespace
}  // namespace qv::testing
