#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "zephro/platform/web/configuration_observer.h"
#include "zephro/platform/web/preferences.h"
#include "zephro/platform/web/url_scheme_handler.h"
#include "zephro/platform/web/user_content_controller.h"

namespace zephro::platform::web {

// The settings web views are made with. Web views share the instance they are
// given rather than copying it, so user scripts and handlers added later reach
// every view made with it.
class WebViewConfiguration {
 public:
  static std::shared_ptr<WebViewConfiguration> make();
  WebViewConfiguration();
  // Its parts report to it by address: it stays where it was made.
  WebViewConfiguration(const WebViewConfiguration&) = delete;
  WebViewConfiguration& operator=(const WebViewConfiguration&) = delete;

  UserContentController& userContentController() { return userContentController_; }
  const UserContentController& userContentController() const { return userContentController_; }
  Preferences& preferences() { return preferences_; }
  const Preferences& preferences() const { return preferences_; }

  // Registers `handler` for `scheme` (case-insensitive) and holds it strongly.
  // Refused (returns false) for a null handler, a text that is not a scheme
  // name, a scheme the engine serves itself (http, https, file, ...) and a
  // scheme that already has a handler.
  bool setURLSchemeHandler(std::shared_ptr<URLSchemeHandler> handler, const std::string& scheme);
  // Null when no handler serves `scheme`.
  std::shared_ptr<URLSchemeHandler> urlSchemeHandler(const std::string& scheme) const;
  // The lower-case schemes that have handlers, sorted.
  std::vector<std::string> urlSchemes() const;

  // Observers are held weakly and told of every change after it is made.
  void addObserver(const std::shared_ptr<ConfigurationObserver>& observer);

 private:
  void notifyObservers(ConfigurationChange change);

  UserContentController userContentController_;
  Preferences preferences_;
  std::map<std::string, std::shared_ptr<URLSchemeHandler>> schemeHandlers_;
  std::vector<std::weak_ptr<ConfigurationObserver>> observers_;
};

}  // namespace zephro::platform::web
