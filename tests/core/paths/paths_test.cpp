#include <gtest/gtest.h>

#include <string>

#include "encoding/UnicodeText.h"
#include "paths/PathStrings.h"
#include "paths/WebAddress.h"

namespace qv {
namespace {

struct PathCase {
  const char* path;
  const char* dir;
  const char* name;
};

TEST(PathStrings, DirAndNameParts) {
  const PathCase cases[] = {
      {"C:", "", "C:"},
      {"C:\\", "C:\\", ""},
      {"C:\\Books", "C:\\", "Books"},
      {"C:\\Books\\", "C:\\Books\\", ""},
      {"C:\\Books\\Tale.txt", "C:\\Books\\", "Tale.txt"},
      {"C:Tale.txt", "C:", "Tale.txt"},
      {"Tale.txt", "", "Tale.txt"},
      {"\\\\server\\share\\a.txt", "\\\\server\\share\\", "a.txt"},
      {"", "", ""},
  };
  for (const PathCase& c : cases) {
    EXPECT_EQ(c.dir, GetDirOfPath(c.path)) << c.path;
    EXPECT_EQ(c.name, GetNameOfPath(c.path)) << c.path;
  }
}

TEST(PathStrings, DrivesAndTrailingBackslashes) {
  EXPECT_TRUE(IsDriveOnly("C:"));
  EXPECT_TRUE(IsDriveOnly("AB:"));
  EXPECT_FALSE(IsDriveOnly(":"));
  EXPECT_FALSE(IsDriveOnly("C:\\"));
  EXPECT_EQ("", IncludeTrailingBackslash(""));
  EXPECT_EQ("C:\\", IncludeTrailingBackslash("C:"));
  EXPECT_EQ("C:\\A\\", IncludeTrailingBackslash("C:\\A\\"));
  EXPECT_EQ("C:", ExcludeTrailingBackslash("C:\\"));
  EXPECT_EQ("C:\\A", ExcludeTrailingBackslash("C:\\A"));
  EXPECT_EQ("", ExcludeTrailingBackslash(""));
}

TEST(PathStrings, ParentFolders) {
  EXPECT_EQ("C:\\Books\\", GetParentDir("C:\\Books\\Poe\\"));
  EXPECT_EQ("C:\\Books\\", GetParentDir("C:\\Books\\Poe"));
  EXPECT_EQ("C:\\", GetParentDir("C:\\Books\\"));
  EXPECT_EQ("", GetParentDir("C:\\"));
  EXPECT_EQ("", GetParentDir("C:"));
  EXPECT_EQ("", GetParentDir(""));
  EXPECT_EQ("C:\\Prog\\BackImages", CombinePath("C:\\Prog", "BackImages"));
  EXPECT_EQ("C:\\Prog\\Welcome.txt", CombinePath("C:\\Prog\\", "Welcome.txt"));
  EXPECT_EQ("Welcome.txt", CombinePath("", "Welcome.txt"));
}

TEST(PathStrings, PathPrefixAndInside) {
  EXPECT_FALSE(IsPathPrefix("C:\\Book", "C:\\Books\\a.txt"));
  EXPECT_TRUE(IsPathPrefix("C:\\Books", "C:\\Books\\a.txt"));
  EXPECT_TRUE(IsPathPrefix("c:\\books\\", "C:\\Books\\a.txt"));
  EXPECT_TRUE(IsPathPrefix("C:\\Books", "c:\\books"));
  EXPECT_FALSE(IsPathPrefix("", "C:\\Books"));
  EXPECT_FALSE(IsPathPrefix("C:\\Books\\a.txt\\x", "C:\\Books\\a.txt"));

  std::string rel;
  EXPECT_TRUE(GetPathInside("C:\\Books\\", "C:\\Books\\Poe\\bg.jpg", rel));
  EXPECT_EQ("Poe\\bg.jpg", rel);
  EXPECT_TRUE(GetPathInside("c:\\BOOKS", "C:\\Books\\bg.jpg", rel));
  EXPECT_EQ("bg.jpg", rel);
  EXPECT_FALSE(GetPathInside("C:\\Books", "C:\\Books", rel));
  EXPECT_FALSE(GetPathInside("C:\\Books", "C:\\Books\\", rel));
  EXPECT_FALSE(GetPathInside("C:\\Book", "C:\\Books\\bg.jpg", rel));
}

TEST(PathStrings, Extensions) {
  EXPECT_EQ(".txt", ExtractFileExt("C:\\Books\\Tale.txt"));
  EXPECT_EQ("", ExtractFileExt("C:\\Books.old\\Tale"));
  EXPECT_EQ("", ExtractFileExt("C:"));
  EXPECT_EQ("C:\\Books\\Tale.fsp", ChangeFileExt("C:\\Books\\Tale.txt", ".fsp"));
  EXPECT_EQ("C:\\Books.old\\Tale.fsp", ChangeFileExt("C:\\Books.old\\Tale", ".fsp"));
  EXPECT_EQ("C:\\A\\x.tar.fsp", ChangeFileExt("C:\\A\\x.tar.gz", ".fsp"));
  EXPECT_EQ("Tale", GetNameWithoutExt("C:\\Books\\Tale.txt"));
  EXPECT_EQ("Pics", GetNameWithoutExt("C:\\Pics"));
}

TEST(PathStrings, ExpandDots) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\Books\\Poe\\..\\Tale.txt", "C:\\Books\\Tale.txt"},
      {"C:\\Books\\.\\Tale.txt", "C:\\Books\\Tale.txt"},
      {"C:\\..\\..\\Tale.txt", "C:\\Tale.txt"},
      {"C:\\Books\\\\Poe\\", "C:\\Books\\Poe\\"},
      {"C:\\Books\\Poe\\..\\", "C:\\Books\\"},
      {"C:\\Books\\..", "C:\\"},
      {"\\\\srv\\share\\a\\..\\b.txt", "\\\\srv\\share\\b.txt"},
      {"Pics\\..\\bg.jpg", "bg.jpg"},
      {"..\\bg.jpg", "..\\bg.jpg"},
      {"C:", "C:"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.second, ExpandDots(c.first)) << c.first;
}

TEST(PathStrings, SamePathIgnoresCaseDotsAndTheTrailingBackslash) {
  EXPECT_TRUE(SamePath("C:\\Program Files\\Quenvalis\\", "c:\\program files\\QUENVALIS"));
  EXPECT_TRUE(SamePath("C:\\Users\\Ann\\..\\Bob\\", "C:\\Users\\Bob"));
  EXPECT_FALSE(SamePath("C:\\Programs\\Quenvalis", "C:\\Programs\\Quenvalis2"));
  EXPECT_FALSE(SamePath("", ""));  // an unset folder names nothing
}

TEST(PathStrings, RunFileParametersAreABlankThenTheTextOptionallyQuoted) {
  EXPECT_EQ(RunFileParameters("", false), "");
  EXPECT_EQ(RunFileParameters("", true), "");
  EXPECT_EQ(RunFileParameters("word ", false), " word ");
  EXPECT_EQ(RunFileParameters("C:\\My Books\\a.txt", true), " \"C:\\My Books\\a.txt\"");
}


TEST(AnsiText, FoldsCodePageLetters) {
  EXPECT_TRUE(SameText("Quenvalis_Main", "QUENVALIS_main"));
  EXPECT_TRUE(SameText("\xE9t\xE9", "\xC9T\xC9"));    // été / ÉTÉ
  EXPECT_TRUE(SameText("\x9A\xFF", "\x8A\x9F"));      // š ÿ / Š Ÿ
  EXPECT_FALSE(SameText("\xF7", "\xD7"));             // ÷ is no letter
  EXPECT_FALSE(SameText("ab", "abc"));
  EXPECT_TRUE(StartsText("c:\\B", "C:\\Books"));
}

}  // namespace
}  // namespace qv

