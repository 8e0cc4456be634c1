#pragma once

#include <memory>

#include "zephro/platform/ui/layer.h"

namespace zephro::platform::capture {

class CaptureSession;

enum class VideoGravity {
  resize,            // stretch to the layer
  resizeAspect,      // fit inside, letterboxed
  resizeAspectFill,  // fill the layer, cropping the picture
};

// Shows what a session's camera sees; the renderer draws it from the
// session's engine.
class VideoPreviewLayer : public ui::Layer {
 public:
  explicit VideoPreviewLayer(std::shared_ptr<CaptureSession> session);
  static std::shared_ptr<VideoPreviewLayer> make(std::shared_ptr<CaptureSession> session);

  const std::shared_ptr<CaptureSession>& session() const { return session_; }
  VideoGravity videoGravity() const { return gravity_; }
  void setVideoGravity(VideoGravity gravity);

 private:
  std::shared_ptr<CaptureSession> session_;
  VideoGravity gravity_ = VideoGravity::resizeAspect;
};

}  // namespace zephro::platform::capture
