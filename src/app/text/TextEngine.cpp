#include "app/text/TextEngine.h"

#include <algorithm>

#include "app/SidebarPlaces.h"
#include "app/controls/OptionFill.h"
#include "errors/Guard.h"
#include "encoding/UnicodeText.h"
#include "platform/WideText.h"
#include "richbox/RichOps.h"
#include "text/Chapters.h"

namespace qv::app {

namespace {
const char* const kFile = "QuenvalisDialog";
namespace PG = ProfileGeneralPage;
namespace PF = ProfileFormatPage;
namespace M = ProgramMiscPage;

int CALLBACK CollectFont(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM data) {
  if (font->lfFaceName[0] != L'@')  // vertical variants of East Asian fonts
    reinterpret_cast<std::vector<std::string>*>(data)->push_back(win::FromWide(font->lfFaceName));
  return 1;
}

// The installed screen fonts, sorted without regard to case, each once.
std::vector<std::string> InstalledFonts() {
  std::vector<std::string> names;
  HDC dc = GetDC(nullptr);
  LOGFONTW filter{};
  filter.lfCharSet = DEFAULT_CHARSET;
  EnumFontFamiliesExW(dc, &filter, CollectFont, reinterpret_cast<LPARAM>(&names), 0);
  ReleaseDC(nullptr, dc);
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return UpperCase(a) < UpperCase(b); });
  names.erase(std::unique(names.begin(), names.end(),
                          [](const std::string& a, const std::string& b) { return SameText(a, b); }),
              names.end());
  return names;
}
}  // namespace

TTextEngineControls::TTextEngineControls(TSidebar& s)
    : EnhanceTextCheckBox(&s.EnhancePlainTextGroupBox, PG::EnhanceTextCheckBox, "Enhance text"),
      PoorlyWrittenCheckBox(&s.EnhancePlainTextGroupBox, PG::PoorlyWrittenCheckBox, "Text is poorly written"),
      IgnoreEmptyLinesCheckBox(&s.EnhancePlainTextGroupBox, PG::IgnoreEmptyLinesCheckBox,
                               "Ignore first empty line after paragraphs"),
      FontName(&s.FormatTextGroupBox, PF::FontNameLabel, PF::FontNameComboBox, "Font name"),
      FontSize(&s.FormatTextGroupBox, PF::FontSizeLabel, PF::FontSizeComboBox, "Font size (points)"),
      FontZoom(&s.FormatTextGroupBox, PF::FontZoomLabel, PF::FontZoomComboBox, "Font zoom (%)"),
      CharSpacing(&s.FormatTextGroupBox, PF::CharSpacingLabel, PF::CharSpacingComboBox, "Char spacing (mm/10)"),
      BoldFontCheckBox(&s.FormatTextGroupBox, PF::BoldFontCheckBox, "Bold font"),
      LeftMargin(&s.FormatParaGroupBox, PF::LeftMarginLabel, PF::LeftMarginComboBox, "Left margin (pixels)"),
      RightMargin(&s.FormatParaGroupBox, PF::RightMarginLabel, PF::RightMarginComboBox, "Right margin (pixels)"),
      LineSpacing(&s.FormatParaGroupBox, PF::LineSpacingLabel, PF::LineSpacingComboBox, "Line spacing (%)"),
      SpaceAfter(&s.FormatParaGroupBox, PF::SpaceAfterLabel, PF::SpaceAfterComboBox, "Space after (mm)"),
      FirstLineIndent(&s.FormatParaGroupBox, PF::FirstLineIndentLabel, PF::FirstLineIndentComboBox,
                      "First line indent (mm)"),
      ParagraphPrefix(&s.FormatParaGroupBox, PF::ParagraphPrefixLabel, PF::ParagraphPrefixComboBox,
                      "Paragraph prefix"),
      JustifiedTextCheckBox(&s.FormatParaGroupBox, PF::JustifiedTextCheckBox, "Justified text"),
      ForceRichEdit3CheckBox(&s.SystemOptionsGroupBox, M::ForceRichEdit3CheckBox, "Force Rich-edit 3"),
      DetectRichEdit3Label(&s.SystemOptionsGroupBox, M::DetectRichEdit3Label, ""),
      ChaptersButton(&s.BookGroupBox, OpenPage::ChaptersButton, "&Chapters") {
  EnhanceTextCheckBox.SetHint(
      "Enhance plain text while it is opened: rejoin the lines of each paragraph, recognise "
      "chapter headings, color quotes and obey formatting commands");
  PoorlyWrittenCheckBox.SetHint(
      "The text does not mark its paragraphs clearly; paragraphs are then recognised by looser rules");
  IgnoreEmptyLinesCheckBox.SetHint("An empty line that follows a paragraph does not start a new one");
  for (TCheckBox* box : {&EnhanceTextCheckBox, &PoorlyWrittenCheckBox, &IgnoreEmptyLinesCheckBox,
                         &BoldFontCheckBox, &JustifiedTextCheckBox, &ForceRichEdit3CheckBox})
    CheckFromOption(*box);

  FontName.Box.SetItems(InstalledFonts());
  FontName.Box.SetText(OptionOf("FontName").Text);
  FontName.Box.SetHint("The font of the text");
  struct TCombo {
    TLabeledCombo& Control;
    const char* Hint;
  };
  for (const TCombo& c : {
           TCombo{FontSize, "The size of the font, in points"},
           TCombo{FontZoom, "Zoom the whole text by this percent"},
           TCombo{CharSpacing, "Extra space between characters, in tenths of a millimetre"},
           TCombo{LeftMargin, "Space between the left edge of the rich-box and the text"},
           TCombo{RightMargin, "Space between the right edge of the rich-box and the text"},
           TCombo{LineSpacing, "The height of a line, in percent of the single spacing"},
           TCombo{SpaceAfter, "Space after each paragraph, in millimetres"},
           TCombo{FirstLineIndent, "Indent of the first line of each paragraph, in millimetres"},
           TCombo{ParagraphPrefix, "Text put before each paragraph of an enhanced plain text"},
       }) {
    FillFromOption(c.Control.Box);
    c.Control.Box.SetHint(c.Hint);
  }
  BoldFontCheckBox.SetHint("Show all the text in bold");
  JustifiedTextCheckBox.SetHint("Align the paragraphs to both edges of the rich-box");
  ForceRichEdit3CheckBox.SetHint("Use this option before you open a book.");
  ChaptersButton.SetHint("Go to a chapter from the list. [Alt + C]");
  ChaptersButton.SetEnabled(false);
}

