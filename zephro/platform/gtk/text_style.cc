#include "zephro/platform/gtk/text_style.h"

#include <algorithm>
#include <cmath>

#include "zephro/platform/gtk/gobject_ref.h"

namespace zephro::platform::gtk {

template <>
struct GRelease<PangoAttrList> {
  static void release(PangoAttrList* value) { pango_attr_list_unref(value); }
};

namespace {

guint16 pangoChannel(double fraction) {
  return static_cast<guint16>(std::lround(std::clamp(fraction, 0.0, 1.0) * 65535));
}

}  // namespace

void setLabelStyle(GtkLabel* label, const ui::Color& colour, double fontSize) {
  const GOwned<PangoAttrList> owned(pango_attr_list_new());
  PangoAttrList* attributes = owned.get();
  pango_attr_list_insert(attributes, pango_attr_foreground_new(pangoChannel(colour.red()), pangoChannel(colour.green()),
                                                               pangoChannel(colour.blue())));
  pango_attr_list_insert(attributes, pango_attr_foreground_alpha_new(pangoChannel(colour.alpha())));
  // Model font sizes are in points of the display, which GTK calls pixels.
  pango_attr_list_insert(attributes, pango_attr_size_new_absolute(static_cast<int>(std::lround(fontSize * PANGO_SCALE))));
  gtk_label_set_attributes(label, attributes);
}

GdkRGBA gdkColour(const ui::Color& colour) {
  return {static_cast<float>(colour.red()), static_cast<float>(colour.green()), static_cast<float>(colour.blue()),
          static_cast<float>(colour.alpha())};
}

}  // namespace zephro::platform::gtk
