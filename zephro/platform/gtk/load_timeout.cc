#include "zephro/platform/gtk/load_timeout.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "zephro/platform/gtk/callback_trampoline.h"

namespace zephro::platform::gtk {

void LoadTimeout::start(double seconds, std::function<void()> onExpiry) {
  cancel();
  if (!std::isfinite(seconds) || seconds <= 0) return;
  const double milliseconds = std::min(seconds * 1000, static_cast<double>(std::numeric_limits<guint>::max()));
  onExpiry_ = std::move(onExpiry);
  source_ = addTimeoutOnce(static_cast<guint>(milliseconds), [this] { expire(); });
}

void LoadTimeout::cancel() {
  if (source_ != 0) g_source_remove(std::exchange(source_, 0));
  onExpiry_ = nullptr;
}

void LoadTimeout::expire() {
  source_ = 0;
  // Moved out first: the handler may start another timer.
  auto onExpiry = std::exchange(onExpiry_, nullptr);
  if (onExpiry) onExpiry();
}

}  // namespace zephro::platform::gtk
