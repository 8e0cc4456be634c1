// How much memory a process and everything it started take: the proportional
// set size (Pss) of each, so pages shared between them count once in total.
#pragma once

#include <chrono>
#include <nlohmann/json.hpp>
#include <string>
#include <sys/types.h>
#include <vector>

namespace zephro::bench::gtk {

struct ProcessMemory {
  pid_t pid = 0;
  std::string name;
  long pssKb = 0;
};

// `root` and all its live descendants (grandchildren too: WebKit may start
// its web processes through a sandbox launcher), root first.
std::vector<ProcessMemory> processTreeMemory(pid_t root);

long totalPssKb(const std::vector<ProcessMemory>& processes);

// Runs the main loop for `settle`, returns this process's free heap to the
// system and reports the memory of this process and its descendants:
// {"totalKb", "uiKb" (this process), "byName": {name: {"count", "kb"}}}.
nlohmann::json settledMemoryReport(std::chrono::milliseconds settle);

// "  NAME xCOUNT 12.3 MB" for each name of a report's "byName".
std::string memoryBreakdown(const nlohmann::json& byName);

}  // namespace zephro::bench::gtk
