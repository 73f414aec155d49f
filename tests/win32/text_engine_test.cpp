// The text engine on the real window and Rich Edit control: formats of an
// enhanced book read back from the control, the format controls' changes, the
// Rich Edit 3 switch, and the chapters button with its menu.

#include <sstream>

#include "BookTestSupport.h"

namespace qv::testing {
using namespace qv::win;
namespace {

// The forms with enhancement on (no prefix) and a known format profile.
struct TEngineForms : TBookForms {
  TEngineForms() {
    UseFolderProfile("EnhanceText=TRUE\r\nParagraphPrefix=None\r\nIgnoreEmptyLines=TRUE\r\nPoorlyWritten=FALSE\r\n");
  }
  bool Open(const std::string& name, const std::string& bytes) {
    return F().Book.OpenBook(WriteTestFile(name, bytes), true);
  }
  // The character format at a position and the paragraph format of its paragraph, from the control.
  TCharFormat CharAt(int32_t position) {
    F().RichEdit.SetSelection(position, 1);
    TCharFormat c;
    F().RichEdit.GetCharFormat(c);
    return c;
  }
  TParaFormat ParaAt(int32_t position) {
    F().RichEdit.SetSelection(position, 0);
    TParaFormat p;
    F().RichEdit.GetParaFormat(p);
    return p;
  }
  int32_t PosOf(const std::string& text) {
    return int32_t(F().RichEdit.GetText().find(text));
  }
};

// n short paragraphs "Line 0001." ... separated by empty lines, so none wraps.
std::string ShortParagraphs(int n, int from = 1) {
  std::string text;
  for (int i = from; i < from + n; ++i) {
    char line[32];
    snprintf(line, sizeof line, "Line %04d.\r\n\r\n", i);
    text += line;
  }
  return text;
}

// Whether the control keeps character spacing, justification and line spacing
// that arrive in a rich-text stream (the way a loaded book reaches it).
bool StreamKeepsExtendedFormats(app::TQuenvalisForm& f) {
  std::istringstream probe("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\pard\\qj\\sl360\\slmult1\\f0\\expndtw57 x\\par}");
  f.RichEdit.LoadRichText(probe);
  f.RichEdit.SetSelection(0, 1);
  TCharFormat c;
  f.RichEdit.GetCharFormat(c);
  TParaFormat p;
  f.RichEdit.GetParaFormat(p);
  return c.Spacing == 57 && p.Alignment == ParaAlign::Justify && p.LineSpacing == 30;
}

TEST(TextEngineWindow, EnhancedBookFormatsReachTheControl) {
  TEngineForms forms;
  auto& f = forms.F();
  ASSERT_TRUE(f.Text.Enhancer.UsesExtendedRecords());  // the control under test is of version 3
  // A book is handed to the control as one rich-text stream; a reader that drops
  // the extended words (wine's does: character spacing, justification, line
  // spacing) cannot show them there; the other tests check them on direct changes.
  const bool readerKeepsExtended = StreamKeepsExtendedFormats(f);
  if (!readerKeepsExtended) RecordProperty("rtf_reader", "drops expndtw qj slmult");
  // The book's folder profile holds the formats (0x102030 and 0xC0 as decimals).
  forms.UseFolderProfile(
      "EnhanceText=TRUE\r\nParagraphPrefix=None\r\nIgnoreEmptyLines=TRUE\r\nPoorlyWritten=FALSE\r\n"
      "FontSize=20\r\nCharSpacing=10\r\nLineSpacing=150\r\nSpaceAfter=10\r\nFirstLineIndent=10\r\n"
      "JustifiedText=TRUE\r\nFontZoom=150\r\nRichBoxForeColor=1056816\r\nEmphaColor=192\r\n");
  ASSERT_TRUE(forms.Open("enhanced.txt",
                         "CHAPTER ONE\r\n\r\n^B+\r\nA bold\r\nparagraph.\r\n\r\nShe said \"hello\" twice.\r\n"
                         "^AC*\r\nCentred.\r\n"));
  EXPECT_EQ(f.RichEdit.GetText().rfind("CHAPTER ONE\r\nA bold paragraph.\r\nShe said \"hello\" twice.\r\n"
                                       "Centred.\r\n",
                                       0),
            0u)
      << f.RichEdit.GetText();

  const TCharFormat heading = forms.CharAt(0);
  EXPECT_TRUE(heading.Effects & CharEffect::Underline);
  EXPECT_FALSE(heading.Effects & CharEffect::Bold);
  EXPECT_EQ(heading.Height, 400);
  if (readerKeepsExtended) {
    EXPECT_EQ(heading.Spacing, 57);
  }
  EXPECT_EQ(heading.TextColor, 0x102030u);
  const TCharFormat bold = forms.CharAt(forms.PosOf("bold"));
  EXPECT_TRUE(bold.Effects & CharEffect::Bold);
  EXPECT_FALSE(bold.Effects & CharEffect::Underline);
  EXPECT_FALSE(forms.CharAt(forms.PosOf("She")).Effects & CharEffect::Bold);  // single use
  EXPECT_EQ(forms.CharAt(forms.PosOf("hello")).TextColor, 0x0000C0u);
  EXPECT_EQ(forms.CharAt(forms.PosOf("twice")).TextColor, 0x102030u);

  const TParaFormat body = forms.ParaAt(forms.PosOf("She"));
  if (readerKeepsExtended) {
    EXPECT_EQ(body.Alignment, ParaAlign::Justify);
  }
  EXPECT_EQ(body.StartIndent, 576);
  EXPECT_EQ(body.Offset, -576);
  EXPECT_EQ(body.SpaceAfter, 576);
  if (readerKeepsExtended) {
    EXPECT_EQ(body.LineSpacingRule, 5);
    EXPECT_EQ(body.LineSpacing, 30);
  }
  EXPECT_EQ(forms.ParaAt(forms.PosOf("Centred")).Alignment, ParaAlign::Center);
  EXPECT_FALSE(f.RichEdit.GetModified());
  WPARAM num = 0;
  LPARAM den = 0;
  SendMessageA(f.RichEdit.Handle(), EM_GETZOOM, WPARAM(&num), LPARAM(&den));
  EXPECT_EQ(num * 100, WPARAM(150 * den));  // the profile's zoom
}

TEST(TextEngineWindow, ParagraphControlsReformatEverythingAndKeepThePlace) {
  TEngineForms forms;
  auto& f = forms.F();
  ASSERT_TRUE(forms.Open("para.txt", "^AC+\r\nTitle\r\n\r\n" + ShortParagraphs(150)));
  ASSERT_EQ(forms.ParaAt(0).Alignment, ParaAlign::Center);
  const int32_t place = forms.PosOf("Line 0060.");
  ShowRichPosAtTop(f.RichEdit, place);
  ASSERT_EQ(GetRichTopPos(f.RichEdit), place);

  f.Text.Controls.JustifiedTextCheckBox.SetChecked(true);
  f.Text.Controls.JustifiedTextCheckBox.OnClick();
  // (Reading formats back selects text, which moves the view: the place is checked first.)
  EXPECT_EQ(GetRichTopPos(f.RichEdit), place);
  EXPECT_TRUE(f.RichEdit.Visible());
  EXPECT_TRUE(f.RichEdit.Focused());
  EXPECT_EQ(forms.ParaAt(0).Alignment, ParaAlign::Justify);  // the centred title too
  EXPECT_EQ(forms.ParaAt(forms.PosOf("Line 0150.")).Alignment, ParaAlign::Justify);

  struct Case {
    TComboBox* box;
    const char* text;
    int32_t TParaFormat::*field;
    int32_t expected;
  };
  const Case cases[] = {
      {&f.Text.Controls.LineSpacing.Box, "200", &TParaFormat::LineSpacing, 40},
      {&f.Text.Controls.LineSpacing.Box, "90", &TParaFormat::LineSpacing, 24},  // out of range: 120 %
      {&f.Text.Controls.SpaceAfter.Box, "3", &TParaFormat::SpaceAfter, 172},
      {&f.Text.Controls.FirstLineIndent.Box, "5", &TParaFormat::StartIndent, 288},
      {&f.Text.Controls.FirstLineIndent.Box, "5", &TParaFormat::Offset, -288},
  };
  f.RichEdit.SetModified(true);  // an earlier edit is still offered for saving
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.box->Name()) + " " + c.text);
    ShowRichPosAtTop(f.RichEdit, place);
    c.box->SetText(c.text);
    c.box->OnChange();
    EXPECT_EQ(GetRichTopPos(f.RichEdit), place);
    EXPECT_TRUE(f.RichEdit.GetModified());
    int32_t start = -1, length = -1;
    f.RichEdit.GetSelection(start, length);
    EXPECT_EQ(length, 0);
    for (const char* at : {"Title", "Line 0001.", "Line 0150."})
      EXPECT_EQ(forms.ParaAt(forms.PosOf(at)).*c.field, c.expected) << at;
  }
}

