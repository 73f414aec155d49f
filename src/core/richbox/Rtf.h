// Rich text (RTF) of a TRichDocument: written so that Rich Edit and word
// processors show the same look, and read back from the common subset
// (fonts, colours, bold, italic, underline, size, spacing, highlight,
// alignment, indents, space after, line spacing, tab stops; text in code page
// 1252 with \uN for the characters it lacks).
#pragma once
#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>
#include <string>

#include "richbox/RichDocument.h"

namespace qv {

void WriteRtf(const TRichDocument& doc, std::ostream& out);
std::string DocumentToRtf(const TRichDocument& doc);

class TRtfWriter;
// The rich text of a long document in parts, for a control that takes it in
// several streams: each part is a stream of its own, with the whole
// document's font and colour tables.
class TRtfParts {
 public:
  explicit TRtfParts(const TRichDocument& doc);  // doc must outlive this
  ~TRtfParts();
  // Paragraphs [first, end): each followed by its break, the document's final
  // paragraph by the format at the end of the text.
  std::string Part(int32_t first, int32_t end);

 private:
  std::unique_ptr<TRtfWriter> writer_;
};

// Replaces doc with the rich text read from in; false when in is not rich text.
bool ReadRtf(std::istream& in, TRichDocument& doc);
bool RtfToDocument(const std::string& rtf, TRichDocument& doc);

}  // namespace qv
