#include "tests/support/page_driver.h"

namespace zephro::testing {

using platform::headless::engineOf;

bool postBridgeMessage(platform::web::WebView& webView, const std::string& json) {
  return engineOf(webView)->postScriptMessage("jsb", json);
}

std::vector<std::string> scriptsOf(platform::web::WebView& webView) {
  webView.flushQueuedScripts();
  return engineOf(webView)->evaluatedScripts();
}

std::vector<std::string> responsesOf(platform::web::WebView& webView) {
  std::vector<std::string> responses;
  for (const std::string& script : scriptsOf(webView)) {
    if (script.rfind("window.__jsb.onResponse(", 0) == 0) responses.push_back(script);
  }
  return responses;
}

std::vector<std::string> scriptsSince(platform::web::WebView& webView, std::size_t skip) {
  std::vector<std::string> scripts = scriptsOf(webView);
  if (skip >= scripts.size()) return {};
  return {scripts.begin() + static_cast<std::ptrdiff_t>(skip), scripts.end()};
}

std::vector<platform::headless::RecordedLoad> loadsOf(platform::web::WebView& webView) {
  return engineOf(webView)->loads();
}

}  // namespace zephro::testing
