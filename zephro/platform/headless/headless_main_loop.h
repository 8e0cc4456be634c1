// The main loop without a display: a queue of tasks that the program (a test,
// a host's own test) runs by draining it or running it until a condition holds.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <utility>

#include "zephro/platform/dispatch/main_loop.h"

namespace zephro::platform::headless {

class HeadlessMainLoop : public dispatch::MainLoop {
 public:
  using Clock = std::chrono::steady_clock;

  // Makes a fresh loop and installs it as the main loop (the calling thread
  // becomes the main thread).
  static std::shared_ptr<HeadlessMainLoop> install();

  void post(dispatch::Task task) override;
  void postAfter(std::chrono::milliseconds delay, dispatch::Task task) override;
  // Runs before any other task still waiting, as on the GLib loop.
  void postAtEndOfPass(dispatch::Task task) override;

  // Runs everything pending, including work posted while draining and delayed
  // work that is due, but not delayed work that is not yet due. Returns how
  // many tasks ran.
  std::size_t drain();
  // Runs posted and due delayed work until `predicate` holds or `timeout`
  // passes; returns whether it held. The predicate is checked first.
  bool runUntil(const std::function<bool()>& predicate, std::chrono::milliseconds timeout);
  // Tasks waiting, delayed ones included.
  std::size_t pendingCount() const;

 private:
  // One task, ready or due; null when nothing can run now.
  dispatch::Task takeRunnable();
  void waitForWork(Clock::time_point deadline);

  mutable std::mutex mutex_;
  std::condition_variable posted_;
  std::deque<dispatch::Task> ready_;
  std::deque<dispatch::Task> endOfPass_;
  // Keyed by due time, then by posting order so equal times run in order.
  std::map<std::pair<Clock::time_point, std::uint64_t>, dispatch::Task> delayed_;
  std::uint64_t nextSequence_ = 0;
};

}  // namespace zephro::platform::headless
