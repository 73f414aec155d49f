// The four format options a reader found showing nothing under wine: the left
// margin, line spacing, justified text and the zoom. For each, a probe sends
// the program's messages to a bare Rich Edit control: where that control
// shows the option, the program must show it too; where it does not, the
// format the program stored is checked and the look is skipped with the reason.
#include <gtest/gtest.h>

#include <functional>

#include "BookTestSupport.h"
#include "ScreenCapture.h"

namespace qv::testing {
namespace {

// A bare control of the rich-box's class with the same lines, in a window of its own.
class TBareControl {
 public:
  explicit TBareControl(const wchar_t* className) {
    parent_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 700, 500, nullptr, nullptr, nullptr, nullptr);
    h_ = CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE, 0, 0, 500, 400, parent_,
                         nullptr, nullptr, nullptr);
    std::wstring text;
    for (int i = 0; i < 4; ++i) text += L"Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod tempor.\r";
    SetWindowTextW(h_, text.c_str());
  }
  ~TBareControl() { DestroyWindow(parent_); }
  HWND Handle() const { return h_; }
  void SetPara(DWORD mask, const std::function<void(PARAFORMAT2&)>& fill) {
    PARAFORMAT2 pf{};
    pf.cbSize = sizeof pf;
    pf.dwMask = mask;
    fill(pf);
    SendMessageW(h_, EM_SETSEL, 0, -1);
    SendMessageW(h_, EM_SETPARAFORMAT, 0, LPARAM(&pf));
    SendMessageW(h_, EM_SETSEL, 0, 0);
  }

 private:
  HWND parent_, h_;
};

POINTL PointOf(HWND h, LONG position) {
  POINTL p{};
  SendMessageW(h, EM_POSFROMCHAR, WPARAM(&p), position);
  return p;
}
// The distance between the tops of the first two lines.
LONG LineStep(HWND h) { return PointOf(h, LONG(SendMessageW(h, EM_LINEINDEX, 1, 0))).y - PointOf(h, 0).y; }
// The right end of the first line's last character but one (a wrapped line ends in a blank).
LONG FirstLineEnd(HWND h) {
  const LONG next = LONG(SendMessageW(h, EM_LINEINDEX, 1, 0));
  return PointOf(h, next - 2).x;
}
// The advance of the first twenty characters.
LONG Advance(HWND h) { return PointOf(h, 20).x - PointOf(h, 0).x; }

// The forms with a plain book of long paragraphs and the reader's profile.
struct TFormatForms : TBookForms {
  TFormatForms() {
    UseFolderProfile("EnhanceText=FALSE\r\nJustifiedText=FALSE\r\nLineSpacing=100\r\nSpaceAfter=0\r\n"
                     "LeftMargin=0\r\nUseRichBackImage=FALSE\r\nUseScreenBackImage=FALSE\r\n");
    std::string text;
    for (int i = 0; i < 20; ++i)
      text += "Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod tempor incididunt ut labore "
              "et dolore magna aliqua. Ut enim ad minim veniam, quis nostrud exercitation.\r\n";
    EXPECT_TRUE(F().Book.OpenBook(WriteTestFile("format.txt", text), true));
    ScrollRichLineToTop(F().RichEdit, 0);
  }
  HWND Rich() { return F().RichEdit.Handle(); }
  void Choose(win::TComboBox& box, const std::string& text) {
    box.SetText(text);
    box.OnChange();
  }
  TParaFormat Para() {
    F().RichEdit.SetSelection(0, 0);
    TParaFormat p;
    F().RichEdit.GetParaFormat(p);
    return p;
  }
};

TEST(FormatOptions, TheLeftMarginMovesTheTextIn) {
  TFormatForms forms;
  // The probe: the margin message itself on a bare control.
  TBareControl bare(forms.F().RichEdit.ClassName());
  const LONG bareBefore = PointOf(bare.Handle(), 0).x;
  SendMessageW(bare.Handle(), EM_SETMARGINS, EC_LEFTMARGIN, MAKELONG(50, 0));
  RecordProperty("bare_control_first_x_margin_0", int(bareBefore));
  RecordProperty("bare_control_first_x_margin_50", int(PointOf(bare.Handle(), 0).x));
  // The program keeps its margins in the formatting rectangle, which every control honours.
  forms.Choose(forms.F().Text.Controls.LeftMargin.Box, "50");
  EXPECT_GE(PointOf(forms.Rich(), 0).x, 50);
  RECT r{};
  GetWindowRect(forms.Rich(), &r);
  PumpFor(50);
  // No text pixel in the margin: the first 48 columns show the box's colour only.
  const TScreenPixels shot = CaptureScreen({r.left, r.top, r.left + 48, r.top + 200});
  EXPECT_TRUE(shot.Uniform({r.left, r.top, r.left + 48, r.top + 200}));
}

