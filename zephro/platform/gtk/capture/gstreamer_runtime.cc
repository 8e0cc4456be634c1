#include "zephro/platform/gtk/capture/gstreamer_runtime.h"

#include <gst/gst.h>

#include <cstdio>

namespace zephro::platform::gtk {

bool ensureGstreamer() {
  // A function-local static is initialised exactly once even when the main
  // thread and the background queue race to it.
  static const bool started = [] {
    GError* error = nullptr;
    if (gst_init_check(nullptr, nullptr, &error)) return true;
    std::fprintf(stderr, "camera: GStreamer cannot start: %s\n", error != nullptr ? error->message : "?");
    g_clear_error(&error);
    return false;
  }();
  return started;
}

}  // namespace zephro::platform::gtk
