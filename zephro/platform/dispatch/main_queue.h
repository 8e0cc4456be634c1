// The main queue: work handed to the installed main loop. An empty task is
// dropped here, whatever the loop.
#pragma once

#include <chrono>

#include "zephro/platform/dispatch/main_loop.h"

namespace zephro::platform::dispatch {

class MainQueue {
 public:
  static void async(Task task);
  static void asyncAfter(std::chrono::milliseconds delay, Task task);
};

}  // namespace zephro::platform::dispatch
