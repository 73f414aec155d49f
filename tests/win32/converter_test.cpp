// The measure converter in the window: the number under the mouse in the
// rich-box, the value edit, the unit lists' conversions and clicks, the right
// click that opens the page, and the lists' selections in the options file.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "BookTestSupport.h"
#include "ScreenCapture.h"
#include "encoding/Utf8.h"
#include "platform/Win32Platform.h"

namespace qv::testing {
namespace {

using namespace qv::win;

const char* const kBook =
    "he walked 12 miles\r\n"  // 0
    "2.5 miles away\r\n"      // 19
    "on 12.05.2003 and\r\n"   // 34
    "a word\r\n";             // 52

struct ConverterForms : TBookForms {
  ConverterForms() {
    EXPECT_TRUE(F().Book.OpenBook(WriteTestFile("measures.txt", kBook), false));
    PumpFor(30);
  }
  app::TConverter& C() { return F().Converter; }
  // The point over the character at a position of the control (breaks count one).
  POINT PointOf(int position) {
    POINTL p{};
    SendMessageA(F().RichEdit.Handle(), EM_POSFROMCHAR, WPARAM(&p), position);
    return POINT{p.x + 2, p.y + 3};
  }
  void MoveOver(int position) {
    const POINT p = PointOf(position);
    SendMessageA(F().RichEdit.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
  }
  void MoveOverItem(TListBox& list, int item, int below = 0) {
    RECT r{};
    SendMessageA(list.Handle(), LB_GETITEMRECT, item, LPARAM(&r));
    SendMessageA(list.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(r.left + 10, (r.top + r.bottom) / 2 + below));
  }
  void ClickItem(TListBox& list, int item) {
    RECT r{};
    SendMessageA(list.Handle(), LB_GETITEMRECT, item, LPARAM(&r));
    const LPARAM at = MAKELPARAM(r.left + 10, (r.top + r.bottom) / 2);
    SendMessageA(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(list.Handle(), WM_LBUTTONUP, 0, at);
  }
  int IndexOf(TListBox& list, const std::string& item) {
    for (int i = 0; i < list.ItemCount(); ++i)
      if (list.Item(i) == item) return i;
    return -1;
  }
  std::string Hint() { return F().HintLabel.Caption(); }
  std::string Edit() { return C().Controls.ConvertMeasureEdit.Text(); }
};

TEST(Converter, TheNumberUnderTheMouseIsConvertedFractionsIncluded) {
  ConverterForms forms;
  if (forms.C().Separators.Decimal != "." || forms.C().Separators.Thousands != ",")
    GTEST_SKIP() << "the texts below are written with the separators \",\" and \".\"";
  const std::string rich = app::TQuenvalisForm::RichEditHint();
  const struct {
    int position;
    const char* edit;
    std::string hintStart;
  } cases[] = {
      {10, "12", "Convert 12.00 \x7f Centimeters -> Inches = 4.72 \x7f Inches -> Centimeters = 30.48 \x7f "},
      {20, "2.5", "Convert 2.50 \x7f Centimeters -> Inches = 0.98 \x7f "},  // no integer warning
      {38, "2.5", "Convert 2.50 "},  // "12.05.2003" is no number: nothing changes
      {54, "2.5", rich},             // a letter: the rich-box's hint
      {19, "2.5", rich},             // the first character of a line finds nothing
  };
  for (const auto& c : cases) {
    forms.MoveOver(c.position);
    EXPECT_EQ(forms.Edit(), c.edit) << c.position;
    EXPECT_EQ(forms.Hint().rfind(c.hintStart, 0), 0u) << c.position << ": " << forms.Hint();
  }
  EXPECT_TRUE(forms.boxes.shown.empty());
  const std::string memo = forms.C().Controls.MiscMemo.Text();
  EXPECT_EQ(memo.rfind(" \x7f 2.50 Horse-power = 187.50 Kilograms-force * meter / second\r\n", 0), 0u) << memo;
  EXPECT_EQ(std::count(memo.begin(), memo.end(), '\n'), 11);
}

TEST(Converter, EveryDigitAfterCharactersOfSeveralBytesIsFoundUnderThePointer) {
  ConverterForms forms;
  auto& f = forms.F();
  // Numbers after (and between) accented letters, typographic quotes, the
  // pound sign, dashes, guillemets and no-break spaces, in a UTF-8 book.
  const struct {
    const char* line;
    const char* number;
  } lines[] = {
      {"\xC3\xA9\xC3\xA9 5 \xE2\x80\x9C" "3\xE2\x80\x9D", "3"},
      {"a price of \xC2\xA3" "125 each", "125"},
      {"pages\xE2\x80\x94" "47\xE2\x80\x94on", "47"},
      {"the year \xC2\xAB" "1850\xC2\xBB", "1850"},
      {"about\xC2\xA0" "250\xC2\xA0miles", "250"},
  };
  std::string book;
  for (const auto& l : lines) book += std::string(l.line) + "\r\n";
  ASSERT_TRUE(f.Book.OpenBook(WriteTestFile("accents.txt", book), false));
  int lineStart = 0;  // the control's position of the line, breaks counting one
  for (const auto& l : lines) {
    const std::u16string units = ToUtf16(l.line), number = ToUtf16(l.number);
    const size_t at = units.find(number);
    for (size_t i = at; i < at + number.size(); ++i) {
      forms.C().Controls.ConvertMeasureEdit.SetText("0");
      forms.MoveOver(lineStart + int(i));
      EXPECT_EQ(forms.Edit(), l.number) << l.line << ", over digit " << i - at;
      EXPECT_EQ(forms.Hint().rfind("Convert ", 0), 0u) << forms.Hint();
    }
    lineStart += int(units.size()) + 1;
  }
}

TEST(Converter, TheValueWarnsOnlyForATextThatIsNoNumber) {
  ConverterForms forms;
  TEdit& edit = forms.C().Controls.ConvertMeasureEdit;
  const struct {
    const char* typed;
    bool warns;
    const char* kept;
  } cases[] = {{"abc", true, "0"}, {"-", false, "-"}, {"-40", false, "-40"}, {"1e", false, "1e"}};
  for (const auto& c : cases) {
    forms.boxes.shown.clear();
    edit.SetText(c.typed);
    EXPECT_EQ(forms.boxes.shown.size(), c.warns ? 1u : 0u) << c.typed;
    EXPECT_EQ(edit.Text(), c.kept);
    if (c.warns) {
      EXPECT_EQ(forms.Shown(0).rfind("Integer value outside limits.\nIt will be set to default.\n", 0), 0u);
      EXPECT_TRUE(edit.Focused());
    }
  }
}

TEST(Converter, AListShowsTheConversionIntoItsSelectedUnitOverEachUnit) {
  ConverterForms forms;
  if (forms.C().Separators.Decimal != ".") GTEST_SKIP() << "the texts below use \".\" as decimal separator";
  app::TQuenvalisForm& f = forms.F();
  app::TConverterControls& c = forms.C().Controls;
  TListBox& temperature = c.List(TMeasureList::Temperature);
  temperature.SetItemIndex(forms.IndexOf(temperature, "Celsius"));
  c.ConvertMeasureEdit.SetText("212");
  forms.MoveOverItem(temperature, forms.IndexOf(temperature, "Fahrenheit"));
  EXPECT_EQ(forms.Hint(), "212.00 Fahrenheit = 100.00 Celsius");

  f.Screen.SkipNextSidebarChange = false;
  f.Screen.ShowConverterPage();
  TListBox& length = c.List(TMeasureList::Length);
  forms.ClickItem(length, forms.IndexOf(length, "Centimeters"));
  EXPECT_EQ(length.Item(length.ItemIndex()), "Centimeters");
  EXPECT_TRUE(c.ConvertMeasureEdit.Focused());  // the click leaves the focus in the value
  forms.MoveOverItem(length, 0, 1000);          // below the last unit
  EXPECT_EQ(forms.Hint(), " ");
  c.ConvertMeasureEdit.SetText("10");
  const int inches = forms.IndexOf(length, "Inches");
  forms.MoveOverItem(length, inches);
  EXPECT_EQ(forms.Hint(), "10.00 Inches = 25.40 Centimeters");
  // The pointer itself rests there for the picture.
  RECT r{};
  SendMessageA(length.Handle(), LB_GETITEMRECT, inches, LPARAM(&r));
  const POINT over = length.ClientToScreen({r.left + 10, (r.top + r.bottom) / 2});
  SetCursorPos(over.x, over.y);
  RedrawWindow(f.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpFor(150);
  EXPECT_EQ(forms.Hint(), "10.00 Inches = 25.40 Centimeters");
  EXPECT_TRUE(SaveScreenshot(f.Handle(), "convert-length"));
}

TEST(Converter, ARightClickOnANumberOpensThePageWithThePointerOnTheLengthList) {
  ConverterForms forms;
  app::TQuenvalisForm& f = forms.F();
  f.Screen.SkipNextSidebarChange = false;
  f.Screen.HideSidebar(true);
  const POINT p = forms.PointOf(10);
  SendMessageA(f.RichEdit.Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(p.x, p.y));
  SendMessageA(f.RichEdit.Handle(), WM_RBUTTONUP, 0, MAKELPARAM(p.x, p.y));
  EXPECT_TRUE(f.Sidebar.Container_MainPanel.Visible());
  EXPECT_EQ(f.Sidebar.Container_OptionsPageControl.ActivePage(), f.Sidebar.ConvertMeasureTabSheet);
  EXPECT_EQ(forms.Edit(), "12");
  EXPECT_TRUE(forms.C().Controls.ConvertMeasureEdit.Focused());
  TTabSheet& page = *forms.C().Controls.LengthTabSheet();
  const POINT centre = page.ClientToScreen({page.ClientWidth() / 2, page.ClientHeight() / 2});
  POINT pointer{};
  GetCursorPos(&pointer);
  EXPECT_EQ(pointer.x, centre.x);
  EXPECT_EQ(pointer.y, centre.y);
}

TEST(Converter, TheListsSelectionsAreKeptInTheOptionsFileAndAnUnknownUnitSelectsTheDefault) {
  WriteTestFile("..\\Quenvalis.ini", "[Quenvalis_ConvertMeasure]\r\nLength=Furlongs\r\nSpeed=knots\r\n");
  {
    ProgramForms forms(true);
    app::TConverterControls& c = forms.main->Converter.Controls;
    const struct {
      TMeasureList list;
      const char* selected;
    } cases[] = {{TMeasureList::Length, "Meters"},  // "Furlong" is in the list, "Furlongs" is not
                 {TMeasureList::Speed, "Knots"},
                 {TMeasureList::Temperature, "Celsius"}};
    for (const auto& s : cases) {
      TListBox& list = c.List(s.list);
      ASSERT_GE(list.ItemIndex(), 0) << list.Name();
      EXPECT_EQ(list.Item(list.ItemIndex()), s.selected) << list.Name();
    }
    TListBox& weight = c.List(TMeasureList::Weight);
    for (int i = 0; i < weight.ItemCount(); ++i)
      if (weight.Item(i) == "Pounds") weight.SetItemIndex(i);
    forms.CloseMain();
  }
  const std::string ini = ReadWholeFile(win::ProgramDirectory() + "Quenvalis.ini");
  EXPECT_NE(ini.find("[Quenvalis_ConvertMeasure]\r\nLength=Meters\r\nSpeed=Knots\r\nArea=Meters^2\r\n"
                     "Volume=Meters^3\r\nWeight=Pounds\r\nTemperature=Celsius\r\n"),
            std::string::npos)
      << ini;
}

}  // namespace
}  // namespace qv::testing
