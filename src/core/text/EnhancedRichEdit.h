// The enhancer: turns the lines of a plain-text book into formatted paragraphs
// of the rich-box, recognising chapter headings, obeying the manual formatting
// commands written into the text (lines beginning with '^') and colouring
// quoted speech. Its format state is a set of sixteen stacked properties.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "errors/FunStatContext.h"
#include "richbox/RichBox.h"
#include "text/FormatStacks.h"

namespace qv {

// Book text is UTF-8 and positions count UTF-16 units, as the rich-box's (richbox/RichBox.h).
struct TChapterItem {
  std::string Caption;  // the heading, cut to its first 50 characters
  int32_t Tag = 0;      // the heading's start position in the rich-box
  int32_t HelpContext = 0;
};

// The chapters menu as the enhancer builds it; the window side shows it as a popup
// menu whose items call OnChapterClick with their tag.
struct TChaptersMenu {
  std::vector<TChapterItem> Items;
};

constexpr size_t MaxChapterCaption = 50;

class TEnhancedRichEdit {
 public:
  // isRichEdit3: the platform honours the extended format records.
  explicit TEnhancedRichEdit(IRichBox& richBox, bool isRichEdit3 = false);

  // --- state read and set by the window ---
  bool IsRichEdit3;
  bool ForceRichEdit3 = false;
  bool HasCommands = false;
  bool StopRequested = false;
  int32_t ChapterCount = 0;
  int32_t TextPos = 0;
  std::string ParagraphPrefix;
  bool PoorlyWritten = false;
  bool IgnoreEmptyLines = false;
  bool IsHeading = false;
  IRichBox& RichBox;
  std::unique_ptr<TChaptersMenu> ChaptersMenu;
  int32_t MaxChapters = 30;
  int32_t ChapterHelpContext = 100;
  std::function<void(int32_t tag)> OnChapterClick;
  std::function<bool(int32_t position)> OnProgress;  // true asks to stop
  // The failure that ended the last EnhanceText (Status Perfect when none).
  TFunStatContext Failure;

  // --- command state ---
  std::string CommandName;
  std::string CommandArg;
  char CommandEnd = 0;  // '+', '*', '/', '~' or 0

  TFormatStacks Format;

  // --- format state ---
  void SetDefaults(bool underline, bool italic, int32_t lineSpacing, int32_t spaceAfter,
                   int32_t firstLineIndent, int32_t alignment, uint32_t secondEmphaColor,
                   uint32_t emphaColor, uint32_t foreColor, int32_t charSpacing, int32_t fontSize,
                   const std::string& fontName, bool bold);
  void ResetStacks() { Format.ResetStacks(); }
  void PopSingleUse() { Format.PopSingleUse(); }
  bool UsesExtendedRecords() const { return IsRichEdit3 || ForceRichEdit3; }
  uint32_t CharChangeMask() const;
  uint32_t ParaChangeMask() const;
  void ApplyCharFormat(bool whole, uint32_t mask);
  void ApplyParaFormat(bool whole, uint32_t mask);
  // Gives every paragraph the current paragraph format (after SetDefaults from
  // the profile's controls) keeping the reader's place: the rich-box is hidden
  // meanwhile, the text stays unmodified and the selection ends collapsed.
  void ApplyParaFormatToWholeText();

  // --- enhancement ---
  void EnhanceText(const std::vector<std::string>& lines, const std::string& prefixOption,
                   bool ignoreEmptyLines, bool poorlyWritten);
  bool ContinuesParagraph(std::string_view current, std::string_view next, bool nextIndented,
                          bool& skipNext) const;
  // Appends one paragraph (or runs a command line); text is emptied on every path.
  void AddParagraph(std::string& text);

  // --- commands ---
  void ParseCommandLine(const std::string& line);
  void ExecuteCommand();

  // --- quote emphasis ---
  void EmphasizeParagraph(std::string_view text, int32_t start, int32_t length);
  void EmphasizeText(uint32_t doubleColor, uint32_t singleColor);

  // The paragraph prefix for a prefix option text ("None", "Tab", "Blanks" or
  // the text itself, which is code page 1252 as every option is).
  static std::string PrefixForOption(const std::string& option);

 private:
  void ResetCommandState();
  void ChangeAllDefaults();
  void ColorPassage(int32_t position, int32_t length, uint32_t color);
  // Collects the quote marks and breaks of text; answers its length in units.
  int32_t FindQuoteMarks(std::string_view text);
  void DoubleQuotePass(int32_t base, uint32_t color, bool stopAtBreaks);
  void SingleQuotePass(std::string_view text, int32_t base, uint32_t color, bool stopAtBreaks);

  struct TQuoteMark {
    int32_t Index;  // 1-based, in UTF-16 units of the text
    int32_t Byte;   // its offset in the text
    uint8_t Kind;   // double quote, single quote or line break
  };
  std::vector<TQuoteMark> quoteMarks_;  // reused by every pass
  std::string line_;  // reused paragraph buffer of the enhancement loop
};

}  // namespace qv
