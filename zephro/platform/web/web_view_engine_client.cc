#include "zephro/platform/web/web_view_engine_client.h"

#include <utility>

#include "zephro/platform/web/url_scheme_task.h"
#include "zephro/platform/web/web_view.h"

namespace zephro::platform::web {

WebViewEngineClient::WebViewEngineClient(std::weak_ptr<WebView> webView) : webView_(std::move(webView)) {}

bool WebViewEngineClient::didReceiveScriptMessage(const std::string& name, std::any body,
                                                  std::optional<URL> documentURL) const {
  auto view = webView();
  if (!view) return false;
  auto& controller = view->configuration()->userContentController();
  auto handler = controller.scriptMessageHandler(name);
  if (!handler) return false;
  handler->didReceiveScriptMessage(controller, ScriptMessage{name, std::move(body), view, std::move(documentURL)});
  return true;
}

void WebViewEngineClient::startURLSchemeTask(const std::string& scheme,
                                             const std::shared_ptr<URLSchemeTask>& task) const {
  if (!task) return;
  auto view = webView();
  if (!view) {
    task->didFailWithError(WebError::cancelled());
    return;
  }
  auto handler = view->configuration()->urlSchemeHandler(scheme);
  if (!handler) {
    task->didFailWithError(WebError::unsupportedURL());
    return;
  }
  handler->startURLSchemeTask(*view, task);
}

void WebViewEngineClient::stopURLSchemeTask(const std::string& scheme,
                                            const std::shared_ptr<URLSchemeTask>& task) const {
  if (!task || !task->isOpen()) return;
  task->markStopped();
  auto view = webView();
  if (!view) return;
  if (auto handler = view->configuration()->urlSchemeHandler(scheme)) handler->stopURLSchemeTask(*view, task);
}

void WebViewEngineClient::didFinishNavigation() const {
  tellNavigationDelegate([](NavigationDelegate& delegate, WebView& view) { delegate.didFinishNavigation(view); });
}

void WebViewEngineClient::didFailNavigation(const WebError& error) const {
  tellNavigationDelegate(
      [&error](NavigationDelegate& delegate, WebView& view) { delegate.didFailNavigation(view, error); });
}

void WebViewEngineClient::webContentProcessDidTerminate() const {
  tellNavigationDelegate(
      [](NavigationDelegate& delegate, WebView& view) { delegate.webContentProcessDidTerminate(view); });
}

void WebViewEngineClient::tellNavigationDelegate(
    const std::function<void(NavigationDelegate&, WebView&)>& report) const {
  auto view = webView();
  if (!view) return;
  if (auto delegate = view->navigationDelegate().lock()) report(*delegate, *view);
}

}  // namespace zephro::platform::web
