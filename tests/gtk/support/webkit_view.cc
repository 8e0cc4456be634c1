#include "tests/gtk/support/webkit_view.h"

#include "tests/gtk/support/main_loop_spin.h"
#include "zephro/platform/gtk/webkit_web_engine.h"

namespace zephro::testing::gtk {

WebKitWebView* webKitViewOf(platform::web::WebView& webView) {
  auto* engine = platform::gtk::webKitEngineOf(webView);
  return engine != nullptr ? engine->webView() : nullptr;
}

bool awaitLoaded(WebKitWebView* view) {
  return view != nullptr && spinUntil([view] {
           return !webkit_web_view_is_loading(view) && webkit_web_view_get_uri(view) != nullptr;
         });
}

}  // namespace zephro::testing::gtk
