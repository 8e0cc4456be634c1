#include "zephro/platform/gtk/kit_style.h"

#include <gtk/gtk.h>

#include "zephro/platform/gtk/gobject_ref.h"

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
  const auto provider = GObjectRef<GtkCssProvider>::adopt(gtk_css_provider_new());
  gtk_css_provider_load_from_data(provider.get(), kStyleSheet, -1);
  gtk_style_context_add_provider_for_display(display, GTK_STYLE_PROVIDER(provider.get()),
                                             GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
}

}  // namespace zephro::platform::gtk
