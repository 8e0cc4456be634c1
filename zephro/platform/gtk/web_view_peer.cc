#include "zephro/platform/gtk/web_view_peer.h"

#include "zephro/platform/gtk/webkit_web_engine.h"

namespace zephro::platform::gtk {

WebViewPeer::WebViewPeer(web::WebView& webView) : GtkViewPeer(webView) {
  if (auto* engine = webKitEngineOf(webView)) setContent(engine->widget());
}

}  // namespace zephro::platform::gtk
