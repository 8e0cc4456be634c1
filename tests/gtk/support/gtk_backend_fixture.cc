#include "tests/gtk/support/gtk_backend_fixture.h"

#include "tests/gtk/support/install_options_from_environment.h"
#include "tests/gtk/support/webkit_view.h"

#include <memory>
#include <optional>

#include "zephro/platform/foundation/json_serialization.h"
#include "zephro/platform/gtk/install.h"

namespace zephro::testing::gtk {

void GtkBackendTest::SetUpTestSuite() {
  GtkTest::SetUpTestSuite();
  platform::gtk::install(nullptr, installOptionsFromEnvironment());
}

WebKitWebView* GtkBackendTest::webKitViewOf(platform::web::WebView& webView) { return gtk::webKitViewOf(webView); }

bool GtkBackendTest::awaitLoaded(platform::web::WebView& webView) { return gtk::awaitLoaded(webKitViewOf(webView)); }

std::string GtkBackendTest::evaluateToJson(platform::web::WebView& webView, const std::string& script) {
  // Shared: the answer may come after a timed-out wait has returned.
  auto json = std::make_shared<std::optional<std::string>>();
  webView.evaluateJavaScript(script, [json](std::any result, std::optional<platform::web::WebError> error) {
    auto text = error ? std::nullopt : platform::foundation::JSONSerialization::data(result);
    *json = text.value_or("");
  });
  spinUntil([json] { return json->has_value(); });
  return json->value_or("");
}

URL GtkBackendTest::fileURL(const std::filesystem::path& path, bool isDirectory) {
  return URL::fileURL(path, isDirectory);
}

}  // namespace zephro::testing::gtk
