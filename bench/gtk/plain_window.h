// The window a baseline shows its plain WebKit view in: a bare GtkWindow the
// size of the kit's windows, so both sides render the same area.
#pragma once

#include <gtk/gtk.h>

namespace zephro::bench::gtk {

GtkWindow* showInPlainWindow(GtkWidget* content);

}  // namespace zephro::bench::gtk
