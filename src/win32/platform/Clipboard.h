// Plain text on the system clipboard (its Unicode text format).
#pragma once
#include <string>

namespace qv::win {

// Replaces the clipboard's contents with the text; false when the clipboard
// could not be opened or written.
bool CopyTextToClipboard(const std::string& text);
// The clipboard's text, or "" when it holds none.
std::string ClipboardText();

}  // namespace qv::win
