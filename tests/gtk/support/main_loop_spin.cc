#include "tests/gtk/support/main_loop_spin.h"

#include <glib.h>

namespace zephro::testing::gtk {
namespace {

gboolean wakeUp(gpointer) { return G_SOURCE_CONTINUE; }

}  // namespace

bool spinUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  // Without a periodic source a quiet context would block past the deadline.
  const guint ticker = g_timeout_add(10, wakeUp, nullptr);
  bool reached = done();
  while (!reached && std::chrono::steady_clock::now() < deadline) {
    g_main_context_iteration(nullptr, TRUE);
    reached = done();
  }
  g_source_remove(ticker);
  return reached;
}

void spinFor(std::chrono::milliseconds duration) {
  spinUntil([] { return false; }, duration);
}

}  // namespace zephro::testing::gtk
