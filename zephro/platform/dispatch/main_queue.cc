#include "zephro/platform/dispatch/main_queue.h"

#include <utility>

namespace zephro::platform::dispatch {

void MainQueue::async(Task task) {
  if (task) mainLoop()->post(std::move(task));
}

void MainQueue::asyncAfter(std::chrono::milliseconds delay, Task task) {
  if (task) mainLoop()->postAfter(delay, std::move(task));
}

}  // namespace zephro::platform::dispatch
