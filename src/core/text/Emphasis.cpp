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

// Character classes of the quote passes, looked up once per byte; a byte
// outside ASCII begins a character that is read whole (double quotes and the
// typographic single quotes ‚ and ‘ count among those).
enum : uint8_t {
  qcNone = 0, qcDouble = 1, qcSingle = 2, qcBreak = 3, qcOutsideAscii = 4, qcLowSingle = 5, qcHighSingle = 6
};

struct TQuoteClasses {
  uint8_t Of[256];
  TQuoteClasses() : Of() {
    for (char32_t c = 0; c < 256; ++c)
      Of[c] = c >= 0x80            ? qcOutsideAscii
              : IsDoubleQuote(c)   ? qcDouble
              : IsSingleQuote(c)   ? qcSingle
              : (c == '\r' || c == '\n') ? qcBreak
                                   : qcNone;
  }
};

const TQuoteClasses CQuoteClasses;

// The bytes among eight that may be of a class other than none (a quote, a
// break or a byte outside ASCII), as a mask whose first marked byte is one of
// them (later marks may be false alarms, which only cost a look).
inline uint64_t QuoteClassMask(const unsigned char* p) {
  const uint64_t word = LoadWord(p);
  constexpr uint64_t ones = 0x0101010101010101ull, highs = 0x8080808080808080ull;
  auto holds = [word](unsigned char c) {
    const uint64_t x = word ^ (ones * c);
    return (x - ones) & ~x & highs;
  };
  return (word & highs) | holds('"') | holds('\'') | holds('`') | holds('\r') | holds('\n');
}

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

int32_t TEnhancedRichEdit::FindQuoteMarks(std::string_view text) {
  quoteMarks_.clear();
  const unsigned char* data = reinterpret_cast<const unsigned char*>(text.data());
  const size_t length = text.size();
  // The unit index of byte i is i + shift: each character outside ASCII takes
  // more bytes than units, which shift records.
  int32_t shift = 0;
  size_t i = 0;
  while (i < length) {
    // Eight bytes at a time up to the next byte that may be of a class.
    if (i + 8 <= length) {
      const uint64_t mask = QuoteClassMask(data + i);
      if (mask == 0) {
        i += 8;
        continue;
      }
      i += FirstMarkedByte(mask);
    }
    const uint8_t kind = CQuoteClasses.Of[data[i]];
    if (kind == qcOutsideAscii) {
      const size_t at = i;
      const char32_t c = ReadChar(text, i);
      const uint8_t mark = IsDoubleQuote(c)         ? qcDouble
                           : c == LowSingleQuote    ? qcLowSingle
                           : c == HighSingleQuote   ? qcHighSingle
                                                    : qcNone;
      if (mark != qcNone) quoteMarks_.push_back(TQuoteMark{int32_t(at) + shift + 1, int32_t(at), mark});
      shift += UnitsOf(c) - int32_t(i - at);
      continue;
    }
    if (kind != qcNone) quoteMarks_.push_back(TQuoteMark{int32_t(i) + shift + 1, int32_t(i), kind});
    ++i;
  }
  return int32_t(length) + shift;
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
  bool openedLow = false;  // the open passage began with ‚, which ‘ may close
  const auto close = [&](int32_t i) {
    ColorPassage(base + open, i - open - 1, color);
    open = 0;
  };
  // The letter-or-digit tests look at the characters beside an ASCII quote
  // (one byte), read whole: a letter of any script makes it an apostrophe.
  const size_t length = text.size();
  for (const TQuoteMark& mark : quoteMarks_) {
    const int32_t i = mark.Index;
    const size_t at = size_t(mark.Byte);
    switch (mark.Kind) {
      case qcDouble: open = 0; break;
      case qcSingle:
        if (open == 0) {
          if (at == 0 || !IsLetterOrDigit(LastChar(text.substr(0, at)))) {
            open = i;
            openedLow = false;
          }
        } else if (at + 1 == length || !IsLetterOrDigit(FirstChar(text.substr(at + 1)))) {
          close(i);
        }
        break;
      case qcLowSingle:
        if (open == 0) {
          open = i;
          openedLow = true;
        }
        break;
      case qcHighSingle:
        if (open != 0 && openedLow) close(i);
        break;
      default:
        if (stopAtBreaks) open = 0;
    }
  }
}

void TEnhancedRichEdit::EmphasizeParagraph(std::string_view text, int32_t start, int32_t length) {
  const uint32_t empha = Format.Color(fpEmphaColor);
  const uint32_t secondEmpha = Format.Color(fpSecondEmphaColor);
  const bool doublePass = empha != uint32_t(Format.Default(fpForeColor));
  const bool singlePass = secondEmpha != empha;
  if (!doublePass && !singlePass) return;
  // Only the first length units count (the whole paragraph when it is added).
  if (FindQuoteMarks(text) > length) {
    text = text.substr(0, ByteOffsetOfUnit(text, std::max(length, 0)));
    FindQuoteMarks(text);
  }
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
