#include "options/MemoryOptionValues.h"

namespace qv {

void TOptionValueMap::ResetToDefaults(const TOptionTable& table) {
  for (const TOptionSpec& spec : table) {
    switch (spec.Kind) {
      case TOptionKind::Bool: SetBool(spec, spec.Default != 0); break;
      case TOptionKind::Integer: SetText(spec, std::to_string(spec.Default)); break;
      case TOptionKind::Color: SetColor(spec, static_cast<uint32_t>(spec.Default)); break;
      case TOptionKind::Text:
      case TOptionKind::ImageTitle:
      case TOptionKind::ListItem: SetText(spec, spec.Text); break;
    }
  }
}

void TOptionValueMap::SetItems(const std::string& key, std::vector<std::string> items) {
  extraItems_[key] = std::move(items);
}

const std::vector<std::string>* TOptionValueMap::ItemsOf(const TOptionSpec& spec) const {
  const auto extra = extraItems_.find(spec.Key);
  if (extra != extraItems_.end()) return &extra->second;
  return spec.Items.empty() ? nullptr : &spec.Items;
}

bool TOptionValueMap::GetBool(const TOptionSpec& spec) { return bools_[spec.Key]; }

void TOptionValueMap::SetBool(const TOptionSpec& spec, bool value) { bools_[spec.Key] = value; }

std::string TOptionValueMap::GetText(const TOptionSpec& spec) { return texts_[spec.Key]; }

void TOptionValueMap::SetText(const TOptionSpec& spec, const std::string& text) {
  const std::vector<std::string>* items = ItemsOf(spec);
  if (!items) {
    texts_[spec.Key] = text;
    return;
  }
  const int32_t index = FindItemIndex(*items, text);
  texts_[spec.Key] = index < 0 ? std::string() : (*items)[static_cast<size_t>(index)];
}

uint32_t TOptionValueMap::GetColor(const TOptionSpec& spec) { return colors_[spec.Key]; }

void TOptionValueMap::SetColor(const TOptionSpec& spec, uint32_t color) { colors_[spec.Key] = color; }

}  // namespace qv
