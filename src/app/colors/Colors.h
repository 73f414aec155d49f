// The profile's ten colours: their panels on the "Colors" page, each with its
// current and default colour and a hint that names the colour, the clicks on
// the panels, the three colour schemes, and what the colours do to the
// window, the clock, the browser list, the converter's lists and the rich-box.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/Sidebar.h"
#include "app/persistence/OptionBinding.h"
#include "app/screen/Screen.h"
#include "app/text/TextEngine.h"
#include "colors/ColorPanels.h"
#include "forms/ColorForm.h"
#include "options/OptionSchema.h"
#include "widgets/ColorPanel.h"
#include "widgets/RichEdit.h"

namespace qv::app {

// The panel's colour and its hint (ColorPanelHint).
void SetColorPanel(TColorPanel& panel, uint32_t color);

// The window repaints its background (a picture or its colour) and the
// controls that show it through, its transparent labels.
void RepaintScreenBackground(TForm& window);

// One colour: its label and its panel, on one row of a colour group.
struct TColorRow {
  TColorRow(TGroupBox& group, const char* name, const char* caption, int top);
  TLabel Label;
  TColorPanel Panel;
};

struct TColorControls {
  explicit TColorControls(TSidebar& sidebar);
  TColorRow ScreenBack, ScreenFore, RichBoxBack, RichBoxFore, Empha, SecondEmpha, BrowserFocusBack,
      BrowserFocusFore, DirTypeBack, DirTypeFore;
  // "Color schemes"
  TButton SetHighLightColorsButton, SetLowStrainColorsButton, SetLowLightColorsButton;
  // The ten panels in profile order (TColorPanelId).
  std::vector<TColorPanel*> Panels();
};

// Quoted text coloured again with the emphasis colours: the text engine's part
// in a colour change.
class IQuoteColoring {
 public:
  virtual ~IQuoteColoring() = default;
  virtual void EmphasizeText(uint32_t emphaColor, uint32_t secondEmphaColor) = 0;
  // A long book's text is all in the rich-box before it is coloured again;
  // false when a close request ended the wait.
  virtual bool WaitForWholeText() = 0;
};

// The text engine is built after the colours: this forwards to it once it is.
class TTextQuoteColoring : public IQuoteColoring {
 public:
  explicit TTextQuoteColoring(TTextEngine* text);
  void EmphasizeText(uint32_t emphaColor, uint32_t secondEmphaColor) override;
  bool WaitForWholeText() override;

 private:
  TTextEngine* text_;
};

// What the rich-box's text is drawn on where that is a picture: its average
// colour (CLR_INVALID while the rich-box shows its own colour). The pictures
// are built after the colours and hand this over once they are.
class IRichTextBack {
 public:
  virtual ~IRichTextBack() = default;
  virtual COLORREF RichPictureColor() const = 0;
};

// The measure converter's lists and memo, which take the screen's back colour.
// The converter implements it and is handed to TColors::SetConverterLists.
class IConverterListsColor {
 public:
  virtual ~IConverterListsColor() = default;
  virtual void SetListsColor(COLORREF color) = 0;
};

class TColors : public IRichColors, public IOptionListener {
 public:
  TColors(TSidebar& sidebar, TForm& window, TLabel& clock, TListBoxBase& browserList, TRichEdit& richEdit,
          IScreen& screen, IQuoteColoring& quotes);

  TColorControls Controls;
  // The dialogs a panel click opens (tests put their own here).
  IColorChooser* Chooser;

  // The text's colours as the text is coloured with them: the panels' colours,
  // each moved as little as it must to stay readable on what the text is
  // drawn on (the rich-box's colour or picture). The panels keep the colours chosen.
  uint32_t ForeColor() const override { return Readable(Controls.RichBoxFore.Panel); }
  uint32_t EmphaColor() const override { return Readable(Controls.Empha.Panel); }
  uint32_t SecondEmphaColor() const override { return Readable(Controls.SecondEmpha.Panel); }
  // The rich-box's picture changed: a text whose colours no more read well on
  // it is coloured again.
  void RichTextBackChanged();
  COLORREF ScreenBackColor() const { return DisplayColor(Controls.ScreenBack.Panel.CurrentColor()); }

  // A colour of the profile was put into its panel: the window, the browser
  // list, the converter's lists, the clock and the rich-box take the colours
  // that are theirs. The text's own colours come with the text, which every
  // profile load builds again.
  void OptionLoaded(const TOptionEntry& opt) override;

  // The click rules of a panel (left: the stock dialog, right: the system
  // dialog, middle: the default); true when the panel's colour was set.
  bool ColorPanelMouseUp(TColorPanel& panel, TMouseButton button);
  // The panels' handlers, by panel.
  void PanelMouseUp(TColorPanelId panel, TMouseButton button);
  // A text colour's click: the panel's rules, then the text coloured again
  // (all of it with the fore colour when recolorText), the top line kept.
  void ApplyRichTextColors(TColorPanel& panel, TMouseButton button, bool recolorText);
  // Every colour applied at once (after a scheme).
  void ApplyColors();
  void ApplyScreenBackColor();
  void SetConverterListsColor();
  void SetColorScheme(const TColorScheme& scheme);
  void SetConverterLists(IConverterListsColor* lists) { converterLists_ = lists; }
  void SetRichTextBack(const IRichTextBack* back) { richTextBack_ = back; }

 private:
  void ApplyScreenForeColor();
  // Colours the whole text with the fore colour (when asked) and the quotes
  // with the emphasis colours, keeping the top line; a colouring is no edit.
  void RecolorText(bool recolorFore);
  uint32_t Readable(const TColorPanel& panel) const;
  const IRichTextBack* richTextBack_ = nullptr;
  // The colours the text was last coloured with (fore, empha, second empha).
  mutable std::array<uint32_t, 3> textColors_{};
  TForm& window_;
  TLabel& clock_;
  TListBoxBase& browserList_;
  TRichEdit& richEdit_;
  IScreen& screen_;
  IQuoteColoring& quotes_;
  IConverterListsColor* converterLists_ = nullptr;
  TColorDialogs dialogs_;
};

}  // namespace qv::app
