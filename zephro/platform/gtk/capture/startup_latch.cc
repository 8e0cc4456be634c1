#include "zephro/platform/gtk/capture/startup_latch.h"

namespace zephro::platform::gtk {

void StartupLatch::reset() {
  std::lock_guard lock(mutex_);
  outcome_.reset();
  settled_ = false;
}

void StartupLatch::report(Outcome outcome) {
  if (settled_) return;
  {
    std::lock_guard lock(mutex_);
    if (outcome_) return;
    outcome_ = outcome;
    settled_ = true;
  }
  settledChanged_.notify_all();
}

StartupLatch::Outcome StartupLatch::wait(std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  if (!settledChanged_.wait_for(lock, timeout, [this] { return outcome_.has_value(); })) return Outcome::timedOut;
  return *outcome_;
}

}  // namespace zephro::platform::gtk
