// The enhanced document as one JSON object (text converted from code page 1252 to UTF-8).
#pragma once
#include <string>
#include <vector>

#include "richbox/RichDocument.h"
#include "text/EnhancedRichEdit.h"

namespace qv {

std::string DocumentJson(const TEnhancedRichEdit& enhancer, const TRichDocument& doc,
                         const std::vector<std::string>& warnings);

// A JSON string literal of code-page-1252 text.
void AppendJsonString(std::string& out, const std::string& text);

}  // namespace qv
