// What the chapters button and the chapter items do with the enhancer's menu.
#pragma once
#include <memory>
#include <string>

#include "richbox/RichBox.h"
#include "text/EnhancedRichEdit.h"

namespace qv {

// "&Chapters (n)" with n the number of items, 0 when there is no menu.
std::string ChaptersButtonCaption(const std::unique_ptr<TChaptersMenu>& menu);
// The button is enabled exactly when a menu exists.
inline bool ChaptersButtonEnabled(const std::unique_ptr<TChaptersMenu>& menu) { return bool(menu); }
// A chosen item: its heading's line goes to the top of the view (or the view
// goes to the end when the heading is among the last four lines).
void GoToChapter(IRichBox& box, const TChapterItem& item);

}  // namespace qv
