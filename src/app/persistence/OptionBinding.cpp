#include "app/persistence/OptionBinding.h"

#include "app/colors/Colors.h"
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

TEdit* TControlOptionValues::Edit(const std::string& name) const { return Lookup(edits_, name); }

bool TControlOptionValues::GetBool(const TOptionEntry& opt) {
  if (TCheckBox* box = Lookup(checks_, opt.Control)) return box->Checked();
  return unbound_.GetBool(opt);
}

void TControlOptionValues::SetBool(const TOptionEntry& opt, bool value) {
  if (TCheckBox* box = Lookup(checks_, opt.Control)) box->SetChecked(value);
  else unbound_.SetBool(opt, value);
}

std::string TControlOptionValues::GetText(const TOptionEntry& opt) {
  if (TComboBox* box = Lookup(combos_, opt.Control)) return box->Text();
  if (TEdit* edit = Lookup(edits_, opt.Control)) return edit->Text();
  if (TListBox* list = Lookup(lists_, opt.Control)) {
    const int i = list->ItemIndex();
    return i < 0 ? std::string() : list->Item(i);
  }
  return unbound_.GetText(opt);
}

void TControlOptionValues::SetText(const TOptionEntry& opt, const std::string& text) {
  if (TComboBox* box = Lookup(combos_, opt.Control)) SelectComboItem(*box, text);
  else if (TEdit* edit = Lookup(edits_, opt.Control)) edit->SetText(text);
  else if (TListBox* list = Lookup(lists_, opt.Control)) SelectListItem(*list, text);
  else unbound_.SetText(opt, text);
}

uint32_t TControlOptionValues::GetColor(const TOptionEntry& opt) {
  if (TColorPanel* panel = Lookup(panels_, opt.Control)) return panel->CurrentColor();
  return unbound_.GetColor(opt);
}

void TControlOptionValues::SetColor(const TOptionEntry& opt, uint32_t color) {
  if (TColorPanel* panel = Lookup(panels_, opt.Control)) SetColorPanel(*panel, color);
  else unbound_.SetColor(opt, color);
}

void TControlOptionValues::Loaded(const TOptionEntry& opt) {
  for (IOptionListener* listener : listeners_) listener->OptionLoaded(opt);
}

void TControlOptionValues::BindTree(const TControl& root) {
  root.ForEachDescendant([this](TControl& control) {
    if (!FindOptionOfControl(control.Name())) return;
    if (auto* box = dynamic_cast<TCheckBox*>(&control)) Bind(*box);
    else if (auto* combo = dynamic_cast<TComboBox*>(&control)) Bind(*combo);
    else if (auto* edit = dynamic_cast<TEdit*>(&control)) Bind(*edit);
    else if (auto* list = dynamic_cast<TListBox*>(&control)) Bind(*list);
    else if (auto* panel = dynamic_cast<TColorPanel*>(&control)) Bind(*panel);
  });
}

}  // namespace qv::app
