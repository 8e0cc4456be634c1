// Reaching and waiting for the WebKit view behind a model web view, for tests
// and benchmarks on the GTK backend.
#pragma once

#include <webkit/webkit.h>

#include "zephro/platform/web/web_view.h"

namespace zephro::testing::gtk {

// The WebKit view behind a model web view (the GTK backend must be installed).
WebKitWebView* webKitViewOf(platform::web::WebView& webView);
// Spins until the view's current load has ended; false on timeout.
bool awaitLoaded(WebKitWebView* view);

}  // namespace zephro::testing::gtk
