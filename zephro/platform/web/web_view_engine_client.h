#pragma once

#include <any>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "zephro/platform/foundation/url.h"
#include "zephro/platform/web/web_error.h"

namespace zephro::platform::web {

class NavigationDelegate;
class URLSchemeTask;
class WebView;

// How an engine reports what its page does. Each report reaches the model's
// handlers and delegates, with this web view; once the view is gone, reports
// are dropped (scheme tasks are stopped).
class WebViewEngineClient {
 public:
  explicit WebViewEngineClient(std::weak_ptr<WebView> webView);

  // The document at `documentURL` posted `body` to the handler `name`; the
  // configuration's handler of that name receives it. Returns whether a
  // handler took it.
  bool didReceiveScriptMessage(const std::string& name, std::any body, std::optional<URL> documentURL) const;
  // The page requested a resource of `scheme`; the configuration's handler of
  // that scheme gets the task, a scheme without one fails it (unsupported URL).
  void startURLSchemeTask(const std::string& scheme, const std::shared_ptr<URLSchemeTask>& task) const;
  // The page no longer wants the resource; the task drops later answers.
  void stopURLSchemeTask(const std::string& scheme, const std::shared_ptr<URLSchemeTask>& task) const;
  // The main frame finished loading.
  void didFinishNavigation() const;
  // The main frame's load failed (a load replaced by a newer one is no failure).
  void didFailNavigation(const WebError& error) const;
  // The process that ran the page ended.
  void webContentProcessDidTerminate() const;

  std::shared_ptr<WebView> webView() const { return webView_.lock(); }

 private:
  void tellNavigationDelegate(const std::function<void(NavigationDelegate&, WebView&)>& report) const;

  std::weak_ptr<WebView> webView_;
};

}  // namespace zephro::platform::web
