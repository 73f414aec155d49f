// Option values held in memory, behaving like the main window's controls:
// combo and list boxes with items select by text or show no selection.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "options/OptionValues.h"

namespace qv {

class TOptionValueMap : public IOptionValues {
 public:
  // Puts every entry of the table at its design-time state (its default).
  void ResetToDefaults(const TOptionTable& table);
  // Items for a list whose items are not in the table (converter units, fonts).
  void SetItems(const std::string& key, std::vector<std::string> items);

  bool GetBool(const TOptionEntry& opt) override;
  void SetBool(const TOptionEntry& opt, bool value) override;
  std::string GetText(const TOptionEntry& opt) override;
  void SetText(const TOptionEntry& opt, const std::string& text) override;
  uint32_t GetColor(const TOptionEntry& opt) override;
  void SetColor(const TOptionEntry& opt, uint32_t color) override;
  void Loaded(const TOptionEntry& opt) override { LoadedKeys.push_back(opt.Key); }

  // Direct access by key, for tests and start-up.
  bool& Bool(const std::string& key) { return bools_[key]; }
  std::string& Text(const std::string& key) { return texts_[key]; }
  uint32_t& Color(const std::string& key) { return colors_[key]; }

  std::vector<std::string> LoadedKeys;  // keys in the order they were loaded

 private:
  const std::vector<std::string>* ItemsOf(const TOptionEntry& opt) const;
  std::map<std::string, bool> bools_;
  std::map<std::string, std::string> texts_;
  std::map<std::string, uint32_t> colors_;
  std::map<std::string, std::vector<std::string>> extraItems_;
};

}  // namespace qv
