#include "tests/gtk/support/widget_search.h"

#include "zephro/platform/gtk/gtk_view_peer.h"

namespace zephro::testing::gtk {

GtkWidget* widgetOf(platform::ui::View& view) { return platform::gtk::GtkViewPeer::of(view)->widget(); }

GtkWidget* findDescendant(GtkWidget* root, GType type) {
  for (GtkWidget* child = gtk_widget_get_first_child(root); child != nullptr; child = gtk_widget_get_next_sibling(child)) {
    if (G_TYPE_CHECK_INSTANCE_TYPE(child, type)) return child;
    if (GtkWidget* found = findDescendant(child, type)) return found;
  }
  return nullptr;
}

bool isOnScreen(platform::ui::View& view) {
  GtkWidget* widget = widgetOf(view);
  return gtk_widget_get_mapped(widget) && GTK_IS_WINDOW(gtk_widget_get_root(widget));
}

}  // namespace zephro::testing::gtk
