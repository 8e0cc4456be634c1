// The backend contract on the GTK backend: real pages in WebKit.
#include <gtk/gtk.h>

#include "tests/gtk/support/install_options_from_environment.h"
#include "tests/gtk/support/main_loop_spin.h"
#include "tests/gtk/support/webkit_view.h"
#include "tests/platform/contract/backend_contract.h"
#include "zephro/json/kinds.h"
#include "zephro/platform/gtk/callback_trampoline.h"
#include "zephro/platform/gtk/install.h"

namespace zephro::platform::contract {
namespace {

using testing::gtk::spinUntil;

// The value of `script` in the page; empty when it fails.
std::any evaluate(web::WebView& view, const std::string& script) {
  auto result = std::make_shared<std::optional<std::any>>();  // may outlive a timed-out wait
  view.evaluateJavaScript(script, [result](std::any value, std::optional<web::WebError>) { *result = value; });
  spinUntil([result] { return result->has_value(); });
  return result->value_or(std::any{});
}

struct GtkBackend {
  static void install() {
    g_setenv("GTK_A11Y", "none", FALSE);
    ASSERT_TRUE(gtk_init_check()) << "no display: run the GTK tests under xvfb-run";
    gtk::install(nullptr, testing::gtk::installOptionsFromEnvironment());
  }
  static bool runUntil(const std::function<bool()>& done) { return spinUntil(done); }
  static void settle() { testing::gtk::spinFor(200ms); }

  static std::string markerScript(const std::string& mark) {
    return "(window.marks = window.marks || []).push('" + mark + "');";
  }
  static std::vector<std::string> marksSeen(web::WebView& view) {
    std::vector<std::string> marks;
    const auto seen = evaluate(view, "window.marks || []");
    for (const auto& mark : std::any_cast<PlainList>(seen)) marks.push_back(std::any_cast<std::string>(mark));
    return marks;
  }
  static void finishLoad(web::WebView& view) { testing::gtk::awaitLoaded(testing::gtk::webKitViewOf(view)); }
  static void post(web::WebView& view, const std::string& name, const std::string& json) {
    view.evaluateJavaScript("window.webkit.messageHandlers['" + name + "'].postMessage(" + json + ")");
  }
  static std::optional<std::string> fetch(web::WebView& view, const std::string& address);
  // A target="_blank" link followed first asks for a window too.
  static std::vector<std::string> dialogResults(web::WebView& view) {
    std::vector<std::string> results;
    const auto seen = evaluate(view, R"(var link = document.body.appendChild(document.createElement('a'));
      link.href = 'about:blank'; link.target = '_blank'; link.click();
      [alert('a'), confirm('c'), prompt('p', 'default'), window.open('about:blank')].map(String))");
    if (!seen.has_value()) return results;
    for (const auto& result : std::any_cast<PlainList>(seen)) results.push_back(std::any_cast<std::string>(result));
    return results;
  }
  static std::size_t windowCount() { return g_list_model_get_n_items(gtk_window_get_toplevels()); }
};

std::optional<std::string> GtkBackend::fetch(web::WebView& view, const std::string& address) {
  using Finish = gtk::Trampoline<void(GObject*, GAsyncResult*)>;
  auto body = std::make_shared<std::optional<std::optional<std::string>>>();
  gpointer finish = Finish::own([body](GObject* webView, GAsyncResult* result) {
    JSCValue* value = webkit_web_view_call_async_javascript_function_finish(WEBKIT_WEB_VIEW(webView), result, nullptr);
    auto owned = gtk::GObjectRef<JSCValue>::adopt(value);
    std::optional<std::string> text;
    if (value != nullptr && jsc_value_is_string(value)) text = gtk::GOwned<gchar>(jsc_value_to_string(value)).get();
    *body = text;
  });
  GVariantDict arguments;
  g_variant_dict_init(&arguments, nullptr);
  g_variant_dict_insert(&arguments, "address", "s", address.c_str());
  webkit_web_view_call_async_javascript_function(
      testing::gtk::webKitViewOf(view), "return fetch(address).then(r => r.ok ? r.text() : null, () => null);", -1,
      g_variant_dict_end(&arguments), nullptr, nullptr, nullptr, Finish::callOnce, finish);
  spinUntil([body] { return body->has_value(); });
  return body->value_or(std::nullopt);
}

INSTANTIATE_TYPED_TEST_SUITE_P(Gtk, BackendContract, GtkBackend);

}  // namespace
}  // namespace zephro::platform::contract
