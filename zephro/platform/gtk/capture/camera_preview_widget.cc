#include "zephro/platform/gtk/capture/camera_preview_widget.h"

#include <memory>

#include "zephro/platform/capture/capture_session.h"
#include "zephro/platform/capture/video_preview_layer.h"
#include "zephro/platform/gtk/capture/camera_session_engine.h"
#include "zephro/platform/gtk/capture/frame_texture.h"

namespace zephro::platform::gtk {

namespace {

GtkContentFit contentFitFor(capture::VideoGravity gravity) {
  switch (gravity) {
    case capture::VideoGravity::resize: return GTK_CONTENT_FIT_FILL;
    case capture::VideoGravity::resizeAspect: return GTK_CONTENT_FIT_CONTAIN;
    case capture::VideoGravity::resizeAspectFill: return GTK_CONTENT_FIT_COVER;
  }
  return GTK_CONTENT_FIT_CONTAIN;
}

// A weak reference to a widget that the feed may outlive.
class WeakWidget {
 public:
  explicit WeakWidget(GtkWidget* widget) { g_weak_ref_init(&ref_, widget); }
  ~WeakWidget() { g_weak_ref_clear(&ref_); }
  WeakWidget(const WeakWidget&) = delete;
  WeakWidget& operator=(const WeakWidget&) = delete;

  GObjectRef<GtkWidget> get() { return GObjectRef<GtkWidget>::adopt(static_cast<GtkWidget*>(g_weak_ref_get(&ref_))); }

 private:
  GWeakRef ref_;
};

PreviewFeed::Viewer viewerFor(GtkWidget* picture, std::weak_ptr<ui::Layer> layer) {
  return [picture = std::make_shared<WeakWidget>(picture), layer = std::move(layer)](GdkTexture* frame) {
    auto widget = picture->get();
    if (!widget) return false;
    // Read per frame: the gravity may change after the widget exists.
    if (auto preview = std::dynamic_pointer_cast<capture::VideoPreviewLayer>(layer.lock())) {
      gtk_picture_set_content_fit(GTK_PICTURE(widget.get()), contentFitFor(preview->videoGravity()));
    }
    gtk_picture_set_paintable(GTK_PICTURE(widget.get()), GDK_PAINTABLE(frame));
    return true;
  };
}

CameraSessionEngine* engineOf(const capture::VideoPreviewLayer& preview) {
  return preview.session() ? dynamic_cast<CameraSessionEngine*>(preview.session()->engine()) : nullptr;
}

}  // namespace

GtkWidget* makeCameraPreviewWidget(ui::Layer& layer) {
  auto* preview = dynamic_cast<capture::VideoPreviewLayer*>(&layer);
  if (preview == nullptr) return nullptr;
  GtkWidget* picture = gtk_picture_new_for_paintable(GDK_PAINTABLE(makeBlackTexture().get()));
  // The layer's frame decides the size, never the camera's resolution.
  gtk_picture_set_can_shrink(GTK_PICTURE(picture), TRUE);
  gtk_picture_set_content_fit(GTK_PICTURE(picture), contentFitFor(preview->videoGravity()));
  if (CameraSessionEngine* engine = engineOf(*preview)) {
    engine->previewFeed().addViewer(viewerFor(picture, layer.weak_from_this()));
  }
  return picture;
}

}  // namespace zephro::platform::gtk
