// Cold start on real WebKitGTK: from starting a process to the moment its
// first page has finished loading, the login page of the sample bundle.
//   ours: a host the way the demo runs the kit: GTK initialised, the backend
//         installed, the kit prepared, a window with the host's screen and
//         the kit's home screen opened above it;
//   bare: a GtkWindow with a WebKitWebView loading the same file.
// Each run is this program started again (--start kit|bare); it reports the
// moment the load finished on a pipe and exits, and the time is taken from
// just before the fork. Runs alternate, a first pair warms the caches up.
#include <gtk/gtk.h>
#include <webkit/webkit.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "bench/gtk/child_runs.h"
#include "bench/gtk/kit_host.h"
#include "bench/gtk/plain_window.h"
#include "bench/gtk/sample_statistics.h"
#include "bench_support.h"
#include "tests/gtk/support/main_loop_spin.h"
#include "zephro/testing/scratch_directory.h"
#include "zephro/platform/foundation/bundle.h"
#include "zephro/platform/foundation/url.h"

namespace {

using namespace zephro;
using namespace zephro::bench::gtk;
using namespace zephro::testing::gtk;
using Clock = std::chrono::steady_clock;

constexpr char kStartFlag[] = "--start";
constexpr char kKit[] = "kit";
constexpr char kBare[] = "bare";
constexpr int kMeasuredPairs = 7;

// --- the child ---------------------------------------------------------------

// Any web view's first finished load ends the run: its moment and address go
// to the parent. A hook on the signal sees the kit's views and the bare one
// alike, without reaching into either.
gboolean reportFinishedLoad(GSignalInvocationHint*, guint, const GValue* values, gpointer) {
  if (g_value_get_enum(&values[1]) != WEBKIT_LOAD_FINISHED) return TRUE;
  const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
  const char* uri = webkit_web_view_get_uri(WEBKIT_WEB_VIEW(g_value_get_object(&values[0])));
  reportToParent(std::to_string(now) + " " + (uri != nullptr ? uri : "?"));
  // Tearing WebKit down would only cost time: the parent waits for all.
  std::fflush(nullptr);
  _exit(0);
}

void watchFirstLoad() {
  g_type_class_ref(WEBKIT_TYPE_WEB_VIEW);
  g_signal_add_emission_hook(g_signal_lookup("load-changed", WEBKIT_TYPE_WEB_VIEW), 0, reportFinishedLoad, nullptr,
                             nullptr);
}

void showBarePage(const std::string& page) {
  GtkWidget* view = webkit_web_view_new();
  showInPlainWindow(view);
  webkit_web_view_load_uri(WEBKIT_WEB_VIEW(view), URL::fileURL(page).absoluteString().c_str());
}

int startAndShow(const std::string& arrangement, const std::string& page, const std::string& store) {
  if (!gtk_init_check()) {
    std::fprintf(stderr, "cold_start: no display: run under xvfb-run\n");
    return 1;
  }
  watchFirstLoad();
  HostWindow kitScreens;  // open until the process exits
  if (arrangement == kKit) {
    prepareKit(store);
    kitScreens = openKitHome();
  } else {
    showBarePage(page);
  }
  spinFor(60s);
  return 1;  // no page finished loading in time
}

// --- the parent --------------------------------------------------------------

struct Runs {
  const char* name;
  std::vector<double> ms;
};

// Milliseconds from the fork to the reported load, or a negative number when
// the child reported none.
double timeOneStart(const char* arrangement, const std::string& page, const std::string& store, std::string& uri) {
  const ChildRun run = runChild({kStartFlag, arrangement, page, store});
  if (!run.report) return -1;
  long long finishedNs = 0;
  std::istringstream(*run.report) >> finishedNs >> uri;
  const auto started = std::chrono::duration_cast<std::chrono::nanoseconds>(run.started.time_since_epoch()).count();
  return static_cast<double>(finishedNs - started) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 5 && std::string(argv[1]) == kStartFlag) return startAndShow(argv[2], argv[3], argv[4]);

  adoptOrphans();
  testing::ScratchDirectory scratch;
  const std::string store = (scratch.path() / "user-defaults.sqlite3").string();
  const auto page = platform::foundation::Bundle::kit().bundlePath() / "dist" / "login" / "index.html";
  if (!std::filesystem::exists(page)) {
    std::fprintf(stderr, "cold_start: no sample bundle at %s (build zephro_dist)\n", page.c_str());
    return 1;
  }
  Runs ours{"ours", {}};
  Runs bare{"bare", {}};
  for (int pair = 0; pair <= kMeasuredPairs; ++pair) {
    Runs* order[] = {&ours, &bare};
    if (pair % 2 == 1) std::swap(order[0], order[1]);
    for (Runs* runs : order) {
      std::string uri;
      const double ms = timeOneStart(runs == &ours ? kKit : kBare, page.string(), store, uri);
      if (ms < 0) {
        std::fprintf(stderr, "cold_start: the %s run reported no finished load\n", runs->name);
        return 1;
      }
      if (pair == 0) std::printf("%-4s first page %s\n", runs->name, uri.c_str());
      if (pair > 0) runs->ms.push_back(ms);
    }
  }
  for (const Runs* runs : {&ours, &bare}) {
    std::printf("%-4s median %7.1f ms  (min %7.1f, max %7.1f, %zu runs)\n", runs->name, median(runs->ms),
                percentile(runs->ms, 0), percentile(runs->ms, 1), runs->ms.size());
  }
  zephro::bench::printRatio("cold_start", median(ours.ms) / median(bare.ms));
  return 0;
}
