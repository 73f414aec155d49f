#include <gtest/gtest.h>

#include "errors/ErrorFakes.h"
#include "errors/FunStatContext.h"

namespace qv {
namespace {

using testing::ScopedErrorEnvironment;

TFunStatContext SampleContext() {
  TFunStatContext c;
  c.Raise("Quenvalis\\Src\\QuenvalisDialog.cpp", "TQuenvalisForm::LoadFromFile", 0,
          "File is too big.", "", "", Error, 120);
  c.SetShowContext("C:/work/QuenvalisDialog", "", 130);
  return c;
}

TEST(Report, FullLayoutWithoutOptionalLines) {
  ScopedErrorEnvironment env;
  const std::string expected =
      "\r\nRAISE CONTEXT"
      "\r\n* Status: Error"
      "\r\n* File: \"QuenvalisDialog.cpp\""
      "\r\n* Function: \"TQuenvalisForm::LoadFromFile\""
      "\r\n* Line: 120"
      "\r\n* Description: \"File is too big.\""
      "\r\n"
      "\r\nSHOW CONTEXT"
      "\r\n* File: \"QuenvalisDialog\""
      "\r\n* Function: \"\""
      "\r\n* Line: 130"
      "\r\n"
      "\r\nINFO"
      "\r\n* Time: Tuesday, 8 December 2026 (342) | 20:35:00 (742)"
      "\r\n* Program: C:\\Quenvalis\\Quenvalis.exe"
      "\r\n* Recursive attempts: 0"
      "\r\n"
      "\r\nUSER INFO"
      "\r\n* UserCode: 0"
      "\r\n* UserText: "
      "\r\n* UserInt: 0"
      "\r\n* UserReal: 0";
  EXPECT_EQ(SampleContext().Report(), expected);
}

TEST(Report, OptionalLinesAndUserFields) {
  ScopedErrorEnvironment env;
  TFunStatContext c = SampleContext();
  c.Parameter1 = "book.txt";
  c.Parameter2 = "42";
  c.SystemErrorCode = 5;
  c.UserCode = -3;
  c.UserText = "free text";
  c.UserInt = 17;
  c.UserReal = 0.1;
  const std::string r = c.Report();
  EXPECT_NE(r.find("\r\n* Description: \"File is too big.\"\r\n* Parameter 1: \"book.txt\""
                   "\r\n* Parameter 2: \"42\"\r\n* System error code: 5"
                   "\r\n* System error description: \"System text 5\"\r\n\r\nSHOW CONTEXT"),
            std::string::npos)
      << r;
  EXPECT_NE(r.find("* UserCode: -3\r\n* UserText: free text\r\n* UserInt: 17\r\n* UserReal: 0.1"),
            std::string::npos);
  EXPECT_NE(r.substr(r.size() - 2), "\r\n");
}

TEST(Report, SystemTextInsertTakesTheFileName) {
  ScopedErrorEnvironment env;
  struct Case { const char* parameter1; const char* line; } cases[] = {
      {"C:\\Books\\tool.exe", "* System error description: \"Bad EXE format for C:\\Books\\tool.exe.\""},
      {"", "* System error description: \"Bad EXE format for %1.\""},
  };
  for (const Case& k : cases) {
    TFunStatContext c = SampleContext();
    c.Parameter1 = k.parameter1;
    c.SystemErrorCode = 193;
    EXPECT_NE(c.Report().find(k.line), std::string::npos) << k.parameter1;
  }
}

TEST(Report, StatusLines) {
  ScopedErrorEnvironment env;
  struct Case { int32_t status; const char* line; } cases[] = {
      {0, "* Status: Perfect\r\n"},
      {1, "* Status: Warning\r\n"},
      {3, "* Status: Begin function error\r\n"},
      {4, "* Status: Panic\r\n"},
      {5, "* Status: Catastrophe: CATASTROPHIC FAILURE!!! It is highly recommended to terminate "
          "the program immediately!\r\n"},
      {9, "* Status: Unknown function status\r\n"},
      {-1, "* Status: Unknown function status\r\n"},
  };
  for (const Case& c : cases) {
    TFunStatContext ctx = SampleContext();
    ctx.Status = c.status;
    EXPECT_NE(ctx.Report().find(c.line), std::string::npos) << c.status;
  }
}

TEST(Report, FileNamePartCutsFoldersAndDrives) {
  EXPECT_EQ(FileNamePart("C:\\a\\b\\Error.cpp"), "Error.cpp");
  EXPECT_EQ(FileNamePart("Include/File"), "File");
  EXPECT_EQ(FileNamePart("C:Error"), "Error");
  EXPECT_EQ(FileNamePart("Error"), "Error");
  EXPECT_EQ(FileNamePart(""), "");
}

TEST(Context, AssignKeepsShowContextAndResetKeepsUserFields) {
  TFunStatContext a = SampleContext();
  a.UserText = "kept";
  TFunStatContext b;
  b.SetShowContext("Other", "Fn", 7);
  b.Assign(a);
  EXPECT_EQ(b.Function, "TQuenvalisForm::LoadFromFile");
  EXPECT_EQ(b.UserText, "kept");
  EXPECT_EQ(b.ShowFile, "Other");
  EXPECT_EQ(b.ShowFunction, "Fn");
  EXPECT_EQ(b.ShowLine, 7);

  a.Reset(Warning);
  EXPECT_EQ(a.Status, Warning);
  EXPECT_TRUE(a.File.empty() && a.Function.empty() && a.Description.empty());
  EXPECT_EQ(a.Line, 0);
  EXPECT_EQ(a.UserText, "kept");
  EXPECT_EQ(a.ShowLine, 130);

  a.BeginFunction("F", "G", 3);
  EXPECT_EQ(a.Status, BeginFunctionError);
  EXPECT_EQ(a.Line, 3);
}

TEST(Show, WithoutErrorFormFallsBackToPlainBox) {
  ScopedErrorEnvironment env(false);
  bool flag = true;
  EXPECT_FALSE(SampleContext().Show("x", &flag));
  EXPECT_FALSE(flag);
  ASSERT_EQ(env.boxes.shown.size(), 1u);
  EXPECT_EQ(env.boxes.shown[0].caption, "Error");
  EXPECT_EQ(env.boxes.shown[0].text, "The error-dialog form is not created. You must create it.");
}

}  // namespace
}  // namespace qv
