// The processes a test or benchmark started, found through /proc. WebKit's
// web processes may run inside a sandbox launcher, so they are grandchildren
// rather than children.
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

namespace zephro::testing::gtk {

struct ProcessEntry {
  pid_t pid = 0;
  std::string name;  // the command name, as /proc/PID/stat gives it
};

// The live (not zombie) descendants of `root`, at any depth.
std::vector<ProcessEntry> liveDescendants(pid_t root);

// How many live descendants of this process have a name that starts with
// `namePrefix`.
int descendantProcessCount(std::string_view namePrefix);

}  // namespace zephro::testing::gtk
