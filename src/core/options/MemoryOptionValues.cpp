#include "options/MemoryOptionValues.h"

namespace qv {

void TOptionValueMap::ResetToDefaults(const TOptionTable& table) {
  for (const TOptionEntry& opt : table) {
    switch (opt.Kind) {
      case TOptionKind::Bool: SetBool(opt, opt.Default != 0); break;
      case TOptionKind::Integer: SetText(opt, std::to_string(opt.Default)); break;
      case TOptionKind::Color: SetColor(opt, static_cast<uint32_t>(opt.Default)); break;
      case TOptionKind::Text:
      case TOptionKind::ImageTitle:
      case TOptionKind::ListItem: SetText(opt, opt.Text); break;
    }
  }
}

void TOptionValueMap::SetItems(const std::string& key, std::vector<std::string> items) {
  extraItems_[key] = std::move(items);
}

const std::vector<std::string>* TOptionValueMap::ItemsOf(const TOptionEntry& opt) const {
  const auto extra = extraItems_.find(opt.Key);
  if (extra != extraItems_.end()) return &extra->second;
  return opt.Items.empty() ? nullptr : &opt.Items;
}

bool TOptionValueMap::GetBool(const TOptionEntry& opt) { return bools_[opt.Key]; }

void TOptionValueMap::SetBool(const TOptionEntry& opt, bool value) { bools_[opt.Key] = value; }

std::string TOptionValueMap::GetText(const TOptionEntry& opt) { return texts_[opt.Key]; }

void TOptionValueMap::SetText(const TOptionEntry& opt, const std::string& text) {
  const std::vector<std::string>* items = ItemsOf(opt);
  if (!items) {
    texts_[opt.Key] = text;
    return;
  }
  const int32_t index = FindItemIndex(*items, text);
  texts_[opt.Key] = index < 0 ? std::string() : (*items)[static_cast<size_t>(index)];
}

uint32_t TOptionValueMap::GetColor(const TOptionEntry& opt) { return colors_[opt.Key]; }

void TOptionValueMap::SetColor(const TOptionEntry& opt, uint32_t color) { colors_[opt.Key] = color; }

}  // namespace qv
