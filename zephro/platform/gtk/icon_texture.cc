#include "zephro/platform/gtk/icon_texture.h"

#include <algorithm>
#include <cmath>

namespace zephro::platform::gtk {
namespace {

guchar channel(double fraction) { return static_cast<guchar>(std::lround(std::clamp(fraction, 0.0, 1.0) * 255)); }

void paint(GdkPixbuf* pixbuf, const ui::Color& tint) {
  const int width = gdk_pixbuf_get_width(pixbuf);
  const int height = gdk_pixbuf_get_height(pixbuf);
  const int stride = gdk_pixbuf_get_rowstride(pixbuf);
  guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      guchar* pixel = pixels + y * stride + x * 4;
      pixel[0] = channel(tint.red());
      pixel[1] = channel(tint.green());
      pixel[2] = channel(tint.blue());
      pixel[3] = static_cast<guchar>(std::lround(pixel[3] * std::clamp(tint.alpha(), 0.0, 1.0)));
    }
  }
}

}  // namespace

std::optional<IconTexture> loadIconTexture(const ui::Image& image, const std::optional<ui::Color>& tint) {
  const auto loaded = GObjectRef<GdkPixbuf>::adopt(gdk_pixbuf_new_from_file(image.file().c_str(), nullptr));
  if (!loaded) return std::nullopt;
  // Four channels whatever the file had, so painting can keep the alpha.
  auto pixbuf = GObjectRef<GdkPixbuf>::adopt(gdk_pixbuf_add_alpha(loaded.get(), FALSE, 0, 0, 0));
  if (tint) paint(pixbuf.get(), *tint);
  const double scale = image.scale() > 0 ? image.scale() : 1;
  return IconTexture{GObjectRef<GdkTexture>::adopt(gdk_texture_new_for_pixbuf(pixbuf.get())),
                     {gdk_pixbuf_get_width(pixbuf.get()) / scale, gdk_pixbuf_get_height(pixbuf.get()) / scale}};
}

}  // namespace zephro::platform::gtk
