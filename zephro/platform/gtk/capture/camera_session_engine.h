#pragma once

#include <memory>

#include "zephro/platform/capture/device_provider.h"
#include "zephro/platform/gtk/capture/camera_pipeline.h"
#include "zephro/platform/gtk/capture/preview_feed.h"

namespace zephro::platform::gtk {

// Runs a capture session on a camera pipeline: a fresh pipeline per start,
// its preview shown through the feed, its QR codes handed to the session.
class CameraSessionEngine : public capture::SessionEngine {
 public:
  CameraSessionEngine();
  ~CameraSessionEngine() override;

  bool start(const capture::SessionConfiguration& configuration) override;
  void stop() override;

  // Lives as long as the engine, across starts. Main thread only.
  PreviewFeed& previewFeed() { return *previewFeed_; }

 private:
  std::shared_ptr<PreviewFeed> previewFeed_;
  std::shared_ptr<CameraPipeline> pipeline_;
};

}  // namespace zephro::platform::gtk
