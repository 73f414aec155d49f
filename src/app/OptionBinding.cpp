#include "app/OptionBinding.h"

#include "app/ProfileControls.h"
#include "options/OptionSchema.h"

namespace qv::app {

namespace {
template <class T>
T* Lookup(const std::map<std::string, T*>& map, const std::string& name) {
  const auto it = map.find(name);
  return it == map.end() ? nullptr : it->second;
}
}  // namespace

void SelectComboItem(TComboBox& box, const std::string& text) {
  box.SetItemIndex(FindItemIndex(box.Items(), text));
}

void SelectListItem(TListBox& list, const std::string& text) {
  std::vector<std::string> items;
  for (int i = 0, n = list.ItemCount(); i < n; ++i) items.push_back(list.Item(i));
  list.SetItemIndex(FindItemIndex(items, text));
}

TControlOptionValues::TControlOptionValues() {
  for (const TOptionTable* table : {&ProgramOptionTable(), &ConverterOptionTable(),
                                    &ProfileMainTable(), &ProfileSoundSwitchTable()})
    unbound_.ResetToDefaults(*table);
}

TCheckBox* TControlOptionValues::CheckBox(const std::string& name) const { return Lookup(checks_, name); }
TComboBox* TControlOptionValues::ComboBox(const std::string& name) const { return Lookup(combos_, name); }

bool TControlOptionValues::GetBool(const TOptionSpec& spec) {
  if (TCheckBox* box = Lookup(checks_, spec.Control)) return box->Checked();
  return unbound_.GetBool(spec);
}

void TControlOptionValues::SetBool(const TOptionSpec& spec, bool value) {
  if (TCheckBox* box = Lookup(checks_, spec.Control)) box->SetChecked(value);
  else unbound_.SetBool(spec, value);
}

std::string TControlOptionValues::GetText(const TOptionSpec& spec) {
  if (TComboBox* box = Lookup(combos_, spec.Control)) return box->Text();
  if (TEdit* edit = Lookup(edits_, spec.Control)) return edit->Text();
  if (TListBox* list = Lookup(lists_, spec.Control)) {
    const int i = list->ItemIndex();
    return i < 0 ? std::string() : list->Item(i);
  }
  return unbound_.GetText(spec);
}

void TControlOptionValues::SetText(const TOptionSpec& spec, const std::string& text) {
  if (TComboBox* box = Lookup(combos_, spec.Control)) SelectComboItem(*box, text);
  else if (TEdit* edit = Lookup(edits_, spec.Control)) edit->SetText(text);
  else if (TListBox* list = Lookup(lists_, spec.Control)) SelectListItem(*list, text);
  else unbound_.SetText(spec, text);
}

uint32_t TControlOptionValues::GetColor(const TOptionSpec& spec) {
  if (TColorPanel* panel = Lookup(panels_, spec.Control)) return panel->CurrentColor();
  return unbound_.GetColor(spec);
}

void TControlOptionValues::SetColor(const TOptionSpec& spec, uint32_t color) {
  if (TColorPanel* panel = Lookup(panels_, spec.Control)) SetColorPanel(*panel, color);
  else unbound_.SetColor(spec, color);
}

void TControlOptionValues::Loaded(const TOptionSpec& spec) {
  const auto it = loaded_.find(spec.Key);
  if (it != loaded_.end() && it->second) it->second();
}

}  // namespace qv::app
