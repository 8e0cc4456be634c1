#include "zephro/platform/web/preferences.h"

#include <utility>

namespace zephro::platform::web {

Preferences::Preferences(ConfigurationChangeCallback didChange) : didChange_(std::move(didChange)) {}

void Preferences::setValue(const std::string& key, std::any value) {
  if (value.has_value()) {
    values_[key] = std::move(value);
  } else {
    values_.erase(key);
  }
  if (didChange_) didChange_(ConfigurationChange::preferences);
}

std::any Preferences::value(const std::string& key) const {
  auto found = values_.find(key);
  return found == values_.end() ? std::any{} : found->second;
}

bool Preferences::boolValue(const std::string& key) const {
  auto found = values_.find(key);
  if (found == values_.end()) return false;
  const bool* flag = std::any_cast<bool>(&found->second);
  return flag && *flag;
}

}  // namespace zephro::platform::web
