#pragma once

#include <gtk/gtk.h>

namespace zephro::platform::gtk {

// Switches the platform layer to GTK: the main queue runs on the default GLib
// main context, views render as widgets, web views run WebKitGTK. Call once,
// on the thread that runs GTK, after gtk_init() (or in a GtkApplication's
// "startup"), before the kit makes any view or web view. With an application,
// the kit's windows join it so that it runs while they are open.
void install(GtkApplication* application = nullptr);

}  // namespace zephro::platform::gtk
