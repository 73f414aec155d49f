// Quote emphasis: text between double quotes in the emphasis colour, text
// between single quotes in the second emphasis colour.
#include <algorithm>
#include <exception>

#include "encoding/Utf8.h"
#include "errors/Guard.h"
#include "richbox/RichOps.h"
#include "text/EnhancedRichEdit.h"
#include "text/LineRules.h"

namespace qv {

namespace {

// Character classes of the quote passes, looked up once per ASCII character;
// of the others only double quotes count.
enum : uint8_t { qcNone = 0, qcDouble = 1, qcSingle = 2, qcBreak = 3 };

struct TQuoteClasses {
  uint8_t Of[128];
  TQuoteClasses() : Of() {
    for (char32_t c = 0; c < 128; ++c)
      Of[c] = IsDoubleQuote(c) ? qcDouble : IsSingleQuote(c) ? qcSingle : (c == '\r' || c == '\n') ? qcBreak : qcNone;
  }
};

const TQuoteClasses CQuoteClasses;

// The passes below look only at the quote marks and breaks of the text, found in
// one scan. Indexes are 1-based UTF-16 units: the character at index i sits at
// position base + i - 1, and a passage opened at i1 and closed at i2 starts at
// base + i1 and has i2 - i1 - 1 units (the quotes keep their colour).

}  // namespace

void TEnhancedRichEdit::ColorPassage(int32_t position, int32_t length, uint32_t color) {
  // An empty passage (two quotes side by side) has nothing to colour.
  if (length <= 0) return;
  RichBox.SetSelection(position, length);
  SetRichSelTextColor(RichBox, color);
}

void TEnhancedRichEdit::FindQuoteMarks(std::string_view text) {
  quoteMarks_.clear();
  const unsigned char* data = reinterpret_cast<const unsigned char*>(text.data());
  const size_t length = text.size();
  int32_t units = 0;  // before the character at i
  for (size_t i = 0; i < length;) {
    if (data[i] < 0x80) {
      const uint8_t kind = CQuoteClasses.Of[data[i]];
      if (kind != qcNone) quoteMarks_.push_back(TQuoteMark{units + 1, int32_t(i), kind});
      ++units;
      ++i;
      continue;
    }
    const size_t at = i;
    const char32_t c = ReadChar(text, i);
    if (IsDoubleQuote(c)) quoteMarks_.push_back(TQuoteMark{units + 1, int32_t(at), qcDouble});
    units += UnitsOf(c);
  }
}

void TEnhancedRichEdit::DoubleQuotePass(int32_t base, uint32_t color, bool stopAtBreaks) {
  int32_t open = 0;  // 0: none open
  for (const TQuoteMark& mark : quoteMarks_) {
    if (mark.Kind == qcDouble) {
      if (open == 0) {
        open = mark.Index;
      } else {
        ColorPassage(base + open, mark.Index - open - 1, color);
        open = 0;
      }
    } else if (mark.Kind == qcBreak && stopAtBreaks) {
      open = 0;
    }
  }
}

void TEnhancedRichEdit::SingleQuotePass(std::string_view text, int32_t base, uint32_t color,
                                        bool stopAtBreaks) {
  int32_t open = 0;
  // A single quote is one byte; the bytes beside it are ASCII exactly when the
  // characters beside it are, so they answer the letter-or-digit test.
  const size_t length = text.size();
  for (const TQuoteMark& mark : quoteMarks_) {
    const int32_t i = mark.Index;
    const size_t at = size_t(mark.Byte);
    if (mark.Kind == qcDouble) {
      open = 0;
    } else if (mark.Kind == qcSingle) {
      if (open == 0) {
        if (at == 0 || !IsAsciiLetterOrDigit(static_cast<unsigned char>(text[at - 1]))) open = i;
      } else if (at + 1 == length || !IsAsciiLetterOrDigit(static_cast<unsigned char>(text[at + 1]))) {
        ColorPassage(base + open, i - open - 1, color);
        open = 0;
      }
    } else if (stopAtBreaks) {
      open = 0;
    }
  }
}

void TEnhancedRichEdit::EmphasizeParagraph(std::string_view text, int32_t start, int32_t length) {
  // length counts units, never more than the text's bytes.
  if (size_t(std::max(length, 0)) < text.size()) text = text.substr(0, ByteOffsetOfUnit(text, length));
  const uint32_t empha = Format.Color(fpEmphaColor);
  const uint32_t secondEmpha = Format.Color(fpSecondEmphaColor);
  const bool doublePass = empha != uint32_t(Format.Default(fpForeColor));
  const bool singlePass = secondEmpha != empha;
  if (!doublePass && !singlePass) return;
  FindQuoteMarks(text);
  if (quoteMarks_.empty()) return;
  if (doublePass) DoubleQuotePass(start, empha, false);
  if (singlePass) SingleQuotePass(text, start, secondEmpha, false);
}

void TEnhancedRichEdit::EmphasizeText(uint32_t doubleColor, uint32_t singleColor) {
  Guarded(QV_OP("EnhancedRTF", "TEnhancedRichEdit::EmphasizeText", ""), [&](TFunStatContext& local) {
    const int32_t top = GetRichTopPos(RichBox);
    const bool visible = RichBox.IsVisible();
    RichBox.SetVisible(false);
    RichBox.SetSelection(0, 0);
    try {
      const std::string text = RichBox.GetText();
      FindQuoteMarks(text);
      DoubleQuotePass(0, doubleColor, true);
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
