// The enhancement loop and the application of the format state to the rich-box.
#include "text/EnhancedRichEdit.h"

#include <algorithm>
#include <exception>

#include "encoding/Utf8.h"
#include "errors/Guard.h"
#include "richbox/RichOps.h"
#include "text/LineRules.h"
#include "util/AsciiText.h"

namespace qv {

TEnhancedRichEdit::TEnhancedRichEdit(IRichBox& richBox, bool isRichEdit3)
    : IsRichEdit3(isRichEdit3), RichBox(richBox) {
  SetDefaults(false, false, 120, 5, 0, 0, 0, 0, 0, 0, 16, DefaultFontName, false);
}

void TEnhancedRichEdit::SetDefaults(bool underline, bool italic, int32_t lineSpacing, int32_t spaceAfter,
                                    int32_t firstLineIndent, int32_t alignment,
                                    uint32_t secondEmphaColor, uint32_t emphaColor, uint32_t foreColor,
                                    int32_t charSpacing, int32_t fontSize, const std::string& fontName,
                                    bool bold) {
  Format.SetAll(fpUnderline, underline);
  Format.SetAll(fpItalic, italic);
  Format.SetAll(fpLineSpacing, lineSpacing);
  Format.SetAll(fpSpaceAfter, spaceAfter);
  Format.SetAll(fpFirstLineIndent, firstLineIndent);
  Format.SetAll(fpAlignment, alignment);
  Format.SetAll(fpSecondEmphaColor, int32_t(secondEmphaColor));
  Format.SetAll(fpEmphaColor, int32_t(emphaColor));
  Format.SetAll(fpForeColor, int32_t(foreColor));
  Format.SetAll(fpCharSpacing, charSpacing);
  Format.SetAll(fpFontSize, fontSize);
  Format.SetAllFonts(fontName.empty() ? std::string(DefaultFontName) : fontName);
  Format.SetAll(fpBold, bold);
  Format.SetAll(fpBackColor, int32_t(NoColor));
  Format.SetAll(fpLeftIndent, 0);
  Format.SetAll(fpRightIndent, 0);
  IsHeading = false;
  Format.ResetStacks();
}


uint32_t TEnhancedRichEdit::CharChangeMask() const {
  const TFormatStacks& f = Format;
  auto differs = [&f](int p) { return f.Value(p) != f.Default(p); };
  uint32_t mask = 0;
  if (differs(fpUnderline) || IsHeading) mask |= CharMask::Underline;
  if (differs(fpItalic)) mask |= CharMask::Italic;
  if (differs(fpBold)) mask |= CharMask::Bold;
  if (f.Depth(fpFontName) > 0 && !SameTextAscii(f.FontName(), f.DefaultFont())) mask |= CharMask::Face;
  if (differs(fpFontSize)) mask |= CharMask::Size;
  if (differs(fpCharSpacing)) mask |= CharMask::Spacing;
  if (differs(fpBackColor) && f.Color(fpBackColor) != NoColor) mask |= CharMask::BackColor;
  if (differs(fpForeColor)) mask |= CharMask::Color;
  return mask;
}

uint32_t TEnhancedRichEdit::ParaChangeMask() const {
  const TFormatStacks& f = Format;
  auto differs = [&f](int p) { return f.Value(p) != f.Default(p); };
  uint32_t mask = 0;
  if (differs(fpLeftIndent) || differs(fpFirstLineIndent)) mask |= ParaMask::StartIndent | ParaMask::Offset;
  if (differs(fpAlignment)) mask |= ParaMask::Alignment;
  if (differs(fpRightIndent)) mask |= ParaMask::RightIndent;
  if (differs(fpSpaceAfter)) mask |= ParaMask::SpaceAfter;
  if (differs(fpLineSpacing)) mask |= ParaMask::LineSpacing;
  return mask;
}

void TEnhancedRichEdit::ApplyCharFormat(bool whole, uint32_t mask) {
  if (whole) mask = CharMask::Size | CharMask::Color | CharMask::Face | CharMask::Spacing | CharMask::Bold | CharMask::Italic | CharMask::Underline;
  const bool extended = UsesExtendedRecords();
  // A basic record has no room for the extended attributes.
  if (!extended) mask &= CharMask::Basic;
  if (mask == 0) return;
  TCharFormat f;
  if (extended)
    InitCharFormat2(f);
  else
    InitCharFormat(f);
  f.Mask = mask;
  if (Format.Flag(fpUnderline) || IsHeading) f.Effects |= CharEffect::Underline;
  if (Format.Flag(fpItalic)) f.Effects |= CharEffect::Italic;
  if (Format.Flag(fpBold)) f.Effects |= CharEffect::Bold;
  f.SetFaceName(Format.FontName());
  f.Height = int32_t(int64_t(Format.Value(fpFontSize)) * 20);
  f.TextColor = Format.Color(fpForeColor);
  if (extended) {
    f.Spacing = int16_t(TenthMmToTwips(Format.Value(fpCharSpacing)));
    f.BackColor = Format.Color(fpBackColor);
  }
  RichBox.SetCharFormat(f, whole ? TFormatTarget::All : TFormatTarget::Selection);
}

void TEnhancedRichEdit::ApplyParaFormat(bool whole, uint32_t mask) {
  if (whole)
    mask = ParaMask::StartIndent | ParaMask::RightIndent | ParaMask::Offset | ParaMask::Alignment | ParaMask::SpaceAfter | ParaMask::LineSpacing;
  const bool extended = UsesExtendedRecords();
  if (!extended) mask &= ParaMask::Basic;
  if (mask == 0) return;
  TParaFormat f;
  if (extended)
    InitParaFormat2(f);
  else
    InitParaFormat(f);
  f.Mask = mask;
  static const uint16_t alignments[4] = {ParaAlign::Left, ParaAlign::Right, ParaAlign::Center, ParaAlign::Justify};
  const int32_t alignment = Format.Value(fpAlignment);
  f.Alignment = alignment >= 0 && alignment < 4 ? alignments[alignment] : ParaAlign::Left;
  const int32_t first = Format.Value(fpFirstLineIndent);
  f.StartIndent = MmToTwips(Format.Value(fpLeftIndent) + first);
  f.Offset = -MmToTwips(first);
  f.RightIndent = MmToTwips(Format.Value(fpRightIndent));
  if (extended) {
    f.SpaceAfter = MmToTwips(Format.Value(fpSpaceAfter));
    f.LineSpacing = Format.Value(fpLineSpacing) / 5;
    f.LineSpacingRule = LineRule::Multiple;
    if (whole) {
      f.Mask |= ParaMask::TabStops;
      f.TabCount = MaxTabStops;
      for (int i = 0; i < MaxTabStops; ++i) f.Tabs[i] = f.StartIndent + int32_t(int64_t(i) * 576 * 15 / 10);
    }
  }
  RichBox.SetParaFormat(f);
}

void TEnhancedRichEdit::ApplyParaFormatToWholeText() {
  const int32_t top = GetRichTopPos(RichBox);
  const bool visible = RichBox.IsVisible();
  RichBox.SetVisible(false);
  RichBox.SetSelection(0, RichAllLength);
  ApplyParaFormat(true, 0);
  RichBox.SetModified(false);
  RichBox.SetSelection(0, 0);
  ShowRichPosAtTop(RichBox, top);
  RichBox.SetVisible(visible);
}

std::string TEnhancedRichEdit::PrefixForOption(const std::string& option) {
  if (option == "None") return std::string();
  if (option == "Tab") return "\t";
  if (option == "Blanks") return "  ";
  return option;
}

bool TEnhancedRichEdit::ContinuesParagraph(std::string_view current, std::string_view next,
                                           bool nextIndented, bool& skipNext) const {
  skipNext = IgnoreEmptyLines && !current.empty() && next.empty();
  if (current.empty() || next.empty()) return false;
  const char32_t f = FirstChar(current), l = LastChar(current), c = FirstChar(next);
  if ((nextIndented || PoorlyWritten) && IsParagraphOpener(c) && IsSentenceEnd(l)) return false;
  if (IsBulletChar(c)) return false;
  if (f == CommandMark || c == CommandMark) return false;
  if (IsHeadingMark(f) || IsHeadingMark(c)) return false;
  if (IsCapital(f) && IsHeadingLine(current)) return false;
  if (IsCapital(c) && IsHeadingLine(next)) return false;
  if (IsBulletChar(f) && IsSeparatorLine(current)) return false;
  if (l == ':' && IsCapital(c)) return false;
  return true;
}

void TEnhancedRichEdit::ResetCommandState() {
  CommandEnd = 0;
  CommandName.clear();
  CommandArg.clear();
}

void TEnhancedRichEdit::AddParagraph(std::string& text) {
  if (text.empty()) {
    RichBox.AppendLine(text);
    TextPos += 2;
    return;
  }
  if (text[0] == CommandMark) {
    ParseCommandLine(text);
    text.clear();
    return;
  }
  const int32_t start = TextPos;
  int32_t length = 0;  // as the rich-box counts it
  if (ChapterCount < MaxChapters && IsHeadingLine(text)) {
    length = RichBox.AppendLine(text);
    TChapterItem item;
    item.Caption = text.substr(0, BytesOfChars(text, MaxChapterCaption));
    item.Tag = start;
    item.HelpContext = ChapterHelpContext;
    if (!ChaptersMenu) ChaptersMenu = std::make_unique<TChaptersMenu>();
    ChaptersMenu->Items.push_back(std::move(item));
    ++ChapterCount;
    IsHeading = true;
  } else {
    if (!ParagraphPrefix.empty()) text.insert(0, ParagraphPrefix);
    length = RichBox.AppendLine(text);
    IsHeading = false;
  }
  const uint32_t charMask = CharChangeMask();
  const uint32_t paraMask = ParaChangeMask();
  if (charMask != 0 || paraMask != 0) {
    RichBox.SetSelection(start, length);
    ApplyCharFormat(false, charMask);
    ApplyParaFormat(false, paraMask);
  }
  IsHeading = false;
  EmphasizeParagraph(text, start, length);
  if (!CommandName.empty()) PopSingleUse();
  RichBox.SetModified(false);
  StopRequested = OnProgress ? OnProgress(start) : false;
  ResetCommandState();
  TextPos += length + 2;
  text.clear();
}

void TEnhancedRichEdit::EnhanceText(const std::vector<std::string>& lines, const std::string& prefixOption,
                                    bool ignoreEmptyLines, bool poorlyWritten) {
  Failure = TFunStatContext();
  Guarded(QV_OP("EnhancedRTF", "TEnhancedRichEdit::EnhanceText", ""), [&](TFunStatContext& local) {
    TRichUpdate burst(RichBox);
    StopRequested = false;
    HasCommands = false;
    ChapterCount = 0;
    IgnoreEmptyLines = ignoreEmptyLines;
    PoorlyWritten = poorlyWritten;
    ChaptersMenu = std::make_unique<TChaptersMenu>();
    ParagraphPrefix = PrefixForOption(prefixOption);
    TextPos = 0;
    std::string& current = line_;
    current.clear();
    try {
      const size_t n = lines.size();
      size_t i = 0;
      while (i < n && !StopRequested) {
        JoinLinesInPlace(current, TrimLine(lines[i]));
        const std::string_view lookAhead = i + 1 < n ? std::string_view(lines[i + 1]) : std::string_view();
        const bool nextIndented = IsIndentedLine(lookAhead);
        const std::string_view next = TrimLine(lookAhead);
        bool skipNext = false;
        if (ContinuesParagraph(current, next, nextIndented, skipNext)) {
          ++i;
        } else {
          AddParagraph(current);
          i += skipNext ? 2 : 1;
        }
      }
    } catch (const std::exception& e) {
      local.Raise("EnhancedRTF", "TEnhancedRichEdit::EnhanceText", 0,
                  std::string("Unhandled exception: ") + e.what(), "", "", Error, __LINE__);
    } catch (...) {
      local.Raise("EnhancedRTF", "TEnhancedRichEdit::EnhanceText", 0, "Unhandled generic exception.", "",
                  "", Error, __LINE__);
    }
    current.clear();
    // Closing steps, after a failure too.
    RichBox.SetSelection(0, 0);
    if (ChaptersMenu && ChaptersMenu->Items.empty()) ChaptersMenu.reset();
    if (StopRequested) RichBox.Clear();
    Failure.Assign(local);
  });
}

}  // namespace qv
