// A concurrent queue served by a small pool of worker threads.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "zephro/platform/dispatch/main_loop.h"

namespace zephro::platform::dispatch {

class GlobalQueue {
 public:
  // The process-wide background queue. It lives until the process ends, so
  // work may still be queued from static destructors.
  static GlobalQueue& background();

  explicit GlobalQueue(std::size_t threadCount);
  // Runs what is already queued, then joins the workers.
  ~GlobalQueue();
  GlobalQueue(const GlobalQueue&) = delete;
  GlobalQueue& operator=(const GlobalQueue&) = delete;

  // Runs `task` on one of the workers, soon; tasks may run concurrently.
  void async(Task task);

 private:
  void work();

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<Task> tasks_;
  bool stopping_ = false;
  std::vector<std::thread> workers_;
};

}  // namespace zephro::platform::dispatch
