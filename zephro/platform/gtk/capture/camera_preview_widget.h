#pragma once

#include <gtk/gtk.h>

namespace zephro::platform::ui {
class Layer;
}

namespace zephro::platform::gtk {

// The widget of a capture::VideoPreviewLayer (a floating reference): a picture
// that shows its session's camera with the layer's video gravity, black until
// the first frame. Null for any other layer.
GtkWidget* makeCameraPreviewWidget(ui::Layer& layer);

}  // namespace zephro::platform::gtk
