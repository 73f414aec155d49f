// The chapters button and its menu: the headings the enhancer found, each
// bringing its heading to the top of the rich-box.
#include "app/QuenvalisForm.h"
#include "app/TextEngineControls.h"
#include "errors/Guard.h"
#include "richbox/RichOps.h"
#include "text/Chapters.h"

namespace qv::app {

namespace {
const char* const kFile = "QuenvalisDialog";

// A heading as a menu caption: "&" shows as itself, and a tab (which would
// start the accelerator column) as a blank.
std::string ChapterCaption(const std::string& heading) {
  std::string caption;
  for (char c : heading) {
    if (c == '&') caption += '&';
    caption += c == '\t' ? ' ' : c;
  }
  return caption;
}
}  // namespace

void TQuenvalisForm::UpdateChaptersButton() {
  TButton& button = TextEngine->ChaptersButton;
  button.SetText(ChaptersButtonCaption(Enhancer->ChaptersMenu));
  button.SetEnabled(ChaptersButtonEnabled(Enhancer->ChaptersMenu));
}

void TQuenvalisForm::DiscardChapters() {
  Enhancer->ChaptersMenu.reset();
  Enhancer->ChapterCount = 0;
  TextEngine->ChaptersPopup.reset();
  UpdateChaptersButton();
}

void TQuenvalisForm::ShowChaptersMenu() {
  Guarded(QV_OP(kFile, "TQuenvalisForm::ShowChaptersMenu", "Failed to show \"Chapters\" menu."),
          [&](TFunStatContext&) {
            if (!Enhancer->ChaptersMenu) return;
            TTextEngineControls& t = *TextEngine;
            t.ChaptersPopup = std::make_unique<TPopupMenu>();
            for (const TChapterItem& item : Enhancer->ChaptersMenu->Items) {
              const int32_t tag = item.Tag;
              t.ChaptersPopup->Add(ChapterCaption(item.Caption), [this, tag] {
                if (Enhancer->OnChapterClick) Enhancer->OnChapterClick(tag);
              });
            }
            const POINT corner = t.ChaptersButton.ClientToScreen({0, t.ChaptersButton.ClientHeight()});
            t.ShowMenu(*t.ChaptersPopup, Handle(), corner);
          });
}

void TQuenvalisForm::ChaptersButtonClick() {
  ShowChaptersMenu();
  RichEdit.SetFocus();
}

void TQuenvalisForm::ChapterMenuItemClick(int32_t tag) {
  TChapterItem item;
  item.Tag = tag;
  GoToChapter(RichEdit, item);
}

bool TQuenvalisForm::TextEngineKeyDown(WORD key, unsigned shift) {
  if (!(shift & ssAlt) || key != 'C' || !TextEngine) return false;
  TextEngine->ChaptersButton.Click();
  return true;
}

}  // namespace qv::app
