#pragma once

#include <gdk/gdk.h>

#include "zephro/platform/gtk/capture/video_frame.h"
#include "zephro/platform/gtk/gobject_ref.h"

namespace zephro::platform::gtk {

// A texture showing an RGBA frame without copying its pixels: the texture
// keeps the frame's buffer until GTK has uploaded and dropped it.
GObjectRef<GdkTexture> makeFrameTexture(VideoFrame rgbaFrame);

// One opaque black pixel: what a camera preview shows before its first frame.
GObjectRef<GdkTexture> makeBlackTexture();

}  // namespace zephro::platform::gtk
