#include "bench/gtk/plain_window.h"

#include "zephro/platform/ui/screen.h"

namespace zephro::bench::gtk {

GtkWindow* showInPlainWindow(GtkWidget* content) {
  const platform::ui::Rect screen = platform::ui::Screen::main().bounds();
  GtkWidget* window = gtk_window_new();
  gtk_window_set_default_size(GTK_WINDOW(window), static_cast<int>(screen.width()), static_cast<int>(screen.height()));
  gtk_window_set_child(GTK_WINDOW(window), content);
  gtk_window_present(GTK_WINDOW(window));
  return GTK_WINDOW(window);
}

}  // namespace zephro::bench::gtk
