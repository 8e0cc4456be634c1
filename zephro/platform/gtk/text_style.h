#pragma once

#include <gtk/gtk.h>

#include "zephro/platform/ui/color.h"

namespace zephro::platform::gtk {

// Colours and sizes a label's text through Pango attributes, which need no
// style sheet and override the theme.
void setLabelStyle(GtkLabel* label, const ui::Color& colour, double fontSize);

// What the model's colour is in GDK terms.
GdkRGBA gdkColour(const ui::Color& colour);

}  // namespace zephro::platform::gtk
