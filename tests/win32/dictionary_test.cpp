// The dictionary look-up in the window: a double click on a word of the
// rich-box starts the dictionary program (a stand-in the tests build, which
// logs its parameters and the clipboard's text), RunFile's hand-off to the
// shell, and the choice of the program.
#include <gtest/gtest.h>

#include <ole2.h>

#include <string>
#include <vector>

#include "BookTestSupport.h"
#include "platform/FileServices.h"
#include "platform/ShellGateway.h"
#include "platform/Win32Platform.h"

namespace qv::testing {
namespace {

using namespace qv::win;

TEST(RunFile, HandsParametersAfterABlankAndConnectsNetworkDrives) {
  TRecordingShell shell;
  struct Case {
    const char* parameters;
    bool minimized, quote;
    const char* handed;
    int show;
  } cases[] = {
      {"", false, false, "", SW_SHOWNORMAL},
      {"word ", false, false, " word ", SW_SHOWNORMAL},
      {"C:\\My Books\\a.txt", true, true, " \"C:\\My Books\\a.txt\"", SW_SHOWMINNOACTIVE},
  };
  for (const Case& c : cases) {
    shell.requests.clear();
    ASSERT_TRUE(RunFile("C:\\Dict\\dict.exe", c.parameters, "C:\\Work", c.minimized, c.quote));
    ASSERT_EQ(shell.requests.size(), 1u);
    const TShellRequest& r = shell.requests[0];
    EXPECT_EQ(r.File, "C:\\Dict\\dict.exe");
    EXPECT_EQ(r.Parameters, c.handed) << c.parameters;
    EXPECT_EQ(r.Folder, "C:\\Work");
    EXPECT_EQ(r.Show, c.show);
    EXPECT_TRUE(r.Verb.empty());
    EXPECT_TRUE(r.ConnectNetworkDrives);
  }
}

// The forms with a book of words to double-click and the stand-in dictionary.
struct DictionaryForms : TBookForms {
  std::string log = win::ProgramDirectory() + "dictionary-probe.log";
  DictionaryForms() {
    OleInitialize(nullptr);  // the rich-box copies through the OLE clipboard
    DeleteFileA(log.c_str());
    if (OpenClipboard(nullptr)) {
      EmptyClipboard();
      CloseClipboard();
    }
    const std::string book = WriteTestFile(
        "words.txt", "Look up serendipity now\r\nabcdefghijklmnopqrstu long\r\n      gap here\r\n" +
                         std::string(u8"Смотри прозорливость тут\r\n"));
    EXPECT_TRUE(F().Book.OpenBook(book, false));
    F().Dictionary.Controls.DictionaryTitleEdit.SetText(win::ProgramDirectory() + "DictionaryProbe.exe");
  }
  ~DictionaryForms() {
    DeleteFileA(log.c_str());
    OleUninitialize();
  }
  // A double click on the character at a position of the control (breaks count one).
  void DoubleClickAt(int position) {
    // A press soon after the last double click would count as its third click.
    PumpFor(int(GetDoubleClickTime()) + 50);
    POINTL p{};
    SendMessageA(F().RichEdit.Handle(), EM_POSFROMCHAR, WPARAM(&p), position);
    const LPARAM at = MAKELPARAM(p.x + 2, p.y + 3);
    HWND box = F().RichEdit.Handle();
    SendMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(box, WM_LBUTTONUP, 0, at);
    SendMessageA(box, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageA(box, WM_LBUTTONUP, 0, at);
  }
  // The probe's lines once count of them are there (or what there is after 5 s).
  std::vector<std::string> Runs(size_t count) {
    std::vector<std::string> lines;
    PumpUntil([&] {
      lines.clear();
      const std::string text = ReadWholeFile(log);
      for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
      return lines.size() >= count;
    });
    return lines;
  }
};

TEST(DictionaryLookUp, ADoubleClickedWordReachesTheProgramOnItsCommandLineOrThroughTheClipboard) {
  DictionaryForms forms;
  app::TQuenvalisForm& f = forms.F();
  f.Dictionary.Controls.ClipboardForDicCheckBox.SetChecked(false);
  forms.DoubleClickAt(10);  // in "serendipity"
  const std::string selected = f.RichEdit.GetSelText();
  ASSERT_EQ(selected.rfind("serendipity", 0), 0u) << selected;
  std::vector<std::string> runs = forms.Runs(1);
  ASSERT_EQ(runs.size(), 1u);
  // The shell puts a blank between the program and its parameters, which begin with one.
  EXPECT_EQ(runs[0], "[  " + selected + "][]");

  f.Dictionary.Controls.ClipboardForDicCheckBox.SetChecked(true);
  forms.DoubleClickAt(2);  // in "Look": the program starts again, with no parameters
  runs = forms.Runs(2);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[1], "[][" + f.RichEdit.GetSelText() + "]");
  EXPECT_EQ(f.RichEdit.GetSelText().rfind("Look", 0), 0u);
}

// A word of any script reaches the program whole, on its command line and on the clipboard.
TEST(DictionaryLookUp, AWordOutsideTheCodePageReachesTheProgramAsItIs) {
  DictionaryForms forms;
  app::TQuenvalisForm& f = forms.F();
  const int fourthLine = 66;
  for (const bool clipboard : {false, true}) {
    f.Dictionary.Controls.ClipboardForDicCheckBox.SetChecked(clipboard);
    forms.DoubleClickAt(fourthLine + 9);  // in "прозорливость"
    ASSERT_EQ(f.RichEdit.GetSelText().rfind(u8"прозорливость", 0), 0u) << f.RichEdit.GetSelText();
  }
  const std::vector<std::string> runs = forms.Runs(2);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0], "[  " + f.RichEdit.GetSelText() + "][]");
  EXPECT_EQ(runs[1], "[][" + f.RichEdit.GetSelText() + "]");
}

TEST(DictionaryLookUp, ALongWordOrWhiteSpaceStartsNothing) {
  DictionaryForms forms;
  forms.F().Dictionary.Controls.ClipboardForDicCheckBox.SetChecked(false);
  const int secondLine = 24, thirdLine = 24 + 27;
  forms.DoubleClickAt(secondLine + 3);  // "abcdefghijklmnopqrstu " is 22 characters
  EXPECT_EQ(forms.F().RichEdit.GetSelText().size(), 22u);
  forms.DoubleClickAt(thirdLine + 2);  // the blanks before "gap"
  EXPECT_EQ(forms.F().RichEdit.GetSelText(), "      ");
  // The word that follows is the only one the program was started for.
  forms.DoubleClickAt(thirdLine + 7);
  const std::vector<std::string> runs = forms.Runs(1);
  EXPECT_EQ(runs, std::vector<std::string>{"[  gap ][]"});
  EXPECT_TRUE(forms.boxes.shown.empty());
}

TEST(DictionaryLookUp, TheLoadButtonChoosesAProgram) {
  DictionaryForms forms;
  TAnsweringFileDialogs dialogs;
  dialogs.answer = "C:\\Dict\\..\\Tools\\dict.exe";
  forms.F().Dictionary.Controls.ChangeDictionaryButton.Click();
  EXPECT_EQ(dialogs.proposed, win::ProgramDirectory() + "DictionaryProbe.exe");
  EXPECT_EQ(dialogs.filter, "Programs (*.exe)|*.exe");
  EXPECT_EQ(forms.F().Dictionary.Controls.DictionaryTitleEdit.Text(), "C:\\Tools\\dict.exe");
  EXPECT_TRUE(forms.F().RichEdit.Focused());
}

}  // namespace
}  // namespace qv::testing
