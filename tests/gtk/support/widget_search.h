// Finding the GTK widgets behind model views, to click them or check that
// they are on screen.
#pragma once

#include <gtk/gtk.h>

#include "zephro/platform/ui/view.h"

namespace zephro::testing::gtk {

GtkWidget* widgetOf(platform::ui::View& view);
// The first descendant of `root` of the given GType, depth first.
GtkWidget* findDescendant(GtkWidget* root, GType type);
// The view's widget is mapped inside a window.
bool isOnScreen(platform::ui::View& view);

}  // namespace zephro::testing::gtk
