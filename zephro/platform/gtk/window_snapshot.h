// What a window shows, as a texture or a PNG file: for headless runs, bug
// reports and tests that check the pixels.
#pragma once

#include <gtk/gtk.h>

#include <string>

#include "zephro/platform/gtk/gobject_ref.h"

namespace zephro::platform::gtk {

// Renders the window's current content, web views included. Null when the
// window has no size or renderer yet.
GObjectRef<GdkTexture> renderWindow(GtkWindow* window);

// Saves renderWindow() as a PNG; false when there is nothing to save or the
// file cannot be written.
bool saveWindowSnapshot(GtkWindow* window, const std::string& file);

}  // namespace zephro::platform::gtk
