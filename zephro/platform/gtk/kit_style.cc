#include "zephro/platform/gtk/kit_style.h"

#include <gtk/gtk.h>

namespace zephro::platform::gtk {
namespace {

constexpr const char* kStyleSheet =
    "button.zephro-bare { padding: 0; margin: 0; min-width: 0; min-height: 0; border: none;"
    " box-shadow: none; background: none; outline: none; }";

}  // namespace

void installKitStyle() {
  static bool installed = false;
  GdkDisplay* display = gdk_display_get_default();
  if (installed || display == nullptr) return;
  installed = true;
  GtkCssProvider* provider = gtk_css_provider_new();
  gtk_css_provider_load_from_data(provider, kStyleSheet, -1);
  gtk_style_context_add_provider_for_display(display, GTK_STYLE_PROVIDER(provider),
                                             GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  g_object_unref(provider);
}

}  // namespace zephro::platform::gtk