TEST(FormatOptions, LineSpacingIsStoredAndShownWhereTheControlCan) {
  TFormatForms forms;
  const LONG single = LineStep(forms.Rich());
  forms.Choose(forms.F().Text.Controls.LineSpacing.Box, "200");
  const TParaFormat p = forms.Para();
  EXPECT_EQ(p.LineSpacingRule, 5);
  EXPECT_EQ(p.LineSpacing, 40);  // twentieths of a line
  TBareControl bare(forms.F().RichEdit.ClassName());
  const LONG bareSingle = LineStep(bare.Handle());
  bare.SetPara(PFM_LINESPACING, [](PARAFORMAT2& pf) {
    pf.bLineSpacingRule = 5;
    pf.dyLineSpacing = 40;
  });
  RecordProperty("bare_control_line_step_100", int(bareSingle));
  RecordProperty("bare_control_line_step_200", int(LineStep(bare.Handle())));
  if (LineStep(bare.Handle()) < bareSingle * 3 / 2)
    GTEST_SKIP() << "this Rich Edit control keeps line spacing but lays lines out single-spaced (a bare control does "
                    "too: "
                 << bareSingle << " pixels a line either way)";
  EXPECT_GE(LineStep(forms.Rich()), single * 18 / 10);
}

TEST(FormatOptions, JustifiedTextIsStoredAndShownWhereTheControlCan) {
  TFormatForms forms;
  const LONG ragged = FirstLineEnd(forms.Rich());
  auto& box = forms.F().Text.Controls.JustifiedTextCheckBox;
  box.SetChecked(true);
  box.OnClick();
  EXPECT_EQ(forms.Para().Alignment, ParaAlign::Justify);
  TBareControl bare(forms.F().RichEdit.ClassName());
  const LONG bareRagged = FirstLineEnd(bare.Handle());
  bare.SetPara(PFM_ALIGNMENT, [](PARAFORMAT2& pf) { pf.wAlignment = PFA_JUSTIFY; });
  RecordProperty("bare_control_first_line_end_left", int(bareRagged));
  RecordProperty("bare_control_first_line_end_justified", int(FirstLineEnd(bare.Handle())));
  if (FirstLineEnd(bare.Handle()) <= bareRagged)
    GTEST_SKIP() << "this Rich Edit control keeps justified alignment but lays lines out ragged (a bare control "
                    "does too)";
  EXPECT_GT(FirstLineEnd(forms.Rich()), ragged);
}

TEST(FormatOptions, TheZoomIsStoredAndShownWhereTheControlCan) {
  TFormatForms forms;
  const LONG advance = Advance(forms.Rich()), step = LineStep(forms.Rich());
  forms.Choose(forms.F().Text.Controls.FontZoom.Box, "200");
  WPARAM numerator = 0;
  LPARAM denominator = 0;
  SendMessageW(forms.Rich(), EM_GETZOOM, WPARAM(&numerator), LPARAM(&denominator));
  EXPECT_EQ(numerator * 100, WPARAM(denominator) * 200);
  EXPECT_GE(LineStep(forms.Rich()), step * 18 / 10);  // the lines grow
  TBareControl bare(forms.F().RichEdit.ClassName());
  const LONG bareAdvance = Advance(bare.Handle());
  SendMessageW(bare.Handle(), EM_SETZOOM, 200, 100);
  RecordProperty("bare_control_advance_20_chars_zoom_100", int(bareAdvance));
  RecordProperty("bare_control_advance_20_chars_zoom_200", int(Advance(bare.Handle())));
  if (Advance(bare.Handle()) < bareAdvance * 3 / 2)
    GTEST_SKIP() << "this Rich Edit control draws zoomed letters but places them at their unzoomed advance, so "
                    "they overlap (a bare control does too: "
                 << bareAdvance << " pixels for twenty characters at 100 % and at 200 %)";
  EXPECT_GE(Advance(forms.Rich()), advance * 18 / 10);
}

}  // namespace
}  // namespace qv::testing
