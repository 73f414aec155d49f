// The enhanced document as one JSON object in UTF-8: the book's text as it is,
// face names, warnings and the failure (code page 1252, as the program's
// messages are) converted.
#pragma once
#include <string>
#include <vector>

#include "encoding/TextEncoding.h"
#include "richbox/RichDocument.h"
#include "text/EnhancedRichEdit.h"

namespace qv {

// encoding: the book's, named in the field "encoding".
std::string DocumentJson(const TEnhancedRichEdit& enhancer, const TRichDocument& doc,
                         const std::vector<std::string>& warnings, TTextEncoding encoding);

// A JSON string literal of UTF-8 text; control characters are escaped.
void AppendJsonString(std::string& out, const std::string& text);

}  // namespace qv
