// What a push costs the UI thread as the navigation stack grows, on real
// WebKitGTK: page screens showing "detail" of the sample bundle are pushed,
// unanimated, one above the other on top of the kit's login page until 50
// pages are live. Each push is timed in main-thread CPU time, from the call
// until the window has painted the new screen (making the screen and its web
// view, the engine's configuration, layout, realising, the first paint); its
// page then loads untimed.
//   ours:     the pushes that make the stack 41 to 50 pages deep;
//   baseline: the pushes that make it 2 to 11 deep, same run.
// Each run is this program started again (--climb), in a fresh process.
// Usage: zephro_gtk_push_depth_bench [runs] (3 by default).
#include <gtk/gtk.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

#include "bench/gtk/child_runs.h"
#include "bench/gtk/kit_host.h"
#include "bench/gtk/sample_statistics.h"
#include "bench_support.h"
#include "tests/gtk/support/main_loop_spin.h"
#include "zephro/testing/scratch_directory.h"
#include "zephro/platform/gtk/window_peer.h"
#include "zephro/platform/ui/navigation_controller.h"

namespace {

using namespace zephro;
using namespace zephro::bench::gtk;

constexpr char kClimbFlag[] = "--climb";
constexpr char kPushedPage[] = "detail";
constexpr int kDeepest = 50;
constexpr int kWindow = 10;

// --- the child: climbs and reports each push's time --------------------------

double threadCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

std::string failure(const std::string& what) { return nlohmann::json{{"error", what}}.dump(); }

// Main-thread CPU milliseconds from pushing `page` above `from` until the
// window's next paint; absent when no paint came.
std::optional<double> timePush(H5ContentViewController& from, GdkFrameClock* clock) {
  bool painted = false;
  const gulong handler = g_signal_connect_swapped(clock, "after-paint", G_CALLBACK(+[](bool* flag) { *flag = true; }),
                                                  &painted);
  const double start = threadCpuMs();
  from.navigateTo(kPushedPage, std::nullopt, false);
  const bool done = testing::gtk::spinUntil([&painted] { return painted; });
  const double ms = threadCpuMs() - start;
  g_signal_handler_disconnect(clock, handler);
  return done ? std::optional<double>(ms) : std::nullopt;
}

// The time of each push, index 0 making the stack two pages deep.
std::string climb(const std::filesystem::path& store) {
  prepareKit(store);
  HostWindow host = openKitHome();
  auto root = awaitRootChild();
  auto top = root ? pageScreen(root->child()) : nullptr;
  if (!top) return failure("the login page did not load");
  GdkFrameClock* clock = gtk_widget_get_frame_clock(GTK_WIDGET(platform::gtk::gtkWindowOf(*host.window)));
  std::vector<double> ms;
  for (int depth = 2; depth <= kDeepest; ++depth) {
    const auto took = timePush(*top, clock);
    top = pageScreen(top->navigationController()->viewControllers().back());
    if (!took || !pageLoaded(top)) return failure("the page at depth " + std::to_string(depth) + " did not load");
    ms.push_back(*took);
  }
  return nlohmann::json{{"ms", ms}}.dump();
}

int runClimb(const std::filesystem::path& store) {
  if (!gtk_init_check()) {
    reportToParent(failure("no display: run under xvfb-run"));
    return 1;
  }
  reportToParent(climb(store));
  // Tearing WebKit down would only cost time: the parent waits for all.
  std::fflush(nullptr);
  _exit(0);
}

// --- the parent --------------------------------------------------------------

std::vector<double> slice(const std::vector<double>& all, std::size_t from, std::size_t count) {
  return {all.begin() + static_cast<std::ptrdiff_t>(from), all.begin() + static_cast<std::ptrdiff_t>(from + count)};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == kClimbFlag) return runClimb(argv[2]);

  const int runs = argc > 1 ? std::atoi(argv[1]) : 3;
  adoptOrphans();
  testing::ScratchDirectory scratch;
  std::vector<double> ratios;
  for (int run = 0; run < runs; ++run) {
    const auto store = scratch.path() / ("user-defaults-" + std::to_string(run) + ".sqlite3");
    const ChildRun child = runChild({kClimbFlag, store.string()}, {}, 180s);
    const auto report = nlohmann::json::parse(child.report.value_or("{}"), nullptr, false);
    if (!report.is_object() || !report.contains("ms")) {
      std::fprintf(stderr, "push_depth: run failed: %s\n", child.report.value_or("no report").c_str());
      return 1;
    }
    const auto ms = report["ms"].get<std::vector<double>>();
    const double shallow = median(slice(ms, 0, kWindow));
    const double deep = median(slice(ms, ms.size() - kWindow, kWindow));
    std::printf("run %d: median push %.2f ms at depth 2-11, %.2f ms at depth 41-50\n", run + 1, shallow, deep);
    std::fflush(stdout);
    ratios.push_back(deep / shallow);
  }
  std::printf("ratio over %d runs: median %.3f (min %.3f, max %.3f)\n", runs, median(ratios), percentile(ratios, 0),
              percentile(ratios, 1));
  zephro::bench::printRatio("push_depth", median(ratios));
  return 0;
}