TTextEngine::TTextEngine(TSidebar& sidebar, TRichEdit& richEdit, IScreen& screen, const IRichColors& colors)
    : Controls(sidebar),
      Enhancer(richEdit, richEdit.IsVersion3()),
      richEdit_(richEdit),
      screen_(screen),
      colors_(colors) {
  TTextEngineControls& c = Controls;
  c.DetectRichEdit3Label.SetCaption(richEdit.IsVersion3() ? "Rich-edit 3 is installed."
                                                         : "Rich-edit 3 is NOT installed.");
  c.ChaptersButton.OnClick = [this] { ChaptersButtonClick(); };
  Enhancer.OnChapterClick = [this](int32_t tag) { ChapterMenuItemClick(tag); };
  const std::pair<TComboBox*, TFormatControl> combos[] = {
      {&c.LeftMargin.Box, TFormatControl::LeftMargin},   {&c.RightMargin.Box, TFormatControl::RightMargin},
      {&c.FontName.Box, TFormatControl::FontName},       {&c.FontSize.Box, TFormatControl::FontSize},
      {&c.FontZoom.Box, TFormatControl::FontZoom},       {&c.CharSpacing.Box, TFormatControl::CharSpacing},
      {&c.LineSpacing.Box, TFormatControl::LineSpacing}, {&c.SpaceAfter.Box, TFormatControl::SpaceAfter},
      {&c.FirstLineIndent.Box, TFormatControl::FirstLineIndent}};
  for (const auto& [box, control] : combos) {
    const TFormatControl which = control;
    box->OnChange = [this, which] { FormatControlChange(which); };
  }
  c.BoldFontCheckBox.OnClick = [this] { FormatControlChange(TFormatControl::BoldFont); };
  c.JustifiedTextCheckBox.OnClick = [this] { FormatControlChange(TFormatControl::JustifiedText); };
  c.ForceRichEdit3CheckBox.OnClick = [this] { ForceRichEdit3CheckBoxClick(); };
  // The enhancement switches and the prefix act at the next opening.
  for (TCheckBox* box : {&c.EnhanceTextCheckBox, &c.PoorlyWrittenCheckBox, &c.IgnoreEmptyLinesCheckBox})
    box->OnClick = [this] { FocusBookAfterOption(richEdit_); };
  c.ParagraphPrefix.Box.OnChange = [this] { FocusBookAfterOption(richEdit_); };
  ShowMenu = [](TPopupMenu& menu, HWND owner, POINT corner) { menu.Popup(owner, corner.x, corner.y); };
  UpdateChaptersButton();
}

TFormatSettings TTextEngine::ReadFormatSettings() const {
  const TTextEngineControls& c = Controls;
  TFormatSettings s;
  s.FontName = c.FontName.Box.Text();
  s.FontSize = c.FontSize.Box.Text();
  s.FontZoom = c.FontZoom.Box.Text();
  s.CharSpacing = c.CharSpacing.Box.Text();
  s.LeftMargin = c.LeftMargin.Box.Text();
  s.RightMargin = c.RightMargin.Box.Text();
  s.LineSpacing = c.LineSpacing.Box.Text();
  s.SpaceAfter = c.SpaceAfter.Box.Text();
  s.FirstLineIndent = c.FirstLineIndent.Box.Text();
  s.Bold = c.BoldFontCheckBox.Checked();
  s.Justified = c.JustifiedTextCheckBox.Checked();
  s.ForeColor = colors_.ForeColor();
  s.EmphaColor = colors_.EmphaColor();
  s.SecondEmphaColor = colors_.SecondEmphaColor();
  return s;
}

