#include "zephro/platform/gtk/load_timeout.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace zephro::platform::gtk {

void LoadTimeout::start(double seconds, std::function<void()> onExpiry) {
  cancel();
  if (!std::isfinite(seconds) || seconds <= 0) return;
  const double milliseconds = std::min(seconds * 1000, static_cast<double>(std::numeric_limits<guint>::max()));
  onExpiry_ = std::move(onExpiry);
  source_ = g_timeout_add(static_cast<guint>(milliseconds), expire, this);
}

void LoadTimeout::cancel() {
  if (source_ != 0) g_source_remove(std::exchange(source_, 0));
  onExpiry_ = nullptr;
}

gboolean LoadTimeout::expire(gpointer self) {
  auto* timeout = static_cast<LoadTimeout*>(self);
  timeout->source_ = 0;
  // Moved out first: the handler may start another timer.
  auto onExpiry = std::exchange(timeout->onExpiry_, nullptr);
  if (onExpiry) onExpiry();
  return G_SOURCE_REMOVE;
}

}  // namespace zephro::platform::gtk
