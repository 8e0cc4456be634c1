#pragma once

#include <gtk/gtk.h>

#include <memory>

#include "zephro/platform/ui/navigation_controller.h"

namespace zephro::platform::gtk {

// Lets a drag that starts at the left edge of a navigation stack's view pop
// its top screen once it has crossed a third of the width. The model asks the
// gesture's delegate whether the pop may happen.
void attachSwipeBack(GtkWidget* widget, std::weak_ptr<ui::NavigationController> controller);

}  // namespace zephro::platform::gtk
