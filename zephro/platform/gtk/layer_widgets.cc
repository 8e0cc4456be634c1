#include "zephro/platform/gtk/layer_widgets.h"

#include <utility>
#include <vector>

namespace zephro::platform::gtk {
namespace {

std::vector<LayerWidgetFactory>& factories() {
  static std::vector<LayerWidgetFactory> registered;
  return registered;
}

}  // namespace

void addLayerWidgetFactory(LayerWidgetFactory factory) {
  if (factory) factories().push_back(std::move(factory));
}

GtkWidget* makeLayerWidget(ui::Layer& layer) {
  for (const auto& factory : factories()) {
    if (GtkWidget* widget = factory(layer)) return widget;
  }
  return nullptr;
}

}  // namespace zephro::platform::gtk
