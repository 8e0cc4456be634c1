// One bridge call, page to native code and back, on real WebKitGTK. A page
// awaits 1,000 sequential "app"/"getToken" calls, in the kit and in a bare
// WebKit view whose handler answers at once with the same text (WebKit's own
// message and script round trip, the floor; see bridge_sides.h).
// WebKit rounds performance.now() to whole milliseconds, coarser than one
// call, so the page times only its whole run (the mean per call). Each call's
// own time is taken in this process, at microsecond resolution, as the time
// between two successive messages of the page: one full cycle of answer,
// page script and next message. Rounds of both alternate (which goes first
// alternates too); a first pair warms up and is not counted.
// The UI process's share of a call, the handler's time, is taken from an
// emission hook (GLib runs those before any handler) to a handler connected
// after the side's own: that is where the kit's own work shows.
#include <gtk/gtk.h>
#include <webkit/webkit.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <initializer_list>
#include <vector>

#include "bench/gtk/bridge_sides.h"
#include "bench/gtk/sample_statistics.h"
#include "bench/gtk/web_view_probe.h"
#include "bench_support.h"
#include "tests/gtk/support/main_loop_spin.h"
#include "zephro/testing/scratch_directory.h"

namespace {

using namespace zephro;
using namespace zephro::bench::gtk;
using namespace zephro::testing::gtk;

constexpr int kCallsPerRound = 1000;
constexpr int kMeasuredRounds = 20;
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

// One side of the comparison: its view, and the moments its page's messages
// reach this process.
struct Side {
  const char* name;
  WebKitWebView* view = nullptr;
  GtkWindow* window = nullptr;
  std::vector<Clock::time_point> arrivals;  // this round's
  Clock::time_point emitted;                // the current message's
  std::vector<double> handlerUs;            // counted rounds
  bool counting = false;
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
    auto* side = static_cast<Side*>(self);
    side->arrivals.push_back(Clock::now());
    if (side->counting) {
      side->handlerUs.push_back(std::chrono::duration<double, std::micro>(side->arrivals.back() - side->emitted).count());
    }
  }
};

// Stamps the start of each message's emission on the side it is for.
void hookEmissions(std::initializer_list<Side*> sides) {
  static std::vector<Side*> hooked(sides);
  const guint signal = g_signal_lookup("script-message-received", WEBKIT_TYPE_USER_CONTENT_MANAGER);
  g_signal_add_emission_hook(
      signal, 0,
      [](GSignalInvocationHint*, guint, const GValue* values, gpointer) -> gboolean {
        const gpointer manager = g_value_get_object(&values[0]);
        for (Side* side : hooked) {
          if (webkit_web_view_get_user_content_manager(side->view) == manager) side->emitted = Clock::now();
        }
        return TRUE;
      },
      nullptr, nullptr);
}

// Runs one round of calls in the page; counted rounds keep their times.
void runRound(Side& side, int round, bool counted) {
  const std::string tag = "done " + std::to_string(round);
  const std::string start = "measure(" + std::to_string(kCallsPerRound) + ", " +
                            std::to_string(round * kCallsPerRound + 1) + ", '" + tag + "'); undefined";
  side.arrivals.clear();
  side.counting = counted;
  if (!runShownRound(side.view, side.window, start, tag, 15s)) failBenchmark("roundtrip: a round did not finish: the bridge gave no answer");
  const auto elapsed = evaluateToString(side.view, "String(window.__elapsed)");
  side.answer = evaluateToString(side.view, "window.__answer").value_or("");
  if (!elapsed || side.arrivals.size() != kCallsPerRound) failBenchmark("roundtrip: the page did not make its calls");
  if (!counted) return;
  side.pageMeanMs.push_back(std::stod(*elapsed) / kCallsPerRound);
  for (std::size_t i = 1; i < side.arrivals.size(); ++i) {
    side.callMs.push_back(std::chrono::duration<double, std::milli>(side.arrivals[i] - side.arrivals[i - 1]).count());
  }
}

void printSide(const Side& side) {
  std::printf(
      "%-5s per call: median %6.3f ms  p99 %6.3f ms  (%zu calls) | page-timed mean %6.3f ms | UI handler median "
      "%5.1f us\n",
      side.name, median(side.callMs), percentile(side.callMs, 0.99), side.callMs.size(), median(side.pageMeanMs),
      median(side.handlerUs));
}

}  // namespace

int main() {
  if (!gtk_init_check()) failBenchmark("roundtrip: no display: run under xvfb-run");
  testing::ScratchDirectory scratch;
  BridgeSides sides(scratch, kPageName, kPage, kToken);
  Side ours("ours", sides.oursView(), sides.oursWindow());
  Side floor("bare", sides.bareView(), sides.bareWindow());
  hookEmissions({&ours, &floor});

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
