// A burst of bridge calls on real WebKitGTK: a page fires 10,000
// "app"/"getToken" calls at once, without waiting for answers, in the kit and
// in a bare WebKit view whose handler evaluates one answer script per message
// (see bridge_sides.h). The page times the burst from its first call to its
// last answer; the rate is answered calls per second. Rounds of both sides
// alternate (which goes first alternates too) after a pair that warms up.
//
// Then the kit alone answers a burst of 100,000 calls: the page checks that
// every call got exactly one answer, and this process's memory is read before
// the burst and once it has settled after it.
#include <gtk/gtk.h>
#include <unistd.h>
#include <webkit/webkit.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/gtk/bridge_sides.h"
#include "bench/gtk/process_tree_memory.h"
#include "bench/gtk/sample_statistics.h"
#include "bench/gtk/web_view_probe.h"
#include "bench_support.h"
#include "tests/gtk/support/main_loop_spin.h"
#include "zephro/testing/scratch_directory.h"

namespace {

using namespace zephro;
using namespace zephro::bench::gtk;
using namespace zephro::testing::gtk;

constexpr int kCallsPerBurst = 10000;
constexpr int kLongBurst = 100000;
constexpr int kMeasuredRounds = 9;
// How long the page keeps listening after its last answer, for extra ones.
constexpr auto kLateAnswerWait = 500ms;
constexpr auto kMemorySettle = 2s;
constexpr char kPageName[] = "burst";
constexpr char kToken[] = "bench-token-4f1d2c9a7b6e5d3c";

// The page counts answers per call id: a missing or a second answer shows.
constexpr char kPage[] = R"html(<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>ready</title>
<script>
'use strict';
var firstId = 0, answered = 0, seen = new Uint8Array(0), start = 0, tag = '';
window.__jsb = { onResponse: function (payload, invokeId) {
  var index = invokeId - firstId;
  if (index < 0 || index >= seen.length) return;
  seen[index]++;
  if (++answered === seen.length) {
    window.__elapsed = performance.now() - start;
    document.title = tag;
  }
} };
window.__eventBus = { emit: function () {} };
function burst(count, first, roundTag) {
  firstId = first; answered = 0; seen = new Uint8Array(count); tag = roundTag;
  start = performance.now();
  for (var i = 0; i < count; i++) {
    webkit.messageHandlers.jsb.postMessage(JSON.stringify({scope: 'app', method: 'getToken', invokeId: first + i}));
  }
}
function tally() {
  var missing = 0, repeated = 0;
  for (var i = 0; i < seen.length; i++) { if (seen[i] === 0) missing++; if (seen[i] > 1) repeated++; }
  return missing + ' missing, ' + repeated + ' answered more than once';
}
</script></head><body><p>bridge burst</p></body></html>
)html";

struct Side {
  const char* name;
  WebKitWebView* view;
  GtkWindow* window;
  std::vector<double> callsPerSecond;
};

// Fires one burst and waits for its last answer; the page's tally of it.
std::string runBurst(Side& side, int count, int round) {
  const std::string tag = "done " + std::to_string(round);
  const std::string start = "burst(" + std::to_string(count) + ", " + std::to_string(round * kLongBurst + 1) +
                            ", '" + tag + "'); undefined";
  if (!runShownRound(side.view, side.window, start, tag, 120s)) failBenchmark("burst: a burst was not answered in full");
  spinFor(kLateAnswerWait);
  const auto elapsed = evaluateToString(side.view, "String(window.__elapsed)");
  if (!elapsed) failBenchmark("burst: the page did not time its burst");
  side.callsPerSecond.push_back(count / (std::stod(*elapsed) / 1000));
  return evaluateToString(side.view, "tally()").value_or("no tally");
}

double ownMemoryMb() { return static_cast<double>(processTreeMemory(getpid()).front().pssKb) / 1024; }

}  // namespace

int main() {
  if (!gtk_init_check()) failBenchmark("burst: no display: run under xvfb-run");
  testing::ScratchDirectory scratch;
  BridgeSides sides(scratch, kPageName, kPage, kToken);
  Side ours{"ours", sides.oursView(), sides.oursWindow(), {}};
  Side bare{"bare", sides.bareView(), sides.bareWindow(), {}};

  std::vector<double> pairRatios;
  for (int round = 0; round <= kMeasuredRounds; ++round) {
    const bool oursFirst = round % 2 == 0;
    for (Side* side : {oursFirst ? &ours : &bare, oursFirst ? &bare : &ours}) runBurst(*side, kCallsPerBurst, round);
    if (round == 0) {
      ours.callsPerSecond.clear();
      bare.callsPerSecond.clear();
    } else {
      pairRatios.push_back(ours.callsPerSecond.back() / bare.callsPerSecond.back());
    }
  }
  std::printf("bridge burst, %d rounds of %d calls fired at once, each side\n", kMeasuredRounds, kCallsPerBurst);
  for (const Side* side : {&ours, &bare}) {
    std::printf("%-5s answered calls/s: median %8.0f  min %8.0f  max %8.0f\n", side->name,
                median(side->callsPerSecond), percentile(side->callsPerSecond, 0), percentile(side->callsPerSecond, 1));
  }
  std::printf("per-round ratio: min %.3f  max %.3f\n", percentile(pairRatios, 0), percentile(pairRatios, 1));

  spinFor(kMemorySettle);
  const double before = ownMemoryMb();
  const std::string tally = runBurst(ours, kLongBurst, kMeasuredRounds + 1);
  spinFor(kMemorySettle);
  const double after = ownMemoryMb();
  std::printf("ours, %d calls fired at once: %.0f calls/s, %s; UI process Pss %.1f MB before, %.1f MB after (%+.1f MB)\n",
              kLongBurst, ours.callsPerSecond.back(), tally.c_str(), before, after, after - before);
  bench::printRatio("burst_speedup", median(ours.callsPerSecond) / median(bare.callsPerSecond));
  return tally == "0 missing, 0 answered more than once" ? 0 : 1;
}
