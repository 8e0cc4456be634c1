#include "zephro/platform/gtk/capture/camera_session_engine.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

#include "zephro/platform/capture/metadata_object.h"
#include "zephro/platform/gtk/capture/camera_capture_device.h"

namespace zephro::platform::gtk {

namespace {

// The fixed presets name their size; the others leave it to the camera.
std::optional<FrameSize> frameSizeFor(capture::SessionPreset preset) {
  switch (preset) {
    case capture::SessionPreset::vga640x480: return FrameSize{640, 480};
    case capture::SessionPreset::hd1280x720: return FrameSize{1280, 720};
    case capture::SessionPreset::hd1920x1080: return FrameSize{1920, 1080};
    case capture::SessionPreset::high:
    case capture::SessionPreset::medium:
    case capture::SessionPreset::low: return std::nullopt;
  }
  return std::nullopt;
}

bool wantsQrCodes(const capture::SessionConfiguration& configuration) {
  const auto& types = configuration.metadataObjectTypes;
  return std::find(types.begin(), types.end(), capture::MetadataObjectType::qrCode) != types.end();
}

capture::MetadataObjects toMetadataObjects(const CodeBatch& batch) {
  capture::MetadataObjects objects;
  for (const auto& code : batch.codes) {
    objects.push_back(capture::MachineReadableCodeObject::make(capture::MetadataObjectType::qrCode, code.text));
  }
  return objects;
}

// Nothing in the capture model reports a camera that will not run, so the
// reason goes to the console for whoever wonders why the preview is dark.
void reportCameraProblem(const std::string& problem) { std::fprintf(stderr, "camera: %s\n", problem.c_str()); }

}  // namespace

CameraSessionEngine::CameraSessionEngine() : previewFeed_(std::make_shared<PreviewFeed>()) {}

CameraSessionEngine::~CameraSessionEngine() = default;

bool CameraSessionEngine::start(const capture::SessionConfiguration& configuration) {
  const auto* camera = dynamic_cast<const CameraCaptureDevice*>(configuration.videoDevice.get());
  if (camera == nullptr) return false;
  CameraPipelineOptions options;
  options.preferredSize = frameSizeFor(configuration.preset);
  if (!wantsQrCodes(configuration)) options.codeReader = nullptr;
  std::string error;
  auto pipeline = CameraPipeline::make(camera->source(), std::move(options), error);
  if (!pipeline) {
    reportCameraProblem(error);
    return false;
  }
  pipeline->setPreviewHandler([feed = previewFeed_](VideoFrame frame) { feed->show(std::move(frame)); });
  pipeline->setCodesHandler(
      [deliver = configuration.deliver](const CodeBatch& batch) { deliver(toMetadataObjects(batch)); });
  pipeline->setFailureHandler(reportCameraProblem);
  if (!pipeline->start(error)) {
    reportCameraProblem(error);
    return false;
  }
  pipeline_ = std::move(pipeline);
  return true;
}

void CameraSessionEngine::stop() {
  // Dropping the pipeline stops it and releases the camera; deliveries
  // still queued for the main thread find it gone.
  pipeline_.reset();
}

}  // namespace zephro::platform::gtk
