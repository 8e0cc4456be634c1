#include "zephro/h5/process_recovery.h"

namespace zephro {

bool ProcessRecovery::shouldReload(Clock::time_point now) {
  if (lastReload_ && now - *lastReload_ < kCrashLoopWindow) return false;
  lastReload_ = now;
  return true;
}

}  // namespace zephro
