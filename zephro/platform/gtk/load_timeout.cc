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
  timer_.start(static_cast<guint>(milliseconds), std::move(onExpiry));
}

}  // namespace zephro::platform::gtk
