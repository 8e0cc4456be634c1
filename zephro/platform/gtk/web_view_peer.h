#pragma once

#include "zephro/platform/gtk/gtk_view_peer.h"
#include "zephro/platform/web/web_view.h"

namespace zephro::platform::gtk {

// Shows the WebKit view of a web view's engine; nothing when another backend
// made the engine.
class WebViewPeer : public GtkViewPeer {
 public:
  explicit WebViewPeer(web::WebView& webView);
};

}  // namespace zephro::platform::gtk
