// Memory a closed screen leaves behind, on real WebKitGTK: a page screen is
// pushed above the kit's login page, waits for its page ("detail" of the
// sample bundle) and is popped, both animated, again and again. The growth of
// the proportional set sizes (Pss, settled, the UI process's free heap given
// back) from after a few warm-up cycles to the end is taken per process kind.
//   ours: the kit's page screens in the host's navigation stack;
//   bare: WebKit views pushed onto and popped off a GtkStack, sliding as long
//         as the kit's screens, in one shared web process: the floor.
// Each arrangement runs in a fresh process, this program started again with
// --churn; the pairs alternate which goes first.
// Usage: zephro_gtk_screen_churn_bench [cycles [pairs]] (300 and 1 by default).
#include <gtk/gtk.h>

#include <cstdio>
#include <cstdlib>
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
#include "tests/gtk/support/main_loop_spin.h"
#include "zephro/testing/scratch_directory.h"
#include "zephro/platform/ui/navigation_controller.h"

namespace {

using namespace zephro;
using namespace zephro::bench::gtk;
using namespace zephro::testing::gtk;

constexpr char kChurnFlag[] = "--churn";
constexpr char kPushedPage[] = "detail";
constexpr int kWarmUpCycles = 5;
constexpr auto kSettle = 5s;

// --- the child: churns and reports the memory before and after --------------

std::string failure(const std::string& what) { return nlohmann::json{{"error", what}}.dump(); }

// One push/pop cycle of a page screen above `base`; false when the page did
// not load or the closed screen was not released.
bool kitCycle(H5ContentViewController& base) {
  std::weak_ptr<H5ContentViewController> pushed = pushPage(base, kPushedPage, true);
  auto navigation = base.navigationController();
  if (pushed.expired() || !navigation) return false;
  navigation->popViewController(true);
  return spinUntil([&pushed] { return pushed.expired(); });
}

bool bareCycle(BarePages& pages) {
  if (!pages.push(kPushedPage, true)) return false;
  pages.pop(true);
  return true;
}

template <typename Cycle>
std::string churn(int cycles, Cycle cycle) {
  for (int done = 0; done < kWarmUpCycles; ++done) {
    if (!cycle()) return failure("a warm-up cycle failed");
  }
  const auto before = settledMemoryReport(kSettle);
  for (int done = 0; done < cycles; ++done) {
    if (!cycle()) return failure("cycle " + std::to_string(done) + " failed");
  }
  return nlohmann::json{{"before", before}, {"after", settledMemoryReport(kSettle)}}.dump();
}

std::string churnKit(const std::filesystem::path& store, int cycles) {
  prepareKit(store);
  HostWindow host = openKitHome();
  auto root = awaitRootChild();
  auto login = root ? pageScreen(root->child()) : nullptr;
  if (!login) return failure("the login page did not load");
  return churn(cycles, [&login] { return kitCycle(*login); });
}

std::string churnBare(int cycles) {
  BarePages pages;
  if (!pages.push("login", false)) return failure("the bare login page did not load");
  return churn(cycles, [&pages] { return bareCycle(pages); });
}

int runChurn(const std::string& arrangement, const std::filesystem::path& store, int cycles) {
  if (!gtk_init_check()) {
    reportToParent(failure("no display: run under xvfb-run"));
    return 1;
  }
  reportToParent(arrangement == "ours" ? churnKit(store, cycles) : churnBare(cycles));
  // Tearing WebKit down would only cost time: the parent waits for all.
  std::fflush(nullptr);
  _exit(0);
}

// --- the parent: runs the arrangements and compares -------------------------

struct Growth {
  double uiKb = 0;
  double othersKb = 0;  // web, network and other helper processes
  double totalKb() const { return uiKb + othersKb; }
};

std::optional<Growth> measureOnce(const std::string& arrangement, const std::filesystem::path& store, int cycles) {
  const auto timeout = std::chrono::seconds(120 + 3 * cycles);
  const ChildRun run = runChild({kChurnFlag, arrangement, store.string(), std::to_string(cycles)}, {}, timeout);
  const auto report = nlohmann::json::parse(run.report.value_or("{}"), nullptr, false);
  if (!report.is_object() || !report.contains("after")) {
    std::fprintf(stderr, "screen_churn: %s run failed: %s\n", arrangement.c_str(), run.report.value_or("none").c_str());
    return std::nullopt;
  }
  const auto& before = report["before"];
  const auto& after = report["after"];
  Growth growth;
  growth.uiKb = after["uiKb"].get<double>() - before["uiKb"].get<double>();
  growth.othersKb = after["totalKb"].get<double>() - before["totalKb"].get<double>() - growth.uiKb;
  std::printf("%-4s +%.1f MB UI, +%.1f MB others; after:%s\n", arrangement.c_str(), growth.uiKb / 1024,
              growth.othersKb / 1024, memoryBreakdown(after["byName"]).c_str());
  std::fflush(stdout);
  return growth;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 5 && std::string(argv[1]) == kChurnFlag) return runChurn(argv[2], argv[3], std::atoi(argv[4]));

  const int cycles = argc > 1 ? std::atoi(argv[1]) : 300;
  const int pairs = argc > 2 ? std::atoi(argv[2]) : 1;
  adoptOrphans();
  testing::ScratchDirectory scratch;
  std::map<std::string, std::vector<double>> growthKb;
  for (int pair = 0; pair < pairs; ++pair) {
    const char* order[] = {"ours", "bare"};
    if (pair % 2 == 1) std::swap(order[0], order[1]);
    for (const char* arrangement : order) {
      const auto store = scratch.path() / ("user-defaults-" + std::to_string(pair) + ".sqlite3");
      const auto growth = measureOnce(arrangement, store, cycles);
      if (!growth) return 1;
      growthKb[arrangement].push_back(growth->totalKb());
    }
  }
  const double ours = median(growthKb["ours"]);
  const double bare = median(growthKb["bare"]);
  std::printf("growth after %d push/pop cycles, medians: ours +%.1f MB, bare +%.1f MB\n", cycles, ours / 1024,
              bare / 1024);
  zephro::bench::printRatio("screen_churn", ours / bare);
  return 0;
}
