#pragma once

#include "zephro/platform/web/web_error.h"

namespace zephro::platform::web {

class WebView;

// Learns about the progress of a web view's loads.
class NavigationDelegate {
 public:
  virtual ~NavigationDelegate() = default;
  // The main frame finished loading.
  virtual void didFinishNavigation(WebView& /*webView*/) {}
  // The main frame's load failed, before or after its document was shown. A
  // load given up for a newer one is not reported.
  virtual void didFailNavigation(WebView& /*webView*/, const WebError& /*error*/) {}
  // The process that ran the page ended (crashed, killed, out of memory): the
  // view shows nothing live until something is loaded again.
  virtual void webContentProcessDidTerminate(WebView& /*webView*/) {}
};

}  // namespace zephro::platform::web
