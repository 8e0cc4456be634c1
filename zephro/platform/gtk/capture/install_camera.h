#pragma once

namespace zephro::platform::gtk {

// Switches capture to this machine's cameras (GStreamer, ZXing-cpp) and lets
// view peers show camera previews. Part of the GTK backend's installation.
void installCamera();

}  // namespace zephro::platform::gtk
