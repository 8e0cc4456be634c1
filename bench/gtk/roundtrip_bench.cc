// One bridge call, page to native code and back, on real WebKitGTK. A page
// awaits 1,000 sequential "app"/"getToken" calls:
//   ours: the page in the kit's page screen, answered by the kit's bridge
//         (web view provider, dispatch, the "app" scope reading the token from
//         the user-defaults store, the response script);
//   bare: the same page in a plain WebKitWebView of this process whose "jsb"
//         handler answers at once with the same text: WebKit's own message
//         and script round trip, the floor. The view is related to the kit's,
//         so both pages run in the same web process: which core a separate
//         one lands on, next to which other load, would swamp the difference.
// WebKit rounds performance.now() to whole milliseconds, coarser than one
// call, so the page times only its whole run (the mean per call). Each call's
// own time is taken in this process, at microsecond resolution, as the time
// between two successive messages of the page: one full cycle of answer,
// page script and next message. Rounds of both alternate (which goes first
// alternates too); a first pair warms up and is not counted. Only the window
// of the side being measured is shown, so both run as the one focused window.
#include <gtk/gtk.h>
#include <webkit/webkit.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "bench/gtk/kit_host.h"
#include "bench/gtk/plain_window.h"
#include "bench/gtk/sample_statistics.h"
#include "bench/gtk/web_view_probe.h"
#include "bench_support.h"
#include "tests/gtk/support/main_loop_spin.h"
#include "tests/gtk/support/webkit_view.h"
#include "tests/support/scratch_directory.h"
#include "zephro/bridge/web_view_response.h"
#include "zephro/h5/h5_content_view_controller.h"
#include "zephro/json/json_encoder.h"
#include "zephro/platform/foundation/bundle.h"
#include "zephro/platform/foundation/url.h"
#include "zephro/platform/foundation/user_defaults.h"
#include "zephro/platform/gtk/web_context.h"
#include "zephro/platform/gtk/window_peer.h"
#include "zephro/platform/ui/window.h"
#include "zephro/sdk/login_info_store.h"

namespace {

using namespace zephro;
using namespace zephro::bench::gtk;
using namespace zephro::testing::gtk;

constexpr int kCallsPerRound = 1000;
constexpr int kMeasuredRounds = 20;
// How long a window is shown before its round starts.
constexpr auto kShowSettle = 200ms;
constexpr char kPageName[] = "roundtrip";
constexpr char kToken[] = "bench-token-4f1d2c9a7b6e5d3c";
using Clock = std::chrono::steady_clock;

// The page calls the bridge the way the sample bundle's client does, one call
// at a time, and keeps the first answer's text so both sides can be compared.
constexpr char kPage[] = R"html(<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>ready</title>
<script>
'use strict';
var pending = null;
var expectedId = -1;
window.__jsb = { onResponse: function (payload, invokeId) {
  if (invokeId !== expectedId || !pending) return;
  var resolve = pending;
  pending = null;
  resolve(payload);
} };
window.__eventBus = { emit: function () {} };
function call(invokeId) {
  return new Promise(function (resolve) {
    pending = resolve;
    expectedId = invokeId;
    webkit.messageHandlers.jsb.postMessage(JSON.stringify({scope: 'app', method: 'getToken', invokeId: invokeId}));
  });
}
async function measure(count, firstId, tag) {
  var start = performance.now();
  for (var i = 0; i < count; i++) {
    var answer = await call(firstId + i);
    if (i === 0) window.__answer = JSON.stringify(answer);
  }
  window.__elapsed = performance.now() - start;
  document.title = tag;
}
</script></head><body><p>bridge round trip</p></body></html>
)html";

// The plain WebKit side: a "jsb" handler that answers with a fixed payload,
// in a view that shares the web process of `related`. The kit's web-process
// extension reads no files for a page it was not told about: `root` is where
// this page may read.
class BareBridgePage {
 public:
  BareBridgePage(std::string payload, WebKitWebView* related, const std::filesystem::path& root)
      : payload_(std::move(payload)) {
    WebKitUserContentManager* manager = webkit_user_content_manager_new();
    g_signal_connect(manager, "script-message-received::jsb", G_CALLBACK(onMessage), this);
    webkit_user_content_manager_register_script_message_handler(manager, "jsb", nullptr);
    view_ = WEBKIT_WEB_VIEW(
        g_object_new(WEBKIT_TYPE_WEB_VIEW, "related-view", related, "user-content-manager", manager, nullptr));
    g_object_unref(manager);
    platform::gtk::WebContext::shared().readAccessRoots().set(view_, root.string());
  }

  WebKitWebView* view() const { return view_; }

 private:
  static void onMessage(WebKitUserContentManager*, JSCValue* body, gpointer data) {
    auto* self = static_cast<BareBridgePage*>(data);
    static constexpr char kIdField[] = "\"invokeId\":";
    char* text = jsc_value_to_string(body);
    const char* idField = std::strstr(text, kIdField);
    const long long invokeId = idField != nullptr ? std::atoll(idField + sizeof kIdField - 1) : -1;
    g_free(text);
    const std::string script = "window.__jsb.onResponse(" + self->payload_ + ", " + std::to_string(invokeId) + ")";
    webkit_web_view_evaluate_javascript(self->view_, script.c_str(), static_cast<gssize>(script.size()), nullptr,
                                        nullptr, nullptr, nullptr, nullptr);
  }

