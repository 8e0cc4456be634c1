#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>

namespace zephro::platform::gtk {

// Lets the thread that starts a camera wait until pictures flow or the camera
// fails, whichever a streaming thread reports first.
class StartupLatch {
 public:
  enum class Outcome { flowing, failed, timedOut };

  // Arms the latch for another start.
  void reset();
  // The first report after a reset wins; later ones are ignored. Cheap once
  // settled, so every frame may report.
  void report(Outcome outcome);
  Outcome wait(std::chrono::milliseconds timeout);

 private:
  std::mutex mutex_;
  std::condition_variable settledChanged_;
  std::optional<Outcome> outcome_;
  std::atomic<bool> settled_ = false;
};

}  // namespace zephro::platform::gtk
