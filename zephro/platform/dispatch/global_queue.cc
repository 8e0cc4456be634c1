#include "zephro/platform/dispatch/global_queue.h"

#include <algorithm>
#include <utility>

namespace zephro::platform::dispatch {

GlobalQueue& GlobalQueue::background() {
  // Never destroyed: its workers may still be busy when the process exits.
  static GlobalQueue* queue = new GlobalQueue(std::clamp(std::thread::hardware_concurrency(), 2u, 4u));
  return *queue;
}

GlobalQueue::GlobalQueue(std::size_t threadCount) {
  workers_.reserve(threadCount);
  for (std::size_t i = 0; i < std::max<std::size_t>(threadCount, 1); ++i) {
    workers_.emplace_back([this] { work(); });
  }
}

GlobalQueue::~GlobalQueue() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  for (std::thread& worker : workers_) worker.join();
}

void GlobalQueue::async(Task task) {
  if (!task) return;
  {
    std::lock_guard lock(mutex_);
    tasks_.push_back(std::move(task));
  }
  wake_.notify_one();
}

void GlobalQueue::work() {
  for (;;) {
    Task task;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return stopping_ || !tasks_.empty(); });
      if (tasks_.empty()) return;
      task = std::move(tasks_.front());
      tasks_.pop_front();
    }
    task();
  }
}

}  // namespace zephro::platform::dispatch
