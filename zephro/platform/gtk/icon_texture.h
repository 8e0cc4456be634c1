#pragma once

#include <gtk/gtk.h>

#include <optional>

#include "zephro/platform/gtk/gobject_ref.h"
#include "zephro/platform/ui/color.h"
#include "zephro/platform/ui/geometry.h"
#include "zephro/platform/ui/image.h"

namespace zephro::platform::gtk {

struct IconTexture {
  GObjectRef<GdkTexture> texture;
  ui::Size pointSize;  // pixels divided by the image's scale
};

// The image's pixels, painted in `tint` (keeping their alpha) when given, the
// way template images are drawn. Nothing when the file cannot be read.
std::optional<IconTexture> loadIconTexture(const ui::Image& image, const std::optional<ui::Color>& tint);

}  // namespace zephro::platform::gtk