TEnhanceOptions TTextEngine::ReadEnhanceOptions() const {
  TEnhanceOptions e;
  e.EnhanceText = Controls.EnhanceTextCheckBox.Checked();
  e.ParagraphPrefix = Controls.ParagraphPrefix.Box.Text();
  e.IgnoreEmptyLines = Controls.IgnoreEmptyLinesCheckBox.Checked();
  e.PoorlyWritten = Controls.PoorlyWrittenCheckBox.Checked();
  return e;
}

void TTextEngine::ResetFormatDefaults() { ReadFormatDefaults(Enhancer, ReadFormatSettings()); }
void TTextEngine::ApplyZoom() { ApplyFormatZoom(ReadFormatSettings(), richEdit_); }

void TTextEngine::SetAllParaFormatRichEdit() {
  Guarded(QV_OP(kFile, "TQuenvalisForm::SetAllParaFormatRichEdit", ""), [&](TFunStatContext&) {
    // The whole text is reformatted in one pass, hidden and without repainting.
    const TQuietRichBoxUpdate quiet(screen_);
    SetAllParaFormat(Enhancer, ReadFormatSettings());
  });
}

void TTextEngine::FormatControlChange(TFormatControl control) {
  switch (control) {
    case TFormatControl::JustifiedText:
    case TFormatControl::LineSpacing:
    case TFormatControl::SpaceAfter:
    case TFormatControl::FirstLineIndent:
      SetAllParaFormatRichEdit();
      break;
    default:
      ApplyFormatControl(control, ReadFormatSettings(), richEdit_, Enhancer);
      break;
  }
  FocusBookAfterOption(richEdit_);
}

void TTextEngine::ForceRichEdit3CheckBoxClick() {
  Enhancer.ForceRichEdit3 = Controls.ForceRichEdit3CheckBox.Checked();
}

void TTextEngine::OptionLoaded(const TOptionEntry& opt) {
  const std::string key = opt.Key;
  const std::pair<const char*, TFormatControl> applied[] = {
      {"LeftMargin", TFormatControl::LeftMargin}, {"RightMargin", TFormatControl::RightMargin},
      {"FontName", TFormatControl::FontName},     {"FontSize", TFormatControl::FontSize},
      {"FontZoom", TFormatControl::FontZoom},     {"CharSpacing", TFormatControl::CharSpacing}};
  for (const auto& [name, control] : applied)
    if (key == name) FormatControlChange(control);
  if (key == "ForceRichEdit3") ForceRichEdit3CheckBoxClick();
  if (key == "BoldFont" && !IsRichTextEmpty(richEdit_)) {
    // A display format, not an edit: the text stays as modified as it was.
    const bool modified = richEdit_.GetModified();
    SetRichBold(richEdit_, Controls.BoldFontCheckBox.Checked());
    richEdit_.SetModified(modified);
  }
}

void TTextEngine::UpdateChaptersButton() {
  Controls.ChaptersButton.SetText(ChaptersButtonCaption(Enhancer.ChaptersMenu));
  Controls.ChaptersButton.SetEnabled(ChaptersButtonEnabled(Enhancer.ChaptersMenu));
}

void TTextEngine::DiscardChapters() {
  Enhancer.ChaptersMenu.reset();
  Enhancer.ChapterCount = 0;
  ChaptersPopup.reset();
  UpdateChaptersButton();
}

void TTextEngine::ShowChaptersMenu() {
  Guarded(QV_OP(kFile, "TQuenvalisForm::ShowChaptersMenu", "Failed to show \"Chapters\" menu."),
          [&](TFunStatContext&) {
            if (!Enhancer.ChaptersMenu) return;
            ChaptersPopup = std::make_unique<TPopupMenu>();
            for (const TChapterItem& item : Enhancer.ChaptersMenu->Items) {
              const int32_t tag = item.Tag;
              ChaptersPopup->Add(MenuCaption(item.Caption), [this, tag] {
                if (Enhancer.OnChapterClick) Enhancer.OnChapterClick(tag);
              });
            }
            TButton& button = Controls.ChaptersButton;
            ShowMenu(*ChaptersPopup, screen_.Window(), button.ClientToScreen({0, button.ClientHeight()}));
          });
}

void TTextEngine::ChaptersButtonClick() {
  ShowChaptersMenu();
  richEdit_.SetFocus();
}

void TTextEngine::ChapterMenuItemClick(int32_t tag) {
  TChapterItem item;
  item.Tag = tag;
  GoToChapter(richEdit_, item);
}

bool TTextEngine::KeyDown(WORD key, unsigned shift) {
  if (!(shift & ssAlt) || key != 'C') return false;
  Controls.ChaptersButton.Click();
  return true;
}

}  // namespace qv::app
