#include "zephro/platform/capture/video_preview_layer.h"

#include <utility>

namespace zephro::platform::capture {

VideoPreviewLayer::VideoPreviewLayer(std::shared_ptr<CaptureSession> session) : session_(std::move(session)) {}

std::shared_ptr<VideoPreviewLayer> VideoPreviewLayer::make(std::shared_ptr<CaptureSession> session) {
  return std::make_shared<VideoPreviewLayer>(std::move(session));
}

void VideoPreviewLayer::setVideoGravity(VideoGravity gravity) {
  if (gravity == gravity_) return;
  gravity_ = gravity;
  notifyHostOfChange();
}

}  // namespace zephro::platform::capture
