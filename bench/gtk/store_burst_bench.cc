// A page's burst of 10,000 "app"/"setUserDefaults" calls, posted at once and
// timed until a following "getUserDefaults" answers the last value written,
// against the same page's burst of 10,000 "app"/"getToken" calls, timed until
// the last answer arrived. Both run on the kit's page screen on real
// WebKitGTK, rounds alternating (which goes first alternates too), after a
// first pair that warms up and is not counted. The page times each burst.
#include <gtk/gtk.h>
#include <webkit/webkit.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/gtk/kit_page.h"
#include "bench/gtk/sample_statistics.h"
#include "bench/gtk/web_view_probe.h"
#include "bench_support.h"
#include "tests/gtk/support/main_loop_spin.h"
#include "tests/gtk/support/webkit_view.h"

namespace {

using namespace zephro;
using namespace zephro::bench::gtk;
using namespace zephro::testing::gtk;

constexpr int kCalls = 10000;
constexpr int kMeasuredRounds = 7;
constexpr char kPageName[] = "storeburst";

// Every burst ends on the answer with `lastId`; the page then shows `tag`.
constexpr char kPage[] = R"html(<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>ready</title>
<script>
'use strict';
var finish = null;
window.__jsb = { onResponse: function (payload, invokeId) { if (finish) finish(payload, invokeId); } };
window.__eventBus = { emit: function () {} };
function post(method, params, invokeId) {
  webkit.messageHandlers.jsb.postMessage(JSON.stringify({scope: 'app', method: method, params: params, invokeId: invokeId}));
}
function done(start, tag) {
  finish = null;
  window.__elapsed = performance.now() - start;
  document.title = tag;
}
function writeBurst(count, firstId, tag) {
  var start = performance.now();
  var lastId = firstId + count;
  finish = function (payload, invokeId) {
    if (invokeId === lastId && payload.responseBody.value === lastId - 1) done(start, tag);
  };
  for (var i = 0; i < count; i++) post('setUserDefaults', {key: 'burst', value: firstId + i}, firstId + i);
  post('getUserDefaults', {key: 'burst'}, lastId);
}
function readBurst(count, firstId, tag) {
  var start = performance.now();
  var answered = 0;
  finish = function () { if (++answered === count) done(start, tag); };
  for (var i = 0; i < count; i++) post('getToken', undefined, firstId + i);
}
</script></head><body><p>store burst</p></body></html>
)html";

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "store_burst: %s\n", what);
  std::exit(1);
}

// Runs one burst; returns the milliseconds the page measured.
double runBurst(WebKitWebView* view, const char* burst, int round) {
  const std::string tag = std::string(burst) + " " + std::to_string(round);
  const std::string start = std::string(burst) + "(" + std::to_string(kCalls) + ", " +
                            std::to_string((round + 1) * 2 * kCalls) + ", '" + tag + "'); undefined";
  webkit_web_view_evaluate_javascript(view, start.c_str(), -1, nullptr, nullptr, nullptr, nullptr, nullptr);
  const bool finished = spinUntil(
      [&] {
        const char* title = webkit_web_view_get_title(view);
        return title != nullptr && tag == title;
      },
      120s);
  if (!finished) fail("a burst did not finish");
  const auto elapsed = evaluateToString(view, "String(window.__elapsed)");
  if (!elapsed) fail("the page did not time its burst");
  return std::stod(*elapsed);
}

}  // namespace

int main() {
  if (!gtk_init_check()) fail("no display: run under xvfb-run");
  auto page = showKitPage(kPageName, kPage, "bench-token");
  if (!awaitLoaded(page->view)) fail("the page did not load");

  std::vector<double> writesMs, readsMs;
  for (int round = 0; round <= kMeasuredRounds; ++round) {
    const bool writesFirst = round % 2 == 0;
    double first = runBurst(page->view, writesFirst ? "writeBurst" : "readBurst", round);
    double second = runBurst(page->view, writesFirst ? "readBurst" : "writeBurst", round);
    if (round == 0) continue;
    writesMs.push_back(writesFirst ? first : second);
    readsMs.push_back(writesFirst ? second : first);
  }
  std::printf("%d calls per burst, %d rounds\n", kCalls, kMeasuredRounds);
  std::printf("setUserDefaults burst: median %8.1f ms (min %8.1f, max %8.1f)\n", median(writesMs),
              percentile(writesMs, 0), percentile(writesMs, 1));
  std::printf("getToken burst:        median %8.1f ms (min %8.1f, max %8.1f)\n", median(readsMs),
              percentile(readsMs, 0), percentile(readsMs, 1));
  zephro::bench::printRatio("store_burst", median(writesMs) / median(readsMs));
  return 0;
}
