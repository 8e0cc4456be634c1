#pragma once

namespace zephro::platform::gtk {

// Initialises GStreamer once per process, from whichever thread asks first.
// False when it cannot start (its plugins missing); cameras then stay absent.
bool ensureGstreamer();

}  // namespace zephro::platform::gtk
