// The text engine: the enhancer that builds plain-text books in the rich-box,
// the profile's enhancement and format controls acting on the whole text, the
// Rich Edit 3 switch, and the chapters button with its menu.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Sidebar.h"
#include "app/persistence/OptionBinding.h"
#include "app/controls/OptionFill.h"
#include "app/screen/Screen.h"
#include "formatting/FormatControls.h"
#include "options/OptionSchema.h"
#include "text/EnhancedRichEdit.h"
#include "widgets/RichEdit.h"

namespace qv::app {

// The profile colours the format state takes its defaults from.
class IRichColors {
 public:
  virtual ~IRichColors() = default;
  virtual uint32_t ForeColor() const = 0;
  virtual uint32_t EmphaColor() const = 0;
  virtual uint32_t SecondEmphaColor() const = 0;
};

// The options of plain-text enhancement as the profile's controls hold them.
struct TEnhanceOptions {
  bool EnhanceText = true;
  std::string ParagraphPrefix;
  bool IgnoreEmptyLines = false;
  bool PoorlyWritten = false;
};

struct TTextEngineControls {
  explicit TTextEngineControls(TSidebar& sidebar);
  // "Enhance plain text"
  TCheckBox EnhanceTextCheckBox, PoorlyWrittenCheckBox, IgnoreEmptyLinesCheckBox;
  // "Format text"
  TLabeledCombo FontName, FontSize, FontZoom, CharSpacing;
  TCheckBox BoldFontCheckBox;
  // "Format paragraph"
  TLabeledCombo LeftMargin, RightMargin, LineSpacing, SpaceAfter, FirstLineIndent, ParagraphPrefix;
  TCheckBox JustifiedTextCheckBox;
  // "System integration"
  TCheckBox ForceRichEdit3CheckBox;
  TLabel DetectRichEdit3Label;
  // In the "Book" group.
  TButton ChaptersButton;
};

class TTextEngine : public IOptionListener {
 public:
  TTextEngine(TSidebar& sidebar, TRichEdit& richEdit, IScreen& screen, const IRichColors& colors);

  TTextEngineControls Controls;
  TEnhancedRichEdit Enhancer;

  // The profile's controls as they stand.
  TFormatSettings ReadFormatSettings() const;
  TEnhanceOptions ReadEnhanceOptions() const;

  // A book load's steps: the format state reset from the profile, the zoom,
  // the chapters list gone and the button refreshed.
  void ResetFormatDefaults();
  void ApplyZoom();
  void DiscardChapters();
  void UpdateChaptersButton();

  // The handlers.
  void SetAllParaFormatRichEdit();
  void FormatControlChange(TFormatControl control);
  void ForceRichEdit3CheckBoxClick();
  void ShowChaptersMenu();
  void ChaptersButtonClick();
  void ChapterMenuItemClick(int32_t tag);
  // Alt+C; true when the key was the engine's.
  bool KeyDown(WORD key, unsigned shift);
  // A profile option was put into its control: the ones that change the text apply now.
  void OptionLoaded(const TOptionEntry& opt) override;

  // Set by the book: waits until position (negative: the whole text) is in
  // the rich-box; false when a close request ended the wait.
  std::function<bool(int32_t position)> WaitForText;
  bool WaitForWholeText() { return !WaitForText || WaitForText(-1); }
  // The chapters whose heading is in the rich-box.
  std::vector<TChapterItem> ShownChapters() const;

  // The last chapters menu shown, and how it is shown (tests answer it themselves).
  std::unique_ptr<TPopupMenu> ChaptersPopup;
  std::function<void(TPopupMenu&, HWND owner, POINT corner)> ShowMenu;

 private:
  TRichEdit& richEdit_;
  IScreen& screen_;
  const IRichColors& colors_;
};

}  // namespace qv::app