  std::string payload_;
  WebKitWebView* view_ = nullptr;
};

// What the kit answers to getToken, encoded as the kit encodes it.
std::string tokenAnswerText() {
  WebViewResponse response{std::nullopt, std::map<std::string, AnyCodable>{{"token", AnyCodable(std::string(kToken))}},
                           true};
  return JSONEncoder().encode(response);
}

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "roundtrip: %s\n", what);
  std::exit(1);
}

// One side of the comparison: its view, and the moments its page's messages
// reach this process.
struct Side {
  const char* name;
  WebKitWebView* view = nullptr;
  GtkWindow* window = nullptr;
  std::vector<Clock::time_point> arrivals;  // this round's
  std::vector<double> callMs;               // counted rounds
  std::vector<double> pageMeanMs;           // counted rounds, as the page timed them
  std::string answer;

  Side(const char* sideName, WebKitWebView* webView, GtkWindow* shownIn)
      : name(sideName), view(webView), window(shownIn) {
    // Connected after the side's own handler: the interval between two
    // messages is one cycle wherever it is cut, as long as it is cut alike.
    g_signal_connect(webkit_web_view_get_user_content_manager(view), "script-message-received::jsb",
                     G_CALLBACK(onMessage), this);
  }

  static void onMessage(WebKitUserContentManager*, JSCValue*, gpointer self) {
    static_cast<Side*>(self)->arrivals.push_back(Clock::now());
  }
};

// Runs one round of calls in the page; counted rounds keep their times.
void runRound(Side& side, int round, bool counted) {
  const std::string tag = "done " + std::to_string(round);
  const std::string start = "measure(" + std::to_string(kCallsPerRound) + ", " +
                            std::to_string(round * kCallsPerRound + 1) + ", '" + tag + "'); undefined";
  gtk_window_present(side.window);
  spinFor(kShowSettle);
  side.arrivals.clear();
  webkit_web_view_evaluate_javascript(side.view, start.c_str(), -1, nullptr, nullptr, nullptr, nullptr, nullptr);
  const bool finished = spinUntil([&] {
    const char* title = webkit_web_view_get_title(side.view);
    return title != nullptr && tag == title;
  });
  if (!finished) fail("a round did not finish: the bridge gave no answer");
  gtk_widget_set_visible(GTK_WIDGET(side.window), FALSE);
  const auto elapsed = evaluateToString(side.view, "String(window.__elapsed)");
  side.answer = evaluateToString(side.view, "window.__answer").value_or("");
  if (!elapsed || side.arrivals.size() != kCallsPerRound) fail("the page did not make its calls");
  if (!counted) return;
  side.pageMeanMs.push_back(std::stod(*elapsed) / kCallsPerRound);
  for (std::size_t i = 1; i < side.arrivals.size(); ++i) {
    side.callMs.push_back(std::chrono::duration<double, std::milli>(side.arrivals[i] - side.arrivals[i - 1]).count());
  }
}

void printSide(const Side& side) {
  std::printf("%-5s per call: median %6.3f ms  p99 %6.3f ms  (%zu calls) | page-timed mean %6.3f ms\n", side.name,
              median(side.callMs), percentile(side.callMs, 0.99), side.callMs.size(), median(side.pageMeanMs));
}

}  // namespace

int main() {
  if (!gtk_init_check()) fail("no display: run under xvfb-run");
  testing::ScratchDirectory scratch;
  const auto page = scratch / "dist" / kPageName / "index.html";
  std::filesystem::create_directories(page.parent_path());
  std::ofstream(page) << kPage;
  platform::foundation::Bundle::setKitBundlePath(scratch.path());
  prepareKit(scratch.path() / "user-defaults.sqlite3");
  platform::foundation::UserDefaults::standard().set(kLoginUserTokenKey, std::string(kToken));

  auto screen = H5ContentViewController::make(kPageName, std::nullopt);
  auto window = platform::ui::Window::make();
  window->setRootViewController(screen);
  window->makeKeyAndVisible();
  Side ours("ours", webKitViewOf(*screen->webview()), platform::gtk::gtkWindowOf(*window));

  BareBridgePage bare(tokenAnswerText(), ours.view, page.parent_path());
  Side floor("bare", bare.view(), showInPlainWindow(GTK_WIDGET(bare.view())));
  webkit_web_view_load_uri(bare.view(), URL::fileURL(page).absoluteString().c_str());

  if (!awaitLoaded(ours.view) || !awaitLoaded(floor.view)) fail("a page did not load");
  for (const Side* side : {&ours, &floor}) gtk_widget_set_visible(GTK_WIDGET(side->window), FALSE);

  for (int round = 0; round <= kMeasuredRounds; ++round) {
    Side& first = round % 2 == 0 ? ours : floor;
    Side& second = round % 2 == 0 ? floor : ours;
    for (Side* side : {&first, &second}) runRound(*side, round, round > 0);
  }

  std::printf("bridge round trip, %d rounds of %d sequential calls each side\n", kMeasuredRounds, kCallsPerRound);
  printSide(ours);
  printSide(floor);
  std::printf("answer: %s%s\n", ours.answer.c_str(), ours.answer == floor.answer ? "" : " (bare side differs!)");
  zephro::bench::printRatio("roundtrip", median(ours.callMs) / median(floor.callMs));
  zephro::bench::printRatio("roundtrip_p99", percentile(ours.callMs, 0.99) / percentile(floor.callMs, 0.99));
  return 0;
}
