#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "zephro/platform/foundation/url.h"
#include "zephro/platform/web/configuration_observer.h"
#include "zephro/platform/web/javascript_completion.h"
#include "zephro/platform/web/url_request.h"
#include "zephro/platform/web/web_view_engine_client.h"

namespace zephro::platform::web {

class WebView;

// What a backend puts behind one web view. The model calls it for everything
// the page should see; the engine reports what the page does through the
// WebViewEngineClient it was made with.
//
// At creation an engine takes the configuration's current user scripts,
// handlers, schemes and preferences; afterwards it is told of every change
// (configurationDidChange) and keeps its own per-view state in step.
class WebViewEngine : public ConfigurationObserver {
 public:
  // Shows the file `file`, letting the page read files under `readAccessRoot`.
  // Both are file URLs.
  virtual void loadFileURL(const URL& file, const URL& readAccessRoot) = 0;
  // The request always has a URL.
  virtual void loadRequest(const URLRequest& request) = 0;
  // `completion` may be empty; when it is not, it is called exactly once.
  virtual void evaluateJavaScript(const std::string& script, JavaScriptCompletion completion) = 0;
  // Evaluates `scripts` in order, each as if evaluated alone without a
  // completion: one that throws leaves the others running. Each parses on its
  // own. By default one evaluation each; engines with a costly evaluation
  // hand them over together.
  virtual void evaluateScripts(const std::vector<std::string>& scripts);
  // Whether a developer inspector may attach to the page.
  virtual void setInspectable(bool inspectable) = 0;
};

// Makes the engine of `webView`, which is fully constructed and owned by a
// shared pointer. The engine must not keep `webView`; it reaches the view
// through `client`.
using WebViewEngineFactory =
    std::function<std::shared_ptr<WebViewEngine>(WebView& webView, WebViewEngineClient client)>;

// Set once at start-up by a backend; an empty factory restores the default.
// Web views made earlier keep their engines.
void setEngineFactory(WebViewEngineFactory factory);
// The engine for views the installed factory does not serve; set by a backend
// at start-up (platform/headless/install.h).
void setDefaultEngineFactory(WebViewEngineFactory factory);
// Without any engine for the view, aborts: no backend was installed.
std::shared_ptr<WebViewEngine> makeEngine(WebView& webView, WebViewEngineClient client);

}  // namespace zephro::platform::web
