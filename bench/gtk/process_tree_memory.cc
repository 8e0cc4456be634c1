#include "bench/gtk/process_tree_memory.h"

#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "tests/gtk/support/main_loop_spin.h"
#include "tests/gtk/support/process_tree.h"

namespace zephro::bench::gtk {
namespace {

long pssKbOf(pid_t pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/smaps_rollup");
  std::string key;
  long kb = 0;
  while (in >> key) {
    if (key == "Pss:" && in >> kb) return kb;
    in.ignore(1 << 20, '\n');
  }
  return 0;
}

nlohmann::json groupedByName(const std::vector<ProcessMemory>& processes) {
  nlohmann::json byName = nlohmann::json::object();
  for (const auto& process : processes) {
    if (!byName.contains(process.name)) byName[process.name] = {{"count", 0}, {"kb", 0L}};
    auto& group = byName[process.name];
    group["count"] = group["count"].get<int>() + 1;
    group["kb"] = group["kb"].get<long>() + process.pssKb;
  }
  return byName;
}

}  // namespace

std::vector<ProcessMemory> processTreeMemory(pid_t root) {
  std::string rootName;
  std::ifstream("/proc/" + std::to_string(root) + "/comm") >> rootName;
  std::vector<ProcessMemory> tree{{root, rootName, pssKbOf(root)}};
  for (const auto& process : testing::gtk::liveDescendants(root)) {
    tree.push_back({process.pid, process.name, pssKbOf(process.pid)});
  }
  return tree;
}

long totalPssKb(const std::vector<ProcessMemory>& processes) {
  long total = 0;
  for (const auto& process : processes) total += process.pssKb;
  return total;
}

nlohmann::json settledMemoryReport(std::chrono::milliseconds settle) {
  testing::gtk::spinFor(settle);
  malloc_trim(0);
  const auto processes = processTreeMemory(getpid());
  return {{"totalKb", totalPssKb(processes)}, {"uiKb", processes.front().pssKb}, {"byName", groupedByName(processes)}};
}

std::string memoryBreakdown(const nlohmann::json& byName) {
  std::string text;
  for (const auto& [name, entry] : byName.items()) {
    char part[128];
    std::snprintf(part, sizeof part, "  %s x%d %.1f MB", name.c_str(), entry.value("count", 0),
                  entry.value("kb", 0L) / 1024.0);
    text += part;
  }
  return text;
}

}  // namespace zephro::bench::gtk
