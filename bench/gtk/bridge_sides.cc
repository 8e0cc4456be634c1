#include "bench/gtk/bridge_sides.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>

#include "bench/gtk/kit_host.h"
#include "bench/gtk/plain_window.h"
#include "tests/gtk/support/main_loop_spin.h"
#include "tests/gtk/support/webkit_view.h"
#include "zephro/bridge/web_view_response.h"
#include "zephro/json/json_encoder.h"
#include "zephro/platform/foundation/bundle.h"
#include "zephro/platform/foundation/url.h"
#include "zephro/platform/foundation/user_defaults.h"
#include "zephro/platform/gtk/web_context.h"
#include "zephro/platform/gtk/window_peer.h"
#include "zephro/sdk/login_info_store.h"

namespace zephro::bench::gtk {
namespace {

using testing::gtk::awaitLoaded;
using testing::gtk::spinFor;
using testing::gtk::spinUntil;
using testing::gtk::webKitViewOf;

// How long a window is shown before its round starts.
constexpr std::chrono::milliseconds kShowSettle{200};

// What the kit answers to getToken, encoded as the kit encodes it.
std::string tokenAnswerText(const std::string& token) {
  WebViewResponse response{std::nullopt, std::map<std::string, AnyCodable>{{"token", AnyCodable(token)}}, true};
  return JSONEncoder().encode(response);
}

// The kit's web-process extension reads no files for a page it was not told
// about: `root` is where the bare page may read.
WebKitWebView* makeBareView(WebKitWebView* related, const std::filesystem::path& root, gpointer sides,
                            GCallback onMessage) {
  WebKitUserContentManager* manager = webkit_user_content_manager_new();
  g_signal_connect(manager, "script-message-received::jsb", onMessage, sides);
  webkit_user_content_manager_register_script_message_handler(manager, "jsb", nullptr);
  auto* view = WEBKIT_WEB_VIEW(
      g_object_new(WEBKIT_TYPE_WEB_VIEW, "related-view", related, "user-content-manager", manager, nullptr));
  g_object_unref(manager);
  platform::gtk::WebContext::shared().readAccessRoots().set(view, root.string());
  return view;
}

}  // namespace

BridgeSides::BridgeSides(const testing::ScratchDirectory& scratch, const std::string& pageName,
                         const std::string& html, const std::string& token)
    : answerPayload_(tokenAnswerText(token)) {
  const auto page = scratch / "dist" / pageName / "index.html";
  std::filesystem::create_directories(page.parent_path());
  std::ofstream(page) << html;
  platform::foundation::Bundle::setKitBundlePath(scratch.path());
  prepareKit(scratch.path() / "user-defaults.sqlite3");
  platform::foundation::UserDefaults::standard().set(kLoginUserTokenKey, token);

  screen_ = H5ContentViewController::make(pageName, std::nullopt);
  window_ = platform::ui::Window::make();
  window_->setRootViewController(screen_);
  window_->makeKeyAndVisible();

  bareView_ = makeBareView(oursView(), page.parent_path(), this, G_CALLBACK(answer));
  bareWindow_ = showInPlainWindow(GTK_WIDGET(bareView_));
  webkit_web_view_load_uri(bareView_, URL::fileURL(page).absoluteString().c_str());
  if (!awaitLoaded(oursView()) || !awaitLoaded(bareView_)) failBenchmark("a bridge benchmark page did not load");
  for (GtkWindow* shown : {oursWindow(), bareWindow_}) gtk_widget_set_visible(GTK_WIDGET(shown), FALSE);
}

WebKitWebView* BridgeSides::oursView() const { return webKitViewOf(*screen_->webview()); }

GtkWindow* BridgeSides::oursWindow() const { return platform::gtk::gtkWindowOf(*window_); }

void BridgeSides::answer(WebKitUserContentManager*, JSCValue* body, gpointer self) {
  auto* sides = static_cast<BridgeSides*>(self);
  static constexpr char kIdField[] = "\"invokeId\":";
  char* text = jsc_value_to_string(body);
  const char* idField = std::strstr(text, kIdField);
  const long long invokeId = idField != nullptr ? std::atoll(idField + sizeof kIdField - 1) : -1;
  g_free(text);
  const std::string script = "window.__jsb.onResponse(" + sides->answerPayload_ + ", " + std::to_string(invokeId) + ")";
  webkit_web_view_evaluate_javascript(sides->bareView_, script.c_str(), static_cast<gssize>(script.size()), nullptr,
                                      nullptr, nullptr, nullptr, nullptr);
}

void failBenchmark(const std::string& what) {
  std::fprintf(stderr, "%s\n", what.c_str());
  std::exit(1);
}

bool runShownRound(WebKitWebView* view, GtkWindow* window, const std::string& start, const std::string& doneTitle,
                   std::chrono::seconds timeout) {
  gtk_window_present(window);
  spinFor(kShowSettle);
  webkit_web_view_evaluate_javascript(view, start.c_str(), static_cast<gssize>(start.size()), nullptr, nullptr,
                                      nullptr, nullptr, nullptr);
  const bool finished = spinUntil(
      [&] {
        const char* title = webkit_web_view_get_title(view);
        return title != nullptr && doneTitle == title;
      },
      timeout);
  gtk_widget_set_visible(GTK_WIDGET(window), FALSE);
  return finished;
}

}  // namespace zephro::bench::gtk
