// What a screen reader hears: each control's accessible name, read as a screen
// reader reads it (AccessibleObjectFromWindow, then get_accName).
#include <gtest/gtest.h>
#include <oleacc.h>

#include <string>
#include <vector>

#include "TempFolderTree.h"
#include "WineTestSupport.h"
#include "platform/WideText.h"
#include "widgets/FocusOrder.h"

namespace qv::testing {
namespace {

using namespace qv::win;

struct TComScope {
  TComScope() { CoInitialize(nullptr); }
  ~TComScope() { CoUninitialize(); }
};

// The window's accessible object as a screen reader gets it, or null.
IAccessible* AccessibleOf(HWND window) {
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&object))))
    return nullptr;
  return object;
}

enum class TAsk { Name, Value };

// One answer of the object for itself (child 0) or for one of its items (1, 2, ...); "<none>" when it gives none.
std::string Answer(HWND window, TAsk ask, long child = CHILDID_SELF) {
  IAccessible* object = AccessibleOf(window);
  if (!object) return "<none>";
  VARIANT which;
  VariantInit(&which);
  which.vt = VT_I4;
  which.lVal = child;
  BSTR text = nullptr;
  const HRESULT hr = ask == TAsk::Name ? object->get_accName(which, &text) : object->get_accValue(which, &text);
  object->Release();
  if (FAILED(hr) || !text) return "<none>";
  const std::string answer = FromWide(text, SysStringLen(text));
  SysFreeString(text);
  return answer;
}

// Every page of the sidebar shown in turn.
std::vector<TTabSheet*> ShowEachPage(app::TSidebar& s, const std::function<void(TTabSheet*)>& each) {
  std::vector<TTabSheet*> pages = s.Pages();
  for (TTabSheet* page : pages) {
    TPageControl* inner = page->PageControl();
    inner->SetActivePage(page);
    if (inner != &s.Container_OptionsPageControl)
      s.Container_OptionsPageControl.SetActivePage(static_cast<TTabSheet*>(inner->Parent()));
    each(page);
  }
  return pages;
}

TEST(AccessibleNames, EveryControlIsNamedByItsCaptionOrItsLabel) {
  TComScope com;
  ProgramForms forms;
  app::TQuenvalisForm& f = *forms.main;
  PumpUntil([&] { return !f.Book.BookFileName.empty() && !f.RichEdit.InBurst(); }, 5000);
  app::TSidebar& s = f.Sidebar;
  if (Answer(s.HelpButton.Handle(), TAsk::Name) == "<none>")
    GTEST_SKIP() << "this system gives no accessible objects (AccessibleObjectFromWindow failed)";
  f.Screen.SkipNextSidebarChange = false;
  f.Screen.HideSidebar(false);

  // Every control the keyboard reaches has a name.
  ShowEachPage(s, [&](TTabSheet* page) {
    for (TControl* c : TabStops(s.Container_MainPanel))
      EXPECT_NE(Answer(c->Handle(), TAsk::Name), "<none>") << c->Name() << " on " << page->Name();
  });

  const struct {
    TControl& control;
    const char* name;
  } named[] = {
      {s.HelpButton, "Help"},
      {f.Book.Controls.SaveBookButton, "Save"},  // "&Save": the mark is no part of the name
      {f.Book.Controls.AllowEditingCheckBox, "Allow editing"},
      {f.Book.Controls.PieceSize.Box, "Piece size"},
      {s.RichBoxWidthPercentComboBox, "Rich-box width (%)"},
      {f.Book.Controls.PrintRightMargin.Box, "Right"},
      {f.Book.Controls.GotoLineEdit, "Go to line"},
      {f.Book.Controls.FindTextEdit, "Find text"},
      {f.Converter.Controls.ConvertMeasureEdit, "Value to be converted"},
      {f.Images.Controls.ScreenImage.Gamma.Box, "Gamma (%)"},
      {f.Images.Controls.ScreenImage.Title, "Screen background image"},
      {f.Colors.Controls.RichBoxBack.Panel, "Window back"},
      {s.BrowserListBox, "Browser"},
      {*s.ProfileColorsTabSheet, "Colors"},
      {s.SizesGroupBox, "Sizes"},
  };
  for (const auto& n : named) EXPECT_EQ(Answer(n.control.Handle(), TAsk::Name), n.name) << n.control.Name();
  // An editable box's edit, which holds the focus while one types, speaks for the box.
  EXPECT_EQ(Answer(FindWindowExA(f.Book.Controls.PieceSize.Box.Handle(), nullptr, "Edit", nullptr), TAsk::Name),
            "Piece size");

  // A colour panel's value is its colour's name.
  app::SetColorPanel(f.Colors.Controls.RichBoxBack.Panel, 0x196EB9);
  EXPECT_EQ(Answer(f.Colors.Controls.RichBoxBack.Panel.Handle(), TAsk::Value), "Ochre");

  // The owner-drawn lists read their rows: the browser's name and type, the converter's units.
  TempTree tree("qv-accessible-");
  tree.Folder("Caf\xE9");  // "Café" in the code page
  tree.Folder("Poems");
  tree.File("Tale.txt");
  f.Browser.LoadBrowserContent(tree.Root());
  EXPECT_EQ(Answer(s.BrowserListBox.Handle(), TAsk::Name, 1), "Caf\xC3\xA9, Dir");
  EXPECT_EQ(Answer(s.BrowserListBox.Handle(), TAsk::Name, 2), "Poems, Dir");
  EXPECT_EQ(Answer(s.BrowserListBox.Handle(), TAsk::Name, 3), "Tale.txt, Plain");
  TListBox& lengths = f.Converter.Controls.List(TMeasureList(0));
  EXPECT_EQ(Answer(lengths.Handle(), TAsk::Name, 1), lengths.Item(0));
}

TEST(AccessibleNames, TheRichBoxReadsTheBookItself) {
  TComScope com;
  ProgramForms forms;
  app::TQuenvalisForm& f = *forms.main;
  PumpUntil([&] { return !f.Book.BookFileName.empty() && !f.RichEdit.InBurst(); }, 5000);
  const std::string text = Answer(f.RichEdit.Handle(), TAsk::Value);
  if (text == "<none>") GTEST_SKIP() << "this system's rich-box gives screen readers no value (wine's riched20 has none)";
  EXPECT_NE(text.find("Welcome"), std::string::npos) << text;
}

}  // namespace
}  // namespace qv::testing
