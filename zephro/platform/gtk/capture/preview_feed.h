#pragma once

#include <gdk/gdk.h>

#include <functional>
#include <vector>

#include "zephro/platform/gtk/capture/video_frame.h"

namespace zephro::platform::gtk {

// Hands a camera's newest picture to everything showing it. Main thread only.
class PreviewFeed {
 public:
  // Shows one frame; answers false once it has gone, and is then forgotten.
  using Viewer = std::function<bool(GdkTexture* frame)>;

  void addViewer(Viewer viewer);
  // Makes one texture of the RGBA frame for all viewers.
  void show(VideoFrame rgbaFrame);

 private:
  std::vector<Viewer> viewers_;
};

}  // namespace zephro::platform::gtk
