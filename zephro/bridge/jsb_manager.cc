#include "zephro/bridge/jsb_manager.h"

#include <utility>

#include "zephro/bridge/current_page_scope.h"
#include "zephro/bridge/h5_content_web_view.h"

namespace zephro {

namespace {

std::shared_ptr<JSBImplement> owningPageScreen(const std::shared_ptr<platform::web::WebView>& webView) {
  auto contentWebView = std::dynamic_pointer_cast<H5ContentWebView>(webView);
  if (!contentWebView) return nullptr;
  return contentWebView->screenAs<CurrentPageScope>();
}

}  // namespace

JSBManager& JSBManager::shared() {
  static JSBManager* manager = new JSBManager;  // holds its handlers for the whole process
  return *manager;
}

void JSBManager::registerScope(std::shared_ptr<JSBImplement> handler, const std::string& name) {
  std::lock_guard lock(mutex_);
  scopeMap_[name] = std::move(handler);
}

JSBManager::ScopeMap JSBManager::scopeMap() const {
  std::lock_guard lock(mutex_);
  return scopeMap_;
}

std::shared_ptr<JSBImplement> JSBManager::handlerFor(const std::string& scope,
                                                     const std::shared_ptr<platform::web::WebView>& webView) const {
  if (scope == kCurrentPageScope) {
    if (auto page = owningPageScreen(webView)) return page;
  }
  std::lock_guard lock(mutex_);
  auto found = scopeMap_.find(scope);
  return found == scopeMap_.end() ? nullptr : found->second;
}

bool JSBManager::dispatch(WebViewInvoke invoke, const std::shared_ptr<platform::web::WebView>& webView,
                          ResponseSender send) const {
  std::shared_ptr<JSBImplement> handler = handlerFor(invoke.scope.value_or(""), webView);
  if (!handler) return false;
  std::int64_t answerId = invoke.invokeId.value_or(-1);
  JSBInvocation invocation{std::move(invoke), std::dynamic_pointer_cast<H5ContentWebView>(webView)};
  handler->handle(invocation, [send = std::move(send), answerId](const WebViewResponse& response) {
    if (send) send(response, answerId);
  });
  return true;
}

}  // namespace zephro
