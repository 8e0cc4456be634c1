#pragma once

#include <gtk/gtk.h>

#include <functional>
#include <optional>

#include "zephro/platform/ui/color.h"
#include "zephro/platform/ui/geometry.h"

namespace zephro::platform::gtk {

// The widget behind every model view: it places its children exactly at the
// frames the model computed (plus a transient offset used by transitions),
// paints the view's background colour and clips what overflows. It asks for
// no size of its own: the model decides sizes.
GtkWidget* frameBoxNew();

// Where a child sits in its frame box, in the box's coordinates.
void frameBoxSetChildFrame(GtkWidget* child, ui::Rect frame);
// A shift added to the child's frame, e.g. while it slides in.
void frameBoxSetChildOffset(GtkWidget* child, ui::Point offset);
// A child with no frame fills the box (a view's own content widget).
void frameBoxSetChildFills(GtkWidget* child);

void frameBoxSetBackground(GtkWidget* box, const std::optional<ui::Color>& color);
// Told whenever the box is given a new size (a window's root view follows it).
void frameBoxOnResize(GtkWidget* box, std::function<void(ui::Size)> onResize);

}  // namespace zephro::platform::gtk
