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
  GBytes* pixels = g_bytes_new_with_free_func(frame->pixels(), frame->byteSize(), releaseFrame, frame);
  auto texture = GObjectRef<GdkTexture>::adopt(
      gdk_memory_texture_new(frame->width(), frame->height(), kOpaqueRgba, pixels, frame->stride()));
  g_bytes_unref(pixels);
  return texture;
}

GObjectRef<GdkTexture> makeBlackTexture() {
  static const guint8 kBlack[] = {0, 0, 0, 255};
  GBytes* pixel = g_bytes_new_static(kBlack, sizeof kBlack);
  auto texture = GObjectRef<GdkTexture>::adopt(gdk_memory_texture_new(1, 1, kOpaqueRgba, pixel, sizeof kBlack));
  g_bytes_unref(pixel);
  return texture;
}

}  // namespace zephro::platform::gtk