TEST(TextEngineWindow, CharacterControlsChangeAllTextKeepingColoursAndPlace) {
  TEngineForms forms;
  auto& f = forms.F();
  ASSERT_TRUE(forms.Open("chars.txt", "^FC=clRed+\r\nRed words.\r\n\r\n" + ShortParagraphs(150)));
  const int32_t red = forms.PosOf("Red");
  ASSERT_EQ(forms.CharAt(red).TextColor, 0x0000FFu);
  const int32_t place = forms.PosOf("Line 0080.");
  ShowRichPosAtTop(f.RichEdit, place);

  f.Text.Controls.BoldFontCheckBox.SetChecked(true);
  f.Text.Controls.BoldFontCheckBox.OnClick();
  f.Text.Controls.FontSize.Box.SetText("24");
  f.Text.Controls.FontSize.Box.OnChange();
  f.Text.Controls.CharSpacing.Box.SetText("20");
  f.Text.Controls.CharSpacing.Box.OnChange();
  f.Text.Controls.FontName.Box.SetItemIndex(-1);  // no font chosen: the default face
  f.Text.Controls.FontName.Box.OnChange();
  EXPECT_EQ(GetRichTopPos(f.RichEdit), place);
  EXPECT_FALSE(f.RichEdit.GetModified());
  EXPECT_TRUE(f.RichEdit.Focused());
  for (const char* at : {"Red", "Line 0001.", "Line 0150."}) {
    SCOPED_TRACE(at);
    const TCharFormat c = forms.CharAt(forms.PosOf(at));
    EXPECT_TRUE(c.Effects & CharEffect::Bold);
    EXPECT_EQ(c.Height, 480);
    EXPECT_EQ(c.Spacing, 115);
    EXPECT_EQ(c.Face(), "Times New Roman");
  }
  EXPECT_EQ(forms.CharAt(red).TextColor, 0x0000FFu);  // colours are left alone
  {
    // What the reader types into the box once all its text is deleted has the size too.
    HWND rich = f.RichEdit.Handle();
    SendMessageW(rich, EM_SETREADONLY, FALSE, 0);
    SendMessageW(rich, EM_SETSEL, 0, -1);
    SendMessageW(rich, EM_REPLACESEL, TRUE, LPARAM(L""));
    SendMessageW(rich, WM_CHAR, 'x', 0);
    SendMessageW(rich, EM_SETSEL, 0, 1);
    CHARFORMAT2W typed{};
    typed.cbSize = sizeof typed;
    SendMessageW(rich, EM_GETCHARFORMAT, SCF_SELECTION, LPARAM(&typed));
    EXPECT_EQ(typed.yHeight, 480);
    ASSERT_TRUE(forms.Open("chars.txt", "^FC=clRed+\r\nRed words.\r\n\r\n" + ShortParagraphs(150)));
  }

  ShowRichPosAtTop(f.RichEdit, place);
  f.Text.Controls.FontZoom.Box.SetText("150");
  f.Text.Controls.FontZoom.Box.OnChange();
  WPARAM num = 0;
  LPARAM den = 0;
  SendMessageA(f.RichEdit.Handle(), EM_GETZOOM, WPARAM(&num), LPARAM(&den));
  EXPECT_EQ(num * 100, WPARAM(150 * den));
  EXPECT_EQ(GetRichTopPos(f.RichEdit), place);

  f.Text.Controls.BoldFontCheckBox.SetChecked(false);
  f.Text.Controls.BoldFontCheckBox.OnClick();
  EXPECT_FALSE(forms.CharAt(forms.PosOf("Line 0100.")).Effects & CharEffect::Bold);
}

