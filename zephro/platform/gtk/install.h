#pragma once

#include <gtk/gtk.h>

#include "zephro/platform/gtk/install_options.h"

namespace zephro::platform::gtk {

// Switches the platform layer to GTK: the main queue runs on the default GLib
// main context, views render as widgets, web views run WebKitGTK and capture
// uses the machine's cameras through GStreamer. Call it on the thread that
// runs GTK, after gtk_init() (or in a GtkApplication's "startup"), before the
// kit makes any view or web view. With an application, the kit's windows join
// it so that it keeps running while they are open. `options` say where the
// kit's data and extension are, which camera to offer first and how web views
// share web processes.
void install(GtkApplication* application = nullptr, const InstallOptions& options = {});

}  // namespace zephro::platform::gtk
