// The profile's ten colours: their panels on the "Colors" page, each with its
// current and default colour and a hint that names the colour, and what the
// colours do to the window, the browser list and the rich-box when a profile
// puts them into their panels.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/Sidebar.h"
#include "app/persistence/OptionBinding.h"
#include "app/text/TextEngine.h"
#include "options/OptionSchema.h"
#include "widgets/ColorPanel.h"
#include "widgets/RichEdit.h"

namespace qv::app {

// The usage text that ends every colour panel's hint.
extern const char* const ColorPanelUsage;
// The panel's colour and its hint: the stock name, the colour's description,
// ". " and the usage text.
void SetColorPanel(TColorPanel& panel, uint32_t color);

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
  // The ten panels in profile order.
  std::vector<TColorPanel*> Panels();
};

class TColors : public IRichColors, public IOptionListener {
 public:
  TColors(TSidebar& sidebar, TForm& window, TLabel& clock, TListBoxBase& browserList, TRichEdit& richEdit);

  TColorControls Controls;

  uint32_t ForeColor() const override { return Controls.RichBoxFore.Panel.CurrentColor(); }
  uint32_t EmphaColor() const override { return Controls.Empha.Panel.CurrentColor(); }
  uint32_t SecondEmphaColor() const override { return Controls.SecondEmpha.Panel.CurrentColor(); }

  // A colour of the profile was put into its panel: the window, the browser list,
  // the clock and the rich-box take the colours that are theirs.
  void OptionLoaded(const TOptionEntry& opt) override;

 private:
  TForm& window_;
  TLabel& clock_;
  TListBoxBase& browserList_;
  TRichEdit& richEdit_;
};

}  // namespace qv::app
