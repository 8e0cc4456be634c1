// How much memory a process and everything it started take: the proportional
// set size (Pss) of each, so pages shared between them count once in total.
#pragma once

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

}  // namespace zephro::bench::gtk
