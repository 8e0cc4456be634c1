#include "zephro/platform/gtk/window_snapshot.h"

namespace zephro::platform::gtk {

template <>
struct GRelease<GskRenderNode> {
  static void release(GskRenderNode* value) { gsk_render_node_unref(value); }
};

GObjectRef<GdkTexture> renderWindow(GtkWindow* window) {
  GtkWidget* widget = GTK_WIDGET(window);
  int width = gtk_widget_get_width(widget);
  int height = gtk_widget_get_height(widget);
  GskRenderer* renderer = gtk_native_get_renderer(GTK_NATIVE(window));
  if (width <= 0 || height <= 0 || renderer == nullptr) return {};

  auto paintable = GObjectRef<GdkPaintable>::adopt(gtk_widget_paintable_new(widget));
  GtkSnapshot* snapshot = gtk_snapshot_new();
  gdk_paintable_snapshot(paintable.get(), GDK_SNAPSHOT(snapshot), width, height);
  const GOwned<GskRenderNode> node(gtk_snapshot_free_to_node(snapshot));
  if (!node) return {};

  graphene_rect_t bounds;
  graphene_rect_init(&bounds, 0, 0, static_cast<float>(width), static_cast<float>(height));
  return GObjectRef<GdkTexture>::adopt(gsk_renderer_render_texture(renderer, node.get(), &bounds));
}

bool saveWindowSnapshot(GtkWindow* window, const std::string& file) {
  GObjectRef<GdkTexture> texture = renderWindow(window);
  return texture && gdk_texture_save_to_png(texture.get(), file.c_str());
}

}  // namespace zephro::platform::gtk
