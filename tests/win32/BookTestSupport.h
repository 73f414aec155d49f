// Helpers of the book document's tests: the forms once the start-up book is
// in, books written for a test, a save dialog that answers a name, and colour
// dialogs that answer a colour.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WineTestSupport.h"
#include "colors/ColorPanels.h"
#include "richbox/RichOps.h"
#include "util/Clock.h"
#include "widgets/FileDialogs.h"

namespace qv::testing {

// The program's forms once the start-up book is in: the test then owns the rich-box.
struct TBookForms : ProgramForms {
  TBookForms() {
    PumpUntil([this] { return !main->Book.BookFileName.empty() && !main->RichEdit.InBurst(); }, 5000);
    PumpFor(30);
    boxes.shown.clear();
    // The books of the test folder open with its profile, which the test writes:
    // by default the lines go to the rich-box as they are.
    main->Persistence.Controls.AutoSaveProfileCheckBox.SetChecked(false);
    UseFolderProfile("EnhanceText=FALSE\r\n");
  }
  // The profile of the test folder: these keys of "Profile_Main", the others at
  // their defaults; no keys: no folder profile (the defaults apply).
  static void UseFolderProfile(const std::string& mainKeys) {
    const std::string path = TestDirectory() + "QuenvalisProfile.fsp";
    if (mainKeys.empty()) DeleteFileA(path.c_str());
    else WriteTestFile("QuenvalisProfile.fsp", "[Profile_Main]\r\n" + mainKeys);
  }
  app::TQuenvalisForm& F() { return *main; }
  std::string Shown(size_t i) const { return i < boxes.shown.size() ? boxes.shown[i].text : "<none>"; }
};

// A clock the test moves: every reading adds step.
class TSteppingClock : public IClock {
 public:
  uint32_t now = 1000000;
  uint32_t step = 0;
  uint32_t TickCount() override { return now += step; }
};

// count lines "L00001 " … padded with dots to width bytes, each ending in CR LF.
inline std::string NumberedLines(int count, int width) {
  std::string text;
  for (int i = 1; i <= count; ++i) {
    char head[16];
    snprintf(head, sizeof head, "L%05d ", i);
    std::string line = head;
    line.resize(size_t(width - 2), '.');
    text += line + "\r\n";
  }
  return text;
}

class TAnsweringFileDialogs : public win::IFileDialogs {
 public:
  std::string answer;  // empty: cancelled
  std::string proposed;
  std::string filter;  // of the last dialog shown
  bool Open(win::TFileDialogRequest& r) override { return Answer(r); }
  bool Save(win::TFileDialogRequest& r) override { return Answer(r); }
  TAnsweringFileDialogs() { win::SetFileDialogs(this); }
  ~TAnsweringFileDialogs() override { win::SetFileDialogs(nullptr); }

 private:
  bool Answer(win::TFileDialogRequest& r) {
    proposed = r.FileName;
    filter = r.Filter;
    if (answer.empty()) return false;
    r.FileName = answer;
    return true;
  }
};

// The colour dialogs a panel opens, answered at once with a colour of the test's.
class TAnsweringChooser : public IColorChooser {
 public:
  std::vector<std::string> asked;
  uint32_t answer = 0x196EB9;  // Ochre
  bool ChooseStockColor(uint32_t& color) override { return Choose("stock", color); }
  bool ChooseSystemColor(uint32_t& color) override { return Choose("system", color); }

 private:
  bool Choose(const char* which, uint32_t& color) {
    asked.push_back(which);
    color = answer;
    return true;
  }
};

}  // namespace qv::testing
