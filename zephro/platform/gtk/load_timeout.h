#pragma once

#include <glib.h>

#include <functional>

namespace zephro::platform::gtk {

// A one-shot timer on the main context for a load that must not hang: WebKit
// has no per-request timeout of its own.
class LoadTimeout {
 public:
  LoadTimeout() = default;
  LoadTimeout(const LoadTimeout&) = delete;
  LoadTimeout& operator=(const LoadTimeout&) = delete;
  ~LoadTimeout() { cancel(); }

  // Replaces any running timer. Non-positive or non-finite intervals set none.
  void start(double seconds, std::function<void()> onExpiry);
  void cancel();
  bool isRunning() const { return source_ != 0; }

 private:
  void expire();

  guint source_ = 0;
  std::function<void()> onExpiry_;
};

}  // namespace zephro::platform::gtk
