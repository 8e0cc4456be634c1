#include "zephro/platform/web/web_view_engine.h"

#include <utility>

#include "zephro/platform/foundation/missing_backend.h"

namespace zephro::platform::web {
namespace {

struct Factories {
  WebViewEngineFactory installed;
  WebViewEngineFactory fallback;
};

Factories& factories() {
  static Factories factories;
  return factories;
}

}  // namespace

void WebViewEngine::evaluateScripts(const std::vector<std::string>& scripts) {
  for (const std::string& script : scripts) evaluateJavaScript(script, {});
}

void setEngineFactory(WebViewEngineFactory factory) { factories().installed = std::move(factory); }

void setDefaultEngineFactory(WebViewEngineFactory factory) { factories().fallback = std::move(factory); }

std::shared_ptr<WebViewEngine> makeEngine(WebView& webView, WebViewEngineClient client) {
  std::shared_ptr<WebViewEngine> engine;
  if (const auto& factory = factories().installed) engine = factory(webView, client);
  // A backend that cannot make an engine leaves the view on the default engine rather than broken.
  if (!engine && factories().fallback) engine = factories().fallback(webView, std::move(client));
  if (!engine) foundation::missingBackend("web engine");
  return engine;
}

}  // namespace zephro::platform::web
