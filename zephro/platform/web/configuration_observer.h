#pragma once

#include <functional>

namespace zephro::platform::web {

class WebViewConfiguration;

// What part of a shared configuration changed.
enum class ConfigurationChange {
  userScripts,
  scriptMessageHandlers,
  urlSchemeHandlers,
  preferences,
};

// How the parts of a configuration report their changes to it.
using ConfigurationChangeCallback = std::function<void(ConfigurationChange)>;

// Told of every change to a configuration it observes, right after it is
// made, so that per-view engine state (a content manager per web view) stays
// in step with the one shared configuration.
class ConfigurationObserver {
 public:
  virtual ~ConfigurationObserver() = default;
  virtual void configurationDidChange(const WebViewConfiguration& configuration,
                                      ConfigurationChange change) = 0;
};

}  // namespace zephro::platform::web
