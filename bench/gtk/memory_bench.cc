// Memory of the kit's screens as a host shows them, on real WebKitGTK: the
// home screen opened above the host's screen, its login page replaced by the
// four-tab screen (each tab visited once, so each has loaded its page of the
// sample bundle) and two pages pushed above it: six live web views. Once all
// have loaded and settled, the proportional set sizes (Pss) of the UI process
// and of every process it started (web processes, network process) are
// summed.
//   ours:     the kit as shipped, its web views sharing one web process;
//   shared:   bare WebKit views showing the same six pages in one shared web
//             process, in a GtkStack of a plain window: the floor;
//   per-view: the kit's screens with a web process per web view
//             (ZEPHRO_WEB_PROCESS_PER_VIEW=1), what WebKit does by default.
// Each arrangement runs in a fresh process, this program started again with
// --screens; the runs go ours, shared, per-view, per-view, shared, ours.
#include <gtk/gtk.h>

#include <array>
#include <cstdio>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <unistd.h>
#include <vector>

#include "bench/gtk/bare_pages.h"
#include "bench/gtk/child_runs.h"
#include "bench/gtk/kit_host.h"
#include "bench/gtk/process_tree_memory.h"
#include "bench/gtk/sample_statistics.h"
#include "bench_support.h"
#include "zephro/testing/scratch_directory.h"
#include "zephro/platform/foundation/notification_center.h"
#include "zephro/platform/ui/navigation_controller.h"
#include "zephro/screens/zp_root_view_controller.h"
#include "zephro/screens/zp_tabbar_view_controller.h"

namespace {

using namespace zephro;
using namespace zephro::bench::gtk;

constexpr char kScreensFlag[] = "--screens";
constexpr auto kSettle = 3s;
constexpr char kPushedPage[] = "detail";
// The pages of the four tabs, in order.
constexpr std::array<const char*, 4> kTabPages = {"home", "smarthome", "register", "forgetpassword"};

struct Arrangement {
  const char* name;
  const char* screens;  // what the child shows: "kit" or "bare"
  std::map<std::string, std::string> environment;
};

const Arrangement kOurs{"ours", "kit", {}};
const Arrangement kShared{"shared", "bare", {}};
const Arrangement kPerView{"per-view", "kit", {{"ZEPHRO_WEB_PROCESS_PER_VIEW", "1"}}};

// --- the child: builds the screens and reports their memory -----------------

std::string failure(const std::string& what) { return nlohmann::json{{"error", what}}.dump(); }

// Visits every tab, so that each loads its page, and comes back to the first.
bool visitTabs(ZPTabbarViewController& tabs) {
  for (std::size_t index = 0; index < tabs.viewControllers().size(); ++index) {
    tabs.setSelectedIndex(index);
    if (!pageLoaded(pageScreen(tabs.viewControllers()[index]))) return false;
  }
  tabs.setSelectedIndex(0);
  return true;
}

// `host` keeps the screens open until the process ends.
std::string showKitScreens(const std::filesystem::path& store, HostWindow& host) {
  prepareKit(store);
  host = openKitHome();
  auto root = awaitRootChild();
  if (!root) return failure("the login page did not load");

  platform::foundation::NotificationCenter::defaultCenter().post(kLoginStateChangedNotification,
                                                                 std::string("native/tabbar"));
  auto tabs = std::dynamic_pointer_cast<ZPTabbarViewController>(root->child());
  if (!tabs || !visitTabs(*tabs)) return failure("the tab pages did not load");
  auto first = pageScreen(tabs->viewControllers().front());
  auto second = pushPage(*first, kPushedPage, false);
  if (!second || !pushPage(*second, kPushedPage, false)) return failure("the pushed pages did not load");
  return {};
}

// The same six pages, each shown once as the kit's tabs are.
std::string showBarePages(std::unique_ptr<BarePages>& pages) {
  pages = std::make_unique<BarePages>();
  for (const char* page : kTabPages) {
    if (!pages->push(page, false)) return failure(std::string("the bare page did not load: ") + page);
  }
  if (!pages->push(kPushedPage, false) || !pages->push(kPushedPage, false)) return failure("bare pushed pages");
  return {};
}

int runScreens(const std::string& screens, const std::filesystem::path& store) {
  if (!gtk_init_check()) {
    reportToParent(failure("no display: run under xvfb-run"));
    return 1;
  }
  HostWindow host;
  std::unique_ptr<BarePages> pages;
  const std::string failed = screens == "kit" ? showKitScreens(store, host) : showBarePages(pages);
  reportToParent(failed.empty() ? settledMemoryReport(kSettle).dump() : failed);
  // Tearing WebKit down would only cost time: the parent waits for all.
  std::fflush(nullptr);
  _exit(0);
}

// --- the parent: runs the arrangements and compares -------------------------

// Runs one arrangement and adds its total (kB) to `totalsKb`.
bool measureOnce(const Arrangement& arrangement, const std::filesystem::path& store, std::vector<double>& totalsKb) {
  const ChildRun run = runChild({kScreensFlag, arrangement.screens, store.string()}, arrangement.environment);
  const auto report = nlohmann::json::parse(run.report.value_or("{}"), nullptr, false);
  if (!report.is_object() || !report.contains("totalKb")) {
    std::fprintf(stderr, "memory: %s run failed: %s\n", arrangement.name, run.report.value_or("no report").c_str());
    return false;
  }
  const double totalKb = report["totalKb"].get<double>();
  totalsKb.push_back(totalKb);
  std::printf("%-8s %7.1f MB:%s\n", arrangement.name, totalKb / 1024.0, memoryBreakdown(report["byName"]).c_str());
  std::fflush(stdout);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == kScreensFlag) return runScreens(argv[2], argv[3]);

  adoptOrphans();
  testing::ScratchDirectory scratch;
  std::map<std::string, std::vector<double>> totalsKb;
  int run = 0;
  for (const Arrangement* arrangement : {&kOurs, &kShared, &kPerView, &kPerView, &kShared, &kOurs}) {
    const auto store = scratch.path() / ("user-defaults-" + std::to_string(run++) + ".sqlite3");
    if (!measureOnce(*arrangement, store, totalsKb[arrangement->name])) return 1;
  }
  const double ours = median(totalsKb[kOurs.name]);
  const double shared = median(totalsKb[kShared.name]);
  const double perView = median(totalsKb[kPerView.name]);
  std::printf("six web views shown (four tabs, two pushed pages), medians: ours %.1f MB, shared %.1f MB, "
              "per-view %.1f MB\n",
              ours / 1024.0, shared / 1024.0, perView / 1024.0);
  zephro::bench::printRatio("memory_vs_shared", ours / shared);
  zephro::bench::printRatio("memory_vs_per_view_process", ours / perView);
  return 0;
}
