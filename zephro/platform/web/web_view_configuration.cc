#include "zephro/platform/web/web_view_configuration.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>
#include <utility>

namespace zephro::platform::web {
namespace {

// Schemes an engine loads by itself; it never hands their requests to a
// handler. Refused here, so that no backend has to refuse them on its own.
constexpr std::array<std::string_view, 10> kEngineSchemes = {
    "http", "https", "file", "ftp", "about", "data", "blob", "javascript", "ws", "wss"};

std::string lowercased(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// scheme = ALPHA *( ALPHA / DIGIT / "+" / "-" / "." )
bool isSchemeName(std::string_view text) {
  if (text.empty() || !std::isalpha(static_cast<unsigned char>(text.front()))) return false;
  return std::all_of(text.begin(), text.end(), [](unsigned char c) {
    return std::isalnum(c) || c == '+' || c == '-' || c == '.';
  });
}

bool isEngineScheme(std::string_view scheme) {
  return std::find(kEngineSchemes.begin(), kEngineSchemes.end(), scheme) != kEngineSchemes.end();
}

}  // namespace

std::shared_ptr<WebViewConfiguration> WebViewConfiguration::make() {
  return std::make_shared<WebViewConfiguration>();
}

WebViewConfiguration::WebViewConfiguration()
    : userContentController_([this](ConfigurationChange change) { notifyObservers(change); }),
      preferences_([this](ConfigurationChange change) { notifyObservers(change); }) {}

bool WebViewConfiguration::setURLSchemeHandler(std::shared_ptr<URLSchemeHandler> handler,
                                               const std::string& scheme) {
  std::string name = lowercased(scheme);
  if (!handler || !isSchemeName(name) || isEngineScheme(name)) return false;
  if (!schemeHandlers_.emplace(std::move(name), std::move(handler)).second) return false;
  notifyObservers(ConfigurationChange::urlSchemeHandlers);
  return true;
}

std::shared_ptr<URLSchemeHandler> WebViewConfiguration::urlSchemeHandler(const std::string& scheme) const {
  auto found = schemeHandlers_.find(lowercased(scheme));
  return found == schemeHandlers_.end() ? nullptr : found->second;
}

std::vector<std::string> WebViewConfiguration::urlSchemes() const {
  std::vector<std::string> schemes;
  schemes.reserve(schemeHandlers_.size());
  for (const auto& [scheme, handler] : schemeHandlers_) schemes.push_back(scheme);
  return schemes;
}

void WebViewConfiguration::addObserver(const std::shared_ptr<ConfigurationObserver>& observer) {
  if (observer) observers_.push_back(observer);
}

void WebViewConfiguration::notifyObservers(ConfigurationChange change) {
  std::erase_if(observers_, [](const auto& observer) { return observer.expired(); });
  // An observer may change the configuration again or add observers: walk a copy.
  std::vector<std::shared_ptr<ConfigurationObserver>> live;
  live.reserve(observers_.size());
  for (const auto& observer : observers_) {
    if (auto locked = observer.lock()) live.push_back(std::move(locked));
  }
  for (const auto& observer : live) observer->configurationDidChange(*this, change);
}

}  // namespace zephro::platform::web
