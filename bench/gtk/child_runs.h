// Measuring arrangements in fresh processes: a benchmark starts its own
// program again with other arguments, and the child reports one line back on
// a pipe. WebKit's helper processes outlive the child for a moment; the
// parent adopts and waits for them, so that no run overlaps the next.
#pragma once

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zephro::bench::gtk {

using namespace std::chrono_literals;

struct ChildRun {
  // Taken just before the child was forked.
  std::chrono::steady_clock::time_point started;
  // The child's report; absent when it exited or timed out without one.
  std::optional<std::string> report;
};

// Makes this process the reaper of its descendants' orphans. Call once,
// before the first runChild.
void adoptOrphans();

// Runs this program again with `arguments` and `environment` added, waits for
// its report, its exit and the exit of every process it left behind. A child
// still running after `timeout` is killed.
ChildRun runChild(const std::vector<std::string>& arguments, const std::map<std::string, std::string>& environment = {},
                  std::chrono::seconds timeout = 60s);

// In the child: sends one line to the parent.
void reportToParent(const std::string& line);

}  // namespace zephro::bench::gtk
