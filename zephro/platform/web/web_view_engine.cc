#include "zephro/platform/web/web_view_engine.h"

#include <utility>

#include "zephro/platform/headless/headless_web_engine.h"

namespace zephro::platform::web {
namespace {

WebViewEngineFactory& installedFactory() {
  static WebViewEngineFactory factory;
  return factory;
}

}  // namespace

void WebViewEngine::evaluateScripts(const std::vector<std::string>& scripts) {
  for (const std::string& script : scripts) evaluateJavaScript(script, {});
}

void setEngineFactory(WebViewEngineFactory factory) { installedFactory() = std::move(factory); }

std::shared_ptr<WebViewEngine> makeEngine(WebView& webView, WebViewEngineClient client) {
  std::shared_ptr<WebViewEngine> engine;
  if (const auto& factory = installedFactory()) engine = factory(webView, client);
  // A backend that cannot make an engine leaves the view headless rather than broken.
  if (!engine) engine = headless::HeadlessWebEngine::make(webView, std::move(client));
  return engine;
}

}  // namespace zephro::platform::web
