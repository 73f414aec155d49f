// The window's background pictures and colours under wine, read back from the
// screen: the screen's picture tiled behind everything, the rich-box's picture
// or the screen's through it under the text, the bad pictures, the "Load" and
// "Run" buttons, the colour panels' clicks and the three colour schemes.
#include <gtest/gtest.h>

#include <cstdlib>

#include "BookTestSupport.h"
#include "PictureTestSupport.h"
#include "ScreenCapture.h"
#include "colors/ColorPanels.h"
#include "colors/Colors.h"
#include "colors/Contrast.h"
#include "forms/ColorForm.h"
#include "options/MediaTitles.h"
#include "platform/ShellGateway.h"
#include "platform/Win32Platform.h"
#include "richbox/RichOps.h"
#include "widgets/Application.h"

namespace qv::testing {
namespace {

using app::TQuenvalisForm;
using win::TButton;
using win::TColorPanel;
using win::TRichEdit;

// Repaints the whole window at once and reads it back.
TScreenPixels Repainted(TQuenvalisForm& f) {
  RedrawWindow(f.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpFor(50);
  return CaptureWindow(f.Handle());
}

// A point of the rich-box's client area, in the window's (the screen's) coordinates.
POINT InRich(TQuenvalisForm& f, int x, int y) {
  POINT p{x, y};
  MapWindowPoints(f.RichEdit.Handle(), nullptr, &p, 1);
  return p;
}

bool Near(COLORREF a, COLORREF b, double tolerance) {
  for (int i = 0; i < 3; ++i)
    if (std::abs(Channel(a, i) - Channel(b, i)) > tolerance) return false;
  return true;
}

// A book of a few short lines: the lower part of the rich-box shows only its background.
std::string ShortBook() { return WriteTestFile("pictures.txt", "A short \"quoted\" line.\r\n"); }

// The test picture as the screen's, the rich-box's picture off.
struct TPictureForms : TBookForms {
  TPictureForms() {
    UseFolderProfile("EnhanceText=FALSE\r\nTitleScreenBackImage=" + Picture400x300() +
                     "\r\nUseRichBackImage=FALSE\r\nFadeCenterScreenBackImage=50\r\n");
    EXPECT_TRUE(F().Book.OpenBook(ShortBook(), false));
    PumpFor(100);
  }
};

TEST(BackgroundPictures, TestPictureTilesTheScreenAndFadeHundredMakesItBlack) {
  TPictureForms forms;
  TQuenvalisForm& f = forms.F();
  ASSERT_EQ(f.Images.ScreenBack.Screen.Width(), f.ClientWidth());
  TScreenPixels shot = Repainted(f);
  SaveScreenshot(f.Handle(), "pictures-tiled");
  // Tiles of 400 x 300 from the top-left corner: the seams at x = 400, 800,
  // 1200 and y = 300, 600 lie at the points either side, left and right of
  // the rich-box (fade 0 and gamma 100 draw the picture unchanged).
  const int right = f.ClientWidth() - 1;
  for (int x : {0, 150, 340, right - 81, right - 80, right})
    for (int y : {100, 299, 300, 599, 600}) {
      if (x > f.RichEdit.Left() - 3 && x < f.RichEdit.Left() + f.RichEdit.Width() + 3) continue;
      EXPECT_EQ(shot.At(x, y), TestColor(x % 400, y % 300, 400, 300)) << x << "," << y;
    }
  f.Images.Controls.ScreenImage.Fade.Box.SetText("100");
  f.Images.Controls.ScreenImage.Fade.Box.OnChange();
  shot = Repainted(f);
  for (int y : {100, 450, 700}) EXPECT_EQ(shot.At(5, y), RGB(0, 0, 0)) << y;
}

TEST(BackgroundPictures, TransparentRichBoxShowsTheScreenPictureDarkenedAndAligned) {
  TPictureForms forms;
  TQuenvalisForm& f = forms.F();
  TScreenPixels shot = Repainted(f);
  const int w = f.RichEdit.ClientWidth(), h = f.RichEdit.ClientHeight();
  // Without transparency and without a picture in use: the rich-box's colour.
  EXPECT_TRUE(shot.Uniform(RECT{InRich(f, 10, h / 2).x, InRich(f, 10, h / 2).y, InRich(f, w - 10, h - 10).x,
                                InRich(f, w - 10, h - 10).y}));
  f.Images.Controls.TransparentRichBackCheckBox.SetChecked(true);
  f.Images.Controls.TransparentRichBackCheckBox.OnClick();
  shot = Repainted(f);
  SaveScreenshot(f.Handle(), "pictures-transparent");
  for (int x : {0, w / 3, w - 1})
    for (int y : {h / 2, h - 1}) {
      const POINT p = InRich(f, x, y);
      const COLORREF under = TestColor(p.x % 400, p.y % 300, 400, 300);
      const COLORREF half = RGB(GetRValue(under) / 2, GetGValue(under) / 2, GetBValue(under) / 2);
      EXPECT_TRUE(Near(shot.At(p.x, p.y), half, 1.5)) << x << "," << y;
    }
  // Just outside the rich-box the same tiling goes on at full brightness.
  const POINT left = InRich(f, -3, h / 2);
  EXPECT_EQ(shot.At(left.x, left.y), TestColor(left.x % 400, left.y % 300, 400, 300));
  // The text is still drawn over it.
  const POINT text = InRich(f, 0, 0);
  EXPECT_FALSE(shot.Uniform(RECT{text.x, text.y, text.x + 100, text.y + 14}));
}

TEST(BackgroundPictures, UnusedRichPictureStaysLoadedAndTheColourShows) {
  TBookForms forms;
  TQuenvalisForm& f = forms.F();
  TBookForms::UseFolderProfile("EnhanceText=FALSE\r\nTitleRichBackImage=" + Picture400x300() +
                               "\r\nRichBoxBackColor=Pink\r\n");
  ASSERT_TRUE(f.Book.OpenBook(ShortBook(), false));
  const int w = f.RichEdit.ClientWidth(), h = f.RichEdit.ClientHeight();
  TScreenPixels shot = Repainted(f);
  const POINT p = InRich(f, w - 1, h - 1);
  EXPECT_EQ(shot.At(p.x, p.y), TestColor((w - 1) % 400, (h - 1) % 300, 400, 300));
  f.Images.Controls.RichImage.Use.SetChecked(false);
  f.Images.Controls.RichImage.Use.OnClick();
  shot = Repainted(f);
  EXPECT_EQ(shot.At(p.x, p.y), RGB(0xFF, 0x82, 0x82));
  EXPECT_FALSE(f.Images.RichBackBitmap.Empty());
}

TEST(BackgroundPictures, EveryBadPictureReportsOnceAndThePlainColourShows) {
  TBookForms forms;
  TQuenvalisForm& f = forms.F();
  ASSERT_TRUE(f.Book.OpenBook(ShortBook(), false));
  TRecordingErrorDialog errors;
  struct TCase {
    std::string name, bytes;
    bool reported;
  };
  std::vector<TCase> cases;
  for (const TBadPicture& b : BadPictureFiles()) cases.push_back({b.Name, b.Bytes, true});
  // Titles that load nothing and report nothing.
  cases.push_back({"missing.png", "", false});
  cases.push_back({"picture.txt", ReadWholeFile(Picture400x300()), false});
  for (const TCase& c : cases) {
    const std::string path = TestDirectory() + c.name;
    if (c.name != "missing.png") WriteTestFile(c.name, c.bytes);
    errors.shown.clear();
    f.Images.SetScreenBackImageTitle(path);
    f.FormResize();  // a rebuild of the same picture reports nothing more
    const TScreenPixels shot = Repainted(f);
    EXPECT_EQ(errors.shown, c.reported ? std::vector<std::string>{"Failed to load image."}
                                       : std::vector<std::string>{})
        << c.name;
    EXPECT_TRUE(f.Images.ScreenBack.Screen.Empty()) << c.name;
    EXPECT_EQ(shot.At(5, 300), RGB(255, 255, 255)) << c.name;
  }
  // The program keeps working: a good picture loads again.
  f.Images.SetScreenBackImageTitle(Picture400x300());
  EXPECT_EQ(Repainted(f).At(5, 300), TestColor(5, 0, 400, 300));
  EXPECT_TRUE(errors.shown.empty());
}

class TRecordingDialogs : public win::IFileDialogs {
 public:
  std::vector<win::TFileDialogRequest> asked;
  std::string answer;  // empty: cancelled
  TRecordingDialogs() { win::SetFileDialogs(this); }
  ~TRecordingDialogs() override { win::SetFileDialogs(nullptr); }
  bool Open(win::TFileDialogRequest& r) override {
    asked.push_back(r);
    if (answer.empty()) return false;
    r.FileName = answer;
    return true;
  }
  bool Save(win::TFileDialogRequest& r) override { return Open(r); }
};

TEST(BackgroundPictures, LoadButtonsFollowTheirModifiersAndRunOpensThePicture) {
  TBookForms forms;
  TQuenvalisForm& f = forms.F();
  const std::string book = ShortBook();
  ASSERT_TRUE(f.Book.OpenBook(book, false));
  TRecordingDialogs dialogs;
  const std::string images = win::ProgramDirectory() + "BackImages\\";
  const struct {
    unsigned shift;
    std::string start;
  } cases[] = {
      {0, images + "DefaultScreen.bmp"},
      {win::ssCtrl, images + "*"},
      {win::ssShift, TestDirectory() + "*"},
      {win::ssCtrl | win::ssShift, images + "DefaultScreen.bmp"},
      {win::ssAlt, images + "DefaultScreen.bmp"},
  };
  for (const auto& c : cases) {
    dialogs.asked.clear();
    f.Images.Controls.ScreenImage.Change.OnMouseDown(win::TMouseButton::Left, c.shift | win::ssLeft, 5, 5);
    ASSERT_EQ(dialogs.asked.size(), 1u) << c.shift;
    EXPECT_EQ(dialogs.asked[0].FileName, c.start) << c.shift;
    EXPECT_EQ(dialogs.asked[0].Filter, "Images (" + f.Images.PictureExtensions + ")|" + f.Images.PictureExtensions);
  }
  dialogs.asked.clear();
  f.Images.Controls.ScreenImage.Change.OnMouseDown(win::TMouseButton::Right, 0, 5, 5);
  EXPECT_TRUE(dialogs.asked.empty());

  // A chosen picture becomes the title and is shown.
  dialogs.answer = Picture400x300();
  f.Images.Controls.RichImage.Change.OnMouseDown(win::TMouseButton::Left, 0, 5, 5);
  EXPECT_EQ(f.Images.Controls.RichImage.Title.Text(), GetImageTitle(Picture400x300(), f.Persistence.MediaFolders()));
  EXPECT_EQ(f.Images.RichBackBitmap.Pixel(0, 0), TestColor(0, 0, 400, 300));

  TRecordingShell shell;
  f.Images.Controls.RichImage.Run.OnClick();
  f.Images.Controls.ScreenImage.Run.OnClick();
  std::vector<std::string> files;
  for (const win::TShellRequest& request : shell.requests) files.push_back(request.File);
  EXPECT_EQ(files, (std::vector<std::string>{Picture400x300(), images + "DefaultScreen.bmp"}));
}

// ---- colours ----

// A book of quoted lines, enhanced so that the quotes are coloured, with
// neither picture in use: the colours themselves show.
struct TColorForms : TBookForms {
  std::string book;
  TColorForms() {
    UseFolderProfile("UseScreenBackImage=FALSE\r\nUseRichBackImage=FALSE\r\n");
    std::string text;
    for (int i = 1; i <= 80; ++i) text += "Line " + std::to_string(i) + " said \"quoted words\" here.\r\n\r\n";
    book = WriteTestFile("colours.txt", text);
    EXPECT_TRUE(F().Book.OpenBook(book, false));
    PumpFor(50);
  }
  // The colour of the character at a position of the text.
  uint32_t ColorAt(int32_t position) {
    TRichEdit& r = F().RichEdit;
    int32_t start = 0, length = 0;
    r.GetSelection(start, length);
    r.SetSelection(position, 1);
    TCharFormat format;
    r.GetCharFormat(format);
    r.SetSelection(start, length);
    return format.TextColor;
  }
};

TEST(ColorSchemes, EachSchemeColoursScreenRichBoxAndQuotesKeepingTheTopLine) {
  TColorForms forms;
  TQuenvalisForm& f = forms.F();
  TRichEdit& r = f.RichEdit;
  ScrollRichLines(r, 30);
  const int32_t top = GetRichTopPos(r);
  ASSERT_GT(top, 0);
  const std::string text = r.GetText();
  const int32_t quoted = int32_t(text.find("quoted words", size_t(top))), plain = int32_t(text.find("said", size_t(top)));
  const struct {
    TButton& button;
    const char* shot;
  } schemes[] = {{f.Colors.Controls.SetHighLightColorsButton, "scheme-high-light"},
                 {f.Colors.Controls.SetLowStrainColorsButton, "scheme-low-strain"},
                 {f.Colors.Controls.SetLowLightColorsButton, "scheme-low-light"}};
  for (int i : {2, 1, 0}) {
    const TColorScheme& scheme = CColorSchemes[i];
    r.SetModified(i == 1);  // edits made before a colouring stay offered for saving
    schemes[i].button.Click();
    const TScreenPixels shot = Repainted(f);
    SaveScreenshot(f.Handle(), schemes[i].shot);
    EXPECT_EQ(shot.At(5, 300), scheme.Colors[cpScreenBack]) << scheme.Caption;
    const POINT p = InRich(f, r.ClientWidth() - 20, r.ClientHeight() - 5);
    EXPECT_EQ(shot.At(p.x, p.y), scheme.Colors[cpRichBoxBack]) << scheme.Caption;
    EXPECT_EQ(f.ClockLabel.FontColor(), scheme.Colors[cpScreenFore]) << scheme.Caption;
    // The scheme's text colours, or the nearest that read on the rich-box's colour.
    const uint32_t back = scheme.Colors[cpRichBoxBack];
    EXPECT_EQ(forms.ColorAt(plain), ReadableTextColor(scheme.Colors[cpRichBoxFore], back)) << scheme.Caption;
    EXPECT_EQ(forms.ColorAt(quoted), ReadableTextColor(scheme.Colors[cpEmpha], back)) << scheme.Caption;
    EXPECT_EQ(GetRichTopPos(r), top) << scheme.Caption;
    EXPECT_EQ(r.GetModified(), i == 1) << scheme.Caption;
    for (size_t k = 0; k < f.Colors.Controls.Panels().size(); ++k)
      EXPECT_EQ(f.Colors.Controls.Panels()[k]->CurrentColor(), scheme.Colors[k]) << scheme.Caption << " " << k;
  }
  // With a screen picture in use the picture still covers the screen.
  f.Colors.Controls.SetLowLightColorsButton.Click();
  f.Images.Controls.ScreenImage.Use.SetChecked(true);
  f.Images.Controls.ScreenImage.Use.OnClick();
  EXPECT_EQ(Repainted(f).At(5, 300), f.Images.ScreenBack.Screen.Pixel(5, 300));
}

TEST(ColorPanels, MiddleRestoresTheDefaultLeftAndRightOpenTheirDialogs) {
  TColorForms forms;
  TQuenvalisForm& f = forms.F();
  f.Colors.Controls.SetLowLightColorsButton.Click();
  TColorPanel& dirBack = f.Colors.Controls.DirTypeBack.Panel;
  SendMessageA(dirBack.Handle(), WM_MBUTTONUP, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(dirBack.CurrentColor(), 0x4B96AAu);
  EXPECT_EQ(dirBack.Hint(), ColorPanelHint(0x4B96AA));

  // Left: the stock dialog; the chosen stock colour becomes the window's.
  AfterDelay(200, [] {
    if (win::ColorForm) win::ColorForm->ColorCellMouseUp(75, win::TMouseButton::Left);  // Red
  });
  SendMessageA(f.Colors.Controls.ScreenBack.Panel.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(f.Colors.Controls.ScreenBack.Panel.CurrentColor(), CStockColors[75].Color);
  EXPECT_EQ(Repainted(f).At(5, 300), CStockColors[75].Color);

  // Right: the system dialog, fully open, at the panel's colour.
  TColorPanel& richBack = f.Colors.Controls.RichBoxBack.Panel;
  std::string red, green, blue;
  bool expanded = false;
  AfterDelay(300, [&] {
    HWND dialog = GetLastActivePopup(f.Handle());
    auto text = [&](int id) {
      char buf[16] = "";
      GetDlgItemTextA(dialog, id, buf, sizeof buf);
      return std::string(buf);
    };
    red = text(706), green = text(707), blue = text(708);
    expanded = IsWindowVisible(GetDlgItem(dialog, 706)) != FALSE;
    SetDlgItemTextA(dialog, 706, "10");
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
  });
  SendMessageA(richBack.Handle(), WM_RBUTTONUP, 0, MAKELPARAM(3, 3));
  EXPECT_TRUE(expanded);
  EXPECT_EQ(red + "," + green + "," + blue, "0,0,0");  // Low light's rich-box back: Black
  EXPECT_EQ(richBack.CurrentColor(), RGB(10, 0, 0));
}

TEST(ColorPanels, AProfileAppliesItsColoursAsItIsRead) {
  TBookForms forms;
  TQuenvalisForm& f = forms.F();
  TBookForms::UseFolderProfile(
      "EnhanceText=FALSE\r\nUseScreenBackImage=FALSE\r\nUseRichBackImage=FALSE\r\nScreenBackColor=Teal\r\n"
      "ScreenForeColor=Orange\r\nRichBoxBackColor=Soft Yellow\r\nRichBoxForeColor=Navy\r\n");
  ASSERT_TRUE(f.Book.OpenBook(ShortBook(), false));
  const TScreenPixels shot = Repainted(f);
  EXPECT_EQ(shot.At(5, 300), RGB(0x00, 0x82, 0x82));
  EXPECT_EQ(f.Sidebar.BrowserListBox.Color(), RGB(0x00, 0x82, 0x82));
  EXPECT_EQ(f.ClockLabel.FontColor(), RGB(0xFF, 0x78, 0x00));
  const POINT p = InRich(f, f.RichEdit.ClientWidth() - 20, f.RichEdit.ClientHeight() - 5);
  EXPECT_EQ(shot.At(p.x, p.y), RGB(0xF0, 0xF0, 0xAF));
}

}  // namespace
}  // namespace qv::testing
