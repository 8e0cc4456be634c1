#pragma once

namespace zephro::platform::web {

class WebView;

// Learns about the progress of a web view's loads.
class NavigationDelegate {
 public:
  virtual ~NavigationDelegate() = default;
  // The main frame finished loading.
  virtual void didFinishNavigation(WebView& /*webView*/) {}
};

}  // namespace zephro::platform::web
