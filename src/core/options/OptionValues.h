// Where loaded options go and saved options come from: the controls of the
// main window, reached by table entry. The Win32 side implements this once
// over a map from key to control; TOptionValueMap (MemoryOptionValues.h) is an
// in-memory stand-in that behaves like the controls.
#pragma once
#include <cstdint>
#include <string>

#include "options/OptionSchema.h"

namespace qv {

class IOptionValues {
 public:
  virtual ~IOptionValues() = default;
  // Check boxes.
  virtual bool GetBool(const TOptionEntry& opt) = 0;
  virtual void SetBool(const TOptionEntry& opt, bool value) = 0;
  // Combo boxes, edits and list boxes. Get answers the control's text (for a
  // list box the selected item's text, "" when none is selected). Set on a
  // combo or list box selects the item with that text (FindItemIndex), or
  // leaves no selection when there is none; on an edit it sets the text.
  virtual std::string GetText(const TOptionEntry& opt) = 0;
  virtual void SetText(const TOptionEntry& opt, const std::string& text) = 0;
  // Colour panels.
  virtual uint32_t GetColor(const TOptionEntry& opt) = 0;
  virtual void SetColor(const TOptionEntry& opt, uint32_t color) = 0;
  // Runs right after an option was put into its control: the place for the
  // side effects of loading (change handlers, window colours, flags).
  virtual void Loaded(const TOptionEntry& opt) {}
};

}  // namespace qv