TEST(TextEngineWindow, WithoutRichEdit3TheExtendedFormatsNeverReachTheControl) {
  TEngineForms forms;
  auto& f = forms.F();
  const bool detected = f.Text.Enhancer.IsRichEdit3;
  f.Text.Enhancer.IsRichEdit3 = false;
  f.Text.Controls.ForceRichEdit3CheckBox.SetChecked(false);
  f.Text.Controls.ForceRichEdit3CheckBox.OnClick();
  ASSERT_FALSE(f.Text.Enhancer.ForceRichEdit3);
  ASSERT_TRUE(forms.Open("basic.txt", "Some text.\r\n"));
  f.Text.Controls.LineSpacing.Box.SetText("150");
  f.Text.Controls.LineSpacing.Box.OnChange();
  EXPECT_NE(forms.ParaAt(0).LineSpacing, 30);  // the basic record has no line spacing
  f.Text.Controls.SpaceAfter.Box.SetText("10");
  f.Text.Controls.SpaceAfter.Box.OnChange();
  EXPECT_NE(forms.ParaAt(0).SpaceAfter, 576);

  f.Text.Controls.ForceRichEdit3CheckBox.SetChecked(true);
  f.Text.Controls.ForceRichEdit3CheckBox.OnClick();
  EXPECT_TRUE(f.Text.Enhancer.ForceRichEdit3);
  f.Text.Controls.LineSpacing.Box.OnChange();
  EXPECT_EQ(forms.ParaAt(0).LineSpacing, 30);
  EXPECT_EQ(forms.ParaAt(0).LineSpacingRule, 5);
  EXPECT_EQ(forms.ParaAt(0).SpaceAfter, 576);
  f.Text.Enhancer.IsRichEdit3 = detected;
}

