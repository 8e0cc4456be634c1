#pragma once

#include <any>
#include <map>
#include <string>

#include "zephro/platform/web/configuration_observer.h"

namespace zephro::platform::web {

// Engine settings by key, set the way the platform's key-value setter does
// (e.g. "allowFileAccessFromFileURLs" = true). The engine reads the keys it
// knows and ignores the rest.
class Preferences {
 public:
  explicit Preferences(ConfigurationChangeCallback didChange = {});
  Preferences(const Preferences&) = delete;
  Preferences& operator=(const Preferences&) = delete;

  // An empty value removes the key.
  void setValue(const std::string& key, std::any value);
  // Empty when the key was never set.
  std::any value(const std::string& key) const;
  // True only for a stored bool true.
  bool boolValue(const std::string& key) const;

 private:
  ConfigurationChangeCallback didChange_;
  std::map<std::string, std::any> values_;
};

}  // namespace zephro::platform::web
