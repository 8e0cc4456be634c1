#include "zephro/platform/gtk/capture/preview_feed.h"

#include <utility>

#include "zephro/platform/gtk/capture/frame_texture.h"

namespace zephro::platform::gtk {

void PreviewFeed::addViewer(Viewer viewer) { viewers_.push_back(std::move(viewer)); }

void PreviewFeed::show(VideoFrame rgbaFrame) {
  if (viewers_.empty()) return;
  const auto texture = makeFrameTexture(std::move(rgbaFrame));
  std::erase_if(viewers_, [&](const Viewer& viewer) { return !viewer(texture.get()); });
}

}  // namespace zephro::platform::gtk
