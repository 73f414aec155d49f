// What the chapters button and the chapter items do with the enhancer's menu.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "richbox/RichBox.h"
#include "text/EnhancedRichEdit.h"

namespace qv {

// The items whose heading is in the rich-box's text (shown answers for a
// position): all of them once a long book's text has arrived whole.
std::vector<TChapterItem> ShownChapters(const std::unique_ptr<TChaptersMenu>& menu,
                                        const std::function<bool(int32_t position)>& shown);
// "&Chapters (n)" with n the number of items; the button is enabled when there is one.
std::string ChaptersButtonCaption(size_t items);
// A chosen item: its heading's line goes to the top of the view (or the view
// goes to the end when the heading is among the last four lines).
void GoToChapter(IRichBox& box, const TChapterItem& item);

}  // namespace qv