namespace qv {
namespace {

TEST(WebAddress, OnlyWebAddressesReachTheShell) {
  const struct {
    const char* text;
    bool web;
    const char* opened;
  } cases[] = {
      {"http://example.org/a", true, "http://example.org/a"},
      {"HTTPS://Example.org", true, "HTTPS://Example.org"},
      {"ftp://files.example.org/x", true, "ftp://files.example.org/x"},
      {"mailto:reader@example.org", true, "mailto:reader@example.org"},
      {" www.gutenberg.org ", true, "http://www.gutenberg.org"},
      {"file:///C:/Windows/notepad.exe", false, ""},
      {"C:\\Windows\\notepad.exe", false, ""},
      {"notepad.exe", false, ""},
      {"ms-settings:display", false, ""},
      {"javascript:alert(1)", false, ""},
      {"http://", false, ""},
      {"http://a b", false, ""},
      {"http://a\r\nb", false, ""},
      {"", false, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.web, IsWebAddress(c.text)) << c.text;
    if (c.web) {
      EXPECT_EQ(c.opened, WebAddressToOpen(c.text)) << c.text;
    }
  }
}

TEST(WebAddress, ABooksLinkReachesTheShellInAscii) {
  EXPECT_EQ(AsciiWebAddress("http://example.org/caf\xC3\xA9?q=\xE2\x80\x99%20"),
            "http://example.org/caf%C3%A9?q=%E2%80%99%20");
}

}  // namespace
}  // namespace qv
