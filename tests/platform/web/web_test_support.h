// A scheme handler that remembers what reached it, and a web view subclass.
#pragma once

#include <memory>
#include <vector>

#include "zephro/platform/headless/headless_web_engine.h"
#include "zephro/platform/web/script_message_handler.h"
#include "zephro/platform/web/url_scheme_handler.h"
#include "zephro/platform/web/url_scheme_task.h"
#include "zephro/platform/web/web_view.h"

namespace zephro::platform::web::testing {

// Keeps every task it is given, with the view that asked; answers only when the test does.
class KeepingSchemeHandler : public URLSchemeHandler {
 public:
  void startURLSchemeTask(WebView& webView, std::shared_ptr<URLSchemeTask> task) override {
    started.emplace_back(&webView, std::move(task));
  }
  void stopURLSchemeTask(WebView& webView, std::shared_ptr<URLSchemeTask> task) override {
    stopped.emplace_back(&webView, std::move(task));
  }
  std::vector<std::pair<WebView*, std::shared_ptr<URLSchemeTask>>> started;
  std::vector<std::pair<WebView*, std::shared_ptr<URLSchemeTask>>> stopped;
};

// A web view subclass, as the kit makes its page views.
class PageWebView : public WebView {
 public:
  using WebView::WebView;
  std::string className() const override { return "PageWebView"; }
};

}  // namespace zephro::platform::web::testing
