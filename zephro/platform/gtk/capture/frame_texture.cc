#include "zephro/platform/gtk/capture/frame_texture.h"

#include <utility>

namespace zephro::platform::gtk {

namespace {

void releaseFrame(gpointer frame) { delete static_cast<VideoFrame*>(frame); }

// Camera frames are opaque, where premultiplied and straight alpha agree;
// the premultiplied format is the one GTK uploads without converting.
constexpr GdkMemoryFormat kOpaqueRgba = GDK_MEMORY_R8G8B8A8_PREMULTIPLIED;

}  // namespace

GObjectRef<GdkTexture> makeFrameTexture(VideoFrame rgbaFrame) {
  auto* frame = new VideoFrame(std::move(rgbaFrame));
  const GOwned<GBytes> pixels(g_bytes_new_with_free_func(frame->pixels(), frame->byteSize(), releaseFrame, frame));
  return GObjectRef<GdkTexture>::adopt(
      gdk_memory_texture_new(frame->width(), frame->height(), kOpaqueRgba, pixels.get(), frame->stride()));
}

GObjectRef<GdkTexture> makeBlackTexture() {
  static const guint8 kBlack[] = {0, 0, 0, 255};
  const GOwned<GBytes> pixel(g_bytes_new_static(kBlack, sizeof kBlack));
  return GObjectRef<GdkTexture>::adopt(gdk_memory_texture_new(1, 1, kOpaqueRgba, pixel.get(), sizeof kBlack));
}

}  // namespace zephro::platform::gtk
