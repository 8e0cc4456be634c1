#pragma once

#include <memory>

namespace zephro::platform::web {

class URLSchemeTask;
class WebView;

// Serves the requests of one custom URL scheme.
class URLSchemeHandler {
 public:
  virtual ~URLSchemeHandler() = default;
  // Answer through the task, now or later; the handler may keep the task.
  virtual void startURLSchemeTask(WebView& webView, std::shared_ptr<URLSchemeTask> task) = 0;
  // The engine no longer wants the answer; whatever the task is told from now
  // on is dropped.
  virtual void stopURLSchemeTask(WebView& webView, std::shared_ptr<URLSchemeTask> task) = 0;
};

}  // namespace zephro::platform::web
