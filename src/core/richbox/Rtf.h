// Rich text (RTF) of a TRichDocument: written so that Rich Edit and word
// processors show the same look, and read back from the common subset
// (fonts, colours, bold, italic, underline, size, spacing, highlight,
// alignment, indents, space after, line spacing, tab stops; text in code page
// 1252 with \uN for the characters it lacks).
#pragma once
#include <istream>
#include <ostream>
#include <string>

#include "richbox/RichDocument.h"

namespace qv {

void WriteRtf(const TRichDocument& doc, std::ostream& out);
std::string DocumentToRtf(const TRichDocument& doc);

// Replaces doc with the rich text read from in; false when in is not rich text.
bool ReadRtf(std::istream& in, TRichDocument& doc);
bool RtfToDocument(const std::string& rtf, TRichDocument& doc);

}  // namespace qv
