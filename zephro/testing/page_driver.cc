#include "zephro/testing/page_driver.h"

namespace zephro::testing {

using platform::headless::engineOf;

namespace {

constexpr std::string_view kResponseStart = "window.__jsb.onResponse(";

}  // namespace

bool postBridgeMessage(platform::web::WebView& webView, const std::string& json) {
  return engineOf(webView)->postScriptMessage("jsb", json);
}

bool callBridge(platform::web::WebView& webView, std::string_view scope, std::string_view method,
                std::string_view paramsJson, std::optional<std::int64_t> invokeId) {
  std::string json = R"({"scope":")" + std::string(scope) + R"(","method":")" + std::string(method) + '"';
  if (!paramsJson.empty()) json += R"(,"params":)" + std::string(paramsJson);
  if (invokeId) json += R"(,"invokeId":)" + std::to_string(*invokeId);
  return postBridgeMessage(webView, json + "}");
}

std::vector<std::string> scriptsOf(platform::web::WebView& webView) {
  webView.flushQueuedScripts();
  return engineOf(webView)->evaluatedScripts();
}

std::vector<std::string> responsesOf(platform::web::WebView& webView) {
  std::vector<std::string> responses;
  for (const std::string& script : scriptsOf(webView)) {
    if (script.starts_with(kResponseStart)) responses.push_back(script);
  }
  return responses;
}

std::optional<std::string> answerTo(platform::web::WebView& webView, std::int64_t invokeId) {
  const std::string end = ", " + std::to_string(invokeId) + ")";
  const auto responses = responsesOf(webView);
  for (auto response = responses.rbegin(); response != responses.rend(); ++response) {
    if (!response->ends_with(end)) continue;
    return response->substr(kResponseStart.size(), response->size() - kResponseStart.size() - end.size());
  }
  return std::nullopt;
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