TEST(TextEngineWindow, ChaptersButtonListsTheHeadingsAndJumpsToThem) {
  TEngineForms forms;
  auto& f = forms.F();
  TPopupMenu* shown = nullptr;
  POINT corner{-1, -1};
  f.Text.ShowMenu = [&](TPopupMenu& menu, HWND, POINT at) {
    shown = &menu;
    corner = at;
  };
  ASSERT_TRUE(forms.Open("chapters.txt", "Chapter 1 & the start\r\n\r\n" + ShortParagraphs(60, 1) +
                                             "Chapter 2\r\n\r\n" + ShortParagraphs(60, 101) + "Chapter 3\r\n"));
  EXPECT_EQ(f.Text.Controls.ChaptersButton.Text(), "&Chapters (3)");
  EXPECT_TRUE(f.Text.Controls.ChaptersButton.Enabled());

  f.Text.Controls.ChaptersButton.Click();
  ASSERT_NE(shown, nullptr);
  ASSERT_EQ(shown->Count(), 3);
  EXPECT_EQ(shown->Caption(0), "Chapter 1 && the start");
  EXPECT_EQ(shown->Caption(2), "Chapter 3");
  const POINT expected = f.Text.Controls.ChaptersButton.ClientToScreen({0, f.Text.Controls.ChaptersButton.ClientHeight()});
  EXPECT_EQ(corner.x, expected.x);
  EXPECT_EQ(corner.y, expected.y);
  EXPECT_TRUE(f.RichEdit.Focused());

  shown->Choose(1);
  const int32_t second = forms.PosOf("Chapter 2");
  EXPECT_EQ(GetRichTopPos(f.RichEdit), second);
  int32_t start = -1, length = -1;
  f.RichEdit.GetSelection(start, length);
  EXPECT_EQ(start, second);
  EXPECT_EQ(length, 0);

  // The last heading is among the last four lines: the view goes to the end.
  shown->Choose(2);
  const int32_t third = forms.PosOf("Chapter 3");
  EXPECT_LT(GetRichTopPos(f.RichEdit), third);
  ScrollRichToEnd(f.RichEdit);
  const int32_t endTop = GetRichTopPos(f.RichEdit);
  shown->Choose(0);
  EXPECT_EQ(GetRichTopPos(f.RichEdit), 0);
  shown->Choose(2);
  EXPECT_EQ(GetRichTopPos(f.RichEdit), endTop);

  // Alt+C clicks the button.
  shown = nullptr;
  WORD key = 'C';
  f.FormKeyDown(key, ssAlt);
  EXPECT_NE(shown, nullptr);
  EXPECT_EQ(key, 0);

  // A book without headings: disabled, "(0)", and its click shows nothing.
  ASSERT_TRUE(forms.Open("plain.txt", ShortParagraphs(5)));
  EXPECT_EQ(f.Text.Controls.ChaptersButton.Text(), "&Chapters (0)");
  EXPECT_FALSE(f.Text.Controls.ChaptersButton.Enabled());
  shown = nullptr;
  f.Text.Controls.ChaptersButton.Click();
  EXPECT_EQ(shown, nullptr);
  EXPECT_TRUE(forms.boxes.shown.empty());
}

