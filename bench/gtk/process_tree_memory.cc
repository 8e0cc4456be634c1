#include "bench/gtk/process_tree_memory.h"

#include <fstream>

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

}  // namespace zephro::bench::gtk
