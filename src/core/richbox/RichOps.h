// Small stateless operations on the rich-box: positioning, scrolling, search
// and whole-text formats. None keeps state; results of the box pass through.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "richbox/RichBox.h"

namespace qv {

int32_t GetRichLineCount(IRichBox& box);
int32_t GetRichTextLength(IRichBox& box);
bool IsRichTextEmpty(IRichBox& box);                       // length below 3
void SetRichTextLimit(IRichBox& box, int32_t limit);       // below 1: no practical limit
int32_t GetRichFirstVisibleLine(IRichBox& box);
int32_t GetRichTopPos(IRichBox& box);                      // start of the first visible line
int32_t GetRichLineStart(IRichBox& box, int32_t line);
int32_t GetRichLineOfChar(IRichBox& box, int32_t position);
int32_t GetRichCharAtPoint(IRichBox& box, int32_t x, int32_t y);
void SetRichScrollPos(IRichBox& box, int32_t y);
void ScrollRichLines(IRichBox& box, int32_t lines);
void ScrollRichToCaret(IRichBox& box);
void ScrollRichLineToTop(IRichBox& box, int32_t line);
void ScrollRichToEnd(IRichBox& box);
bool IsRichCaretVisible(IRichBox& box);
void KeepRichCaretVisible(IRichBox& box, int32_t offset);
void ShowRichPosAtTop(IRichBox& box, int32_t position);
// Not case-sensitive, not whole-word; selects and scrolls to a match. -1 when none.
int32_t FindRichText(IRichBox& box, const std::string& text, bool forward, bool fromStart);

void SetRichFontSize(IRichBox& box, int32_t points);
void SetRichFontName(IRichBox& box, const std::string& faceName);
void SetRichBold(IRichBox& box, bool bold);
void SetRichTextColor(IRichBox& box, uint32_t color);
void SetRichSelTextColor(IRichBox& box, uint32_t color);
void SetRichCharSpacing(IRichBox& box, int32_t tenthsOfMm);
void SetRichZoom(IRichBox& box, int32_t percent);
void SetRichLeftMargin(IRichBox& box, int32_t pixels);
void SetRichRightMargin(IRichBox& box, int32_t pixels);
void EnableRichLinks(IRichBox& box);
void EnableRichAdvancedTypography(IRichBox& box);
void SetRichParaFormat2(IRichBox& box, TParaFormat& format);  // sets Extended, to the selection
void SetRichParaFormat(IRichBox& box, TParaFormat& format);   // clears Extended, to the selection

// Keeps the reader's place over a change that moves the view: takes the top
// position before the change and brings it back to the top after it.
void KeepRichPlace(IRichBox& box, const std::function<void()>& change);

// Unit conversions, each truncated toward zero.
int32_t MmToTwips(int32_t mm);                  // 57.6 per millimetre
int32_t TenthMmToTwips(int32_t tenths);         // 5.76 per tenth of a millimetre

}  // namespace qv
