#include <gtest/gtest.h>

#include "errors/Dialogs.h"
#include "errors/ErrorFakes.h"
#include "errors/Guard.h"

namespace qv {
namespace {

using testing::ScopedErrorEnvironment;

TEST(ErrorDialog, MemoCaptionAndResults) {
  ScopedErrorEnvironment env;
  struct Case { int result; bool expected, flag; } cases[] = {
      {IErrorDialogView::ResultOk, true, false},
      {IErrorDialogView::ResultYes, true, true},
      {IErrorDialogView::ResultCancel, false, false},
  };
  for (const Case& c : cases) {
    env.view.result = c.result;
    bool flag = !c.flag;
    EXPECT_EQ(env.form.Dialog("Warning", "", &flag, "\r\nREPORT"), c.expected);
    EXPECT_EQ(flag, c.flag);
    EXPECT_EQ(env.view.caption, "Warning");
    EXPECT_EQ(env.view.memo, "DESCRIPTION\r\nFailed to perform.\r\n\r\nREPORT");
    EXPECT_EQ(env.view.recursionText, "Recursive attempts = None");
    EXPECT_EQ(env.form.RecursionCount(), 0);
  }
}

TEST(ErrorDialog, ReportsDuringTheOpenDialogAreCountedNotShown) {
  ScopedErrorEnvironment env;
  int seenInside = -1;
  env.view.onShow = [&] {
    // A timer fires twice while the dialog is open and both fail.
    for (int i = 0; i < 2; ++i)
      Guarded(QV_OP("Timer", "TQuenvalisForm::InfoTimerTimer", "Tick failed."),
              [](TFunStatContext& l) { l.Raise("Timer", "T", 0, "bad", "", "", Error, 1); });
    seenInside = env.form.RecursionCount();
  };
  Guarded(QV_OP("Book", "TQuenvalisForm::LoadFromFile", "Failed to open book."),
          [](TFunStatContext& l) { l.Raise("Book", "L", 0, "bad", "", "", Error, 1); });
  EXPECT_EQ(env.view.shows, 1);
  EXPECT_EQ(seenInside, 3);
  EXPECT_EQ(env.view.recursionText, "Recursive attempts = 2");
  EXPECT_NE(env.view.memo.find("Failed to open book."), std::string::npos);
  EXPECT_EQ(env.form.RecursionCount(), 0);
}

TEST(ErrorDialog, ExceptionInsideTheDialogIsSwallowed) {
  ScopedErrorEnvironment env;
  env.view.onShow = [] { throw std::runtime_error("boom"); };
  EXPECT_FALSE(env.form.Dialog("Error", "u", nullptr, "r"));
  EXPECT_EQ(env.form.RecursionCount(), 0);
}

TEST(ErrorLog, RecordAndSizeRule) {
  EXPECT_EQ(ErrorLogRecord("DESCRIPTION\r\nx"), "**********DESCRIPTION\r\nx\r\n**********\r\n");
  EXPECT_FALSE(ShouldEmptyErrorLog(0));
  EXPECT_FALSE(ShouldEmptyErrorLog(10000));
  EXPECT_TRUE(ShouldEmptyErrorLog(10001));
}

TEST(Guarded, ResultsShowingAndContextRestored) {
  ScopedErrorEnvironment env;
  struct Case {
    const char* name;
    std::function<void(TFunStatContext&)> body;
    bool ok;
    int shows;
    const char* description;
  } cases[] = {
      {"clean", [](TFunStatContext&) {}, true, 0, ""},
      {"warning", [](TFunStatContext& l) { l.Raise("F", "G", 0, "soft", "", "", Warning, 1); },
       true, 0, ""},
      {"error", [](TFunStatContext& l) { l.Raise("F", "G", 2, "hard", "p1", "", Error, 1); },
       false, 1, "* Description: \"hard\""},
      {"typed", [](TFunStatContext&) { throw std::runtime_error("disk gone"); }, false, 1,
       "* Description: \"Unhandled exception: disk gone\""},
      {"generic", [](TFunStatContext&) { throw 7; }, false, 1,
       "* Description: \"Unhandled generic exception.\""},
  };
  for (const Case& c : cases) {
    env.view.shows = 0;
    const bool ok = Guarded(QV_OP("QuenvalisDialog", "TQuenvalisForm::Op", "Failed to op."), c.body);
    EXPECT_EQ(ok, c.ok) << c.name;
    EXPECT_EQ(env.view.shows, c.shows) << c.name;
    if (c.shows) {
      EXPECT_NE(env.view.memo.find(c.description), std::string::npos) << c.name << env.view.memo;
      EXPECT_EQ(env.view.memo.rfind("DESCRIPTION\r\nFailed to op.\r\n", 0), 0u) << c.name;
      EXPECT_NE(env.view.memo.find("SHOW CONTEXT\r\n* File: \"QuenvalisDialog\"\r\n* Function: \"\""),
                std::string::npos);
    }
    EXPECT_EQ(FunStatContext.Status, Perfect) << c.name;
  }
}

TEST(Guarded, NotShownWhenAskedAndBeginStateWhileRunning) {
  ScopedErrorEnvironment env;
  int32_t during = -1;
  std::string fn;
  EXPECT_FALSE(Guarded(QV_OP("Q", "TQuenvalisForm::LoadOnStart", ""),
                       [&](TFunStatContext& l) {
                         during = FunStatContext.Status;
                         fn = FunStatContext.Function;
                         l.Raise("Q", "X", 0, "bad", "", "", Error, 1);
                       },
                       false));
  EXPECT_EQ(during, BeginFunctionError);
  EXPECT_EQ(fn, "TQuenvalisForm::LoadOnStart");
  EXPECT_EQ(env.view.shows, 0);
  EXPECT_EQ(FunStatContext.Status, Perfect);
}

TEST(Silent, LeavesWarningForTheCallerWhoTakesIt) {
  ScopedErrorEnvironment env;
  const int size = Silent(QV_OP("File", "GetFileSize", ""), [](TFunStatContext& l) {
    l.Raise("File", "GetFileSize", 2, "File not found.", "x.txt", "", Warning, 5);
    return -1;
  });
  EXPECT_EQ(size, -1);
  EXPECT_EQ(FunStatContext.Status, Warning);
  TFunStatContext local;
  EXPECT_TRUE(TakeFailure(local));
  EXPECT_EQ(local.Status, Error);
  EXPECT_EQ(local.Parameter1, "x.txt");
  FunStatContext.Reset(Perfect);
  EXPECT_FALSE(TakeFailure(local));
}

TEST(MessageBoxes, CaptionsStylesAndAnswers) {
  ScopedErrorEnvironment env;
  ShowInfoMessage("i");
  ShowWarningMessage("w");
  ShowErrorMessage("e");
  env.boxes.answers = {6, 7, 0};
  EXPECT_TRUE(AskQuery("q1"));
  EXPECT_FALSE(AskQuery("q2"));
  EXPECT_FALSE(AskQuery("q3"));  // the box could not be shown
  ASSERT_EQ(env.boxes.shown.size(), 6u);
  EXPECT_EQ(env.boxes.shown[0].caption, "Message");
  EXPECT_EQ(env.boxes.shown[0].style, 0x40u);
  EXPECT_EQ(env.boxes.shown[1].caption, "Warning");
  EXPECT_EQ(env.boxes.shown[1].style, 0x30u);
  EXPECT_EQ(env.boxes.shown[2].caption, "Error");
  EXPECT_EQ(env.boxes.shown[2].style, 0x10u);
  EXPECT_EQ(env.boxes.shown[3].caption, "Query");
  EXPECT_EQ(env.boxes.shown[3].style, 0x24u);
  EXPECT_EQ(env.boxes.exclamations, 1);
}

}  // namespace
}  // namespace qv
