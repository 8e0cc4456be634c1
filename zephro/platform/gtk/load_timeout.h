#pragma once

#include <functional>

#include "zephro/platform/gtk/callback_trampoline.h"

namespace zephro::platform::gtk {

// A one-shot timer on the main context for a load that must not hang: WebKit
// has no per-request timeout of its own.
class LoadTimeout {
 public:
  // Replaces any running timer. Non-positive or non-finite intervals set none.
  void start(double seconds, std::function<void()> onExpiry);
  void cancel() { timer_.cancel(); }
  bool isRunning() const { return timer_.isPending(); }

 private:
  OwnedTimeout timer_;
};

}  // namespace zephro::platform::gtk
