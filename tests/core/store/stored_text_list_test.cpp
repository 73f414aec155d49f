#include <gtest/gtest.h>

#include <cctype>
#include <stdexcept>
#include <string>

#include "colors/Colors.h"
#include "encoding/SystemCodePage.h"
#include "errors/ErrorFakes.h"
#include "errors/FunStatContext.h"
#include "store/MemoryFileSystem.h"
#include "store/StoredTextList.h"

namespace qv {
namespace {

const std::string kUtf8Mark = "\xEF\xBB\xBF";

const std::string kFile = "C:\\Quenvalis\\Quenvalis.ini";

class StoredTextListTest : public ::testing::Test {
 protected:
  testing::ScopedErrorEnvironment env;
  TMemoryFileSystem fs;
  TStoredTextList store{kFile, &fs};

  void LoadText(const std::string& text) {
    fs.PutFile(kFile, text);
    ASSERT_TRUE(store.Load());
  }
  // The user text of the last error dialog ("" when none was shown).
  std::string ShownUserText() const {
    if (env.view.shows == 0) return "";
    const std::string& memo = env.view.memo;
    const size_t start = memo.find("\r\n") + 2;
    return memo.substr(start, memo.find("\r\n", start) - start);
  }
};

TEST_F(StoredTextListTest, MissingFileLoadsEmptyAndRaisesOnLoad) {
  int loads = 0;
  bool loadingInside = false;
  store.OnLoad = [&](TStoredTextList& sender) {
    ++loads;
    loadingInside = sender.Loading();
    int32_t v = 7;
    sender.ReadInteger("Main", "Count", 0, 10, v);
    EXPECT_EQ(7, v);
  };
  EXPECT_TRUE(store.Load());
  EXPECT_EQ(1, loads);
  EXPECT_TRUE(loadingInside);
  EXPECT_FALSE(store.Loading());
  EXPECT_EQ(0, env.view.shows);
  EXPECT_EQ(Perfect, FunStatContext.Status);
}

TEST_F(StoredTextListTest, ReadIntegerKeepsTheDefaultOutsideBoundsAndForNonNumbers) {
  LoadText("[S]\nLow=9\nMin=10\nMax=20\nHigh=21\nText=abc\nHex=$1F\nEmpty=\n");
  const struct {
    const char* key;
    int32_t expected;
  } cases[] = {{"Low", -1}, {"Min", 10}, {"Max", 20}, {"High", -1}, {"Text", -1},
               {"Hex", -1}, {"Empty", -1}, {"Missing", -1}, {"min", 10}};
  for (const auto& c : cases) {
    int32_t v = -1;
    store.ReadInteger("s", c.key, 10, 20, v);
    EXPECT_EQ(c.expected, v) << c.key;
  }
  int32_t hex = 0;
  store.ReadInteger("S", "Hex", 0, 100, hex);
  EXPECT_EQ(31, hex);
}

TEST_F(StoredTextListTest, ReadBoolIsTrueOnlyForUpperCaseTrue) {
  LoadText("[S]\nA=TRUE\nB=true\nC=True\nD=1\nE=FALSE\nF=\n");
  const std::pair<const char*, bool> cases[] = {{"A", true},  {"B", false}, {"C", false},
                                                {"D", false}, {"E", false}, {"F", false}};
  for (const auto& c : cases) {
    bool v = !c.second;
    store.ReadBool("S", c.first, v);
    EXPECT_EQ(c.second, v) << c.first;
  }
  bool missing = true;
  store.ReadBool("S", "Missing", missing);
  EXPECT_TRUE(missing);
}

TEST_F(StoredTextListTest, ReadStringHonoursEmptinessAndLength) {
  LoadText("[S]\nEmpty=\nFive=abcde\nSix=abcdef\n");
  std::string v = "def";
  store.ReadString("S", "Empty", v, false, 5);
  EXPECT_EQ("def", v);
  store.ReadString("S", "Empty", v, true, 5);
  EXPECT_EQ("", v);
  v = "def";
  store.ReadString("S", "Five", v, false, 5);
  EXPECT_EQ("abcde", v);
  v = "def";
  store.ReadString("S", "Six", v, false, 5);
  EXPECT_EQ("def", v);
  store.ReadString("S", "Missing", v, true, 5);
  EXPECT_EQ("def", v);
}

TEST_F(StoredTextListTest, ReadColorAcceptsStockNamesIdentifiersAndNumbers) {
  LoadText("[P]\nA=clRed\nB=8519680\nC=$00FF00\nD=\nE=clbtnface\n");
  uint32_t c = 1;
  store.ReadColor("P", "A", c);
  EXPECT_EQ(0x0000FFu, c);
  store.ReadColor("P", "B", c);
  EXPECT_EQ(8519680u, c);
  store.ReadColor("P", "C", c);
  EXPECT_EQ(0x00FF00u, c);
  c = 5;
  store.ReadColor("P", "D", c);  // empty: kept
  store.ReadColor("P", "Missing", c);
  EXPECT_EQ(5u, c);
  store.ReadColor("P", "E", c);
  EXPECT_EQ(0x8000000Fu, c);
}

TEST_F(StoredTextListTest, ReadColorFindsEveryStockNameInAnyCase) {
  for (const TStockColor& stock : CStockColors) {
    std::string lower = stock.Name;
    for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    store.WriteString("P", "K", lower);
    uint32_t c = 0xDEADBEEF;
    store.ReadColor("P", "K", c);
    uint32_t first = 0;
    ASSERT_TRUE(FindStockColor(stock.Name, first));
    EXPECT_EQ(first, c) << stock.Name;
  }
}

TEST_F(StoredTextListTest, AnInvalidColourKeepsItsDefaultWhileTheOtherKeysStillLoad) {
  fs.PutFile(kFile, "[P]\nBefore=3\nColor=99999999999999999999\nAfter=4\nOther=nothing\n");
  int32_t before = 0, after = 0;
  uint32_t color = 9, other = 8;
  store.OnLoad = [&](TStoredTextList& s) {
    s.ReadInteger("P", "Before", 0, 10, before);
    s.ReadColor("P", "Color", color);
    s.ReadInteger("P", "After", 0, 10, after);
    s.ReadColor("P", "Other", other);
  };
  EXPECT_FALSE(store.Load());
  EXPECT_EQ(3, before);
  EXPECT_EQ(9u, color);
  EXPECT_EQ(4, after);
  EXPECT_EQ(8u, other);
  EXPECT_FALSE(store.Loading());
  EXPECT_EQ(1, env.view.shows);
  EXPECT_EQ("Failed to load file.", ShownUserText());
  EXPECT_NE(std::string::npos, env.view.memo.find("Color=99999999999999999999; [P] Other=nothing"));
  EXPECT_EQ(Perfect, FunStatContext.Status);
}

// A file that did not load whole is kept as NAME.bak before its first rewrite;
// later rewrites and files that loaded whole make no copy.
TEST_F(StoredTextListTest, WhatFailedToLoadIsKeptAsBakBeforeItsFirstRewrite) {
  const std::string bad = "[P]\r\nColor=no colour\r\nKept=1\r\n";
  store.OnLoad = [](TStoredTextList& s) {
    uint32_t c = 0;
    s.ReadColor("P", "Color", c);
  };
  store.OnSave = [](TStoredTextList& s) {
    s.Clear();
    s.WriteColor("P", "Color", 0);
  };
  fs.PutFile(kFile, bad);
  EXPECT_FALSE(store.Load());
  EXPECT_TRUE(store.Save(false));
  EXPECT_EQ(bad, fs.Content(kFile + ".bak"));
  EXPECT_EQ("\xEF\xBB\xBF[P]\r\nColor=0\r\n\r\n", fs.Content(kFile));
  fs.PutFile(kFile + ".bak", "older");
  EXPECT_TRUE(store.Save(false));
  EXPECT_EQ("older", fs.Content(kFile + ".bak")) << "only the first rewrite keeps a copy";

  // An unreadable file is moved aside whole; one that can be neither copied nor
  // moved is not overwritten.
  TMemoryFileSystem files;
  TStoredTextList locked(kFile, &files);
  locked.OnSave = store.OnSave;
  files.PutFile(kFile, bad);
  files.FailReads = true;
  EXPECT_FALSE(locked.Load());
  files.FailMoves = true;
  EXPECT_FALSE(locked.Save(false));
  EXPECT_EQ(bad, files.Content(kFile));
  EXPECT_NE(std::string::npos, env.view.memo.find("it is not overwritten"));
  files.FailMoves = false;
  EXPECT_TRUE(locked.Save(false));
  EXPECT_EQ(bad, files.Content(kFile + ".bak"));

  // A file that loaded whole, or a missing one, is simply written.
  TMemoryFileSystem clean;
  TStoredTextList good(kFile, &clean);
  good.OnSave = store.OnSave;
  clean.PutFile(kFile, "[P]\r\nColor=5\r\n");
  EXPECT_TRUE(good.Load());
  EXPECT_TRUE(good.Save(false));
  EXPECT_FALSE(clean.HasFile(kFile + ".bak"));
}

// The program's own saves: an unchanged file is not rewritten, and a file that
// cannot be written is reported once per run, not at every save.
TEST_F(StoredTextListTest, AutomaticSavesSkipUnchangedFilesAndReportAFailingFileOnce) {
  int value = 1;
  store.OnLoad = [](TStoredTextList&) {};
  store.OnSave = [&](TStoredTextList& s) {
    s.Clear();
    s.WriteInteger("P", "V", value);
  };
  fs.PutFile(kFile, "[P]\r\nV=1\r\n\r\n", true);
  ASSERT_TRUE(store.Load());
  const int writes = fs.WriteCount();
  EXPECT_TRUE(store.AutoSave());
  EXPECT_EQ(writes, fs.WriteCount()) << "an unchanged file was rewritten";
  EXPECT_EQ(0, env.view.shows);

  value = 2;  // changed, on a medium that refuses writes
  fs.DenyWritesIn("C:\\Quenvalis");
  EXPECT_FALSE(store.AutoSave());
  EXPECT_FALSE(store.AutoSave());
  EXPECT_EQ(1, env.view.shows);
  EXPECT_FALSE(store.Save(false));  // the reader's own save is always reported
  EXPECT_EQ(2, env.view.shows);
}

TEST_F(StoredTextListTest, AnUnreadableFileFailsTheLoadWithAnEmptyImage) {
  LoadText("[S]\nK=1\n");
  store.WriteInteger("S", "K", 2);
  fs.FailReads = true;
  bool raised = false;
  store.OnLoad = [&](TStoredTextList&) { raised = true; };
  EXPECT_FALSE(store.Load());
  EXPECT_FALSE(raised);
  EXPECT_FALSE(store.Loading());
  EXPECT_TRUE(store.Modified());
  EXPECT_EQ(nullptr, store.Image().Find("S", "K"));
  EXPECT_EQ("Failed to load file.", ShownUserText());
}

TEST_F(StoredTextListTest, WritesSetModifiedAndLoadOrSaveClearIt) {
  EXPECT_FALSE(store.Modified());
  store.WriteBool("Main", "Flag", true);
  store.WriteInteger("Main", "Int", -5);
  store.WriteColor("Main", "Color", 0x8000000F);
  store.WriteString("Main", "Text", "x");
  EXPECT_TRUE(store.Modified());
  ASSERT_TRUE(store.Save(false));
  EXPECT_FALSE(store.Modified());
  EXPECT_EQ(kUtf8Mark + "[Main]\r\nFlag=TRUE\r\nInt=-5\r\nColor=-2147483633\r\nText=x\r\n\r\n", fs.Content(kFile));
  uint32_t color = 0;
  store.ReadColor("Main", "Color", color);
  EXPECT_EQ(0x8000000Fu, color);
  store.WriteBool("Main", "Flag", false);
  EXPECT_TRUE(store.Load());
  EXPECT_FALSE(store.Modified());
}

TEST_F(StoredTextListTest, OwnersThatClearInOnSaveLeaveOnlyTheirKeys) {
  LoadText("[Main]\nOld=1\nKept=2\n[Gone]\nX=1\n");
  store.OnSave = [](TStoredTextList& s) {
    s.Clear();
    s.WriteInteger("Main", "Kept", 3);
  };
  ASSERT_TRUE(store.Save(false));
  EXPECT_EQ(kUtf8Mark + "[Main]\r\nKept=3\r\n\r\n", fs.Content(kFile));
}

TEST_F(StoredTextListTest, OverwriteQuestion) {
  fs.PutFile(kFile, "old");
  store.WriteInteger("S", "K", 1);
  env.boxes.answers = {7};  // No
  EXPECT_FALSE(store.Save(true));
  ASSERT_EQ(1u, env.boxes.shown.size());
  EXPECT_EQ("Query", env.boxes.shown[0].caption);
  EXPECT_EQ("File \"" + kFile + "\"already exists.\nOverwrite it?", env.boxes.shown[0].text);
  EXPECT_EQ("old", fs.Content(kFile));
  EXPECT_TRUE(store.Modified());
  EXPECT_EQ(0, env.view.shows);

  env.boxes.answers = {6};  // Yes
  EXPECT_TRUE(store.Save(true));
  EXPECT_EQ(kUtf8Mark + "[S]\r\nK=1\r\n\r\n", fs.Content(kFile));

  env.boxes.shown.clear();
  EXPECT_TRUE(store.Save(false));
  EXPECT_TRUE(store.SaveToFile("C:\\New.ini", true));  // no such file: no question
  EXPECT_TRUE(env.boxes.shown.empty());
}

TEST_F(StoredTextListTest, SavingOverAReadOnlyFileMakesItNormal) {
  fs.PutFile(kFile, "old", true);
  store.WriteInteger("S", "K", 1);
  ASSERT_TRUE(store.Save(false));
  EXPECT_FALSE(fs.IsReadOnly(kFile));
  EXPECT_EQ(kUtf8Mark + "[S]\r\nK=1\r\n\r\n", fs.Content(kFile));
}

TEST_F(StoredTextListTest, SaveToFileWritesTheNewNameAndLeavesTheOldFile) {
  LoadText("[S]\nK=1\n");
  store.WriteInteger("S", "K", 2);
  ASSERT_TRUE(store.SaveToFile("C:\\Books\\Other.fsp", false));
  EXPECT_EQ("C:\\Books\\Other.fsp", store.FileName());
  EXPECT_EQ("[S]\nK=1\n", fs.Content(kFile));
  EXPECT_EQ(kUtf8Mark + "[S]\r\nK=2\r\n\r\n", fs.Content("c:\\books\\other.FSP"));
  EXPECT_TRUE(store.LoadFromFile(kFile));
  EXPECT_EQ(kFile, store.FileName());
  EXPECT_EQ("1", *store.Image().Find("S", "K"));
}

// A save that fails at any point must leave the previous file whole.
TEST_F(StoredTextListTest, AFailedSaveKeepsThePreviousFile) {
  const std::string previous = "[Quenvalis_Main]\r\nPieceSize=70000\r\n\r\n";
  struct Fault {
    const char* name;
    int64_t writeFailsAfter;
    bool failMoves;
  } faults[] = {{"disk full half-way", 10, false}, {"nothing written", 0, false},
                {"replace refused", -1, true}};
  for (const Fault& fault : faults) {
    TMemoryFileSystem files;
    files.PutFile(kFile, previous);
    TStoredTextList options(kFile, &files);
    options.OnSave = [](TStoredTextList& s) {
      s.Clear();
      s.WriteInteger("Quenvalis_Main", "PieceSize", 90000);
      s.WriteString("Quenvalis_Main", "DictionaryTitle", std::string(300, 'x'));
    };
    files.WriteFailsAfter = fault.writeFailsAfter;
    files.FailMoves = fault.failMoves;
    env.view.shows = 0;
    EXPECT_FALSE(options.Save(false)) << fault.name;
    EXPECT_EQ(previous, files.Content(kFile)) << fault.name;
    EXPECT_EQ(1u, files.FileCount()) << fault.name << ": temporary file left behind";
    EXPECT_TRUE(options.Modified()) << fault.name;
    EXPECT_EQ("Failed to save file.", ShownUserText()) << fault.name;
    if (fault.writeFailsAfter >= 0) {
      EXPECT_NE(std::string::npos, env.view.memo.find("System error code: 112")) << fault.name;
    }
    files.WriteFailsAfter = -1;
    files.FailMoves = false;
    EXPECT_TRUE(options.Save(false)) << fault.name;
    EXPECT_NE(std::string::npos, files.Content(kFile).find("PieceSize=90000")) << fault.name;
  }
}

TEST_F(StoredTextListTest, AFailingOnSaveWritesNothing) {
  fs.PutFile(kFile, "old");
  store.OnSave = [](TStoredTextList&) { throw std::runtime_error("handler broke"); };
  EXPECT_FALSE(store.Save(false));
  EXPECT_EQ("old", fs.Content(kFile));
  EXPECT_EQ("Failed to save file.", ShownUserText());
  EXPECT_NE(std::string::npos, env.view.memo.find("Unhandled exception: handler broke"));
}

// Files of earlier versions have no mark and are in the system's ANSI code
// page; every file is written as UTF-8 with a mark, which reads back alike
// whatever the system's code page.
TEST_F(StoredTextListTest, StoredFilesAreReadInTheirEncodingAndWrittenAsUtf8WithAMark) {
  const std::string book = u8"C:\\Книги\\Анна Каренина.txt";
  const struct {
    uint32_t codePage;
    std::string file;
    std::string expected;
    const char* what;
  } cases[] = {
      {1251, "[B]\r\n0=C:\\\xCA\xED\xE8\xE3\xE8\\\xC0\xED\xED\xE0 \xCA\xE0\xF0\xE5\xED\xE8\xED\xE0.txt\r\n", book,
       "an old file on a Russian system"},
      {1252, "[B]\r\n0=C:\\Caf\xE9\\Na\xEFve.txt\r\n", u8"C:\\Café\\Naïve.txt", "an old file on a Western system"},
      {1252, kUtf8Mark + "[B]\r\n0=" + book + "\r\n", book, "a new file on a Western system"},
      {1251, "[B]\r\n0=" + book + "\r\n", book, "UTF-8 without a mark (saved by an editor)"},
  };
  for (const auto& c : cases) {
    TFixedSystemCodePage system(c.codePage);
    LoadText(c.file);
    const std::string* read = store.Image().Find("b", "0");
    ASSERT_NE(read, nullptr) << c.what;
    EXPECT_EQ(*read, c.expected) << c.what;
    ASSERT_TRUE(store.Save(false));
    EXPECT_EQ(fs.Content(kFile), kUtf8Mark + "[B]\r\n0=" + c.expected + "\r\n\r\n") << c.what;
  }
  // A limit counts characters: 259 Cyrillic letters (518 bytes) are within a limit of 259.
  std::string longName;
  for (int i = 0; i < 259; ++i) longName += u8"Ж";
  LoadText(kUtf8Mark + "[B]\r\n0=" + longName + "\r\n1=" + longName + u8"Ж\r\n");
  std::string kept, tooLong = "default";
  store.ReadString("B", "0", kept, false, 259);
  store.ReadString("B", "1", tooLong, false, 259);
  EXPECT_EQ(kept, longName);
  EXPECT_EQ(tooLong, "default");
  // Section and key names compare without regard to case in every script.
  LoadText(kUtf8Mark + u8"[Книги]\r\nКлюч=1\r\n");
  EXPECT_NE(store.Image().Find(u8"КНИГИ", u8"ключ"), nullptr);
}

}  // namespace
}  // namespace qv