TEST(TextEngineWindow, AtMostThirtyChaptersWithCaptionsCutToFifty) {
  TEngineForms forms;
  auto& f = forms.F();
  std::string book;
  for (int i = 1; i <= 45; ++i) book += "Part " + std::to_string(i) + "\r\n\r\nText of the part.\r\n\r\n";
  book += "Chapter " + std::string(70, 'x') + "\r\n";
  ASSERT_TRUE(forms.Open("many.txt", book));
  EXPECT_EQ(f.Text.Controls.ChaptersButton.Text(), "&Chapters (30)");
  TPopupMenu* shown = nullptr;
  f.Text.ShowMenu = [&](TPopupMenu& menu, HWND, POINT) { shown = &menu; };
  f.Text.Controls.ChaptersButton.Click();
  ASSERT_NE(shown, nullptr);
  ASSERT_EQ(shown->Count(), 30);
  EXPECT_EQ(shown->Caption(29), "Part 30");

  ASSERT_TRUE(forms.Open("long.txt", "Chapter " + std::string(70, 'y') + "\r\n\r\nText.\r\n"));
  f.Text.Controls.ChaptersButton.Click();
  ASSERT_EQ(shown->Count(), 1);
  EXPECT_EQ(shown->Caption(0), "Chapter " + std::string(42, 'y'));

  // An unenhanced book has no chapters.
  forms.UseFolderProfile("EnhanceText=FALSE\r\n");
  ASSERT_TRUE(forms.Open("long.txt", "Chapter 1\r\nText.\r\n"));
  EXPECT_EQ(f.Text.Controls.ChaptersButton.Text(), "&Chapters (0)");
  EXPECT_FALSE(f.Text.Controls.ChaptersButton.Enabled());
}

}  // namespace
}  // namespace qv::testing
