// Saving what a window shows as a PNG, for headless runs and tests.
#pragma once

#include <string>

#include <gtk/gtk.h>

namespace zephro::demo {

// Renders the window's current content, web views included, to `file`.
// False when the window has no size yet or the file cannot be written.
bool saveWindowScreenshot(GtkWindow* window, const std::string& file);

}  // namespace zephro::demo
