// Memory of the kit's screens as a host shows them, on real WebKitGTK: the
// home screen opened above the host's screen, its login page replaced by the
// four-tab screen (each tab visited once, so each has loaded its page of the
// sample bundle) and two pages pushed above it: six live web views. Once all
// have loaded and settled, the proportional set sizes (Pss) of the UI process
// and of every process it started (web processes, network process) are
// summed.
//   ours:     the kit as shipped, its web views sharing one web process;
//   baseline: the same screens with a web process per web view
//             (ZEPHRO_WEB_PROCESS_PER_VIEW=1).
// Each arrangement runs in a fresh process, this program started again with
// --screens; the runs go ours, baseline, baseline, ours.
#include <gtk/gtk.h>

#include <cstdio>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <unistd.h>
#include <vector>

#include "bench/gtk/child_runs.h"
#include "bench/gtk/kit_host.h"
#include "bench/gtk/process_tree_memory.h"
#include "bench/gtk/sample_statistics.h"
#include "bench/gtk/web_view_probe.h"
#include "bench_support.h"
#include "tests/gtk/support/main_loop_spin.h"
#include "tests/gtk/support/webkit_view.h"
#include "tests/support/scratch_directory.h"
#include "zephro/h5/h5_content_view_controller.h"
#include "zephro/platform/foundation/notification_center.h"
#include "zephro/platform/ui/navigation_controller.h"
#include "zephro/scopes/view_stack_jsb.h"
#include "zephro/screens/zp_root_view_controller.h"
#include "zephro/screens/zp_tabbar_view_controller.h"

namespace {

using namespace zephro;
using namespace zephro::bench::gtk;
using namespace zephro::testing::gtk;

constexpr char kScreensFlag[] = "--screens";
constexpr auto kSettle = 3s;
constexpr char kPushedPage[] = "detail";

struct Arrangement {
  const char* name;
  std::map<std::string, std::string> environment;
};

const Arrangement kOurs{"ours", {}};
const Arrangement kBaseline{"baseline", {{"ZEPHRO_WEB_PROCESS_PER_VIEW", "1"}}};

// --- the child: builds the screens and reports their memory -----------------

std::string failure(const std::string& what) { return nlohmann::json{{"error", what}}.dump(); }

std::shared_ptr<H5ContentViewController> pageScreen(const std::shared_ptr<platform::ui::ViewController>& screen) {
  return std::dynamic_pointer_cast<H5ContentViewController>(screen);
}

bool pageLoaded(const std::shared_ptr<H5ContentViewController>& page) {
  return page && awaitLoaded(webKitViewOf(*page->webview()));
}

std::shared_ptr<ZPRootViewController> awaitRootChild() {
  std::shared_ptr<ZPRootViewController> root;
  spinUntil([&root] {
    root = ZPRootViewController::current();
    return root && root->child();
  });
  return root;
}

// Visits every tab, so that each loads its page, and comes back to the first.
bool visitTabs(ZPTabbarViewController& tabs) {
  for (std::size_t index = 0; index < tabs.viewControllers().size(); ++index) {
    tabs.setSelectedIndex(index);
    if (!pageLoaded(pageScreen(tabs.viewControllers()[index]))) return false;
  }
  tabs.setSelectedIndex(0);
  return true;
}

bool pushPage(H5ContentViewController& from) {
  from.navigateTo(kPushedPage, std::nullopt, false);
  auto navigation = from.navigationController();
  return navigation && pageLoaded(pageScreen(navigation->viewControllers().back()));
}

std::string memoryReport() {
  struct Group {
    int count = 0;
    long kb = 0;
  };
  const auto processes = processTreeMemory(getpid());
  std::map<std::string, Group> groups;
  for (const auto& process : processes) {
    Group& group = groups[process.name];
    ++group.count;
    group.kb += process.pssKb;
  }
  nlohmann::json byName = nlohmann::json::object();
  for (const auto& [name, group] : groups) byName[name] = {{"count", group.count}, {"kb", group.kb}};
  return nlohmann::json{{"totalKb", totalPssKb(processes)}, {"byName", byName}}.dump();
}

// `host` keeps the screens open until the process ends.
std::string showScreensAndMeasure(const std::filesystem::path& store, HostWindow& host) {
  if (!gtk_init_check()) return failure("no display: run under xvfb-run");
  prepareKit(store);
  host = openKitHome();
  auto root = awaitRootChild();
  if (!root || !pageLoaded(pageScreen(root->child()))) return failure("the login page did not load");

  platform::foundation::NotificationCenter::defaultCenter().post(kLoginStateChangedNotification,
                                                                 std::string("native/tabbar"));
  auto tabs = std::dynamic_pointer_cast<ZPTabbarViewController>(root->child());
  if (!tabs || !visitTabs(*tabs)) return failure("the tab pages did not load");
  auto first = pageScreen(tabs->viewControllers().front());
  if (!pushPage(*first)) return failure("the first pushed page did not load");
  if (!pushPage(*pageScreen(first->navigationController()->viewControllers().back()))) {
    return failure("the second pushed page did not load");
  }
  spinFor(kSettle);
  return memoryReport();
}

int runScreens(const std::filesystem::path& store) {
  HostWindow host;
  reportToParent(showScreensAndMeasure(store, host));
  // Tearing WebKit down would only cost time: the parent waits for all.
  std::fflush(nullptr);
  _exit(0);
}

// --- the parent: runs the arrangements and compares -------------------------

std::string breakdown(const nlohmann::json& byName) {
  std::string text;
  for (const auto& [name, entry] : byName.items()) {
    char part[128];
    std::snprintf(part, sizeof part, "  %s x%d %.1f MB", name.c_str(), entry.value("count", 0),
                  entry.value("kb", 0L) / 1024.0);
    text += part;
  }
  return text;
}

// Runs one arrangement and adds its total (kB) to `totalsKb`.
bool measureOnce(const Arrangement& arrangement, const std::filesystem::path& store, std::vector<double>& totalsKb) {
  const ChildRun run = runChild({kScreensFlag, store.string()}, arrangement.environment);
  const auto report = nlohmann::json::parse(run.report.value_or("{}"), nullptr, false);
  if (!report.is_object() || !report.contains("totalKb")) {
    std::fprintf(stderr, "memory: %s run failed: %s\n", arrangement.name, run.report.value_or("no report").c_str());
    return false;
  }
  const double totalKb = report["totalKb"].get<double>();
  totalsKb.push_back(totalKb);
  std::printf("%-8s %7.1f MB:%s\n", arrangement.name, totalKb / 1024.0, breakdown(report["byName"]).c_str());
  std::fflush(stdout);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == kScreensFlag) return runScreens(argv[2]);

  adoptOrphans();
  testing::ScratchDirectory scratch;
  std::map<std::string, std::vector<double>> totalsKb;
  int run = 0;
  for (const Arrangement* arrangement : {&kOurs, &kBaseline, &kBaseline, &kOurs}) {
    const auto store = scratch.path() / ("user-defaults-" + std::to_string(run++) + ".sqlite3");
    if (!measureOnce(*arrangement, store, totalsKb[arrangement->name])) return 1;
  }
  const double ours = median(totalsKb[kOurs.name]);
  const double baseline = median(totalsKb[kBaseline.name]);
  std::printf("six web views shown (four tabs, two pushed pages): ours %.1f MB, baseline %.1f MB (medians)\n",
              ours / 1024.0, baseline / 1024.0);
  zephro::bench::printRatio("memory", ours / baseline);
  return 0;
}
