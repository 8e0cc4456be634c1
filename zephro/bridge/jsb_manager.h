// The registry of bridge scopes and the rule that picks the handler of a call.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "zephro/bridge/jsb_implement.h"

namespace zephro {

namespace platform::web {
class WebView;
}

class JSBManager {
 public:
  using ScopeMap = std::map<std::string, std::shared_ptr<JSBImplement>>;
  // Delivers one response for the call with `invokeId` (-1 when the page
  // gave none) to the posting page.
  using ResponseSender = std::function<void(const WebViewResponse& response, std::int64_t invokeId)>;

  // The kit's registry, made on first use and never destroyed.
  static JSBManager& shared();

  // Stores `handler` under `name`, replacing any handler stored there.
  void registerScope(std::shared_ptr<JSBImplement> handler, const std::string& name);
  ScopeMap scopeMap() const;

  // The handler for `scope` called from `webView`: for "currentPage", the
  // live page screen that owns a content web view; otherwise, and when there
  // is no such screen, the registered one. Null when there is none.
  std::shared_ptr<JSBImplement> handlerFor(const std::string& scope, const std::shared_ptr<platform::web::WebView>& webView) const;

  // Hands a valid `invoke` from `webView` to its handler, with a callback
  // that answers through `send`. Returns false, doing nothing, when no handler
  // serves the scope: that call is never answered.
  bool dispatch(WebViewInvoke invoke, const std::shared_ptr<platform::web::WebView>& webView,
                ResponseSender send) const;

 private:
  mutable std::mutex mutex_;
  ScopeMap scopeMap_;
};

}  // namespace zephro
