#include "text/Chapters.h"

#include "richbox/RichOps.h"

namespace qv {

std::string ChaptersButtonCaption(const std::unique_ptr<TChaptersMenu>& menu) {
  return "&Chapters (" + std::to_string(menu ? menu->Items.size() : 0) + ")";
}

void GoToChapter(IRichBox& box, const TChapterItem& item) { ShowRichPosAtTop(box, item.Tag); }

}  // namespace qv
