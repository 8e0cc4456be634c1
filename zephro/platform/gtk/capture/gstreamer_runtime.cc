#include "zephro/platform/gtk/capture/gstreamer_runtime.h"

#include <gst/gst.h>

#include <cstdio>

#include "zephro/platform/gtk/gobject_ref.h"

namespace zephro::platform::gtk {

bool ensureGstreamer() {
  // A function-local static is initialised exactly once even when the main
  // thread and the background queue race to it.
  static const bool started = [] {
    GOwned<GError> error;
    if (gst_init_check(nullptr, nullptr, error.out())) return true;
    std::fprintf(stderr, "camera: GStreamer cannot start: %s\n", error ? error->message : "?");
    return false;
  }();
  return started;
}

}  // namespace zephro::platform::gtk
