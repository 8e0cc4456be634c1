// Whether a page whose web process ended is loaded again: the first time yes,
// but not when it ends again within 10 seconds of the last such load (or of a
// retry), which would only reload it forever.
#pragma once

#include <chrono>
#include <optional>

namespace zephro {

class ProcessRecovery {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr std::chrono::seconds kCrashLoopWindow{10};

  // Whether to load the page again now; a yes counts as a reload at `now`.
  bool shouldReload(Clock::time_point now);
  // The page was loaded again for another reason (a retry) at `now`.
  void noteReload(Clock::time_point now) { lastReload_ = now; }

 private:
  std::optional<Clock::time_point> lastReload_;
};

}  // namespace zephro
