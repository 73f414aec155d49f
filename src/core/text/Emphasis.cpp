// Quote emphasis: text between double quotes in the emphasis colour, text
// between single quotes in the second emphasis colour.
#include <exception>

#include "errors/Guard.h"
#include "richbox/RichOps.h"
#include "text/EnhancedRichEdit.h"
#include "text/LineRules.h"

namespace qv {

namespace {

inline bool IsBreak(char c) { return c == '\r' || c == '\n'; }

}  // namespace

void TEnhancedRichEdit::ColorPassage(int32_t position, int32_t length, uint32_t color) {
  // An empty passage (two quotes side by side) has nothing to colour.
  if (length <= 0) return;
  RichBox.SetSelection(position, length);
  SetRichSelTextColor(RichBox, color);
}

// Indexes i below are 1-based as in the text's own description; the character
// at i sits at position base + i - 1, and a passage opened at i1 and closed at
// i2 starts at base + i1 and has i2 - i1 - 1 characters.
void TEnhancedRichEdit::DoubleQuotePass(std::string_view text, int32_t base, uint32_t color,
                                        bool stopAtBreaks) {
  int32_t open = 0;  // 0: none open
  const int32_t length = int32_t(text.size());
  for (int32_t i = 1; i <= length; ++i) {
    const char c = text[size_t(i - 1)];
    if (IsDoubleQuote(c)) {
      if (open == 0) {
        open = i;
      } else {
        ColorPassage(base + open, i - open - 1, color);
        open = 0;
      }
    } else if (stopAtBreaks && IsBreak(c)) {
      open = 0;
    }
  }
}

void TEnhancedRichEdit::SingleQuotePass(std::string_view text, int32_t base, uint32_t color,
                                        bool stopAtBreaks) {
  int32_t open = 0;
  const int32_t length = int32_t(text.size());
  for (int32_t i = 1; i <= length; ++i) {
    const char c = text[size_t(i - 1)];
    if (IsDoubleQuote(c)) {
      open = 0;
    } else if (IsSingleQuote(c)) {
      if (open == 0) {
        if (i == 1 || !IsAsciiLetterOrDigit(text[size_t(i - 2)])) open = i;
      } else if (i == length || !IsAsciiLetterOrDigit(text[size_t(i)])) {
        ColorPassage(base + open, i - open - 1, color);
        open = 0;
      }
    } else if (stopAtBreaks && IsBreak(c)) {
      open = 0;
    }
  }
}

void TEnhancedRichEdit::EmphasizeParagraph(std::string_view text, int32_t start, int32_t length) {
  text = text.substr(0, size_t(length));
  const uint32_t empha = Format.Color(fpEmphaColor);
  const uint32_t secondEmpha = Format.Color(fpSecondEmphaColor);
  if (empha != uint32_t(Format.Default(fpForeColor))) DoubleQuotePass(text, start, empha, false);
  if (secondEmpha != empha) SingleQuotePass(text, start, secondEmpha, false);
}

void TEnhancedRichEdit::EmphasizeText(uint32_t doubleColor, uint32_t singleColor) {
  Guarded(QV_OP("EnhancedRTF", "TEnhancedRichEdit::EmphasizeText", ""), [&](TFunStatContext& local) {
    const int32_t top = GetRichTopPos(RichBox);
    const bool visible = RichBox.IsVisible();
    RichBox.SetVisible(false);
    RichBox.SetSelection(0, 0);
    try {
      const std::string text = RichBox.GetText();
      DoubleQuotePass(text, 0, doubleColor, true);
      SingleQuotePass(text, 0, singleColor, true);
    } catch (const std::exception& e) {
      local.Raise("EnhancedRTF", "TEnhancedRichEdit::EmphasizeText", 0,
                  std::string("Unhandled exception: ") + e.what(), "", "", Error, __LINE__);
    } catch (...) {
      local.Raise("EnhancedRTF", "TEnhancedRichEdit::EmphasizeText", 0, "Unhandled generic exception.", "",
                  "", Error, __LINE__);
    }
    ShowRichPosAtTop(RichBox, top);
    int32_t start = 0, selLength = 0;
    RichBox.GetSelection(start, selLength);
    RichBox.SetSelection(start, 0);
    RichBox.SetVisible(visible);
  });
}

}  // namespace qv
