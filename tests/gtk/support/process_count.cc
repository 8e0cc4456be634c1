#include "tests/gtk/support/process_count.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace zephro::testing::gtk {
namespace {

struct ProcessStat {
  std::string name;
  long parent = 0;
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

}  // namespace

int descendantProcessCount(std::string_view namePrefix) {
  std::map<long, ProcessStat> processes;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
    ProcessStat stat;
    long pid = 0;
    if (std::istringstream(entry.path().filename().string()) >> pid && readStat(entry.path() / "stat", stat)) {
      processes.emplace(pid, stat);
    }
  }
  const auto descends = [&](long pid) {
    for (int depth = 0; depth < 16 && pid > 1; ++depth) {
      const auto process = processes.find(pid);
      if (process == processes.end()) return false;
      pid = process->second.parent;
      if (pid == getpid()) return true;
    }
    return false;
  };
  int count = 0;
  for (const auto& [pid, stat] : processes) {
    if (stat.state != 'Z' && stat.name.starts_with(namePrefix) && descends(pid)) ++count;
  }
  return count;
}

}  // namespace zephro::testing::gtk
