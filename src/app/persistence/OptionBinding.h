// The option tables bound to the main window's controls: each table entry
// names its control, and the binding finds it among the window's controls by
// that name. An entry whose control does not exist (yet) keeps its value in
// memory, so the options and profiles still round-trip whole.
#pragma once
#include <map>
#include <vector>
#include <string>

#include "options/MemoryOptionValues.h"
#include "options/OptionValues.h"
#include "widgets/ColorPanel.h"
#include "widgets/Controls.h"

namespace qv::app {

using namespace qv::win;

// A subsystem that acts when an option was put into one of its controls.
class IOptionListener {
 public:
  virtual ~IOptionListener() = default;
  virtual void OptionLoaded(const TOptionEntry& opt) = 0;
};

class TControlOptionValues : public IOptionValues {
 public:
  TControlOptionValues();

  // Binds every control below root whose name an option entry gives.
  void BindTree(const TControl& root);
  void Bind(TCheckBox& box) { checks_[box.Name()] = &box; }
  void Bind(TComboBox& box) { combos_[box.Name()] = &box; }
  void Bind(TEdit& edit) { edits_[edit.Name()] = &edit; }
  void Bind(TListBox& list) { lists_[list.Name()] = &list; }
  void Bind(TColorPanel& panel) { panels_[panel.Name()] = &panel; }
  // Told, in order, after each entry was put into its control.
  void AddListener(IOptionListener& listener) { listeners_.push_back(&listener); }

  // A bound control by name, or null.
  TEdit* Edit(const std::string& name) const;

  bool GetBool(const TOptionEntry& opt) override;
  void SetBool(const TOptionEntry& opt, bool value) override;
  std::string GetText(const TOptionEntry& opt) override;
  void SetText(const TOptionEntry& opt, const std::string& text) override;
  uint32_t GetColor(const TOptionEntry& opt) override;
  void SetColor(const TOptionEntry& opt, uint32_t color) override;
  void Loaded(const TOptionEntry& opt) override;

 private:
  std::map<std::string, TCheckBox*> checks_;
  std::map<std::string, TComboBox*> combos_;
  std::map<std::string, TEdit*> edits_;
  std::map<std::string, TListBox*> lists_;
  std::map<std::string, TColorPanel*> panels_;
  std::vector<IOptionListener*> listeners_;
  TOptionValueMap unbound_;  // entries without a control
};

// Selects the item equal to text (without regard to case), or none.
void SelectComboItem(TComboBox& box, const std::string& text);
void SelectListItem(TListBox& list, const std::string& text);

}  // namespace qv::app
