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

  bool GetBool(const TOptionSpec& spec) override;
  void SetBool(const TOptionSpec& spec, bool value) override;
  std::string GetText(const TOptionSpec& spec) override;
  void SetText(const TOptionSpec& spec, const std::string& text) override;
  uint32_t GetColor(const TOptionSpec& spec) override;
  void SetColor(const TOptionSpec& spec, uint32_t color) override;
  void Loaded(const TOptionSpec& spec) override { LoadedKeys.push_back(spec.Key); }

  // Direct access by key, for tests and start-up.
  bool& Bool(const std::string& key) { return bools_[key]; }
  std::string& Text(const std::string& key) { return texts_[key]; }
  uint32_t& Color(const std::string& key) { return colors_[key]; }

  std::vector<std::string> LoadedKeys;  // keys in the order they were loaded

 private:
  const std::vector<std::string>* ItemsOf(const TOptionSpec& spec) const;
  std::map<std::string, bool> bools_;
  std::map<std::string, std::string> texts_;
  std::map<std::string, uint32_t> colors_;
  std::map<std::string, std::vector<std::string>> extraItems_;
};

}  // namespace qv
