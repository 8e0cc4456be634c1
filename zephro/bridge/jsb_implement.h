// The contract of a bridge scope: JSBManager hands each valid call to the
// handler registered for its scope.
#pragma once

#include <functional>
#include <memory>

#include "zephro/bridge/web_view_invoke.h"
#include "zephro/bridge/web_view_response.h"

namespace zephro {

class H5ContentWebView;

// One call, made afresh for it and alive only during handle(): a handler that
// answers later keeps the callback (or the web view), never the invocation.
struct JSBInvocation {
  // Already known to be valid.
  WebViewInvoke invoke;
  // The posting web view; empty when it is not a content web view or is gone.
  std::weak_ptr<H5ContentWebView> webview;
};

// Sends one response script to the calling page; each call sends one more.
// An empty function means nobody listens for an answer.
using JSBCallback = std::function<void(const WebViewResponse&)>;

class JSBImplement {
 public:
  virtual ~JSBImplement() = default;
  // Reads the invocation's method and params, does its work and answers by
  // calling `callback`, now or later, or not at all.
  virtual void handle(const JSBInvocation& invocation, JSBCallback callback) = 0;
};

}  // namespace zephro
