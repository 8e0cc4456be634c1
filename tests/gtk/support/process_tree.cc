#include "tests/gtk/support/process_tree.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace zephro::testing::gtk {
namespace {

struct ProcessStat {
  std::string name;
  pid_t parent = 0;
  char state = '?';
};

// /proc/PID/stat: "pid (name) state ppid ...", where the name may hold blanks.
bool readStat(const std::filesystem::path& file, ProcessStat& stat) {
  std::ifstream in(file);
  std::string line;
  if (!std::getline(in, line)) return false;
  const auto open = line.find('(');
  const auto close = line.rfind(')');
  if (open == std::string::npos || close == std::string::npos) return false;
  stat.name = line.substr(open + 1, close - open - 1);
  std::istringstream rest(line.substr(close + 1));
  return static_cast<bool>(rest >> stat.state >> stat.parent);
}

std::map<pid_t, ProcessStat> allProcesses() {
  std::map<pid_t, ProcessStat> processes;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
    ProcessStat stat;
    pid_t pid = 0;
    if (std::istringstream(entry.path().filename().string()) >> pid && readStat(entry.path() / "stat", stat)) {
      processes.emplace(pid, stat);
    }
  }
  return processes;
}

bool descendsFrom(pid_t pid, pid_t root, const std::map<pid_t, ProcessStat>& processes) {
  for (int depth = 0; depth < 32 && pid > 1; ++depth) {
    const auto process = processes.find(pid);
    if (process == processes.end()) return false;
    pid = process->second.parent;
    if (pid == root) return true;
  }
  return false;
}

}  // namespace

std::vector<ProcessEntry> liveDescendants(pid_t root) {
  const auto processes = allProcesses();
  std::vector<ProcessEntry> found;
  for (const auto& [pid, stat] : processes) {
    if (stat.state != 'Z' && descendsFrom(pid, root, processes)) found.push_back({pid, stat.name});
  }
  return found;
}

int descendantProcessCount(std::string_view namePrefix) {
  const auto descendants = liveDescendants(getpid());
  return static_cast<int>(std::count_if(descendants.begin(), descendants.end(),
                                        [&](const ProcessEntry& process) { return process.name.starts_with(namePrefix); }));
}

}  // namespace zephro::testing::gtk
