#include "text/Chapters.h"

#include "richbox/RichOps.h"

namespace qv {

std::vector<TChapterItem> ShownChapters(const std::unique_ptr<TChaptersMenu>& menu,
                                        const std::function<bool(int32_t position)>& shown) {
  std::vector<TChapterItem> items;
  if (menu)
    for (const TChapterItem& item : menu->Items)
      if (shown(item.Tag)) items.push_back(item);
  return items;
}

std::string ChaptersButtonCaption(size_t items) { return "&Chapters (" + std::to_string(items) + ")"; }

void GoToChapter(IRichBox& box, const TChapterItem& item) { ShowRichPosAtTop(box, item.Tag); }

}  // namespace qv
