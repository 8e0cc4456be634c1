#pragma once

#include <webkit/webkit.h>

#include <memory>
#include <string>

#include "tests/gtk/support/gtk_fixture.h"
#include "zephro/platform/foundation/url.h"
#include "zephro/platform/web/web_view.h"

namespace zephro::testing::gtk {

// A test with the whole GTK backend installed (main queue on GLib, widgets,
// WebKit engines), for tests that drive the platform model or the kit itself
// on the real engine.
class GtkBackendTest : public GtkTest {
 protected:
  static void SetUpTestSuite();

  // The WebKit view behind a model web view.
  static WebKitWebView* webKitViewOf(platform::web::WebView& webView);
  // Spins until the web view's current load has ended.
  static bool awaitLoaded(platform::web::WebView& webView);
  // Evaluates `script` in the page and returns its value as JSON text ("" on
  // failure), spinning until it is known.
  static std::string evaluateToJson(platform::web::WebView& webView, const std::string& script);

  static URL fileURL(const std::filesystem::path& path, bool isDirectory = false);
};

}  // namespace zephro::testing::gtk
