#pragma once

#include <gtk/gtk.h>

#include <functional>

namespace zephro::platform::ui {
class Layer;
}

namespace zephro::platform::gtk {

// Makes the widget that shows a layer of a kind some part of the backend
// knows (the camera preview); null for any other layer. Parts register their
// factory once at start-up; the view peers ask each in turn.
using LayerWidgetFactory = std::function<GtkWidget*(ui::Layer& layer)>;

void addLayerWidgetFactory(LayerWidgetFactory factory);
// A new widget (floating reference) for `layer`, or null when no factory knows it.
GtkWidget* makeLayerWidget(ui::Layer& layer);

}  // namespace zephro::platform::gtk
