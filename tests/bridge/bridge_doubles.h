// Scope handlers and page screens standing in for the real ones.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "zephro/bridge/current_page_scope.h"
#include "zephro/bridge/jsb_implement.h"
#include "zephro/h5/h5_content_view_stack.h"

namespace zephro::testing {

// Records each call; answers with `answer` (when set) as many times as asked.
template <class Base>
class RecordingHandler : public Base {
 public:
  void handle(const JSBInvocation& invocation, JSBCallback callback) override {
    invokes.push_back(invocation.invoke);
    webviews.push_back(invocation.webview);
    callbacks.push_back(callback);
    for (int i = 0; i < answers; ++i) callback(answer);
  }

  WebViewResponse answer{std::nullopt, std::nullopt, true};
  int answers = 0;
  std::vector<WebViewInvoke> invokes;
  std::vector<std::weak_ptr<H5ContentWebView>> webviews;
  std::vector<JSBCallback> callbacks;
};

using RecordingScope = RecordingHandler<JSBImplement>;

class NavigatingOnly : public H5ContentViewStack {
 public:
  void navigateTo(const std::string&, std::optional<std::map<std::string, AnyCodable>>, bool) override {}
  void pop(std::int64_t, bool) override {}
};

// A page screen: navigates and serves "currentPage".
class PageScreen : public NavigatingOnly, public RecordingHandler<CurrentPageScope> {};

}  // namespace zephro::testing
